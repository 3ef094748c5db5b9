// The new template, and the question about unsaved changes that every
// command asks before it replaces the template.
#pragma once

namespace zw {

class Session;

// Asks "Сохранить изменения?" when the template is modified and saves on Yes.
// False when the command that asked must stop: the user cancelled, or answered
// Yes and the save didn't happen (its dialog was cancelled or the write failed),
// so that unsaved work is never thrown away without a No.
bool saveChangesFirst(Session& session);

// The new template, after the question about unsaved changes.
void newTemplate(Session& session);

} // namespace zw
