// Reading templates from tables in the extended layout and writing them back:
// every cell nobody changed goes back byte for byte.
#include "model/text.h"
#include "rmg/extended_table.h"
#include "rmg/import.h"
#include "rmg/table.h"
#include "support/extended_tables.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::ExtendedShape;

ExtendedTable readOrFail(std::string_view buffer) {
    auto read = ExtendedTable::read(buffer);
    if (auto* message = std::get_if<std::string>(&read))
        ADD_FAILURE() << *message;
    return std::get<ExtendedTable>(std::move(read));
}

// The cells of a buffer's rows, for telling which cell a change touched.
std::vector<std::vector<std::string>> cellsOf(std::string_view buffer) {
    std::vector<std::vector<std::string>> out;
    std::vector<std::string_view> cells;
    for (size_t pos = 0; pos < buffer.size();) {
        TableRow row;
        cutRow(buffer, pos, row, cells);
        out.emplace_back(cells.begin(), cells.end());
        pos = row.next;
    }
    return out;
}

struct Sample {
    const char* what;
    std::string table;
    size_t templates;
};

std::vector<Sample> samples() {
    const ExtendedShape lf{.lineEnd = "\n"},
        newer{.towns = 12, .terrains = 12, .extraMapOptions = 2, .extraZoneOptions = 3};
    std::string unended = test::threeTemplateTable();
    unended.resize(unended.size() - 2); // the last row without its CR LF
    // In an LF table, a last cell ending in CR before a CR LF keeps its bytes.
    std::string crEnded = test::oneTemplateTable(lf);
    crEnded.insert(crEnded.size() - 1, "x\r\r");
    std::string crUnended = test::oneTemplateTable(lf);
    crUnended.back() = 'x'; // and a CR for the table's last byte
    crUnended += '\r';
    std::string quotedName = test::threeTemplateTable();
    quotedName.replace(quotedName.find("\tStar\t"), 6, "\t\"\t Star\tone\r\nline \"\t");
    return {{"one template, CR LF", test::oneTemplateTable(), 1},
            {"one template, LF, a last cell ending in CR", crEnded, 1},
            {"one template, LF, no line end after a last cell ending in CR", crUnended, 1},
            {"three templates, a name with a TAB and a line break", quotedName, 3},
            {"three templates, no line end at the end", unended, 3},
            {"one template, LF", test::oneTemplateTable(lf), 1},
            {"three templates, LF", test::threeTemplateTable(lf), 3},
            {"three templates, newer columns", test::threeTemplateTable(newer), 3}};
}

TEST(ExtendedTable, EveryTemplateWritesBackByteForByte) {
    for (const Sample& s : samples()) {
        SCOPED_TRACE(s.what);
        ASSERT_TRUE(claimsExtendedLayout(s.table));
        const ExtendedTable table = readOrFail(s.table);
        ASSERT_EQ(table.templates().size(), s.templates);
        for (size_t k = 0; k < s.templates; ++k) {
            TRmg t = table.readTemplate(k);
            refreshConditions(t);
            EXPECT_EQ(table.replaced(k, t, table.templates()[k].name), s.table) << "template " << k;
            // Each template's bytes run up to the next one's, the last to the end.
            const TTemplateInside& e = table.templates()[k];
            const auto next = k + 1 < s.templates ? table.templates()[k + 1].start : s.table.size();
            EXPECT_EQ(static_cast<size_t>(e.start + e.length), next) << "template " << k;
        }
    }
}

TEST(ExtendedTable, ReadsTheClassicFieldsByTheHeaderNames) {
    for (const Sample& s : samples()) {
        SCOPED_TRACE(s.what);
        const ExtendedTable table = readOrFail(s.table);
        const TRmg t = table.readTemplate(0);
        EXPECT_EQ(std::tuple(t.header.minSize, t.header.maxSize, t.playerCount()),
                  std::tuple(1, 9, 2));
        ASSERT_EQ(t.zones.size(), 5u);
        std::vector<int32_t> ids;
        for (const ZoneRecord& z : t.zones)
            ids.push_back(z.kept.id);
        EXPECT_EQ(ids, (std::vector<int32_t>{1, 2, 15, 16, 40}));
        const auto& z = t.zones;
        EXPECT_EQ(std::tie(z[0].owner, z[0].kind, z[0].mineOre, z[1].monsterStrength, z[2].size,
                           z[2].terrainMatchesTown, z[4].kind),
                  std::tuple(1, code(ZoneKind::Start), 1, code(MonsterStrength::None), 12, true,
                             code(ZoneKind::Junction)));
        // Connections name zones by Id: 1-15 twice (one connection of two
        // passages), 2-16, 15-40, 16-40, 40-2; the one naming zone 200 is no connection.
        ASSERT_EQ(t.connections.size(), 5u);
        const auto& c = t.connections;
        EXPECT_EQ(std::tie(c[0].zoneA, c[0].zoneB, c[0].passageCount, c[2].passages[0].kind,
                           c[4].zoneA, c[4].zoneB),
                  std::tuple(0, 2, 2, code(PassageKind::BorderGuard), 4, 1));
    }
}

TEST(ExtendedTable, KeepsTheCellsTheRecordsDoNotHold) {
    const std::string buffer = test::oneTemplateTable();
    const ExtendedTable table = readOrFail(buffer);
    const TRmg t = table.readTemplate(0);
    struct Expected {
        const KeptCells* record;
        const char* name;
        const char* text;
        bool classic;
    };
    const std::vector<Expected> expected = {
        {&t.zones[0].kept, "Placement", "ground", false},
        {&t.zones[0].kept, "Objects", "+95 0 d d d 3 +144 4 d d d 3", false},
        {&t.zones[0].kept, "Image settings", "40 120", false},
        {&t.zones[2].kept, "Harbor", "x", false},
        {&t.zones[3].kept, "Town Hint", "a \"b\"", false},
        {&t.connections[0].passages[0].kept, "Road", "x", false},
        {&t.connections[0].passages[1].kept, "Value", "0.8", true},
        {&t.connections[2].passages[0].kept, "Border Guard", "x o2 o9", true},
        {&t.connections[4].passages[0].kept, "Fictive", "1", false},
        // Terrain flags that a zone matching its town does not write.
        {&t.zones[0].kept, "Wood", nullptr, false},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        const KeptCell* cell = e.record->find(e.name);
        if (!e.text) {
            EXPECT_EQ(cell, nullptr);
            continue;
        }
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text, e.text);
        EXPECT_EQ(cell->readAs.has_value(), e.classic);
    }
    ASSERT_EQ(t.kept.cells.size(), 2u);
    EXPECT_EQ(t.kept.cells[0].name, "Artifacts");
    // The row whose connection names zone 200 is kept whole.
    ASSERT_FALSE(t.kept.rows.empty());
    EXPECT_EQ(t.kept.rows.back().cells.front().name, "Connections: Zone 1");
    EXPECT_TRUE(t.hasKeptCells());
    // The pack's cells are the table's.
    const auto pack = table.packCells();
    ASSERT_GE(pack.size(), 9u);
    EXPECT_EQ(pack[8].first, "Description");
    EXPECT_EQ(pack[8].second, "Two lines,\r\nwith a\ttab and \"quotes\"");
}

TEST(ExtendedTable, AChangedValueChangesExactlyItsCell) {
    const std::string buffer = test::threeTemplateTable();
    const ExtendedTable table = readOrFail(buffer);
    struct Change {
        const char* what;
        void (*apply)(TRmg&);
        size_t row; // of the table
        const char* text;
    };
    const std::vector<Change> changes = {
        {"zone size", [](TRmg& t) { t.zones[2].size = 13; }, 3 + 7 + 2, "13"},
        {"guard of a kept Value", [](TRmg& t) { t.connections[0].passages[1].guard = 500; },
         3 + 7 + 4, "500"},
        {"kept option",
         [](TRmg& t) {
             for (KeptCell& k : t.zones[0].kept.cells)
                 if (k.name == "Placement")
                     k.text = "water";
         },
         3 + 7, "water"},
        {"max size", [](TRmg& t) { t.header.maxSize = 8; }, 3 + 7, "8"},
    };
    const auto before = cellsOf(buffer);
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        TRmg t = table.readTemplate(1);
        refreshConditions(t);
        c.apply(t);
        const auto after = cellsOf(table.replaced(1, t, table.templates()[1].name));
        ASSERT_EQ(after.size(), before.size());
        int changed = 0;
        for (size_t r = 0; r < before.size(); ++r)
            for (size_t k = 0; k < before[r].size(); ++k)
                if (k >= after[r].size() || before[r][k] != after[r][k]) {
                    ++changed;
                    EXPECT_EQ(r, c.row);
                    EXPECT_EQ(k < after[r].size() ? after[r][k] : "", c.text);
                }
        EXPECT_EQ(changed, 1);
    }
}

TEST(ExtendedTable, TheClassicProjectionImportsToTheSameTemplate) {
    // Drop every column that is not classic and read the rest by the classic rules.
    const std::string buffer = test::oneTemplateTable();
    const ExtendedTable table = readOrFail(buffer);
    TRmg extended = table.readTemplate(0);
    std::string block;
    std::vector<std::string_view> cells;
    for (size_t pos = table.templates()[0].start; pos < buffer.size();) {
        TableRow row;
        cutRow(buffer, pos, row, cells);
        ClassicRow classic;
        for (size_t c = 0; c < table.columns().size() && c < cells.size(); ++c)
            if (table.columns()[c].classic >= 0)
                classic[static_cast<size_t>(table.columns()[c].classic)] = cellText(cells[c]);
        for (size_t k = 0; k < classic.size(); ++k)
            block += (k ? "\t" : "") + classic[k];
        block += "\r\n";
        pos = row.next;
    }
    // The classic layout numbers zones by their rows: Ids 1, 2, 15, 16, 40 there
    // are zones 1, 2 and nothing; compare what the Ids do not change.
    TRmg classic = readTemplate(block);
    EXPECT_EQ(std::tie(classic.name, classic.header, classic.kinds),
              std::tie(extended.name, extended.header, extended.kinds));
    ASSERT_EQ(classic.zones.size(), extended.zones.size());
    for (size_t z = 0; z < classic.zones.size(); ++z) {
        ZoneRecord e = extended.zones[z];
        e.kept = {};
        EXPECT_EQ(classic.zones[z], e) << "zone " << z;
    }
}

TEST(ExtendedTable, ThePackStaysOnTheFirstDataRow) {
    const std::string buffer = test::threeTemplateTable();
    const ExtendedTable table = readOrFail(buffer);
    const auto packOf = [](const std::string& b) {
        return std::get<ExtendedTable>(ExtendedTable::read(b)).packCells();
    };
    const auto pack = table.packCells();
    // Deleting the first template moves the pack onto the next one.
    const std::string without = table.without(0);
    EXPECT_EQ(packOf(without), pack);
    EXPECT_EQ(std::get<ExtendedTable>(ExtendedTable::read(without)).templates().size(), 2u);
    // Deleting all keeps it alone; a template added then takes it again.
    const std::string empty = table.withoutAll();
    const ExtendedTable none = readOrFail(empty);
    EXPECT_TRUE(none.templates().empty());
    EXPECT_EQ(none.packCells(), pack);
    TRmg first = table.readTemplate(0);
    refreshConditions(first);
    const std::string again = none.appended(first, table.templates()[0].name);
    EXPECT_EQ(again, buffer.substr(0, table.templates()[1].start));
}

TEST(ExtendedTable, AClassicTemplateIsWrittenInTheTablesLayout) {
    const std::string buffer = test::oneTemplateTable();
    const ExtendedTable table = readOrFail(buffer);
    TRmg classic = makeNewTemplate();
    classic.name = "Plain";
    for (int z = 0; z < 3; ++z)
        classic.appendZone({.size = 10 + z, .kept = {}});
    classic.appendConnection({.zoneA = 0, .zoneB = 2});
    refreshConditions(classic);
    const std::string out = table.appended(classic, "Plain");
    const ExtendedTable reread = readOrFail(out);
    ASSERT_EQ(reread.templates().size(), 2u);
    EXPECT_EQ(reread.templates()[1].name, "Plain");
    TRmg back = reread.readTemplate(1);
    EXPECT_FALSE(back.hasKeptCells());
    for (ZoneRecord& z : back.zones)
        z.kept = {};
    for (ConnectionRecord& cr : back.connections)
        for (PassageRecord& p : cr.passages)
            p.kept = {};
    back.kept = {};
    EXPECT_EQ(back, classic);
    // Every new row has the header's cells.
    const auto rows = cellsOf(out);
    for (size_t r = rows.size() - 3; r < rows.size(); ++r)
        EXPECT_EQ(rows[r].size(), table.columns().size());
}

TEST(ExtendedTable, RefusesWhatTheHeaderDoesNotDescribe) {
    const test::ExtendedTableMaker m;
    const std::string header = m.header();
    const std::string pack = m.row(m.fieldCounts());
    std::string noSize = header;
    noSize.replace(noSize.find("\tBase Size\t"), 11, "\tSize\t");
    std::string badSection = header;
    badSection.replace(badSection.find("\tMap\t"), 5, "\tMaps\t");
    std::string noConnections = header;
    noConnections.erase(noConnections.find("Connections"), 11);
    auto counts = m.fieldCounts();
    counts["Pack: Town"] = "12";
    const std::string zoneRow = m.row({{"Map: Name", "T"}, {"Zone: Id", "1"}});
    struct Case {
        const char* what;
        std::string table;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"header only", header, "три строки заголовка"},
        {"a missing column", noSize + pack + zoneRow, "нет столбца «Base Size»"},
        {"an unknown section", badSection + pack + zoneRow, "ожидался раздел «Map»"},
        {"no last section", noConnections + pack + zoneRow, "нет раздела «Connections»"},
        {"no field counts", header + m.row({{"Map: Name", "T"}}), "Field count"},
        {"counts against the header", header + m.row(counts) + zoneRow, "не сходится"},
        {"an open quote", header + pack + "\"open" + zoneRow, "кавычка"},
        {"a template without zones", header + pack + m.row({{"Map: Name", "T"}}), "нет ни одной"},
        {"a cell beyond the header",
         header + pack + zoneRow.substr(0, zoneRow.size() - 2) + "\tx\r\n", "больше ячеек"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto read = ExtendedTable::read(c.table);
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_NE(std::get<std::string>(read).find(c.message), std::string::npos)
            << std::get<std::string>(read);
    }
}

} // namespace
} // namespace zw
