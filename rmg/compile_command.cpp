// The compile command: the template into an rmg.txt table.
#include "model/editor.h"

namespace zw {

void Editor::compile() {}

} // namespace zw
