// Extended tables: listing the templates of a 5 MB table of 100 templates and
// importing one of them, against a plain one-pass byte scan of the same
// buffer in the same run.
#include "rmg/extended_table.h"
#include "rmg/import_table.h"
#include "rmg/table.h"
#include "rmg/template_list.h"
#include "support/extended_tables.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A template of `zones` zones in a ring with chords, kept cells on every zone
// and passage as a published table has them.
zw::TRmg keptTemplate(int zones, std::mt19937& gen) {
    zw::TRmg t = zw::makeNewTemplate();
    t.header.playerCountIndex = 6;
    for (int i = 0; i < zones; ++i) {
        zw::ZoneRecord z = zw::makeDefaultZone();
        z.owner = i < 8 ? i + 1 : 0;
        z.kind = i < 8 ? 0 : 1;
        z.size = static_cast<int32_t>(5 + gen() % 36);
        z.kept.cells = {
            {"Placement", "ground", std::nullopt, false},
            {"Objects", "+95 0 d d d 3 +144 4 d d d 3", std::nullopt, false},
            {"Image settings", std::to_string(gen() % 200) + " 120", std::nullopt, false}};
        t.appendZone(z);
    }
    for (int i = 0; i < zones; ++i) {
        zw::ConnectionRecord c = zw::makeDefaultConnection();
        c.zoneA = i;
        c.zoneB = (i + 1) % zones;
        c.passages[0].kept.cells = {{"Road", "x", std::nullopt, false}};
        t.appendConnection(c);
    }
    return t;
}

const std::string& largeExtendedTable() {
    static const std::string table = [] {
        const zw::test::ExtendedTableMaker maker;
        auto counts = maker.fieldCounts();
        counts["Pack: Name"] = "Benchmark";
        std::string out = maker.header() + maker.row(counts);
        std::mt19937 gen(2026);
        for (int k = 0; k < 100; ++k) {
            zw::TRmg t = keptTemplate(200, gen);
            zw::refreshConditions(t);
            auto read = zw::ExtendedTable::read(out);
            out = std::get<zw::ExtendedTable>(read).appended(t, "Template " + std::to_string(k));
        }
        return out;
    }();
    return table;
}

void BM_ExtendedByteScan(benchmark::State& state) {
    const std::string& table = largeExtendedTable();
    for (auto _ : state) {
        size_t lines = 0;
        for (const char c : table)
            lines += c == '\n' ? 1 : 0;
        benchmark::DoNotOptimize(lines);
    }
    state.counters["MB"] = static_cast<double>(table.size()) / 1e6;
}
BENCHMARK(BM_ExtendedByteScan)->Unit(benchmark::kMillisecond);

void BM_ExtendedList(benchmark::State& state) {
    const std::string& table = largeExtendedTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(zw::splitTable(table));
    state.counters["templates"] = static_cast<double>(zw::splitTable(table).size());
}
BENCHMARK(BM_ExtendedList)->Unit(benchmark::kMillisecond);

void BM_ExtendedImportOne(benchmark::State& state) {
    const std::string& table = largeExtendedTable();
    const auto entries = zw::splitTable(table);
    for (auto _ : state)
        benchmark::DoNotOptimize(zw::readTableTemplate(table, entries[50]));
}
BENCHMARK(BM_ExtendedImportOne)->Unit(benchmark::kMillisecond);

} // namespace
