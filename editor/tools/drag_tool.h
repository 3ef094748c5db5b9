// The tools that drag from the item pressed on to the release: create
// connection, move and copy. Every drag ends at the release, whatever its
// outcome, so that no dotted outline or hidden connection outlives it.
#pragma once

#include "editor/tools/tool.h"

namespace zw {

class DragTool : public Tool {
  public:
    using Tool::Tool;
    void press(int32_t x, int32_t y) override;
    void release(int32_t x, int32_t y) override;
    void cancel() override { ctx.drag.source = 0; }

  protected:
    // The drag's end; `dragging` is false when the press found no item.
    virtual void drop(int32_t x, int32_t y, bool dragging) = 0;
    // Whether a pressed connection remembers which of its ends lies nearer.
    virtual bool picksConnectionEnd() const { return true; }
    // Move and copy: the dragged zone to the node under (x, y), or the dragged
    // connection's nearer end to the zone under the pointer.
    void moveOrCopy(int32_t x, int32_t y, bool copy);
};

} // namespace zw
