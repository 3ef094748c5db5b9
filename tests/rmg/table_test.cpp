// The block of rows the compile writes, the derived existence conditions and
// the read-back rules.
#include "rmg/table.h"
#include "support/group_samples.h"
#include "support/model_samples.h"
#include "support/rmg_rows.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zw {
namespace {

using test::connectionWith;
using test::passage;

using test::RmgCells;

// The cells of each row of a block, checking the row shape on the way.
std::vector<RmgCells> rowsOf(const std::string& text) {
    std::vector<RmgCells> rows;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find("\r\n", pos);
        EXPECT_NE(end, std::string::npos) << "row without CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = text.substr(pos, end - pos);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 84);
        EXPECT_EQ(line.find('\r'), std::string::npos);
        RmgCells cells;
        size_t from = 0;
        for (size_t k = 0; k < cells.size(); ++k) {
            const size_t tab = line.find('\t', from);
            cells[k] = line.substr(from, tab == std::string::npos ? std::string::npos : tab - from);
            from = tab == std::string::npos ? line.size() : tab + 1;
        }
        rows.push_back(cells);
        pos = end + 2;
    }
    return rows;
}

ZoneRecord startZone(int owner) {
    ZoneRecord z = makeDefaultZone();
    z.kind = 0;
    z.owner = owner;
    z.townMode = 2;
    return z;
}

TEST(CompileBlock, WorkedExampleComesOutByteForByte) {
    TRmg t = test::workedExample("Example");
    refreshConditions(t);

    EXPECT_EQ(buildBlock(t, "Example"), test::workedExampleRows("Example"));

    // The refresh was stored into the template.
    EXPECT_EQ(limitsOf(t.zones[2]), (Limits{1, 2, 2, 2}));
    EXPECT_EQ(limitsOf(t.connections[1].passages[0]), (Limits{1, 2, 2, 2}));
}

TEST(CompileBlock, RowCountIsTheLargerOfZonesAndPassages) {
    TRmg t = makeNewTemplate();
    for (int i = 0; i < 3; ++i)
        t.appendZone(makeDefaultZone());
    t.appendConnection(connectionWith(0, 1, {passage(0), passage(1), passage(2)}));
    t.appendConnection(connectionWith(2, 1, {passage(0), passage(0)}));
    auto rows = rowsOf(buildBlock(t, "N"));
    ASSERT_EQ(rows.size(), 5u);
    for (size_t r = 3; r < 5; ++r)
        for (int k = 3; k <= 75; ++k)
            EXPECT_EQ(rows[r][static_cast<size_t>(k)], "") << r << ' ' << k;
    EXPECT_EQ(rows[3][76], "2");
    EXPECT_EQ(rows[3][77], "3");
    for (size_t r = 1; r < 5; ++r)
        for (int k = 0; k <= 2; ++k)
            EXPECT_EQ(rows[r][static_cast<size_t>(k)], "");

    for (int i = 0; i < 2; ++i)
        t.appendZone(makeDefaultZone());
    t.connections.resize(1);
    t.connections[0].passageCount = 2;
    rows = rowsOf(buildBlock(t, "N"));
    ASSERT_EQ(rows.size(), 5u);
    for (size_t r = 2; r < 5; ++r) {
        EXPECT_EQ(rows[r][3], std::to_string(r + 1));
        for (int k = 76; k <= 84; ++k)
            EXPECT_EQ(rows[r][static_cast<size_t>(k)], "");
    }

    // Nothing at all still gives row 0 with the template columns.
    const auto empty = rowsOf(buildBlock(makeNewTemplate(), "Empty"));
    ASSERT_EQ(empty.size(), 1u);
    RmgCells only;
    only[0] = "Empty";
    only[1] = "4";
    only[2] = "9";
    EXPECT_EQ(empty[0], only);
}

TEST(CompileBlock, PassageCountsOutsideTheSlotsNeverReachBeyondThem) {
    TRmg t = makeNewTemplate();
    t.appendZone(makeDefaultZone());
    t.appendZone(makeDefaultZone());
    t.appendConnection(connectionWith(0, 1, {passage(0)}));
    t.connections[0].passageCount = 20;
    t.appendConnection(connectionWith(0, 1, {passage(0)}));
    t.connections[1].passageCount = -3;
    t.appendConnection(connectionWith(0, 7, {passage(0)})); // a zone that does not exist
    refreshConditions(t);
    EXPECT_EQ(limitsOf(t.connections[2].passages[0]), (Limits{1, 8, 1, 8}));
    EXPECT_EQ(rowsOf(buildBlock(t, "N")).size(), 9u);
}

// Expects each listed cell of row `index` to hold its text.
void expectCells(const std::vector<RmgCells>& rows, size_t index,
                 std::initializer_list<std::pair<size_t, const char*>> cells) {
    for (const auto& [k, text] : cells)
        EXPECT_EQ(rows.at(index)[k], text) << "row " << index << ", cell " << k;
}

TEST(CompileBlock, CellsFollowTheColumnRules) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = 1;
    t.kinds.playerKind[1] = 1;
    ZoneRecord a = startZone(2); // a computer player's start zone
    a.size = -5;
    a.townMode = 3;
    a.playerTowns = 3;
    a.playerCastles = 1;
    a.neutralTowns = 0;
    a.neutralCastles = -2;
    a.sameTownType = true;
    a.townTypes = {true, false, true, false, false, false, false, false, true};
    a.mineWood = 1;
    a.mineGold = 2;
    a.mineOre = -1;
    a.terrainMatchesTown = true;
    a.monsterStrength = 0;
    a.monstersMatchTown = true;
    ZoneRecord b = makeDefaultZone();
    b.kind = 2;
    b.townMode = 1;
    b.sameTownType = true;
    b.terrains = {false, true, false, false, false, false, false, true};
    b.monstersMatchTown = true;
    b.monsterStrength = 3;
    ZoneRecord c = startZone(0); // only an imported table gives such a zone
    c.townMode = 7;
    c.monsterStrength = 9;
    c.monsterTypes = {true, false, false, false, false, false, false, false, false, true};
    t.zones = {a, b, c};
    t.appendConnection(
        connectionWith(2, 0, {passage(0, 0), passage(1, 500), passage(2, 500), passage(5, 500)}));
    const auto rows = rowsOf(buildBlock(t, "N"));
    ASSERT_EQ(rows.size(), 4u);
    for (const auto& row : rows)
        for (int k : {16, 17, 20, 21, 39, 40, 41, 42, 43, 44, 45})
            EXPECT_EQ(row[static_cast<size_t>(k)], "");

    expectCells(rows, 0, {{4, ""}, {5, "x"}, {8, "-5"}, {13, "2"}, {14, "3"}, {15, "1"}, {18, ""}});
    expectCells(rows, 0, {{19, ""}, {22, "x"}});
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(rows[0][23 + static_cast<size_t>(k)],
                  a.townTypes[static_cast<size_t>(k)] ? "x" : "");
    expectCells(rows, 0, {{32, "1"}, {34, ""}, {38, "2"}, {46, "x"}});
    for (int k = 47; k <= 54; ++k)
        EXPECT_EQ(rows[0][static_cast<size_t>(k)], "");
    expectCells(rows, 0, {{55, "none"}});
    for (int k = 56; k <= 66; ++k)
        EXPECT_EQ(rows[0][static_cast<size_t>(k)], "");

    // Cell 18: one town without fort, no owner; cell 22: only mode 3 writes the
    // same-type mark.
    expectCells(rows, 1, {{7, "x"}, {13, ""}, {14, ""}, {18, "1"}, {22, ""}, {46, ""}, {47, ""}});
    expectCells(rows, 1, {{48, "x"}, {54, "x"}, {55, "strong"}, {56, "x"}});
    for (int k = 57; k <= 66; ++k)
        EXPECT_EQ(rows[1][static_cast<size_t>(k)], "");

    expectCells(rows, 2, {{4, "x"}, {5, ""}, {13, ""}});
    for (int k : {14, 15, 18, 19})
        EXPECT_EQ(rows[2][static_cast<size_t>(k)], "");
    expectCells(rows, 2, {{55, "avg"}, {56, ""}, {57, "x"}, {58, ""}, {66, "x"}});

    // Passages: lower number first whatever the stored order; guard only for kind 0.
    expectCells(rows, 0, {{76, "1"}, {77, "3"}, {78, "0"}});
    expectCells(rows, 1, {{78, ""}, {79, "x"}, {80, ""}});
    expectCells(rows, 2, {{78, ""}, {79, ""}, {80, "x"}});
    expectCells(rows, 3, {{79, ""}, {80, "x"}, {3, ""}});
}

TEST(CompileBlock, TownRuleByModeAndOwner) {
    struct Case {
        int mode, owner;
        std::array<const char*, 4> cells; // 14, 15, 18, 19
    };
    for (const Case k : {Case{0, 1, {"", "", "", ""}}, Case{1, 1, {"1", "", "", ""}},
                         Case{1, 0, {"", "", "1", ""}}, Case{2, 3, {"", "1", "", ""}},
                         Case{2, 0, {"", "", "", "1"}}, Case{3, 0, {"4", "3", "2", "1"}},
                         Case{4, 1, {"", "", "", ""}}, Case{-1, 0, {"", "", "", ""}}}) {
        TRmg t = makeNewTemplate();
        ZoneRecord z = makeDefaultZone();
        z.townMode = k.mode;
        z.owner = k.owner;
        z.playerTowns = 4;
        z.playerCastles = 3;
        z.neutralTowns = 2;
        z.neutralCastles = 1;
        t.appendZone(z);
        const auto row = rowsOf(buildBlock(t, "N")).at(0);
        EXPECT_EQ(row[14], k.cells[0]) << k.mode << ' ' << k.owner;
        EXPECT_EQ(row[15], k.cells[1]) << k.mode << ' ' << k.owner;
        EXPECT_EQ(row[18], k.cells[2]) << k.mode << ' ' << k.owner;
        EXPECT_EQ(row[19], k.cells[3]) << k.mode << ' ' << k.owner;
    }
}

TEST(Refresh, DerivesZoneAndPassageLimits) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = 2; // four players
    t.kinds.playerKind = {0, 0, 1, 1, 0, 0, 0, 0};
    ZoneRecord free = makeDefaultZone();
    ZoneRecord withOwner = makeDefaultZone();
    withOwner.existMode = 1;
    withOwner.owner = 3;
    ZoneRecord farOwner = withOwner;
    farOwner.owner = 7; // 7 - 2 > 4
    ZoneRecord edgeOwner = withOwner;
    edgeOwner.owner = 6; // 6 - 2 = 4, not greater
    ZoneRecord detailed = makeDefaultZone();
    detailed.existMode = 2;
    detailed.minHumans = 2;
    detailed.maxHumans = 3;
    detailed.minPlayers = 3;
    detailed.maxPlayers = 3;
    t.zones = {free, withOwner, farOwner, edgeOwner, detailed};
    PassageRecord manual = passage(0);
    manual.autoExist = false;
    manual.minHumans = 5;
    t.appendConnection(connectionWith(4, 1, {passage(0), manual}));
    refreshConditions(t);
    EXPECT_EQ(limitsOf(t.zones[0]), (Limits{1, 2, 2, 4}));
    EXPECT_EQ(limitsOf(t.zones[1]), (Limits{1, 2, 3, 4}));
    EXPECT_EQ(limitsOf(t.zones[2]), (Limits{1, 2, 2, 4}));
    EXPECT_EQ(limitsOf(t.zones[3]), (Limits{1, 2, 6, 4}));
    EXPECT_EQ(limitsOf(t.zones[4]), (Limits{2, 3, 3, 3}));
    EXPECT_EQ(limitsOf(t.connections[0].passages[0]), (Limits{2, 2, 3, 3}));
    EXPECT_EQ(limitsOf(t.connections[0].passages[1]), (Limits{5, 8, 1, 8}));
}

TEST(Refresh, PlayerKindsBeyondThePlayerCountDoNotCount) {
    TRmg t = makeNewTemplate();
    t.kinds.playerKind = {0, 1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(humanPlayersOf(t), 1);
    t.header.playerCountIndex = 100; // never indexes past the eight players
    EXPECT_EQ(humanPlayersOf(t), 7);
    EXPECT_EQ(playersOf(t), 102);
    t.header.playerCountIndex = INT32_MAX;
    EXPECT_EQ(playersOf(t), int64_t{INT32_MAX} + 2);
    EXPECT_EQ(zoneLimitsForMode0(playersOf(t), 1).maxPlayers, INT32_MAX);
}

TEST(AppendBlock, LineEndOnlyWhenTheTableLacksIt) {
    std::string s = "abc";
    appendBlock(s, "ROW\r\n");
    EXPECT_EQ(s, "abc\r\nROW\r\n");
    s = "abc\n";
    appendBlock(s, "ROW\r\n");
    EXPECT_EQ(s, "abc\nROW\r\n");
    s = "abc\r";
    appendBlock(s, "ROW\r\n");
    EXPECT_EQ(s, "abc\r\r\nROW\r\n");
    s.clear();
    appendBlock(s, "ROW\r\n");
    EXPECT_EQ(s, "ROW\r\n");
}

TEST(ReadBackRules, ExistenceMode) {
    // Four players, two of them human-capable.
    EXPECT_EQ(existModeFromTable({1, 2, 2, 4}, 0, 4, 2), 0);
    EXPECT_EQ(existModeFromTable({1, 2, 2, 4}, 2, 4, 2), 0);
    EXPECT_EQ(existModeFromTable({1, 2, 3, 4}, 3, 4, 2), 1);
    EXPECT_EQ(existModeFromTable({1, 2, 3, 4}, 0, 4, 2), 2);
    // Owner 2 equals the mode-0 pattern, and owner 2 is never mode 1.
    EXPECT_EQ(existModeFromTable({1, 2, 2, 4}, 7, 4, 2), 1); // 7 - 2 > 4 gives T = 2
    EXPECT_EQ(existModeFromTable({1, 2, 2, 4}, INT32_MAX, 4, 2), 1);
    EXPECT_EQ(existModeFromTable({1, 8, 1, 8}, 0, 4, 2), 2);
}

TEST(ReadBackRules, TownModeAndAutoExist) {
    EXPECT_EQ(townModeFromTable(0, 0, 0, 0, 5), 0);
    EXPECT_EQ(townModeFromTable(1, 0, 0, 0, 1), 1);
    EXPECT_EQ(townModeFromTable(0, 1, 0, 0, 1), 2);
    EXPECT_EQ(townModeFromTable(0, 0, 1, 0, 0), 1);
    EXPECT_EQ(townModeFromTable(0, 0, 0, 1, 0), 2);
    EXPECT_EQ(townModeFromTable(1, 0, 0, 0, 0), 3);
    EXPECT_EQ(townModeFromTable(0, 0, 1, 0, 2), 3);
    EXPECT_EQ(townModeFromTable(3, 1, 0, 0, 1), 3);
    EXPECT_EQ(townModeFromTable(0, 0, 1, 0, -1), 3);

    ZoneRecord a = makeDefaultZone(), b = makeDefaultZone();
    a.minHumans = 2;
    b.maxPlayers = 5;
    EXPECT_TRUE(autoExistFromTable({2, 8, 1, 5}, a, b));
    EXPECT_FALSE(autoExistFromTable({1, 8, 1, 5}, a, b));
}

} // namespace
} // namespace zw
