// The import command: one template of an rmg.txt table into the editor, as the
// command-line tool imports it (rmg/import_table.h).
#pragma once

namespace zw {

class Session;

// The import button: the open dialog, importFromTable, then the template
// replaces the current one whole, without a question and without a history step.
void importCommand(Session& session);

} // namespace zw
