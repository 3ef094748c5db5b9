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

// Expects the cells of row `index` named in `wanted`: space-separated "k=text", or
// "a..b=text" for every cell from a to b.
void expectCells(const std::vector<RmgCells>& rows, size_t index, const std::string& wanted) {
    std::istringstream in(wanted);
    for (std::string item; in >> item;) {
        const size_t eq = item.find('='), dots = item.find("..");
        const size_t first = std::stoul(item.substr(0, std::min(eq, dots)));
        const size_t last = dots < eq ? std::stoul(item.substr(dots + 2, eq - dots - 2)) : first;
        for (size_t k = first; k <= last; ++k)
            EXPECT_EQ(rows.at(index).at(k), item.substr(eq + 1))
                << "row " << index << ", cell " << k;
    }
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
    for (size_t r = 1; r < 5; ++r)
        expectCells(rows, r, r >= 3 ? "0..75=" : "0..2=");
    expectCells(rows, 3, "76=2 77=3");

    for (int i = 0; i < 2; ++i)
        t.appendZone(makeDefaultZone());
    t.connections.resize(1);
    t.connections[0].passageCount = 2;
    rows = rowsOf(buildBlock(t, "N"));
    ASSERT_EQ(rows.size(), 5u);
    for (size_t r = 2; r < 5; ++r)
        expectCells(rows, r, "3=" + std::to_string(r + 1) + " 76..84=");

    // Nothing at all still gives row 0 with the template columns.
    const auto empty = rowsOf(buildBlock(makeNewTemplate(), "Empty"));
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0], rowsOf(test::rmgRow({{0, "Empty"}, {1, "4"}, {2, "9"}}))[0]);
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

TEST(CompileBlock, CellsFollowTheColumnRules) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = 1;
    t.kinds.playerKind[1] = 1;
    // A computer player's start zone; a junction; a start zone without owner and with codes
    // out of range, which only an imported table gives.
    // clang-format off
    const ZoneRecord a{.kind = 0, .size = -5, .owner = 2, .townMode = 3, .playerCastles = 1,
                       .playerTowns = 3, .neutralCastles = -2, .neutralTowns = 0, .sameTownType = true,
                       .townTypes = {true, false, true, false, false, false, false, false, true},
                       .mineWood = 1, .mineOre = -1, .mineGold = 2, .terrainMatchesTown = true,
                       .monsterStrength = 0, .monstersMatchTown = true, .kept = {}};
    const ZoneRecord b{.kind = 2, .townMode = 1, .sameTownType = true,
                       .terrains = {false, true, false, false, false, false, false, true},
                       .monsterStrength = 3, .monstersMatchTown = true, .kept = {}};
    const ZoneRecord c{.kind = 0, .owner = 0, .townMode = 7, .monsterStrength = 9,
                       .monsterTypes = {true, false, false, false, false, false, false, false, false, true},
                       .kept = {}};
    // clang-format on
    t.zones = {a, b, c};
    t.appendConnection(
        connectionWith(2, 0, {passage(0, 0), passage(1, 500), passage(2, 500), passage(5, 500)}));
    const auto rows = rowsOf(buildBlock(t, "N"));
    ASSERT_EQ(rows.size(), 4u);
    for (size_t r = 0; r < rows.size(); ++r)
        expectCells(rows, r, "16..17= 20..21= 39..45=");
    // Town types 0, 2 and 8 of zone a.
    expectCells(rows, 0,
                "4= 5=x 8=-5 13=2 14=3 15=1 18= 19= 22=x 23=x 24= 25=x 26..30= 31=x 32=1 "
                "34= 38=2 46=x 47..54= 55=none 56..66=");
    // Cell 18: one town without fort, no owner; cell 22: only mode 3 writes the
    // same-type mark.
    expectCells(rows, 1, "7=x 13= 14= 18=1 22= 46= 47= 48=x 54=x 55=strong 56=x 57..66=");
    expectCells(rows, 2, "4=x 5= 13= 14= 15= 18= 19= 55=avg 56= 57=x 58= 66=x");

    // Passages: lower number first whatever the stored order; guard only for kind 0.
    expectCells(rows, 0, "76=1 77=3 78=0");
    expectCells(rows, 1, "78= 79=x 80=");
    expectCells(rows, 2, "78= 79= 80=x");
    expectCells(rows, 3, "79= 80=x 3=");
}

TEST(CompileBlock, TownRuleByModeAndOwner) {
    struct Case {
        int mode, owner;
        std::array<std::string, 4> cells; // 14, 15, 18, 19
    };
    for (const Case& k : {Case{0, 1, {"", "", "", ""}}, Case{1, 1, {"1", "", "", ""}},
                          Case{1, 0, {"", "", "1", ""}}, Case{2, 3, {"", "1", "", ""}},
                          Case{2, 0, {"", "", "", "1"}}, Case{3, 0, {"4", "3", "2", "1"}},
                          Case{4, 1, {"", "", "", ""}}, Case{-1, 0, {"", "", "", ""}}}) {
        TRmg t = makeNewTemplate();
        // clang-format off
        t.appendZone({.owner = k.owner, .townMode = k.mode, .playerCastles = 3, .playerTowns = 4,
                      .neutralCastles = 1, .neutralTowns = 2, .kept = {}});
        // clang-format on
        const auto row = rowsOf(buildBlock(t, "N")).at(0);
        EXPECT_EQ((std::array<std::string, 4>{row[14], row[15], row[18], row[19]}), k.cells)
            << k.mode << ' ' << k.owner;
    }
}

TEST(Refresh, DerivesZoneAndPassageLimits) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = 2; // four players
    t.kinds.playerKind = {0, 0, 1, 1, 0, 0, 0, 0};
    // Free; owners 3, 7 (7 - 2 > 4) and 6 (6 - 2 = 4, not greater); detailed limits.
    t.zones = {ZoneRecord{}, ZoneRecord{.owner = 3, .existMode = 1, .kept = {}},
               ZoneRecord{.owner = 7, .existMode = 1, .kept = {}},
               ZoneRecord{.owner = 6, .existMode = 1, .kept = {}},
               ZoneRecord{.existMode = 2,
                          .minHumans = 2,
                          .maxHumans = 3,
                          .minPlayers = 3,
                          .maxPlayers = 3,
                          .kept = {}}};
    t.appendConnection(connectionWith(
        4, 1, {passage(0), PassageRecord{.autoExist = false, .minHumans = 5, .kept = {}}}));
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
    const std::pair<std::string, std::string> cases[] = {{"abc", "abc\r\nROW\r\n"},
                                                         {"abc\n", "abc\nROW\r\n"},
                                                         {"abc\r", "abc\r\r\nROW\r\n"},
                                                         {"", "ROW\r\n"}};
    for (auto [table, expected] : cases) {
        appendBlock(table, "ROW\r\n");
        EXPECT_EQ(table, expected);
    }
}

TEST(ReadBackRules, ExistenceMode) {
    // Four players, two of them human-capable. Owner 2 equals the mode-0 pattern, and
    // owner 2 is never mode 1; owner 7 (7 - 2 > 4) gives T = 2.
    const struct {
        Limits limits;
        int32_t owner, mode;
    } cases[] = {{{1, 2, 2, 4}, 0, 0}, {{1, 2, 2, 4}, 2, 0}, {{1, 2, 3, 4}, 3, 1},
                 {{1, 2, 3, 4}, 0, 2}, {{1, 2, 2, 4}, 7, 1}, {{1, 2, 2, 4}, INT32_MAX, 1},
                 {{1, 8, 1, 8}, 0, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(existModeFromTable(c.limits, c.owner, 4, 2), c.mode) << c.owner;
}

TEST(ReadBackRules, TownModeAndAutoExist) {
    const std::array<int32_t, 6> cases[] = {
        // cells 14, 15, 18, 19, owner, mode
        {0, 0, 0, 0, 5, 0}, {1, 0, 0, 0, 1, 1}, {0, 1, 0, 0, 1, 2},
        {0, 0, 1, 0, 0, 1}, {0, 0, 0, 1, 0, 2}, {1, 0, 0, 0, 0, 3},
        {0, 0, 1, 0, 2, 3}, {3, 1, 0, 0, 1, 3}, {0, 0, 1, 0, -1, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(townModeFromTable(c[0], c[1], c[2], c[3], c[4]), c[5])
            << ::testing::PrintToString(c);

    ZoneRecord a = makeDefaultZone(), b = makeDefaultZone();
    a.minHumans = 2;
    b.maxPlayers = 5;
    EXPECT_TRUE(autoExistFromTable({2, 8, 1, 5}, a, b));
    EXPECT_FALSE(autoExistFromTable({1, 8, 1, 5}, a, b));
}

} // namespace
} // namespace zw
