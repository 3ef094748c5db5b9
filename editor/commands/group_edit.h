// Shared by the commands on the selected zones: a refusal's message box, and
// the changed template put in place as one step with its new selection.
#pragma once

#include "editor/selection.h"
#include "model/records.h"

#include <string_view>

namespace zw {

class Editor;

void refuseGroupEdit(Editor& editor, std::string_view message);
void commitGroupEdit(Editor& editor, std::string_view stepName, TRmg changed, Selection selected);

} // namespace zw
