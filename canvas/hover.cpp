// The hover logic of the canvas: the item under the pointer and the information panel.
#include "model/editor.h"

namespace zw {

namespace {

bool samePanel(const InfoPanelState& a, const InfoPanelState& b) {
    return a.visible == b.visible && a.left == b.left && a.top == b.top && a.content == b.content;
}

} // namespace

void Editor::mouseMove(int32_t x, int32_t y) {
    const InfoPanelState before = infoPanel_;
    const ItemRef hit = hitTest(rmg_, viewState_, x, y);

    // hitTest names only items of the current lists, so the indices below are valid.
    if (refIsZone(hit)) {
        infoPanel_.content = zoneInfo(rmg_.zones[static_cast<size_t>(refZone(hit))]);
    } else if (refIsConnection(hit)) {
        infoPanel_.content =
            connectionInfo(rmg_.connections[static_cast<size_t>(refConnection(hit))]);
    } else {
        infoPanel_.visible = false;
        hoveredItem_ = 0;
    }

    // The texts follow every movement; the panel moves only when the pointer
    // reaches another item, opening toward the middle of the canvas.
    if (hit != 0 && hit != hoveredItem_) {
        hoveredItem_ = hit;
        infoPanel_.left = x < divT(canvasW_, 2) ? x + 50 : x - kInfoPanelWidth - 50;
        infoPanel_.top = y < divT(canvasH_, 2) ? y + 50 : y - infoPanel_.content.height - 50;
        infoPanel_.visible = true;
    }

    if (view_ && !samePanel(before, infoPanel_))
        view_->infoPanelChanged();
}

} // namespace zw
