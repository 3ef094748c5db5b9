// Group operations on a selection of 500 zones and 1,000 connections in a
// template of twice that, each with the history step the editor records
// before it, against a plain copy of the template in the same run. Every
// operation must stay well under a frame (16 ms).
#include "model/fragment.h"
#include "model/history.h"
#include "model/transform.h"
#include "support/group_samples.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace {

using namespace zw;

constexpr int kSelected = 500;

// The selection (zones 0..499, 1,000 connections among them) and as many
// unselected zones and connections in a block to its right.
const TRmg& sample() {
    static const TRmg t = [] {
        TRmg t = test::gridTemplate(kSelected, 1000);
        const TRmg others = test::gridTemplate(kSelected, 1000, 100, 0);
        for (const ZoneRecord& z : others.zones)
            t.appendZone(z);
        for (ConnectionRecord c : others.connections) {
            c.zoneA += kSelected;
            c.zoneB += kSelected;
            t.appendConnection(c);
        }
        return t;
    }();
    return t;
}

const std::vector<int32_t>& selection() {
    static const std::vector<int32_t> sel = [] {
        std::vector<int32_t> s(kSelected);
        std::iota(s.begin(), s.end(), 0);
        return s;
    }();
    return sel;
}

// Runs `op` on the sample with a history step first, as the editor does. The
// history is emptied now and then, untimed, so that memory stays bounded.
template <class Op> void withHistoryStep(benchmark::State& state, Op op) {
    const TRmg& t = sample();
    History history;
    for (auto _ : state) {
        history.push(t);
        EditResult r = op(t);
        if (!std::holds_alternative<TRmg>(r))
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(r);
        if (history.length() >= 32) {
            state.PauseTiming();
            history.clear();
            state.ResumeTiming();
        }
    }
}

void BM_TemplateCopy(benchmark::State& state) {
    const TRmg& t = sample();
    for (auto _ : state) {
        TRmg copy = t;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_TemplateCopy)->Unit(benchmark::kMillisecond);

void BM_GroupMove(benchmark::State& state) {
    withHistoryStep(state, [](const TRmg& t) { return moveZones(t, selection(), 1, 1); });
}
BENCHMARK(BM_GroupMove)->Unit(benchmark::kMillisecond);

void BM_GroupMirror(benchmark::State& state) {
    withHistoryStep(state, [](const TRmg& t) {
        return transformZones(t, selection(), Symmetry::MirrorLeftRight);
    });
}
BENCHMARK(BM_GroupMirror)->Unit(benchmark::kMillisecond);

void BM_GroupRotate90(benchmark::State& state) {
    withHistoryStep(
        state, [](const TRmg& t) { return transformZones(t, selection(), Symmetry::Rotate90); });
}
BENCHMARK(BM_GroupRotate90)->Unit(benchmark::kMillisecond);

void BM_GroupDelete(benchmark::State& state) {
    withHistoryStep(state, [](const TRmg& t) { return deleteZones(t, selection()); });
}
BENCHMARK(BM_GroupDelete)->Unit(benchmark::kMillisecond);

// Paste from the clipboard text, beside the originals: the search has to
// clear the whole selection.
void BM_PasteBesideOriginals(benchmark::State& state) {
    const std::string text = fragmentToText(extractFragment(sample(), selection()));
    withHistoryStep(state, [&text](const TRmg& t) {
        const TRmg fragment = std::get<TRmg>(fragmentFromText(text));
        const GridNode64 at = fragmentAnchor(fragment);
        return pasteFragment(t, fragment, at.x, at.y);
    });
}
BENCHMARK(BM_PasteBesideOriginals)->Unit(benchmark::kMillisecond);

void BM_PasteIntoFreeSpace(benchmark::State& state) {
    const TRmg fragment = extractFragment(sample(), selection());
    withHistoryStep(state,
                    [&fragment](const TRmg& t) { return pasteFragment(t, fragment, 0, 1000); });
}
BENCHMARK(BM_PasteIntoFreeSpace)->Unit(benchmark::kMillisecond);

void BM_FragmentRead(benchmark::State& state) {
    const std::string text = fragmentToText(extractFragment(sample(), selection()));
    for (auto _ : state)
        benchmark::DoNotOptimize(fragmentFromText(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_FragmentRead)->Unit(benchmark::kMillisecond);

void BM_PasteSearchBesideOriginals(benchmark::State& state) {
    const TRmg fragment = extractFragment(sample(), selection());
    const GridNode64 at = fragmentAnchor(fragment);
    for (auto _ : state)
        benchmark::DoNotOptimize(findPasteAnchor(sample(), fragment, at.x, at.y));
}
BENCHMARK(BM_PasteSearchBesideOriginals)->Unit(benchmark::kMillisecond);

} // namespace
