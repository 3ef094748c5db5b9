#include "editor/view_controller.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

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

void ViewController::zoomAbout(int32_t level, PixelPoint anchor) {
    level = std::clamp(level, kMinZoom, kMaxZoom);
    if (level == state_.zoomLevel)
        return;
    // An anchor off the canvas counts as its nearest pixel on it.
    anchor.x = std::clamp(anchor.x, 0, std::max(canvasW_ - 1, 0));
    anchor.y = std::clamp(anchor.y, 0, std::max(canvasH_ - 1, 0));
    const GridPoint node = pixelToNode(state_, anchor.x, anchor.y);
    setZoomLevel(level);
    // The node's cell (2 half cells wide, the first starting at pixel 0) must
    // hold the anchor at the new scale.
    const int32_t cell = 2 * state_.halfCell();
    auto origin = [cell](int32_t node, int32_t pixel) {
        return static_cast<int32_t>(
            std::clamp<int64_t>(int64_t{node} - pixel / cell, INT32_MIN, INT32_MAX));
    };
    state_.originX = origin(node.x, anchor.x);
    state_.originY = origin(node.y, anchor.y);
    changed(ViewChange::Picture);
}

void ViewController::zoomIn() {
    zoomAbout(state_.zoomLevel - 1, centre());
}

void ViewController::zoomOut() {
    zoomAbout(state_.zoomLevel + 1, centre());
}

void ViewController::wheel(int delta, std::optional<PixelPoint> pointer) {
    zoomAbout(state_.zoomLevel + (delta > 0 ? -1 : 1), pointer.value_or(centre()));
}

void ViewController::smoothWheel(int delta, std::optional<PixelPoint> pointer) {
    // Turning back starts afresh: a part of a notch the other way is dropped.
    if ((delta < 0 && wheelRemainder_ > 0) || (delta > 0 && wheelRemainder_ < 0))
        wheelRemainder_ = 0;
    wheelRemainder_ += delta;
    const int64_t notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ %= kWheelNotch;
    // More steps than the zoom range has change nothing more.
    const int64_t steps = std::min<int64_t>(std::abs(notches), kMaxZoom - kMinZoom);
    for (int64_t i = 0; i < steps; ++i)
        zoomAbout(state_.zoomLevel + (notches > 0 ? -1 : 1), pointer.value_or(centre()));
}

namespace {

// One node further, held at the ends of the 32-bit grid (an origin there
// shows zones a file put at the very end).
int32_t nodeBeside(int32_t v, int d) {
    return static_cast<int32_t>(std::clamp<int64_t>(
        int64_t{v} + d, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

void ViewController::keyChar(char32_t c) {
    switch (c) {
    case U'A':
    case U'a':
    case U'Ф':
    case U'ф':
        setOrigin(nodeBeside(state_.originX, -1), state_.originY);
        break;
    case U'D':
    case U'd':
    case U'В':
    case U'в':
        setOrigin(nodeBeside(state_.originX, 1), state_.originY);
        break;
    case U'S':
    case U's':
    case U'Ы':
    case U'ы':
        setOrigin(state_.originX, nodeBeside(state_.originY, 1));
        break;
    case U'W':
    case U'w':
    case U'Ц':
    case U'ц':
        setOrigin(state_.originX, nodeBeside(state_.originY, -1));
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
