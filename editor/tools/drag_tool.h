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
    void move(int32_t x, int32_t y) override;
    void cancel() override;
    bool dragging() const override { return ctx.drag.source != 0; }
    // Create connection: a line from the pressed zone to the pointer. Move and
    // copy: a ghost of the zone at the node under the pointer, red where the
    // drop would be refused, or a line from a connection's kept end.
    DragFeedback feedback() const override;

  protected:
    // Whether a dragged zone is shown as a ghost at the target node (move,
    // copy), and whether the drop copies it (the original then blocks too).
    virtual bool showsGhost() const { return true; }
    virtual bool copies() const { return false; }
    // The drag's end; `dragging` is false when the press found no item.
    virtual void drop(int32_t x, int32_t y, bool dragging) = 0;
    // Whether a pressed connection remembers which of its ends lies nearer.
    virtual bool picksConnectionEnd() const { return true; }
    // Move and copy: the dragged zone to the node under (x, y), or the dragged
    // connection's nearer end to the zone under the pointer.
    void moveOrCopy(int32_t x, int32_t y, bool copy);

  private:
    PixelPoint pointer_;     // the pointer's last place during a drag
    bool cancelled_ = false; // Esc ended the drag: its release does nothing
};

} // namespace zw
