// Zooming: about the pointer or the canvas's centre; by touchpad, small wheel
// deltas add up to whole notches.
#include "editor/view_controller.h"

#include <gtest/gtest.h>

#include <limits>

namespace zw {
namespace {

TEST(SmoothWheel, DeltasAddUpToWholeNotchesAndCarryTheRemainder) {
    const TRmg t;
    ViewController view(t);
    int pictures = 0;
    view.setListener([&](ViewChange c) { pictures += c == ViewChange::Picture; });
    ASSERT_EQ(view.state().zoomLevel, 2);

    // Steps of 15: seven are less than a notch, the eighth makes one step in.
    for (int i = 0; i < 7; ++i)
        view.smoothWheel(15);
    EXPECT_EQ(view.state().zoomLevel, 2);
    EXPECT_EQ(pictures, 0);
    view.smoothWheel(15);
    EXPECT_EQ(view.state().zoomLevel, 1);
    // 90 + 45 = 135: one step, 15 carried, so 105 more make the next one.
    view.smoothWheel(90);
    view.smoothWheel(45);
    EXPECT_EQ(view.state().zoomLevel, 0);
    view.smoothWheel(100);
    EXPECT_EQ(view.state().zoomLevel, 0); // the end of the range; 115 carried

    // Turning back drops the part of a notch the other way: a whole notch out,
    // then a whole notch in, each one step.
    view.smoothWheel(-120);
    EXPECT_EQ(view.state().zoomLevel, 1);
    view.smoothWheel(120);
    EXPECT_EQ(view.state().zoomLevel, 0);
    view.smoothWheel(-15);
    view.smoothWheel(-105);
    EXPECT_EQ(view.state().zoomLevel, 1);

    // A huge delta moves at most across the range, in one call.
    view.smoothWheel(-2'000'000'000);
    EXPECT_EQ(view.state().zoomLevel, kMaxZoom);
    // The mouse wheel stays one step per notification.
    view.wheel(1);
    EXPECT_EQ(view.state().zoomLevel, kMaxZoom - 1);
}

// The grid node under the anchor stays under it through every step in and
// out, from any origin; the buttons anchor the canvas's centre, and a step
// past either end changes nothing.
TEST(ZoomAbout, TheNodeUnderTheAnchorStaysUnderIt) {
    const TRmg t;
    ViewController view(t);
    view.setCanvasSize(707, 500);
    const PixelPoint anchors[] = {{0, 0}, {353, 250}, {706, 499}, {61, 419}, {500, 7}};
    for (const PixelPoint a : anchors) {
        for (const int32_t origin : {0, -7, 12}) {
            view.setZoomLevel(kMinZoom);
            view.setOrigin(origin, -origin);
            const GridPoint node = pixelToNode(view.state(), a.x, a.y);
            for (int i = 0; i < 2 * (kMaxZoom - kMinZoom); ++i) {
                view.wheel(i < kMaxZoom - kMinZoom ? -1 : 1, a);
                EXPECT_EQ(pixelToNode(view.state(), a.x, a.y), node)
                    << a.x << "," << a.y << " origin " << origin << " step " << i;
            }
        }
    }
    const PixelPoint centre{353, 250};
    const GridPoint middle = pixelToNode(view.state(), centre.x, centre.y);
    view.zoomOut();
    view.smoothWheel(-kWheelNotch);
    EXPECT_EQ(view.state().zoomLevel, kMinZoom + 2);
    EXPECT_EQ(pixelToNode(view.state(), centre.x, centre.y), middle);
    view.setZoomLevel(kMaxZoom);
    const ViewState atEnd = view.state();
    view.wheel(-1, PixelPoint{10, 10});
    view.zoomOut();
    EXPECT_EQ(view.state(), atEnd);
}

// The scroll keys move the origin one node, and stop at the ends of the grid.
TEST(ScrollKeys, MoveTheOriginOneNodeAndStopAtTheGridsEnds) {
    const TRmg t;
    ViewController view(t);
    constexpr int32_t lo = std::numeric_limits<int32_t>::min();
    constexpr int32_t hi = std::numeric_limits<int32_t>::max();
    struct Case {
        char32_t key;
        int32_t fromX, fromY, toX, toY;
    } cases[] = {
        {U'd', 3, 4, 4, 4},   {U'ф', 3, 4, 2, 4},   {U'S', 3, 4, 3, 5},   {U'ц', 3, 4, 3, 3},
        {U'D', hi, 0, hi, 0}, {U'a', lo, 0, lo, 0}, {U's', 0, hi, 0, hi}, {U'w', 0, lo, 0, lo},
    };
    for (const Case& c : cases) {
        view.setOrigin(c.fromX, c.fromY);
        view.keyChar(c.key);
        EXPECT_EQ(view.state().originX, c.toX) << static_cast<uint32_t>(c.key);
        EXPECT_EQ(view.state().originY, c.toY) << static_cast<uint32_t>(c.key);
    }
}

} // namespace
} // namespace zw
