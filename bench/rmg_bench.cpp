// rmg.txt interchange: splitting and importing a large generated table against
// a plain one-pass byte scan of the same buffer in the same run, and the
// automatic layout at 100, 500 and 2,000 zones.
#include "rmg/graph.h"
#include "rmg/import.h"
#include "rmg/table.h"
#include "rmg/template_list.h"
#include "support/layout_reference.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A template of `zones` zones in a ring with chords, about 1.5 connections per
// zone with one to three passages, every kind, owner and town mode.
zw::TRmg generatedTemplate(int zones, std::mt19937& gen) {
    zw::TRmg t = zw::makeNewTemplate();
    t.name = "Generated " + std::to_string(gen() % 100000);
    t.header.playerCountIndex = 6;
    for (int i = 0; i < zones; ++i) {
        zw::ZoneRecord z = zw::makeDefaultZone();
        z.kind = i < 8 ? 0 : static_cast<int32_t>(1 + gen() % 2);
        z.owner = i < 8 ? i + 1 : static_cast<int32_t>(gen() % 9);
        z.townMode = static_cast<int32_t>(gen() % 4);
        z.playerTowns = static_cast<int32_t>(gen() % 3);
        z.neutralCastles = static_cast<int32_t>(gen() % 2);
        z.mineGold = static_cast<int32_t>(gen() % 2);
        z.monsterStrength = static_cast<int32_t>(gen() % 4);
        z.existMode = static_cast<int32_t>(gen() % 3);
        z.size = static_cast<int32_t>(5 + gen() % 36);
        t.appendZone(z);
    }
    auto connect = [&](int a, int b) {
        zw::ConnectionRecord c = zw::makeDefaultConnection();
        c.zoneA = a;
        c.zoneB = b;
        c.passageCount = static_cast<int32_t>(1 + gen() % 3);
        for (int j = 0; j < c.passageCount; ++j) {
            c.passages[static_cast<size_t>(j)].kind = static_cast<int32_t>(gen() % 3);
            c.passages[static_cast<size_t>(j)].guard = static_cast<int32_t>(gen() % 12500);
        }
        t.appendConnection(c);
    };
    for (int i = 0; i < zones; ++i) {
        connect(i, (i + 1) % zones);
        if (i % 2 == 0)
            connect(i, static_cast<int>(gen() % static_cast<unsigned>(zones)));
    }
    return t;
}

// A header and `count` templates of 20 to 60 zones each.
const std::string& largeTable() {
    static const std::string table = [] {
        std::mt19937 gen(12345);
        std::string out = "Generated table for the benchmark\r\n";
        for (int k = 0; k < 3000; ++k) {
            zw::TRmg t = generatedTemplate(20 + static_cast<int>(gen() % 41), gen);
            zw::compileInto(out, t, t.name);
        }
        return out;
    }();
    return table;
}

void BM_ByteScan(benchmark::State& state) {
    const std::string& table = largeTable();
    for (auto _ : state) {
        size_t lines = 0;
        for (const char c : table)
            lines += c == '\r' ? 1 : 0;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * table.size()));
}
BENCHMARK(BM_ByteScan)->Unit(benchmark::kMillisecond);

void BM_Split(benchmark::State& state) {
    const std::string& table = largeTable();
    size_t found = 0;
    for (auto _ : state) {
        const auto entries = zw::splitTable(table);
        found = entries.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["templates"] = static_cast<double>(found);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * table.size()));
}
BENCHMARK(BM_Split)->Unit(benchmark::kMillisecond);

// Splitting and reading every template of the table (without the layout).
void BM_SplitAndImportAll(benchmark::State& state) {
    const std::string& table = largeTable();
    size_t zones = 0;
    for (auto _ : state) {
        zones = 0;
        for (const auto& e : zw::splitTable(table)) {
            const zw::TRmg t = zw::readTemplate(zw::templateBlock(table, e));
            zones += t.zones.size();
        }
        benchmark::DoNotOptimize(zones);
    }
    state.counters["zones"] = static_cast<double>(zones);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * table.size()));
}
BENCHMARK(BM_SplitAndImportAll)->Unit(benchmark::kMillisecond);

// The layout of one template as the import runs it, each time from state 0.
void BM_Layout(benchmark::State& state) {
    std::mt19937 gen(99);
    const zw::TRmg source = generatedTemplate(static_cast<int>(state.range(0)), gen);
    for (auto _ : state) {
        zw::TRmg t = source;
        zw::LayoutRandom rng;
        benchmark::DoNotOptimize(zw::layoutZones(t, rng));
    }
}
BENCHMARK(BM_Layout)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMicrosecond);

// The same layouts by the plain transcription of the rules (n x n link flags
// scanned for every choice), the baseline the production layout is measured
// against: both give the same positions bit for bit.
void BM_LayoutTranscription(benchmark::State& state) {
    std::mt19937 gen(99);
    const zw::TRmg source = generatedTemplate(static_cast<int>(state.range(0)), gen);
    for (auto _ : state) {
        zw::test::RefRandom rng;
        zw::test::RefGraph g(rng);
        g.initGraph(static_cast<int>(source.zones.size()));
        for (const auto& c : source.connections)
            g.setLink(c.zoneA, c.zoneB, true);
        g.minDistance = 3.0;
        g.arrangeGraph();
        benchmark::DoNotOptimize(g.graphNodes.data());
    }
}
BENCHMARK(BM_LayoutTranscription)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);

// The hardest shape for the spreading: every zone linked to the first, so all
// of them start on one small circle.
void BM_LayoutStar(benchmark::State& state) {
    zw::TRmg source = zw::makeNewTemplate();
    const auto n = static_cast<int>(state.range(0));
    for (int i = 0; i < n; ++i)
        source.appendZone(zw::makeDefaultZone());
    for (int i = 1; i < n; ++i) {
        zw::ConnectionRecord c = zw::makeDefaultConnection();
        c.zoneB = i;
        source.appendConnection(c);
    }
    for (auto _ : state) {
        zw::TRmg t = source;
        zw::LayoutRandom rng;
        benchmark::DoNotOptimize(zw::layoutZones(t, rng));
    }
}
BENCHMARK(BM_LayoutStar)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
