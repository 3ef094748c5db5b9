// Delete: a press on a zone or a connection deletes it after a question; a
// zone goes with every connection that touches it.
#pragma once

#include "editor/tools/tool.h"

namespace zw {

inline constexpr ToolId kDeleteTool = "delete";

class DeleteTool : public Tool {
  public:
    using Tool::Tool;
    ToolId id() const override { return kDeleteTool; }
    void press(int32_t x, int32_t y) override;
};

} // namespace zw
