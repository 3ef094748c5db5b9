#include "editor/tools/tool_set.h"

#include "editor/tools/copy_tool.h"
#include "editor/tools/create_connection_tool.h"
#include "editor/tools/create_zone_tool.h"
#include "editor/tools/delete_tool.h"
#include "editor/tools/move_tool.h"
#include "editor/tools/selection_tool.h"

#include <array>
#include <utility>

namespace zw {

std::unique_ptr<Tool> makeToolOf(ToolId id, ToolContext& context) {
    using Maker = std::unique_ptr<Tool> (*)(ToolContext&);
    static constexpr std::array<std::pair<ToolId, Maker>, 6> kTools{{
        {kCreateZoneTool, makeTool<CreateZoneTool>},
        {kCreateConnectionTool, makeTool<CreateConnectionTool>},
        {kDeleteTool, makeTool<DeleteTool>},
        {kMoveTool, makeTool<MoveTool>},
        {kCopyTool, makeTool<CopyTool>},
        {kSelectionTool, makeTool<SelectionTool>},
    }};
    if (id == kNoTool)
        return nullptr;
    for (const auto& [toolId, make] : kTools)
        if (toolId == id)
            return make(context);
    return nullptr;
}

} // namespace zw
