// Create connection: a drag from one zone to another adds a connection between
// them, or one more passage to the connection they already have.
#pragma once

#include "editor/tools/drag_tool.h"

namespace zw {

inline constexpr ToolId kCreateConnectionTool = "connection";

class CreateConnectionTool : public DragTool {
  public:
    using DragTool::DragTool;
    ToolId id() const override { return kCreateConnectionTool; }

  protected:
    void drop(int32_t x, int32_t y, bool dragging) override;
    bool picksConnectionEnd() const override { return false; }
    bool showsGhost() const override { return false; }
};

} // namespace zw
