// Create zone: a press on a free grid node opens the zone dialog for a new zone there.
#pragma once

#include "editor/tools/tool.h"

namespace zw {

inline constexpr ToolId kCreateZoneTool = "zone";

class CreateZoneTool : public Tool {
  public:
    using Tool::Tool;
    ToolId id() const override { return kCreateZoneTool; }
    void press(int32_t x, int32_t y) override;
};

} // namespace zw
