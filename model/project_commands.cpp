// Save and load of project files as editor commands.
#include "model/editor.h"

namespace zw {

void Editor::save() { setTool(Tool::None); }

void Editor::load() { setTool(Tool::None); }

} // namespace zw
