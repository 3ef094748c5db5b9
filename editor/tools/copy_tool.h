// Copy: drags a copy of a zone to a free node, or a connection with one end moved to another zone.
#pragma once

#include "editor/tools/drag_tool.h"

namespace zw {

inline constexpr ToolId kCopyTool = "copy";

class CopyTool : public DragTool {
  public:
    using DragTool::DragTool;
    ToolId id() const override { return kCopyTool; }

  protected:
    bool copies() const override { return true; }
    void drop(int32_t x, int32_t y, bool dragging) override {
        if (dragging)
            moveOrCopy(x, y, true);
    }
};

} // namespace zw
