// The item under the pointer and the information panel that sums it up.
#pragma once

#include "canvas/geometry.h"
#include "canvas/info_panel.h"
#include "model/records.h"

namespace zw {

struct InfoPanelState {
    bool visible = false;
    int32_t left = 0; // in the window's client coordinates, as placed
    int32_t top = 0;
    InfoPanelContent content;
};

class Hover {
  public:
    ItemRef item() const { return item_; }
    // Set by tools that know the item under the pointer changed without a movement.
    void setItem(ItemRef item) { item_ = item; }
    const InfoPanelState& panel() const { return panel_; }

    // A pointer movement to (x, y) on a canvas of the given size; true when the
    // panel's content, place or visibility changed.
    bool pointerMoved(const TRmg& rmg, const ViewState& view, int32_t canvasW, int32_t canvasH,
                      int32_t x, int32_t y);

    // The pointer is nowhere over the canvas: no item, the panel hidden. True
    // when the panel changed.
    bool pointerGone();

  private:
    ItemRef item_ = 0;
    InfoPanelState panel_;
};

} // namespace zw
