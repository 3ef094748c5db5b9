// Tables made to hurt: huge cells, endless rows of TABs, no line ends, floods
// of passages and zones. Each must be read to a sound template without a
// crash, an overrun or a hang.
#include "rmg/graph.h"
#include "rmg/import.h"
#include "rmg/table.h"
#include "rmg/template_list.h"
#include "support/rmg_fixtures.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include <set>

namespace zw {
namespace {

using test::cellRow;
using test::rmgRow;
using test::startRow;

const std::string kStart = "h\r\nT\t1\t2\t";

void expectSound(const TRmg& t) {
    EXPECT_GE(t.header.playerCountIndex, 0);
    EXPECT_LE(t.header.playerCountIndex, 6);
    const auto zones = static_cast<int32_t>(t.zones.size());
    for (const auto& c : t.connections) {
        EXPECT_GE(c.zoneA, 0);
        EXPECT_LT(c.zoneA, zones);
        EXPECT_GE(c.zoneB, 0);
        EXPECT_LT(c.zoneB, zones);
        EXPECT_GE(c.passageCount, 1);
        EXPECT_LE(c.passageCount, 8);
    }
}

TEST(HostileTable, AHugeCellAndAHugeNumber) {
    std::string table = kStart + std::string(8 << 20, 'x') + "\r\n";
    table += "\t\t\t" + std::string(4 << 20, '7') + "\t\r\n"; // a zone number of 4 million digits
    const auto list = splitTable(table);
    ASSERT_EQ(list.size(), 1u);
    const TRmg t = readTemplate(templateBlock(table, list[0]));
    EXPECT_EQ(t.name, "T");
    EXPECT_TRUE(t.zones.empty());
    expectSound(t);

    // A name cell longer than 64 bytes never starts a template.
    EXPECT_TRUE(splitTable("h\r\n" + std::string(3 << 20, 'n') + "\t1\t2\tx\r\n").empty());
}

TEST(HostileTable, MillionsOfTabsInOneRow) {
    std::string table = kStart + "1\t";
    table.append(5'000'000, '\t');
    table += "tail\r\n" + rmgRow({{3, "2"}});
    const auto list = splitTable(table);
    ASSERT_EQ(list.size(), 1u);
    BlockRows rows(templateBlock(table, list[0]));
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.cells()[3], "1");
    EXPECT_EQ(rows.cells()[84], "");
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.cells()[3], "2");
    EXPECT_EQ(rows.cells()[4], ""); // nothing left over from the long row
    EXPECT_FALSE(rows.next());
    const TRmg t = readTemplate(templateBlock(table, list[0]));
    EXPECT_EQ(t.zones.size(), 2u);
}

TEST(HostileTable, NoLineEndsAtAll) {
    const std::string flat(16 << 20, 'a'), tabs(4 << 20, '\t'), crs(4 << 20, '\r'),
        lfs(4 << 20, '\n');
    for (const std::string* table : {&flat, &tabs, &crs, &lfs})
        EXPECT_TRUE(splitTable(*table).empty()) << table->front();
    EXPECT_EQ(readTemplate(flat), makeNewTemplate());
    const TRmg t = readTemplate(tabs); // one row of empty cells
    EXPECT_EQ(t.name, "");
    EXPECT_TRUE(t.zones.empty());
    EXPECT_TRUE(readTemplate(crs).zones.empty());
}

TEST(HostileTable, AFloodOfPassagesInOneCell) {
    std::string block = startRow("F") + rmgRow({{3, "2"}});
    std::string pieces;
    for (int k = 0; k < 200'000; ++k)
        pieces += k % 3 == 0 ? "1," : (k % 3 == 1 ? "9," : "x,");
    block += rmgRow({{76, pieces}, {77, "2"}, {84, "$7FFFFFFF"}});
    const TRmg t = readTemplate(block);
    expectSound(t);
    // 66,667 passages of pair (1, 2) fill 8,334 connections; the pieces naming
    // zone 9 or no number add nothing.
    EXPECT_EQ(t.connections.size(), 8334u);
    EXPECT_EQ(t.connections.back().passageCount, 66'667 - 8333 * 8);
    LayoutRandom rng;
    TRmg laid = t;
    EXPECT_TRUE(layoutZones(laid, rng));
}

TEST(HostileTable, ManyZonesAndOwnersOutOfRange) {
    std::string block = cellRow("0=Z 1=1 2=2 3=1 13=1");
    for (int k = 0; k < 5'000; ++k)
        block += cellRow(std::string("3=7 5=x 76=1 13=") + (k % 2 ? "99" : "-7") +
                         " 77=" + std::to_string(k + 2));
    const TRmg t = readTemplate(block);
    expectSound(t);
    EXPECT_EQ(std::tuple(t.zones.size(), t.connections.size(), t.header.playerCountIndex),
              std::tuple(5'001u, 5'000u, 0));
    EXPECT_EQ(t.kinds, PlayerKindTable{});
    EXPECT_EQ(std::tie(t.zones[1].owner, t.zones[2].owner), std::tuple(-7, 99));

    // A star of 5,001 zones: every leaf starts on the same small circle, so
    // the spreading has to find room for all of them.
    TRmg laid = t;
    LayoutRandom rng;
    EXPECT_TRUE(layoutZones(laid, rng));
    std::set<std::pair<int32_t, int32_t>> seen;
    for (const auto& z : laid.zones)
        seen.emplace(z.gridX, z.gridY);
    EXPECT_EQ(seen.size(), laid.zones.size());
}

TEST(HostileTable, CompileNeverWritesOutsideTheRecords) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = -50;
    t.header.minSize = INT32_MIN;
    t.appendZone(
        {.kind = 0, .owner = INT32_MAX, .monsterStrength = -1, .existMode = 1, .kept = {}});
    t.appendConnection({.zoneA = INT32_MAX, .zoneB = INT32_MIN, .passageCount = INT32_MAX});
    refreshConditions(t);
    const std::string block = buildBlock(t, "N");
    EXPECT_NE(block.find("\t2147483648\t"), std::string::npos); // the higher zone number
    EXPECT_NE(block.find("\t-2147483647\t"), std::string::npos);
    EXPECT_EQ(std::count(block.begin(), block.end(), '\n'), 8);
}

TEST(HostileTable, SessionOnAHugeTable) {
    std::string table = "h\r\n";
    for (int k = 0; k < 5000; ++k)
        table += startRow("T" + std::to_string(k % 100));
    ScriptedServices services;
    TemplateListSession s(table, ListMode::Adding, "t42", services);
    ASSERT_EQ(s.entries().size(), 5000u);
    EXPECT_EQ(s.addTemplate(), ListOutcome::Proceed);
    EXPECT_EQ(s.entries().size(), 4999u);
    EXPECT_EQ(s.entries()[42].name, "T43");
    services.messageAnswers = {MessageResult::Yes};
    s.deleteAll();
    EXPECT_EQ(s.buffer(), "h\r\n");
}

} // namespace
} // namespace zw
