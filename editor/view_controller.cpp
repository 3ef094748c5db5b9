#include "editor/view_controller.h"

#include <algorithm>
#include <cstdlib>

namespace zw {

void ViewController::setCanvasSize(int32_t w, int32_t h) {
    canvasW_ = std::max(0, w);
    canvasH_ = std::max(0, h);
    changed(ViewChange::Picture);
}

void ViewController::setZoomLevel(int32_t level) {
    state_.zoomLevel = std::clamp(level, kMinZoom, kMaxZoom);
    changed(ViewChange::Zoom);
}

void ViewController::zoomIn() {
    if (!zoomInEnabled())
        return;
    setZoomLevel(state_.zoomLevel - 1);
    changed(ViewChange::Picture);
}

void ViewController::zoomOut() {
    if (!zoomOutEnabled())
        return;
    setZoomLevel(state_.zoomLevel + 1);
    changed(ViewChange::Picture);
}

void ViewController::wheel(int delta) {
    if (delta > 0)
        zoomIn();
    else
        zoomOut();
}

void ViewController::smoothWheel(int delta) {
    // Turning back starts afresh: a part of a notch the other way is dropped.
    if ((delta < 0 && wheelRemainder_ > 0) || (delta > 0 && wheelRemainder_ < 0))
        wheelRemainder_ = 0;
    wheelRemainder_ += delta;
    const int64_t notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ %= kWheelNotch;
    // More steps than the zoom range has change nothing more.
    const int64_t steps = std::min<int64_t>(std::abs(notches), kMaxZoom - kMinZoom);
    for (int64_t i = 0; i < steps; ++i) {
        if (notches > 0)
            zoomIn();
        else
            zoomOut();
    }
}

void ViewController::keyChar(char32_t c) {
    switch (c) {
    case U'A':
    case U'a':
    case U'Ф':
    case U'ф':
        setOrigin(state_.originX - 1, state_.originY);
        break;
    case U'D':
    case U'd':
    case U'В':
    case U'в':
        setOrigin(state_.originX + 1, state_.originY);
        break;
    case U'S':
    case U's':
    case U'Ы':
    case U'ы':
        setOrigin(state_.originX, state_.originY + 1);
        break;
    case U'W':
    case U'w':
    case U'Ц':
    case U'ц':
        setOrigin(state_.originX, state_.originY - 1);
        break;
    default:
        break;
    }
}

void ViewController::setOrigin(int32_t x, int32_t y) {
    state_.originX = x;
    state_.originY = y;
    changed(ViewChange::Picture);
}

void ViewController::resetOrigin() {
    state_.originX = 0;
    state_.originY = 0;
}

void ViewController::scrollBarMoved(bool horizontal, int32_t pos) {
    ScrollBarState& bar = horizontal ? hBar_ : vBar_;
    pos = std::clamp(pos, bar.min, bar.max);
    if (bar.pos == pos)
        return;
    bar.pos = pos;
    changed(ViewChange::ScrollBars);
    setOrigin(hBar_.pos, vBar_.pos);
}

void ViewController::updateScrollBars() {
    const ScrollRanges r = scrollRanges(rmg_);
    hBar_.min = r.hMin;
    hBar_.max = r.hMax;
    vBar_.min = r.vMin;
    vBar_.max = r.vMax;
    // A new range that forces a bar's position into it counts as a change of that
    // bar: the origin then takes both bars' positions.
    const int32_t h = std::clamp(hBar_.pos, hBar_.min, hBar_.max);
    const int32_t v = std::clamp(vBar_.pos, vBar_.min, vBar_.max);
    const bool moved = h != hBar_.pos || v != vBar_.pos;
    hBar_.pos = h;
    vBar_.pos = v;
    changed(ViewChange::ScrollBars);
    if (moved)
        setOrigin(hBar_.pos, vBar_.pos);
}

} // namespace zw
