// The import command: one template of an rmg.txt table into the editor.
#include "model/editor.h"

namespace zw {

void Editor::importRmg() {}

} // namespace zw
