// Move: drags a zone to another free node, or one end of a connection to another zone.
#pragma once

#include "editor/tools/drag_tool.h"

namespace zw {

inline constexpr ToolId kMoveTool = "move";

class MoveTool : public DragTool {
  public:
    using DragTool::DragTool;
    ToolId id() const override { return kMoveTool; }

  protected:
    void drop(int32_t x, int32_t y, bool dragging) override {
        if (dragging)
            moveOrCopy(x, y, false);
    }
};

} // namespace zw
