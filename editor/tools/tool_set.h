// The tools of the canvas by their ids, for the editor that puts them down.
#pragma once

#include "editor/tools/tool.h"

#include <memory>

namespace zw {

// A new tool of `id` working on `context`; nullptr when `id` names no tool.
std::unique_ptr<Tool> makeToolOf(ToolId id, ToolContext& context);

} // namespace zw
