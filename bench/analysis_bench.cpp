// The template analysis at 500 zones and 1,000 connections, the size at which
// the panel recomputes after every edit, against copying the same template (the
// analysis' own first step) in the same run.
#include "analysis/analysis.h"
#include "analysis/report.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// Eight players, all human or computer (35 setups). 500 zones: eight start
// zones, the rest treasure zones and junctions in every existence mode; 1,000
// connections: a ring and random chords, one to three passages each, some with
// limits of their own.
const zw::TRmg& largeTemplate() {
    static const zw::TRmg t = [] {
        std::mt19937 gen(4242);
        zw::TRmg r = zw::makeNewTemplate();
        r.header.playerCountIndex = 6;
        constexpr int kZones = 500;
        for (int i = 0; i < kZones; ++i) {
            zw::ZoneRecord z = zw::makeDefaultZone();
            z.kind = i < 8 ? 0 : static_cast<int32_t>(1 + gen() % 2);
            z.owner = i < 8 ? i + 1 : 0;
            z.townMode = i < 8 ? 2 : static_cast<int32_t>(gen() % 4);
            z.mineGold = static_cast<int32_t>(gen() % 2);
            z.existMode = static_cast<int32_t>(gen() % 3);
            z.minPlayers = static_cast<int32_t>(1 + gen() % 8);
            r.appendZone(z);
        }
        auto connect = [&](int a, int b) {
            zw::ConnectionRecord c = zw::makeDefaultConnection();
            c.zoneA = a;
            c.zoneB = b;
            c.passageCount = static_cast<int32_t>(1 + gen() % 3);
            for (int j = 0; j < c.passageCount; ++j) {
                zw::PassageRecord& p = c.passages[static_cast<size_t>(j)];
                p.autoExist = gen() % 4 != 0;
                p.minHumans = static_cast<int32_t>(1 + gen() % 3);
                p.minPlayers = static_cast<int32_t>(1 + gen() % 8);
            }
            r.appendConnection(c);
        };
        for (int i = 0; i < kZones; ++i)
            connect(i, (i + 1) % kZones);
        while (r.connections.size() < 1000)
            connect(static_cast<int>(gen() % kZones), static_cast<int>(gen() % kZones));
        return r;
    }();
    return t;
}

void BM_CopyTemplate(benchmark::State& state) {
    const zw::TRmg& t = largeTemplate();
    for (auto _ : state) {
        zw::TRmg copy = t;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_CopyTemplate)->Unit(benchmark::kMicrosecond);

void BM_AnalyzeTemplate(benchmark::State& state) {
    const zw::TRmg& t = largeTemplate();
    for (auto _ : state) {
        zw::TemplateAnalysis a = zw::analyzeTemplate(t);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_AnalyzeTemplate)->Unit(benchmark::kMicrosecond);

// What the panel does after an edit: the analysis and its Russian lines.
void BM_AnalyzeAndReport(benchmark::State& state) {
    const zw::TRmg& t = largeTemplate();
    for (auto _ : state) {
        const zw::TemplateAnalysis a = zw::analyzeTemplate(t);
        auto setups = zw::setupFindings(a);
        auto warnings = zw::warningFindings(a);
        auto table = zw::fairnessTable(a);
        benchmark::DoNotOptimize(setups);
        benchmark::DoNotOptimize(warnings);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_AnalyzeAndReport)->Unit(benchmark::kMicrosecond);

} // namespace
