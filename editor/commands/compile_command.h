// The compile command: the template into an rmg.txt table, as the command-line
// tool compiles it (rmg/compile.h), the table chosen in the save dialog.
#pragma once

namespace zw {

class Editor;

// The compile button: the check, the save dialog, then compileIntoTable.
void compileCommand(Editor& editor);

} // namespace zw
