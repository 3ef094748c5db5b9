// The hover logic of the canvas: the item under the pointer and the information panel.
#include "editor/hover.h"

namespace zw {

namespace {

bool samePanel(const InfoPanelState& a, const InfoPanelState& b) {
    return a.visible == b.visible && a.left == b.left && a.top == b.top && a.content == b.content;
}

} // namespace

bool Hover::pointerMoved(const TRmg& rmg, const ViewState& view, int32_t canvasW, int32_t canvasH,
                         int32_t x, int32_t y) {
    const InfoPanelState before = panel_;
    const ItemRef hit = hitTest(rmg, view, x, y);

    // hitTest names only items of the current lists, so the indices below are valid.
    if (refIsZone(hit)) {
        panel_.content = zoneInfo(rmg.zones[static_cast<size_t>(refZone(hit))]);
    } else if (refIsConnection(hit)) {
        panel_.content = connectionInfo(rmg.connections[static_cast<size_t>(refConnection(hit))]);
    } else {
        panel_.visible = false;
        item_ = 0;
    }

    // The texts follow every movement; the panel moves only when the pointer
    // reaches another item, opening toward the middle of the canvas.
    if (hit != 0 && hit != item_) {
        item_ = hit;
        panel_.left = x < divT(canvasW, 2) ? x + 50 : x - kInfoPanelWidth - 50;
        panel_.top = y < divT(canvasH, 2) ? y + 50 : y - panel_.content.height - 50;
        panel_.visible = true;
    }

    return !samePanel(before, panel_);
}

bool Hover::pointerGone() {
    const bool wasVisible = panel_.visible;
    item_ = 0;
    panel_.visible = false;
    return wasVisible;
}

} // namespace zw
