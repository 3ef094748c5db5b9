// The edit history and the document on a template of 2,000 zones and 4,000
// connections, against a plain copy of that template in the same run:
// - the memory 1,000 steps take that each move one zone (the template's own
//   size beside it);
// - a step back and forward once the history holds steps;
// - a change and the step back from it (the history stores the state shown);
// - a group move of 500 zones as one step of the document;
// - copying all 2,000 zones to the clipboard's text;
// - whether the canvas must draw its picture anew, asked at every pointer move.
#include "canvas/qt_layers.h"
#include "editor/document.h"
#include "model/fragment.h"
#include "model/transform.h"
#include "support/group_samples.h"

#include <benchmark/benchmark.h>

#include <numeric>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

using namespace zw;

constexpr int kZones = 2000;
constexpr int kConnections = 4000;

const TRmg& large() {
    static const TRmg t = test::gridTemplate(kZones, kConnections);
    return t;
}

// Bytes the program holds from the heap now; 0 where the C library cannot tell.
double heapBytes() {
#ifdef __GLIBC__
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd);
#else
    return 0;
#endif
}

constexpr double kMiB = 1024.0 * 1024.0;

// One step that moves zone k one node to the right, as a drag commits it.
void moveOneZone(Document& d, int k) {
    d.edit("Перемещение локации",
           [k](TRmg& t) { t.zones[static_cast<size_t>(k) % t.zones.size()].gridX += 1; });
}

void BM_TemplateCopy2000(benchmark::State& state) {
    for (auto _ : state) {
        TRmg copy = large();
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_TemplateCopy2000)->Unit(benchmark::kMillisecond);

// The heap above the template itself after 1,000 one-zone moves.
void BM_HistoryMemory1000Moves(benchmark::State& state) {
    for (auto _ : state) {
        const double start = heapBytes();
        double templateBytes = 0;
        double afterSteps = 0;
        {
            Document d;
            d.replace(large(), Replacement::Fresh);
            templateBytes = heapBytes() - start;
            for (int s = 0; s < 1000; ++s)
                moveOneZone(d, s * 7);
            afterSteps = heapBytes() - start;
            benchmark::DoNotOptimize(d.history().length());
        }
        state.counters["template_MiB"] = templateBytes / kMiB;
        state.counters["history_MiB"] = (afterSteps - templateBytes) / kMiB;
    }
}
BENCHMARK(BM_HistoryMemory1000Moves)->Iterations(1)->Unit(benchmark::kMillisecond);

// A document holding 100 one-zone moves; one iteration is a step back and a
// step forward (two steps).
void BM_StepBackAndForward(benchmark::State& state) {
    Document d;
    d.replace(large(), Replacement::Fresh);
    for (int s = 0; s < 100; ++s)
        moveOneZone(d, s * 7);
    d.stepBack(); // the state shown is stored
    for (auto _ : state) {
        d.stepBack();
        d.stepForward();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_StepBackAndForward)->Unit(benchmark::kMillisecond);

// A one-zone move and the step back from it: the history stores the state
// shown first. The move cuts the forward state again, so the length stays.
void BM_MoveThenStepBack(benchmark::State& state) {
    Document d;
    d.replace(large(), Replacement::Fresh);
    for (int s = 0; s < 100; ++s)
        moveOneZone(d, s * 7);
    int k = 0;
    for (auto _ : state) {
        moveOneZone(d, k += 13);
        d.stepBack();
    }
}
BENCHMARK(BM_MoveThenStepBack)->Unit(benchmark::kMillisecond);

// 500 zones of the template moved as one step of the document. The document
// is renewed now and then, untimed, so that memory stays bounded.
void BM_DocumentGroupMove500(benchmark::State& state) {
    std::vector<int32_t> sel(500);
    std::iota(sel.begin(), sel.end(), 0);
    auto d = std::make_unique<Document>();
    d->replace(large(), Replacement::Fresh);
    int done = 0;
    for (auto _ : state) {
        // Far below the others and back: the move is never refused.
        const int32_t dy = done % 2 == 0 ? 1000 : -1000;
        d->edit("Перемещение 500 локаций",
                [&](TRmg& t) { t = std::get<TRmg>(moveZones(t, sel, 0, dy)); });
        if (++done % 32 == 0) {
            state.PauseTiming();
            d = std::make_unique<Document>();
            d->replace(large(), Replacement::Fresh);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_DocumentGroupMove500)->Unit(benchmark::kMillisecond);

// Copy of 2,000 selected zones: the fragment and its clipboard text.
void BM_Copy2000Zones(benchmark::State& state) {
    std::vector<int32_t> sel(kZones);
    std::iota(sel.begin(), sel.end(), 0);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = fragmentToText(extractFragment(large(), sel));
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["text_KiB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_Copy2000Zones)->Unit(benchmark::kMillisecond);

// The canvas's question at every pointer move when nothing changed.
void BM_PictureOutdated2000(benchmark::State& state) {
    const TRmg& t = large();
    CanvasLayers layers;
    const CanvasScene scene{.rmg = &t, .view = {}, .width = 64, .height = 48, .overlay = {}};
    layers.update(scene);
    for (auto _ : state)
        benchmark::DoNotOptimize(layers.pictureOutdated(scene));
}
BENCHMARK(BM_PictureOutdated2000);

} // namespace
