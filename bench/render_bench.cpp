// Redraw and hit-test cost for large templates on a full-HD canvas, against the
// redraw of an empty template in the same run.
#include "canvas/geometry.h"
#include "canvas/qt_layers.h"
#include "canvas/qt_painter.h"
#include "canvas/render.h"
#include "support/canvas_samples.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <numeric>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// `zones` zones two nodes apart on a square block starting at the origin, with
// every kind, owner, town mode and existence condition, and twice as many
// connections: to the right and lower neighbours, then diagonals, with one to
// four passages of all kinds.
zw::TRmg largeTemplate(int zones) {
    zw::TRmg t;
    const int side = static_cast<int>(std::ceil(std::sqrt(zones)));
    for (int i = 0; i < zones; ++i) {
        zw::ZoneRecord z;
        z.gridX = 2 * (i % side);
        z.gridY = 2 * (i / side);
        z.kind = i % 3;
        z.owner = i % 9;
        z.townMode = i % 4;
        z.neutralCastles = i % 2;
        z.monsterStrength = i % 4;
        z.existMode = i % 3;
        z.size = 5 + i % 36;
        t.zones.push_back(z);
    }
    auto connect = [&](int a, int b) {
        if (static_cast<int>(t.connections.size()) >= 2 * zones || b >= zones)
            return;
        zw::ConnectionRecord c;
        c.zoneA = a;
        c.zoneB = b;
        const int n = static_cast<int>(t.connections.size());
        c.passageCount = 1 + n % 4;
        for (int s = 0; s < zw::kPassageSlots; ++s) {
            auto& p = c.passages[static_cast<size_t>(s)];
            p.kind = (n + s) % 3;
            p.guard = 1000 * ((n + s) % 16);
            p.autoExist = (n + s) % 5 != 0;
        }
        t.connections.push_back(c);
    };
    for (int i = 0; i < zones; ++i) {
        if ((i + 1) % side != 0)
            connect(i, i + 1);
        connect(i, i + side);
    }
    for (int i = 0; static_cast<int>(t.connections.size()) < 2 * zones && i < zones; ++i)
        if ((i + 1) % side != 0)
            connect(i, i + side + 1);
    return t;
}

using zw::test::viewAt;

int arg(const benchmark::State& state, int k) {
    return static_cast<int>(state.range(k));
}

// The whole picture of `t` at `zoom` drawn at every iteration; `more` are the
// drawing's further arguments (scale, overlay).
template <class... More>
void redraw(benchmark::State& state, const zw::TRmg& t, int zoom, const More&... more) {
    const zw::ViewState v = viewAt(zoom);
    for (auto _ : state) {
        QImage img = zw::renderToImage(t, v, 0, kWidth, kHeight, more...);
        benchmark::DoNotOptimize(img.constBits());
    }
}

void BM_RedrawEmpty(benchmark::State& state) {
    redraw(state, zw::TRmg{}, arg(state, 0));
}
BENCHMARK(BM_RedrawEmpty)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

// Arguments: zone count, zoom level (2: the start zoom; 5: the smallest scale,
// where about 900 zones are on screen at once).
void BM_Redraw(benchmark::State& state) {
    const zw::TRmg t = largeTemplate(arg(state, 0));
    redraw(state, t, arg(state, 1));
    state.counters["connections"] = static_cast<double>(t.connections.size());
}
BENCHMARK(BM_Redraw)->ArgsProduct({{100, 500, 2000}, {2, 5}})->Unit(benchmark::kMillisecond);

// The same at device pixel ratio 2: a full-HD canvas on a screen of twice the
// resolution, 3840 x 2160 device pixels.
void BM_RedrawAtScale2(benchmark::State& state) {
    redraw(state, largeTemplate(arg(state, 0)), arg(state, 1), 2.0);
}
BENCHMARK(BM_RedrawAtScale2)
    ->ArgsProduct({{100, 500, 2000}, {2, 5}})
    ->Unit(benchmark::kMillisecond);

// The same, 500 zones at zoom 5, as the first picture at a zoom level or
// ratio: nothing kept from earlier pictures (zone figures, laid-out numbers).
void BM_RedrawAtScale2FirstAtZoom(benchmark::State& state) {
    const zw::TRmg t = largeTemplate(500);
    const zw::ViewState v = viewAt(5);
    for (auto _ : state) {
        zw::forgetKeptDrawings();
        QImage img = zw::renderToImage(t, v, 0, kWidth, kHeight, 2.0);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_RedrawAtScale2FirstAtZoom)->Unit(benchmark::kMillisecond);

// The selection's highlight: 500 zones with everything selected (argument 1)
// against the same redraw without a selection (0), at zoom levels 2 and 5.
void BM_RedrawSelection(benchmark::State& state) {
    const zw::TRmg t = largeTemplate(500);
    const bool all = state.range(0) != 0;
    std::vector<int32_t> zones(all ? t.zones.size() : 0),
        connections(all ? t.connections.size() : 0);
    std::iota(zones.begin(), zones.end(), 0);
    std::iota(connections.begin(), connections.end(), 0);
    zw::CanvasOverlay overlay;
    overlay.selectedZones = zones;
    overlay.selectedConnections = connections;
    redraw(state, t, arg(state, 1), overlay);
}
BENCHMARK(BM_RedrawSelection)->ArgsProduct({{0, 1}, {2, 5}})->Unit(benchmark::kMillisecond);

// One frame of a drag over a kept picture, as the canvas widget paints it: the
// marks of the new pointer position replace the old ones in the frame, and the
// part that changed is copied to the screen (an image of the same size here).
// Arguments: zone count; 0 moves twelve zones one node per frame, 1 draws a
// connection's line from zone 1 to the pointer, 2 grows a rubber band across
// the canvas. At device pixel ratio 2 and zoom level 5, against
// BM_RedrawAtScale2 of the same template in the same run.
void BM_DragFrame(benchmark::State& state) {
    const zw::TRmg t = largeTemplate(arg(state, 0));
    const auto kind = state.range(1);
    zw::CanvasLayers layers;
    zw::CanvasScene scene{.rmg = &t,
                          .view = viewAt(5),
                          .width = kWidth,
                          .height = kHeight,
                          .scale = 2.0,
                          .dragSource = 0,
                          .overlay = {}};
    layers.update(scene);
    QImage screen(kWidth * 2, kHeight * 2, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2.0);
    const zw::PixelPoint from = zw::nodeToPixel(scene.view, t.zones[0].gridX, t.zones[0].gridY);
    int step = 0;
    for (auto _ : state) {
        const int x = 40 + step % (kWidth - 80);
        const int y = 40 + (step * 7) % (kHeight - 80);
        scene.overlay = zw::CanvasOverlay{};
        if (kind == 0) {
            for (int k = 0; k < 12; ++k)
                scene.overlay.ghosts.push_back({k, {step % 30 + k % 4 * 2, k / 4 * 2}});
        } else if (kind == 1) {
            scene.overlay.pointerLine = {{from, {x, y}}};
        } else {
            scene.overlay.band = {{{10, 10}, {x, y}}};
        }
        const QRegion changed = layers.changedArea(scene);
        layers.update(scene);
        {
            QPainter p(&screen);
            p.setClipRegion(changed);
            p.drawImage(0, 0, layers.frame());
        }
        benchmark::DoNotOptimize(screen.constBits());
        step += 3;
    }
    state.counters["pictures"] = layers.pictureRenders();
}
BENCHMARK(BM_DragFrame)->ArgsProduct({{2000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

// A pointer over empty canvas between four zones: every zone and every
// connection is tested before the answer "nothing" comes back.
void BM_HitTestMiss(benchmark::State& state) {
    const zw::TRmg t = largeTemplate(arg(state, 0));
    const zw::ViewState v = viewAt(2);
    const zw::PixelPoint p = zw::nodeToPixel(v, 1, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(zw::hitTest(t, v, p.x + 9, p.y - 11));
}
BENCHMARK(BM_HitTestMiss)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMicrosecond);

// The pointer sweeping across the whole canvas, as mouse movement does.
void BM_HitTestSweep(benchmark::State& state) {
    const zw::TRmg t = largeTemplate(arg(state, 0));
    const zw::ViewState v = viewAt(2);
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zw::hitTest(t, v, x % kWidth, (x * 7) % kHeight));
        x += 13;
    }
}
BENCHMARK(BM_HitTestSweep)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Text drawing needs a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
