// The view of the canvas: zoom, origin, the scroll bars' ranges and positions,
// and the canvas's size in pixels. Changes are announced through one
// notification that says what changed.
#pragma once

#include "canvas/geometry.h"
#include "model/records.h"

#include <functional>
#include <optional>

namespace zw {

// The wheel delta of one notch of a mouse wheel.
inline constexpr int kWheelNotch = 120;

struct ScrollBarState {
    int32_t min = 0;
    int32_t max = 0;
    int32_t pos = 0;
    bool operator==(const ScrollBarState&) const = default;
};

enum class ViewChange {
    Picture,    // the canvas shows something else: repaint
    Zoom,       // the zoom level: the zoom buttons
    ScrollBars, // ranges or positions of the scroll bars
};

class ViewController {
  public:
    using Listener = std::function<void(ViewChange)>;
    // The scroll ranges follow the zones of `rmg`.
    explicit ViewController(const TRmg& rmg) : rmg_(rmg) {}
    void setListener(Listener listener) { listener_ = std::move(listener); }

    const ViewState& state() const { return state_; }
    int32_t halfCell() const { return state_.halfCell(); }

    void setCanvasSize(int32_t w, int32_t h);
    int32_t canvasWidth() const { return canvasW_; }
    int32_t canvasHeight() const { return canvasH_; }

    bool zoomInEnabled() const { return state_.zoomLevel > kMinZoom; }
    bool zoomOutEnabled() const { return state_.zoomLevel < kMaxZoom; }
    // One zoom step about the canvas's centre (the buttons and keys): the grid
    // node there stays there.
    void zoomIn();
    void zoomOut();
    // One zoom step about a canvas pixel: the origin moves by whole nodes so
    // that the grid node under the pixel stays under it.
    void zoomAbout(int32_t level, PixelPoint anchor);
    // Sets the level alone; the origin stays (zoom to fit sets both).
    void setZoomLevel(int32_t level);
    // One notification of a mouse wheel: one zoom step whatever its delta,
    // about the pointer (the canvas's centre when there is none).
    void wheel(int delta, std::optional<PixelPoint> pointer = std::nullopt);
    // A notification of a touchpad (or of any device that scrolls in small
    // parts of a notch): the deltas add up, each full notch of kWheelNotch is
    // one zoom step and the remainder carries over to the next notification
    // in the same direction. About the pointer as the wheel.
    void smoothWheel(int delta, std::optional<PixelPoint> pointer = std::nullopt);

    // A typed character (Unicode); the scroll keys move the view. Never consumes it.
    void keyChar(char32_t c);
    void setOrigin(int32_t x, int32_t y);
    // Puts the origin back to (0, 0) without a repaint of its own.
    void resetOrigin();

    const ScrollBarState& hBar() const { return hBar_; }
    const ScrollBarState& vBar() const { return vBar_; }
    // A scroll bar moved (by the user): the origin takes both bars' positions.
    void scrollBarMoved(bool horizontal, int32_t pos);
    // The bars' ranges from the template's zones.
    void updateScrollBars();

  private:
    PixelPoint centre() const { return {canvasW_ / 2, canvasH_ / 2}; }
    void changed(ViewChange what) const {
        if (listener_)
            listener_(what);
    }

    const TRmg& rmg_;
    Listener listener_;
    ViewState state_;
    int32_t canvasW_ = 707;
    int32_t canvasH_ = 500;
    ScrollBarState hBar_;
    ScrollBarState vBar_;
    int64_t wheelRemainder_ = 0; // of smoothWheel, less than a notch either way
};

} // namespace zw
