#include "canvas/qt_layers.h"
#include "canvas/qt_painter.h"
#include "support/canvas_samples.h"

#include <gtest/gtest.h>

#include <functional>

namespace zw {
namespace {

using test::gridTemplate;
using test::viewAt;

// How many device pixels differ between two frames outside an area of logical pixels.
int changesOutside(const QImage& a, const QImage& b, const QRegion& area) {
    int outside = 0;
    const double s = a.devicePixelRatio();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            outside += a.pixel(x, y) != b.pixel(x, y) &&
                       !area.contains(QPoint(static_cast<int>(x / s), static_cast<int>(y / s)));
    return outside;
}

// A drag seen frame by frame: each frame is the picture the renderer draws in
// one pass with the same overlay, the part reported as changed holds every
// pixel that changed, and the template's picture is drawn once, whatever the
// marks do, at ratios 1, 2 and a fractional one.
TEST(CanvasLayers, MarksChangeOnlyTheFrameAndOnlyWhereReported) {
    const TRmg t = gridTemplate(12, 14);
    const std::vector<int32_t> selected = {1, 4};
    std::vector<CanvasOverlay> steps(6);
    steps[1].ghosts = {{1, {3, 2}}, {4, {5, 6}}};
    steps[2].ghosts = {{1, {4, 2}}, {4, {6, 6}}};
    steps[2].ghostsRefused = true;
    steps[3].pointerLine = {{{30, 30}, {290, 170}}};
    steps[4].band = {{{250, 180}, {12, 8}}};
    // steps[0] and [5]: no marks, before and after.
    for (const double scale : {1.0, 2.0, 1.25}) {
        CanvasLayers layers;
        CanvasScene scene{.rmg = &t,
                          .view = viewAt(3),
                          .width = 300,
                          .height = 200,
                          .scale = scale,
                          .dragSource = 0,
                          .overlay = {}};
        QImage shown;
        for (CanvasOverlay& overlay : steps) {
            overlay.selectedZones = selected;
            scene.overlay = overlay;
            const QRegion reported = layers.changedArea(scene);
            layers.update(scene);
            const QImage& frame = layers.frame();
            EXPECT_EQ(frame, renderToImage(t, scene.view, 0, 300, 200, overlay, scale))
                << "scale " << scale;
            if (!shown.isNull()) {
                EXPECT_EQ(changesOutside(shown, frame, reported), 0) << "scale " << scale;
            }
            shown = frame.copy();
        }
        EXPECT_EQ(layers.pictureRenders(), 1) << "scale " << scale;
    }
}

// What the picture shows: each change draws it once more; the same scene
// again draws nothing.
TEST(CanvasLayers, PictureIsDrawnAgainWhenWhatItShowsChanges) {
    TRmg t = gridTemplate(6, 5);
    const std::vector<int32_t> zone = {2};
    CanvasLayers layers;
    CanvasScene scene{.rmg = &t,
                      .view = viewAt(2),
                      .width = 200,
                      .height = 150,
                      .scale = 1,
                      .dragSource = 0,
                      .overlay = {}};
    const std::vector<std::function<void()>> changes = {
        [&] {
            t.zones[0].owner = 3;
            ++scene.revision;
        },
        [&] { scene.view.originX = 1; },
        [&] { scene.width = 210; },
        [&] { scene.scale = 2; },
        [&] { scene.dragSource = zoneRef(1); },
        [&] { scene.overlay.selectedZones = zone; },
    };
    layers.update(scene);
    int expected = 1;
    for (const auto& change : changes) {
        change();
        EXPECT_TRUE(layers.pictureOutdated(scene));
        EXPECT_EQ(layers.changedArea(scene), QRegion(0, 0, scene.width, scene.height));
        layers.update(scene);
        layers.update(scene);
        EXPECT_EQ(layers.pictureRenders(), ++expected);
    }
}

} // namespace
} // namespace zw
