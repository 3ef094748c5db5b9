// The commands on the project file and the template as a whole: new, load,
// save, the question before closing, and the template settings.
#pragma once

#include "editor/document.h"
#include "platform/dialogs.h"

namespace zw {

class Editor;

// Asks "Сохранить изменения?" when the template is modified and saves on Yes.
// False when the command that asked must stop: the user cancelled, or answered
// Yes and the save didn't happen (its dialog was cancelled or the write failed),
// so that unsaved work is never thrown away without a No.
bool saveChangesFirst(Editor& editor);

// The new template, after the question about unsaved changes.
void newTemplate(Editor& editor);
// Saves the template through the save dialog, written whole through a
// temporary file. True when it was written; the template then counts as saved.
bool saveProject(Editor& editor);
// Loads a project: the pending command-line path when one is set, else the open dialog.
void loadProject(Editor& editor);
// Whether the main window may close (asks about unsaved changes).
bool closeRequest(Editor& editor);
// The template settings dialog; OK stores the settings as one step.
void editTemplateSettings(Editor& editor);

} // namespace zw
