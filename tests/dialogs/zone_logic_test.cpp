#include "dialogs/zone_logic.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace zw {
namespace {

namespace m = zone_messages;
using Change = std::function<void(ZoneRecord&)>;
constexpr std::optional<std::string_view> kPasses = std::nullopt;

TreasureGroup zoneTreasure(int32_t low, int32_t high, int32_t density) {
    return {low, high, density};
}

std::optional<std::string_view> problemOf(const Change& change) {
    ZoneRecord z = makeDefaultZone();
    change(z);
    ZoneForm f;
    f.fill(z);
    return f.firstProblem();
}

// The first failing check of a changed new zone, by the rule's number, or none.
TEST(ZoneChecks, EachCheckFailsWithItsOwnMessageInOrder) {
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    using Z = ZoneRecord;
    const struct {
        const char* what;
        Change change;
        std::optional<std::string_view> message;
    } cases[] = {
        {"new zone unchanged", [](Z&) {}, kPasses},
        {"1 start zone without owner", [](Z& z) { z.kind = 0; }, m::kStartZoneWithoutOwner},
        {"2 owner without towns", [](Z& z) { z.owner = 3; }, m::kOwnerWithoutTowns},
        {"2 owner with only neutral towns",
         [](Z& z) { z.owner = 3, z.townMode = 3, z.neutralCastles = 2; }, m::kOwnerWithoutTowns},
        {"3 detailed towns without town types",
         [](Z& z) { z.townMode = 3, z.neutralTowns = 1, z.townTypes.fill(false); },
         m::kNoTownTypes},
        {"4 no monster types", [](Z& z) { z.monsterTypes.fill(false); }, m::kNoMonsterTypes},
        {"5 no terrains", [](Z& z) { z.terrains.fill(false); }, m::kNoTerrains},
        {"6 own towns without owner", [](Z& z) { z.townMode = 3, z.playerTowns = 1; },
         m::kOwnTownsWithoutOwner},
        {"7 terrain of a missing town", [](Z& z) { z.terrainMatchesTown = true; },
         m::kTerrainWithoutTown},
        {"7 detailed mode with all counts 0",
         [](Z& z) { z.townMode = 3, z.terrainMatchesTown = true; }, m::kTerrainWithoutTown},
        {"8 monsters of a missing town", [](Z& z) { z.monstersMatchTown = true; },
         m::kMonstersWithoutTown},
        {"9 group 1", [](Z& z) { z.treasure[0] = zoneTreasure(5, 4, 1); },
         m::kTreasureLowAboveHigh[0]},
        {"10 group 2", [](Z& z) { z.treasure[1] = zoneTreasure(-1, -2, 0); },
         m::kTreasureLowAboveHigh[1]},
        {"11 group 3", [](Z& z) { z.treasure[2] = zoneTreasure(3001, 3000, 9); },
         m::kTreasureLowAboveHigh[2]},
        {"12 with owner but no owner", [](Z& z) { z.existMode = 1; }, m::kWithOwnerButNoOwner},
        {"13 with an owner that always plays",
         [](Z& z) { z.owner = 2, z.townMode = 2, z.existMode = 1; }, m::kWithOwnerAlwaysThere},
        {"13 player 1", [](Z& z) { z.kind = 0, z.owner = 1, z.townMode = 1, z.existMode = 1; },
         m::kWithOwnerAlwaysThere},
        // Several failures: the first in order wins.
        {"1 before all others",
         [](Z& z) {
             z.kind = 0, z.monsterTypes.fill(false), z.terrains.fill(false), z.existMode = 1;
             z.treasure[0] = zoneTreasure(9, 1, 1);
         },
         m::kStartZoneWithoutOwner},
        {"4 before 5", [](Z& z) { z.monsterTypes.fill(false), z.terrains.fill(false); },
         m::kNoMonsterTypes},
        {"7 before 8", [](Z& z) { z.terrainMatchesTown = true, z.monstersMatchTown = true; },
         m::kTerrainWithoutTown},
        {"10 before 11",
         [](Z& z) { z.treasure[2] = zoneTreasure(2, 1, 1), z.treasure[1] = zoneTreasure(2, 1, 1); },
         m::kTreasureLowAboveHigh[1]},
        // Cases that pass.
        {"owner 3 with one town without a fort", [](Z& z) { z.owner = 3, z.townMode = 1; },
         kPasses},
        {"only a neutral castle, no owner", [](Z& z) { z.townMode = 3, z.neutralCastles = 1; },
         kPasses},
        {"town types only matter in the detailed mode",
         [](Z& z) { z.townMode = 2, z.townTypes.fill(false); }, kPasses},
        {"detailed mode with every count 0 needs no town type",
         [](Z& z) { z.townMode = 3, z.townTypes.fill(false); }, kPasses},
        {"monster and terrain lists ignored while they follow the town",
         [](Z& z) {
             z.townMode = 1, z.monstersMatchTown = true, z.monsterTypes.fill(false);
             z.terrainMatchesTown = true, z.terrains.fill(false);
         },
         kPasses},
        {"town counts play no part outside the detailed mode",
         [](Z& z) { z.playerCastles = 4, z.townTypes.fill(false); }, kPasses},
        {"low equal to high", [](Z& z) { z.treasure[0] = zoneTreasure(700, 700, 3); }, kPasses},
        {"player 3 may be missing, so existing with the owner makes sense",
         [](Z& z) { z.owner = 3, z.townMode = 2, z.existMode = 1; }, kPasses},
        // The owner's towns add up beyond 32 bits: still more than 0.
        {"town sums do not overflow",
         [](Z& z) { z.owner = 4, z.townMode = 3, z.playerCastles = big, z.playerTowns = big; },
         kPasses},
        {"negative counts cancel out",
         [](Z& z) { z.owner = 4, z.townMode = 3, z.playerCastles = -1, z.playerTowns = 1; },
         m::kOwnerWithoutTowns},
    };
    for (const auto& c : cases)
        EXPECT_EQ(problemOf(c.change), c.message) << c.what;
}

TEST(ZoneAccept, ShowsTheFirstFailureAsAnErrorAndStaysOpen) {
    ScriptedServices services;
    ZoneForm f;
    f.fill(makeDefaultZone());
    f.values.kind = 0;
    EXPECT_FALSE(f.accept(services));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, m::kStartZoneWithoutOwner);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(f.values.kind, 0); // everything as the user left it
    f.values.kind = 1;
    EXPECT_TRUE(f.accept(services));
    EXPECT_EQ(services.messages.size(), 1u);
}

TEST(ZoneAccept, TypedSizeCountsWithoutLeavingTheBox) {
    ScriptedServices services;
    ZoneForm f;
    f.fill(makeDefaultZone());
    f.size.type("33");
    ASSERT_TRUE(f.accept(services));
    EXPECT_EQ(f.readBack().size, 33);
}

TEST(ZoneTransfer, ReadBackOfAnUntouchedDialogIsTheRecord) {
    ZoneRecord z = makeDefaultZone();
    z.gridX = -7, z.gridY = 12, z.size = 21, z.mineGems = -4;
    z.treasure = {TreasureGroup{20000, 30000, 6}, TreasureGroup{20000, 30000, 9},
                  TreasureGroup{1, 2, 3}};
    z.townTypes[4] = z.terrains[7] = z.monsterTypes[0] = false;
    ZoneForm f;
    f.fill(z);
    EXPECT_EQ(f.readBack(), z);
}

TEST(ZoneTransfer, ValuesOutsideTheControlsSurviveAnUntouchedDialog) {
    ZoneRecord z = makeDefaultZone();
    z.owner = 12, z.kind = 5, z.townMode = -1, z.monsterStrength = 9, z.existMode = 4;
    z.minHumans = 0, z.maxHumans = 20, z.minPlayers = -3, z.maxPlayers = 9, z.size = -3;
    ZoneForm f;
    f.fill(z);
    EXPECT_EQ(f.readBack(), z);
    EXPECT_FALSE(f.townSettingsVisible());
    EXPECT_FALSE(f.limitsVisible());
    // Changing one control changes that field only.
    f.values.owner = 2;
    z.owner = 2;
    EXPECT_EQ(f.readBack(), z);
    // The checks read the held values without harm.
    f.values.owner = 12;
    EXPECT_EQ(f.firstProblem(), m::kOwnerWithoutTowns);
}

TEST(ZoneTreasure, ReverseLookupOfTheStoredTriples) {
    // The last three no entry names: they open at "Настроить..." showing their values.
    const std::pair<TreasureGroup, int> cases[] = {{{3000, 6000, 6}, 6},
                                                   {{3000, 6000, 5}, kTreasureCustom},
                                                   {{0, 0, 0}, 1},
                                                   {{500, 3000, 1}, 2},
                                                   {{100, 500, 9}, 13},
                                                   {{20000, 30000, 1}, 14},
                                                   {{20000, 30000, 6}, kTreasureCustom},
                                                   {{20000, 30000, 9}, kTreasureCustom},
                                                   {{0, 0, 1}, kTreasureCustom}};
    for (const auto& [triple, position] : cases)
        EXPECT_EQ(treasureListPosition(triple), position)
            << triple.low << " " << triple.high << " " << triple.density;
}

TEST(ZoneTreasure, PanelsShowOnlyAtCustom) {
    ZoneRecord z = makeDefaultZone();
    z.treasure = {TreasureGroup{3000, 6000, 6}, TreasureGroup{3000, 6000, 5},
                  TreasureGroup{20000, 30000, 9}};
    ZoneForm f;
    f.fill(z);
    EXPECT_EQ(f.treasurePreset[0], 6);
    for (int group : {-1, 0, 1, 2, 3})
        EXPECT_EQ(f.treasurePanelVisible(group), group == 1 || group == 2) << group;
}

TEST(ZoneTreasure, ChoosingPresetsWritesTheirTriples) {
    ZoneForm f;
    f.fill(makeDefaultZone());
    f.chooseTreasurePreset(0, 1);
    EXPECT_EQ(f.values.treasure[0], (TreasureGroup{0, 0, 0}));
    f.chooseTreasurePreset(0, 9);
    EXPECT_EQ(f.values.treasure[0], (TreasureGroup{10000, 15000, 6}));
    EXPECT_FALSE(f.treasurePanelVisible(0));
    // Every position gives the rule's triple.
    for (int p = 2; p < kTreasurePresetCount; ++p) {
        f.chooseTreasurePreset(1, p);
        EXPECT_EQ(treasureListPosition(f.values.treasure[1]), p);
    }
    // "Настроить..." keeps the values and shows the panel; edits there stay.
    f.chooseTreasurePreset(0, 0);
    EXPECT_EQ(f.values.treasure[0], (TreasureGroup{10000, 15000, 6}));
    EXPECT_TRUE(f.treasurePanelVisible(0));
    f.values.treasure[0].density = 4;
    EXPECT_EQ(f.readBack().treasure[0], (TreasureGroup{10000, 15000, 4}));
    // Positions outside the list change nothing.
    f.chooseTreasurePreset(0, 15);
    f.chooseTreasurePreset(3, 2);
    EXPECT_EQ(f.values.treasure[0], (TreasureGroup{10000, 15000, 4}));
    EXPECT_EQ(f.treasurePreset[0], 0);
}

TEST(ZoneVisibility, FollowsTheControllingControls) {
    ZoneForm f;
    f.fill(makeDefaultZone());
    const auto shown = [&f] {
        return std::array{f.townSettingsVisible(), f.terrainListVisible(), f.monsterListVisible(),
                          f.limitsVisible()};
    };
    EXPECT_EQ(shown(), (std::array{false, true, true, false}));
    f.values.townMode = 3, f.values.terrainMatchesTown = f.values.monstersMatchTown = true;
    f.values.existMode = 2;
    EXPECT_EQ(shown(), (std::array{true, false, false, true}));
    // Hidden controls keep their values and are read back.
    f.values.terrains[2] = false;
    EXPECT_FALSE(f.readBack().terrains[2]);
}

} // namespace
} // namespace zw
