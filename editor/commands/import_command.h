// The import command: one template of an rmg.txt table into the editor, as the
// command-line tool imports it (rmg/import_table.h).
#pragma once

namespace zw {

class Editor;

// The import button: the open dialog, importFromTable, then the template
// replaces the current one whole, without a question and without a history step.
void importCommand(Editor& editor);

} // namespace zw
