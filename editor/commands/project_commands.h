// The commands on the project file and the template as a whole: new, load,
// save, the question before closing, and the template settings.
#pragma once

#include "editor/document.h"
#include "platform/dialogs.h"

namespace zw {

class Editor;

// Asks "Сохранить изменения?" when the template is modified and saves on Yes.
// False when the user cancels: the command that asked stops.
bool saveChangesFirst(Editor& editor);

// The new template, after the question about unsaved changes.
void newTemplate(Editor& editor);
// Saves the template through the save dialog, written whole through a temporary file.
void saveProject(Editor& editor);
// Loads a project: the pending command-line path when one is set, else the open dialog.
void loadProject(Editor& editor);
// Whether the main window may close (asks about unsaved changes).
bool closeRequest(Editor& editor);
// The template settings dialog; OK records a step and stores the settings.
void editTemplateSettings(Document& document, PropertyDialogs& dialogs);

} // namespace zw
