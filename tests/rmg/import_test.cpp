// Cutting a template's bytes into cells and reading them back into a template,
// including what a compile followed by an import gives back.
#include "model/text.h"
#include "rmg/import.h"
#include "rmg/table.h"
#include "support/rmg_fixtures.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::cellRow;
using test::rmgRow;

std::vector<std::vector<std::string>> cut(std::string_view block) {
    std::vector<std::vector<std::string>> out;
    BlockRows rows(block);
    while (rows.next()) {
        std::vector<std::string> row(rows.cells().begin(), rows.cells().end());
        while (!row.empty() && row.back().empty())
            row.pop_back(); // compare only up to the last non-empty cell
        out.push_back(row);
    }
    return out;
}

using Rows = std::vector<std::vector<std::string>>;

TEST(CutBlock, RowsEndAtCrAndTheLastLineNeedsATab) {
    EXPECT_EQ(cut("a\tb\r\nc\td\r\n"), (Rows{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(cut("a\tb\r\nc\td"), (Rows{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(cut("a\tb\r\ncd"), (Rows{{"a", "b"}}));
    EXPECT_EQ(cut("a\tb\r\n\t"), (Rows{{"a", "b"}, {}}));
    // A line ended by CR LF is a row even without a TAB.
    EXPECT_EQ(cut("name\r\n\r\nx\ty\r\n"), (Rows{{"name"}, {}, {"x", "y"}}));
    EXPECT_EQ(cut(""), Rows{});
    EXPECT_EQ(cut("\r"), (Rows{{}}));
    EXPECT_EQ(cut("\r\n"), (Rows{{}}));
    EXPECT_EQ(cut("nothing"), Rows{});
}

TEST(CutBlock, TheByteAfterCrIsDroppedAndBareLfStaysInItsCell) {
    EXPECT_EQ(cut("a\rXb\tc\r\n"), (Rows{{"a"}, {"b", "c"}}));
    EXPECT_EQ(cut("a\nb\tc\nd\r\n"), (Rows{{"a\nb", "c\nd"}}));
    EXPECT_EQ(cut("one\ttwo\nthree\tfour"), (Rows{{"one", "two\nthree", "four"}}));
    EXPECT_EQ(cut("a\r\r\nb\tc"), (Rows{{"a"}, {"\nb", "c"}}));
}

TEST(CutBlock, CellsBeyond84AreDropped) {
    std::string line;
    for (int k = 0; k < 90; ++k)
        line += std::to_string(k) + '\t';
    const Rows rows = cut(line + "\r\nnext\t\r\n");
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_EQ(rows[0].size(), 85u);
    EXPECT_EQ(rows[0][84], "84");
    EXPECT_EQ(rows[1], (std::vector<std::string>{"next"}));
}

TEST(CutBlock, TrimRemovesControlsAndSpacesOnly) {
    EXPECT_EQ(trimCell(" \x01\n 12 \x1f\x20"), "12");
    EXPECT_EQ(trimCell("  "), "");
    EXPECT_EQ(trimCell("\xc0 \xc1"), "\xc0 \xc1"); // bytes above 127 stay
    EXPECT_EQ(trimCell("!12!"), "!12!");           // the first printable character stays
    EXPECT_EQ(cellNumber(" 12", 5), 12);
    EXPECT_EQ(cellNumber("12x", 5), 5);
    EXPECT_EQ(cellNumber("", -1), -1);
}

TEST(ReadTemplate, TemplateFieldsFromRowZero) {
    TRmg t = readTemplate(rmgRow({{0, " My\nName "}, {1, "8"}, {2, "$10"}}));
    EXPECT_EQ(std::tie(t.name, t.header.minSize, t.header.maxSize), std::tuple("MyName", 8, 16));
    t = readTemplate(rmgRow({{0, "N"}, {1, "big"}, {2, ""}}));
    EXPECT_EQ(std::tie(t.header.minSize, t.header.maxSize, t.header.playerCountIndex),
              std::tuple(1, 32, 0));
    EXPECT_EQ(t.kinds, PlayerKindTable{});
    EXPECT_TRUE(t.zones.empty());
    EXPECT_TRUE(t.connections.empty());
    // A block without a row gives the new template.
    EXPECT_EQ(readTemplate("no row here"), makeNewTemplate());
    EXPECT_EQ(readTemplate(""), makeNewTemplate());
}

TEST(ReadTemplate, PlayersFromOwnersAndComputerMarks) {
    const std::string block = cellRow("0=P 1=1 2=2 3=1 4=x 13=1") + cellRow("3=2 5=x 13=3") +
                              cellRow("3=3 13=2") + cellRow("3=4 5=x 13=9") + // no player 9
                              cellRow("5=x 13=-4") +                          // no player -4
                              cellRow("5=x 13=$7FFFFFFF");
    const TRmg t = readTemplate(block);
    EXPECT_EQ(t.header.playerCountIndex, 1);
    EXPECT_EQ(t.kinds.playerKind, (std::array<int32_t, 8>{0, 0, 1, 0, 0, 0, 0, 0}));
    ASSERT_EQ(t.zones.size(), 4u);
    EXPECT_EQ(t.zones[3].owner, 9); // kept as read
    EXPECT_EQ(t.zones[3].kind, 0);
}

TEST(ReadTemplate, ZonesAreNumberedByTheirRows) {
    const std::string block = cellRow("0=Z 1=1 2=2 3=1 8=5") + cellRow("3=x") +
                              cellRow("3=3 8=7 76=2 77=3") + cellRow("3=0") + cellRow("3=65536") +
                              rmgRow({{3, " 7 "}, {8, "9"}}) + cellRow("3=65535");
    const TRmg t = readTemplate(block);
    ASSERT_EQ(t.zones.size(), 4u);
    EXPECT_EQ(t.zones[0].size, 5);
    EXPECT_EQ(t.zones[1].size, 7);
    EXPECT_EQ(t.zones[2].size, 9);
    EXPECT_EQ(t.zones[3].size, 10); // the default
    ASSERT_EQ(t.connections.size(), 1u);
    EXPECT_EQ(t.connections[0].zoneA, 1);
    EXPECT_EQ(t.connections[0].zoneB, 2);
}

TEST(ReadTemplate, ZoneCells) {
    const std::string block = cellRow("0=Z 1=1 2=2 3=1 4=x 7=x 13=1") +
                              cellRow("3=2 6=x 14=3 15=1 13=2 22=yes 23=x 31=x 32=1 34=junk 38=-2 "
                                      "46=x 55=Strong 56=x 57=x 67=1 68=2 69=3 75=$FF") +
                              cellRow("3=3 5=X 13=2 55=AVG 47=x 54=x 19=1") +
                              cellRow("3=4 55=none 19=1 9=2 10=2 11=3 12=4") +
                              cellRow("3=5 55=Weak 18=1") + cellRow("3=6 55=medium");
    const TRmg t = readTemplate(block);
    ASSERT_EQ(t.zones.size(), 6u);
    const ZoneRecord& a = t.zones[0]; // the junction mark wins
    EXPECT_EQ(std::tie(a.kind, a.townMode, a.monsterStrength, a.existMode), std::tuple(2, 0, 2, 2));
    EXPECT_EQ(a.townTypes, decltype(a.townTypes){});
    EXPECT_EQ(a.terrains, decltype(a.terrains){});
    EXPECT_EQ(a.monsterTypes, decltype(a.monsterTypes){});
    EXPECT_EQ(a.treasure[0], (TreasureGroup{0, 0, 0}));
    EXPECT_EQ(limitsOf(a), (Limits{1, 1, 1, 1}));

    const ZoneRecord& b = t.zones[1]; // cell 6 is not read; treasure is the default
    EXPECT_EQ(std::tie(b.kind, b.playerTowns, b.playerCastles, b.townMode, b.mineWood, b.mineOre,
                       b.mineGold, b.monsterStrength),
              std::tuple(1, 3, 1, 3, 1, 0, -2, 3));
    EXPECT_EQ(std::tie(b.sameTownType, b.terrainMatchesTown, b.monstersMatchTown, b.townTypes[0],
                       b.townTypes[1], b.townTypes[8], b.monsterTypes[0], b.monsterTypes[1]),
              std::tuple(true, true, true, true, false, true, true, false));
    EXPECT_EQ(b.treasure[0], (TreasureGroup{1, 2, 3}));
    EXPECT_EQ(b.treasure[2], (TreasureGroup{0, 0, 255}));

    const ZoneRecord& c = t.zones[2]; // town mode 3: a neutral count with an owner
    EXPECT_EQ(std::tie(c.kind, c.monsterStrength, c.townMode), std::tuple(0, 2, 3));
    EXPECT_EQ(std::tie(c.terrains[0], c.terrains[1], c.terrains[7]), std::tuple(true, false, true));

    EXPECT_EQ(std::tie(t.zones[3].monsterStrength, t.zones[3].townMode), std::tuple(0, 2));
    EXPECT_EQ(limitsOf(t.zones[3]), (Limits{2, 2, 3, 4}));
    EXPECT_EQ(std::tie(t.zones[4].monsterStrength, t.zones[4].townMode), std::tuple(1, 1));
    EXPECT_EQ(t.zones[5].monsterStrength, 2);
}

TEST(ReadTemplate, ExistenceModesUseThePlayersAsRead) {
    // Three players (owner 3), player 3 a computer: P = 3, H = 2.
    const std::string block = cellRow("0=E 1=1 2=2 3=1 9=1 10=2 11=2 12=3") +
                              cellRow("3=2 5=x 13=3 9=1 10=2 11=3 12=3") +
                              cellRow("3=3 13=3 9=1 10=3 11=3 12=3");
    const TRmg t = readTemplate(block);
    ASSERT_EQ(t.zones.size(), 3u);
    EXPECT_EQ(t.zones[0].existMode, 0);
    EXPECT_EQ(t.zones[1].existMode, 1);
    EXPECT_EQ(t.zones[2].existMode, 2);
}

TEST(ReadTemplate, PassagesCollectByPairInRowOrder) {
    std::string block = cellRow("0=C 1=1 2=2 3=1");
    for (int z = 2; z <= 5; ++z)
        block += rmgRow({{3, std::to_string(z)}});
    block += cellRow("76=5 77=2 78=100 81=1 82=1 83=1 84=1");
    block += cellRow("76=2 77=5 79=x 80=x 78=7");
    block += cellRow("76=1 77=3 79=x 81=1 82=8 83=1 84=8");
    block += rmgRow({{76, "3, 4,3 ,6,0,x"}, {77, "4"}, {78, "abc"}});
    block += cellRow("76=1 77=9");          // no zone 9
    block += rmgRow({{76, "1"}, {77, ""}}); // no second zone
    block += rmgRow({{76, ""}, {77, "1"}}); // no first zone
    const TRmg t = readTemplate(block);
    ASSERT_EQ(t.zones.size(), 5u);
    ASSERT_EQ(t.connections.size(), 4u);

    // The first row's order; border guard wins over wide; the zones' empty limit cells
    // read as 1 each, as do the passage's: they agree.
    const ConnectionRecord& c0 = t.connections[0];
    EXPECT_EQ(std::tie(c0.zoneA, c0.zoneB, c0.passageCount), std::tuple(4, 1, 2));
    EXPECT_EQ(std::tie(c0.passages[0].guard, c0.passages[0].kind, c0.passages[0].autoExist,
                       c0.passages[1].kind, c0.passages[1].guard),
              std::tuple(100, 0, true, 2, 7));
    EXPECT_EQ(c0.passages[2], PassageRecord{}); // unused slot keeps the defaults

    const ConnectionRecord& c1 = t.connections[1];
    EXPECT_EQ(std::tie(c1.zoneA, c1.zoneB, c1.passages[0].kind, c1.passages[0].guard,
                       c1.passages[0].autoExist),
              std::tuple(0, 2, 1, 0, false));
    EXPECT_EQ(limitsOf(c1.passages[0]), (Limits{1, 8, 1, 8}));

    // "3, 4,3 ,6,0,x" with 4: pieces 3 and " 4" name passages; "3 " is
    // unreadable, 6 names no zone read, 0 and x are no zone numbers. maxPlayers reads as 1.
    const ConnectionRecord& c2 = t.connections[2];
    EXPECT_EQ(std::tie(c2.zoneA, c2.zoneB, c2.passageCount, c2.passages[0].guard,
                       c2.passages[0].autoExist),
              std::tuple(2, 3, 1, 0, true));
    EXPECT_EQ(std::tie(t.connections[3].zoneA, t.connections[3].zoneB), std::tuple(3, 3));
}

TEST(ReadTemplate, AMaxPlayersOfOneSetsAutoExist) {
    std::string block =
        cellRow("0=A 1=1 2=2 3=1 9=1 10=2 11=2 12=2") + cellRow("3=2 9=1 10=2 11=2 12=2");
    block += cellRow("76=1 77=2 81=3 82=3 83=3 84=1");
    block += cellRow("76=1 77=2 81=3 82=3 83=3 84=2");
    block += cellRow("76=1 77=2 81=1 82=2 83=2 84=2");
    const TRmg t = readTemplate(block);
    ASSERT_EQ(t.connections.size(), 1u);
    EXPECT_TRUE(t.connections[0].passages[0].autoExist);
    EXPECT_FALSE(t.connections[0].passages[1].autoExist);
    EXPECT_TRUE(t.connections[0].passages[2].autoExist);
}

TEST(ReadTemplate, ANinthPassageOfAPairStartsAnotherConnection) {
    std::string block = cellRow("0=N 1=1 2=2 3=1") + cellRow("3=2") + cellRow("3=3");
    for (int k = 0; k < 19; ++k)
        block +=
            rmgRow({{76, k % 2 ? "1" : "2"}, {77, k % 2 ? "2" : "1"}, {78, std::to_string(k)}});
    block += cellRow("76=1 77=3");
    block += cellRow("76=1,1,1,1,1,1,1,1,1 77=3"); // nine pieces in one cell
    const TRmg t = readTemplate(block);
    ASSERT_EQ(t.connections.size(), 5u);
    const auto& c = t.connections;
    // Row 8 named (2, 1).
    EXPECT_EQ(std::tie(c[0].passageCount, c[0].zoneA, c[1].passageCount, c[1].zoneA,
                       c[1].passages[0].guard, c[2].passageCount, c[2].passages[2].guard),
              std::tuple(8, 1, 8, 1, 8, 3, 18));
    EXPECT_EQ(std::tie(c[3].zoneA, c[3].zoneB, c[3].passageCount, c[4].zoneA, c[4].passageCount),
              std::tuple(0, 2, 8, 0, 2));
    for (const auto& k : c) {
        EXPECT_GE(k.passageCount, 1);
        EXPECT_LE(k.passageCount, 8);
    }
}

// ---- Compile, then import ----

// Town modes 1, 2 and 3 (neutral towns not written in modes 1 and 2); a junction whose
// neutral castle comes back as mode 2; a zone of exist mode 7; passages of every kind.
TRmg richTemplate() {
    TRmg t = makeNewTemplate();
    t.name = "Rich";
    t.header = {2, 16, 1};
    t.kinds.playerKind = {0, 0, 1, 0, 0, 0, 0, 0};
    // clang-format off
    for (int p = 1; p <= 3; ++p)
        t.appendZone({.kind = 0, .owner = p, .townMode = p, .playerCastles = 1, .playerTowns = 3,
                      .neutralTowns = 5, .sameTownType = true, .existMode = p == 3 ? 1 : 0,
                      .gridX = 10 * p, .kept = {}});
    ZoneRecord j{.kind = 2, .size = 23, .townMode = 3, .neutralCastles = 1, .mineSulfur = -3,
                 .mineGems = 4, .terrainMatchesTown = true, .monstersMatchTown = true,
                 .existMode = 2, .minHumans = 2, .maxHumans = 2, .minPlayers = 3, .maxPlayers = 3,
                 .kept = {}};
    // clang-format on
    j.treasure[1] = {0, 0, 0};
    t.appendZone(j);
    ZoneRecord n{.monsterStrength = 0, .existMode = 7, .kept = {}};
    n.monsterTypes[3] = n.terrains[2] = n.townTypes[4] = false;
    t.appendZone(n);

    ConnectionRecord c{.zoneA = 3, .zoneB = 0, .passageCount = 4};
    c.passages[0].guard = 0;
    c.passages[1].kind = 1;
    c.passages[2].kind = 2;
    c.passages[3] = {.kind = 5, .autoExist = false, .maxPlayers = 1, .kept = {}};
    c.passages[6].guard = 77; // an unused slot
    t.appendConnection(c);
    ConnectionRecord d{.zoneA = 1, .zoneB = 4};
    d.passages[0] = {.autoExist = false, .minHumans = 2, .kept = {}};
    t.appendConnection(d);
    return t;
}

// What the import must give back for a compiled template, built from the
// round-trip rules rather than from the reading code.
TRmg expectedAfterRoundTrip(const TRmg& compiled, const std::string& name) {
    TRmg e = compiled;
    e.name = name;
    const int64_t P = playersOf(e);
    const int32_t H = humanPlayersOf(e);
    for (ZoneRecord& z : e.zones) {
        z.gridX = z.gridY = 0;
        z.kind = z.kind == 0 || z.kind == 1 ? z.kind : 2;
        int32_t c14 = 0, c15 = 0, c18 = 0, c19 = 0;
        if (z.townMode == 1)
            (z.owner > 0 ? c14 : c18) = 1;
        else if (z.townMode == 2)
            (z.owner > 0 ? c15 : c19) = 1;
        else if (z.townMode == 3) {
            c14 = std::max(0, z.playerTowns);
            c15 = std::max(0, z.playerCastles);
            c18 = std::max(0, z.neutralTowns);
            c19 = std::max(0, z.neutralCastles);
        }
        z.sameTownType = z.townMode == 3 && z.sameTownType;
        z.playerTowns = c14;
        z.playerCastles = c15;
        z.neutralTowns = c18;
        z.neutralCastles = c19;
        z.townMode = townModeFromTable(c14, c15, c18, c19, z.owner);
        for (int32_t* m : {&z.mineWood, &z.mineMercury, &z.mineOre, &z.mineSulfur, &z.mineCrystal,
                           &z.mineGems, &z.mineGold})
            *m = std::max(0, *m);
        if (z.terrainMatchesTown)
            z.terrains.fill(false);
        if (z.monsterStrength == 0)
            z.monstersMatchTown = false;
        if (z.monsterStrength == 0 || z.monstersMatchTown)
            z.monsterTypes.fill(false);
        z.existMode = existModeFromTable(limitsOf(z), z.owner, P, H);
    }
    for (ConnectionRecord& c : e.connections) {
        const int32_t lo = std::min(c.zoneA, c.zoneB), hi = std::max(c.zoneA, c.zoneB);
        c.zoneA = lo;
        c.zoneB = hi;
        for (int j = 0; j < kPassageSlots; ++j) {
            PassageRecord& p = c.passages[static_cast<size_t>(j)];
            if (j >= c.passageCount) {
                p = PassageRecord{};
                continue;
            }
            if (p.kind != 0) {
                p.guard = 0;
                p.kind = p.kind == 1 ? 1 : 2;
            }
            p.autoExist = autoExistFromTable(limitsOf(p), e.zones[static_cast<size_t>(lo)],
                                             e.zones[static_cast<size_t>(hi)]) ||
                          p.maxPlayers == 1;
        }
    }
    return e;
}

TEST(RoundTrip, ImportGivesBackWhatTheCompileWrote) {
    TRmg t = richTemplate();
    const std::string name = utf8ToCp1251("Имя в списке");
    refreshConditions(t);
    const TRmg back = readTemplate(buildBlock(t, name));
    const TRmg expected = expectedAfterRoundTrip(t, name);
    ASSERT_EQ(back.zones.size(), expected.zones.size());
    for (size_t i = 0; i < back.zones.size(); ++i)
        EXPECT_EQ(back.zones[i], expected.zones[i]) << "zone " << i;
    ASSERT_EQ(back.connections.size(), expected.connections.size());
    for (size_t i = 0; i < back.connections.size(); ++i)
        EXPECT_EQ(back.connections[i], expected.connections[i]) << "connection " << i;
    EXPECT_EQ(back, expected);

    // Spot checks of the rules the expectation encodes.
    const ZoneRecord& z2 = back.zones[2];
    EXPECT_EQ(std::tie(back.kinds.playerKind[2], back.header.playerCountIndex, z2.townMode,
                       z2.playerTowns, z2.playerCastles, z2.existMode, back.zones[3].townMode,
                       back.zones[4].existMode),
              std::tuple(1, 1, 3, 3, 1, 1, 2, 2));
    const auto& c = back.connections;
    EXPECT_EQ(std::tie(c[0].zoneA, c[0].passages[3].kind, c[0].passages[3].autoExist,
                       c[1].passages[0].autoExist),
              std::tuple(0, 2, true, false));
}

TEST(RoundTrip, WithoutOwnersTwoHumanCapablePlayers) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = 4;
    t.kinds.playerKind[0] = 1;
    t.appendZone(makeDefaultZone());
    refreshConditions(t);
    const TRmg back = readTemplate(buildBlock(t, "Free"));
    EXPECT_EQ(back.header.playerCountIndex, 0);
    EXPECT_EQ(back.kinds, PlayerKindTable{});
    EXPECT_EQ(back.zones.size(), 1u);
}

} // namespace
} // namespace zw
