#include "dialogs/zone_logic.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace zw {
namespace {

namespace m = zone_messages;

std::optional<std::string_view> problemOf(const std::function<void(ZoneRecord&)>& change) {
    ZoneRecord z = makeDefaultZone();
    change(z);
    ZoneForm f;
    f.fill(z);
    return f.firstProblem();
}

TEST(ZoneChecks, NewZonePassesUnchanged) {
    EXPECT_EQ(problemOf([](ZoneRecord&) {}), std::nullopt);
}

TEST(ZoneChecks, EachCheckFailsWithItsOwnMessage) {
    struct Case {
        const char* what;
        std::function<void(ZoneRecord&)> change;
        std::string_view message;
    };
    const std::vector<Case> cases = {
        {"1 start zone without owner", [](ZoneRecord& z) { z.kind = 0; },
         m::kStartZoneWithoutOwner},
        {"2 owner without towns", [](ZoneRecord& z) { z.owner = 3; }, m::kOwnerWithoutTowns},
        {"2 owner with only neutral towns",
         [](ZoneRecord& z) {
             z.owner = 3;
             z.townMode = 3;
             z.neutralCastles = 2;
         },
         m::kOwnerWithoutTowns},
        {"3 detailed towns without town types",
         [](ZoneRecord& z) {
             z.townMode = 3;
             z.neutralTowns = 1;
             z.townTypes.fill(false);
         },
         m::kNoTownTypes},
        {"4 no monster types", [](ZoneRecord& z) { z.monsterTypes.fill(false); },
         m::kNoMonsterTypes},
        {"5 no terrains", [](ZoneRecord& z) { z.terrains.fill(false); }, m::kNoTerrains},
        {"6 own towns without owner",
         [](ZoneRecord& z) {
             z.townMode = 3;
             z.playerTowns = 1;
         },
         m::kOwnTownsWithoutOwner},
        {"7 terrain of a missing town", [](ZoneRecord& z) { z.terrainMatchesTown = true; },
         m::kTerrainWithoutTown},
        {"7 detailed mode with all counts 0",
         [](ZoneRecord& z) {
             z.townMode = 3;
             z.terrainMatchesTown = true;
         },
         m::kTerrainWithoutTown},
        {"8 monsters of a missing town", [](ZoneRecord& z) { z.monstersMatchTown = true; },
         m::kMonstersWithoutTown},
        {"9 group 1",
         [](ZoneRecord& z) {
             z.treasure[0] = {5, 4, 1};
         },
         m::kTreasureLowAboveHigh[0]},
        {"10 group 2",
         [](ZoneRecord& z) {
             z.treasure[1] = {-1, -2, 0};
         },
         m::kTreasureLowAboveHigh[1]},
        {"11 group 3",
         [](ZoneRecord& z) {
             z.treasure[2] = {3001, 3000, 9};
         },
         m::kTreasureLowAboveHigh[2]},
        {"12 with owner but no owner", [](ZoneRecord& z) { z.existMode = 1; },
         m::kWithOwnerButNoOwner},
        {"13 with an owner that always plays",
         [](ZoneRecord& z) {
             z.owner = 2;
             z.townMode = 2;
             z.existMode = 1;
         },
         m::kWithOwnerAlwaysThere},
        {"13 player 1",
         [](ZoneRecord& z) {
             z.kind = 0;
             z.owner = 1;
             z.townMode = 1;
             z.existMode = 1;
         },
         m::kWithOwnerAlwaysThere},
    };
    for (const Case& c : cases)
        EXPECT_EQ(problemOf(c.change), c.message) << c.what;
}

TEST(ZoneChecks, RunInOrderAndStopAtTheFirst) {
    // Start zone without owner and nothing else allowed: check 1 first.
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.kind = 0;
                  z.monsterTypes.fill(false);
                  z.terrains.fill(false);
                  z.existMode = 1;
                  z.treasure[0] = {9, 1, 1};
              }),
              m::kStartZoneWithoutOwner);
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.monsterTypes.fill(false);
                  z.terrains.fill(false);
              }),
              m::kNoMonsterTypes);
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.terrainMatchesTown = true;
                  z.monstersMatchTown = true;
              }),
              m::kTerrainWithoutTown);
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.treasure[2] = {2, 1, 1};
                  z.treasure[1] = {2, 1, 1};
              }),
              m::kTreasureLowAboveHigh[1]);
}

TEST(ZoneChecks, CasesThatPass) {
    // Owner 3 with one town without a fort.
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.owner = 3;
                  z.townMode = 1;
              }),
              std::nullopt);
    // Only a neutral castle, no owner: check 6 passes.
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.townMode = 3;
                  z.neutralCastles = 1;
              }),
              std::nullopt);
    // Town types only matter in the detailed mode.
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.townMode = 2;
                  z.townTypes.fill(false);
              }),
              std::nullopt);
    // Detailed mode with every count 0 needs no town type either.
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.townMode = 3;
                  z.townTypes.fill(false);
              }),
              std::nullopt);
    // Monster list ignored while the monsters follow the town.
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.townMode = 1;
                  z.monstersMatchTown = true;
                  z.monsterTypes.fill(false);
                  z.terrainMatchesTown = true;
                  z.terrains.fill(false);
              }),
              std::nullopt);
    // Town counts play no part outside the detailed mode.
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.playerCastles = 4;
                  z.townTypes.fill(false);
              }),
              std::nullopt);
    // Low equal to high.
    EXPECT_EQ(problemOf([](ZoneRecord& z) { z.treasure[0] = {700, 700, 3}; }), std::nullopt);
    // Player 3 may be missing, so existing with the owner makes sense.
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.owner = 3;
                  z.townMode = 2;
                  z.existMode = 1;
              }),
              std::nullopt);
}

TEST(ZoneChecks, TownSumsDoNotOverflow) {
    const int32_t big = std::numeric_limits<int32_t>::max();
    // The owner's towns add up beyond 32 bits: still more than 0.
    EXPECT_EQ(problemOf([big](ZoneRecord& z) {
                  z.owner = 4;
                  z.townMode = 3;
                  z.playerCastles = big;
                  z.playerTowns = big;
              }),
              std::nullopt);
    // Negative counts cancel out: the owner has no towns.
    EXPECT_EQ(problemOf([](ZoneRecord& z) {
                  z.owner = 4;
                  z.townMode = 3;
                  z.playerCastles = -1;
                  z.playerTowns = 1;
              }),
              m::kOwnerWithoutTowns);
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
    z.gridX = -7;
    z.gridY = 12;
    z.size = 21;
    z.mineGems = -4;
    z.treasure[0] = {20000, 30000, 6};
    z.treasure[1] = {20000, 30000, 9};
    z.treasure[2] = {1, 2, 3};
    z.townTypes[4] = false;
    z.terrains[7] = false;
    z.monsterTypes[0] = false;
    ZoneForm f;
    f.fill(z);
    EXPECT_EQ(f.readBack(), z);
}

TEST(ZoneTransfer, ValuesOutsideTheControlsSurviveAnUntouchedDialog) {
    ZoneRecord z = makeDefaultZone();
    z.owner = 12;
    z.kind = 5;
    z.townMode = -1;
    z.monsterStrength = 9;
    z.existMode = 4;
    z.minHumans = 0;
    z.maxHumans = 20;
    z.minPlayers = -3;
    z.maxPlayers = 9;
    z.size = -3;
    ZoneForm f;
    f.fill(z);
    EXPECT_EQ(f.readBack(), z);
    EXPECT_FALSE(f.townSettingsVisible());
    EXPECT_FALSE(f.limitsVisible());
    // Changing one control changes that field only.
    f.values.owner = 2;
    ZoneRecord expected = z;
    expected.owner = 2;
    EXPECT_EQ(f.readBack(), expected);
    // The checks read the held values without harm.
    f.values.owner = 12;
    EXPECT_EQ(f.firstProblem(), m::kOwnerWithoutTowns);
}

TEST(ZoneTreasure, ReverseLookupOfTheStoredTriples) {
    EXPECT_EQ(treasureListPosition({3000, 6000, 6}), 6);
    EXPECT_EQ(treasureListPosition({3000, 6000, 5}), kTreasureCustom);
    EXPECT_EQ(treasureListPosition({0, 0, 0}), 1);
    EXPECT_EQ(treasureListPosition({500, 3000, 1}), 2);
    EXPECT_EQ(treasureListPosition({100, 500, 9}), 13);
    EXPECT_EQ(treasureListPosition({20000, 30000, 1}), 14);
    // No entry names these two: they open at "Настроить..." showing their values.
    EXPECT_EQ(treasureListPosition({20000, 30000, 6}), kTreasureCustom);
    EXPECT_EQ(treasureListPosition({20000, 30000, 9}), kTreasureCustom);
    EXPECT_EQ(treasureListPosition({0, 0, 1}), kTreasureCustom);
}

TEST(ZoneTreasure, PanelsShowOnlyAtCustom) {
    ZoneRecord z = makeDefaultZone();
    z.treasure = {TreasureGroup{3000, 6000, 6}, TreasureGroup{3000, 6000, 5},
                  TreasureGroup{20000, 30000, 9}};
    ZoneForm f;
    f.fill(z);
    EXPECT_EQ(f.treasurePreset[0], 6);
    EXPECT_FALSE(f.treasurePanelVisible(0));
    EXPECT_TRUE(f.treasurePanelVisible(1));
    EXPECT_TRUE(f.treasurePanelVisible(2));
    EXPECT_FALSE(f.treasurePanelVisible(3));
    EXPECT_FALSE(f.treasurePanelVisible(-1));
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
    EXPECT_FALSE(f.townSettingsVisible());
    EXPECT_TRUE(f.terrainListVisible());
    EXPECT_TRUE(f.monsterListVisible());
    EXPECT_FALSE(f.limitsVisible());
    f.values.townMode = 3;
    f.values.terrainMatchesTown = true;
    f.values.monstersMatchTown = true;
    f.values.existMode = 2;
    EXPECT_TRUE(f.townSettingsVisible());
    EXPECT_FALSE(f.terrainListVisible());
    EXPECT_FALSE(f.monsterListVisible());
    EXPECT_TRUE(f.limitsVisible());
    // Hidden controls keep their values and are read back.
    f.values.terrains[2] = false;
    EXPECT_FALSE(f.readBack().terrains[2]);
}

} // namespace
} // namespace zw
