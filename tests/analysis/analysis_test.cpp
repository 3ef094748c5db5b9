// The analysis on small templates whose answers were worked out by hand.
#include "analysis/analysis.h"
#include "check/check.h"
#include "support/analysis_samples.h"

#include <gtest/gtest.h>

#include <limits>

namespace zw {
namespace {

using test::analysisTemplate;
using test::bareZone;
using test::fixedPassage;
using test::link;
using test::startWithCastle;

using Components = std::vector<std::vector<int>>;
using Pairs = std::vector<std::array<int, 2>>;

// A template of `players` players with a start zone with a castle for each of `owners`.
TRmg startsFor(int players, std::initializer_list<int32_t> owners) {
    TRmg t = analysisTemplate(players);
    for (int32_t owner : owners)
        t.appendZone(startWithCastle(owner));
    return t;
}

// Connections of one default passage between the given zone numbers, in order.
void joinAll(TRmg& t, std::initializer_list<std::pair<int, int>> pairs) {
    for (const auto& [a, b] : pairs)
        t.appendConnection(link(a, b));
}

// Players 1..3 with start zones 1, 2 and 4 around treasure zone 3. Zone 4
// exists only with its owner (three players); the passage 2-3 is held back by
// its own limits until three play, so with two players start 2 is cut off.
TRmg passageForThreeOnly() {
    TRmg t = startsFor(3, {1, 2});
    t.appendZone(bareZone(1));
    ZoneRecord third = startWithCastle(3);
    third.existMode = 1;
    t.appendZone(third);
    t.appendConnection(link(1, 3));
    t.appendConnection(link(2, 3, {fixedPassage(1, 8, 3, 8)}));
    t.appendConnection(link(4, 3));
    return t;
}

TEST(Analysis, PassageLimitedToOneSetupCutsAStartOffInTheOthers) {
    const TemplateAnalysis a = analyzeTemplate(passageForThreeOnly());
    EXPECT_EQ(a.players, 3);
    auto two = [](int humans) {
        return SetupAnalysis{2, humans, {1, 2, 3}, {{1, 3}, {2}}, {}, {{1, 2}}};
    };
    auto three = [](int humans) {
        return SetupAnalysis{3, humans, {1, 2, 3, 4}, {{1, 2, 3, 4}}, {}, {}};
    };
    EXPECT_EQ(a.setups, (std::vector<SetupAnalysis>{two(1), two(2), three(1), three(2), three(3)}));
    EXPECT_TRUE(a.warnings.empty());
    EXPECT_TRUE(a.hasFindings());
}

TEST(Analysis, PassageStandsInForItsConnectionWhenAnyOfThemExists) {
    // Two passages between starts 1 and 2: one only for a single human, one only
    // for two. Every setup has one of them, so the starts never separate.
    TRmg t = startsFor(2, {1, 2});
    t.appendConnection(link(1, 2, {fixedPassage(1, 1, 1, 8), fixedPassage(2, 2, 1, 8)}));
    const TemplateAnalysis a = analyzeTemplate(t);
    ASSERT_EQ(a.setups.size(), 2u);
    for (const SetupAnalysis& s : a.setups)
        EXPECT_EQ(s.components, Components({{1, 2}}));
    EXPECT_FALSE(a.hasFindings());
}

TEST(Analysis, OwnersAboveThePlayerCount) {
    // Two players. Zone 3 is a start zone of player 5 (mode 0, so it exists);
    // zone 4 belongs to player 4 "with its owner" and never exists; zone 5
    // belongs to player 6, whose owner lies so far above that the refresh
    // treats it as needing two players, so it exists.
    TRmg t = startsFor(2, {1, 2, 5});
    ZoneRecord fourth = bareZone(1, 4);
    fourth.existMode = 1;
    t.appendZone(fourth);
    ZoneRecord sixth = bareZone(1, 6);
    sixth.existMode = 1;
    t.appendZone(sixth);
    joinAll(t, {{1, 2}, {4, 1}, {5, 2}});

    const TemplateAnalysis a = analyzeTemplate(t);
    ASSERT_EQ(a.setups.size(), 2u);
    EXPECT_EQ(a.setups[0],
              (SetupAnalysis{2, 1, {1, 2, 3, 5}, {{1, 2, 5}, {3}}, {}, {{1, 3}, {2, 3}}}));
    EXPECT_EQ(a.warnings, (std::vector<TemplateWarning>{
                              {WarningCode::IsolatedZone, {3}, {}},
                              {WarningCode::OwnerBeyondPlayers, {4}, {}, 4},
                              {WarningCode::OwnerBeyondPlayers, {3}, {}, 5},
                              {WarningCode::OwnerBeyondPlayers, {5}, {}, 6},
                          }));
    ASSERT_EQ(a.fairness.size(), 2u); // players 1 and 2 only
    EXPECT_EQ(a.fairness[0].nearestOpponent, 1);
    EXPECT_EQ(a.fairness[1].startZone, 2);
}

TEST(Analysis, WarningsInCodeOrder) {
    // Zone 4 is named only by a connection to a zone outside the list, which is
    // ignored; zone 3 only by a connection to itself.
    TRmg t = analysisTemplate(2);
    ZoneRecord first = startWithCastle(1);
    first.townMode = 3; // detailed, all counts 0
    t.appendZone(first);
    t.appendZone(bareZone(0, 2, 0));
    t.appendZone(bareZone(1));
    t.appendZone(bareZone(1));
    // Connections 1 to 8; 4 and 5 name zones outside the list and are ignored.
    joinAll(t, {{1, 2}, {2, 1}, {3, 3}, {4, 9}, {0, 2}, {1, 2}, {3, 2}, {2, 3}});
    const TemplateAnalysis a = analyzeTemplate(t);
    const std::vector<TemplateWarning> expected = {
        {WarningCode::IsolatedZone, {4}, {}},
        {WarningCode::SelfConnection, {3}, {3}},
        {WarningCode::DuplicateConnection, {1, 2}, {1, 2, 6}},
        {WarningCode::DuplicateConnection, {2, 3}, {7, 8}},
        {WarningCode::StartWithoutTown, {1}, {}},
        {WarningCode::StartWithoutTown, {2}, {}},
    };
    EXPECT_EQ(a.warnings, expected);
    EXPECT_EQ(a.setups[0].components, Components({{1, 2, 3}, {4}}));
    EXPECT_EQ(a.setups[0].unreachable, std::vector<int>{4});
}

TEST(Analysis, WhatTheCheckRefusesIsAFinding) {
    // Two players unless a case says otherwise; zones are given by kind and owner.
    struct Case {
        const char* what;
        int players;
        std::vector<std::pair<int32_t, int32_t>> zones;
        std::vector<TemplateWarning> expected;
    };
    using W = WarningCode;
    // clang-format off
    const std::vector<Case> cases = {
        {"sound", 2, {{0, 1}, {0, 2}, {1, 0}}, {}},
        {"second starts of two players", 3, {{0, 3}, {0, 1}, {0, 2}, {0, 1}, {0, 3}, {0, 1}},
         {{W::SecondStartZone, {2, 4, 6}, {}, 1}, {W::SecondStartZone, {1, 5}, {}, 3}}},
        {"starts of nobody", 2, {{0, 1}, {0, 0}, {0, 2}, {0, -1}},
         {{W::StartWithoutOwner, {2}, {}}, {W::StartWithoutOwner, {4}, {}}}},
        {"owners beyond the players", 2, {{0, 1}, {1, 7}, {0, 2}, {0, 3}, {1, 3}},
         {{W::OwnerBeyondPlayers, {4, 5}, {}, 3}, {W::OwnerBeyondPlayers, {2}, {}, 7}}},
        {"missing starts", 4, {{0, 2}, {1, 1}, {1, 3}},
         {{W::MissingStartZone, {}, {}, 1}, {W::MissingStartZone, {}, {}, 3},
          {W::MissingStartZone, {}, {}, 4}}},
        {"all four, in code order", 2, {{0, 3}, {0, 0}, {0, 1}, {0, 1}, {0, 3}},
         {{W::SecondStartZone, {3, 4}, {}, 1}, {W::SecondStartZone, {1, 5}, {}, 3},
          {W::StartWithoutOwner, {2}, {}}, {W::OwnerBeyondPlayers, {1, 5}, {}, 3},
          {W::MissingStartZone, {}, {}, 2}}}};
    // clang-format on
    for (const Case& c : cases) {
        TRmg t = analysisTemplate(c.players);
        for (const auto& [kind, owner] : c.zones) {
            // Owners with their towns; the zones in a row, each joined to the next.
            t.appendZone(bareZone(kind, owner, owner != 0 || kind == 0 ? 2 : 0));
            if (t.zones.size() > 1)
                t.appendConnection(
                    link(static_cast<int>(t.zones.size()) - 1, static_cast<int>(t.zones.size())));
        }
        const TemplateAnalysis a = analyzeTemplate(t);
        EXPECT_EQ(a.warnings, c.expected) << c.what;
        EXPECT_EQ(a.hasFindings(), !c.expected.empty()) << c.what;
        EXPECT_EQ(checkTemplate(t).has_value(), !c.expected.empty()) << c.what;
    }
}

TEST(Analysis, StartWithoutTownByTownMode) {
    struct Case {
        int32_t kind, townMode, neutralTowns;
        bool warned;
    };
    const Case cases[] = {{0, 0, 0, true},  {0, 1, 0, false}, {0, 2, 0, false}, {0, 3, 0, true},
                          {0, 3, 1, false}, {0, 3, -2, true}, {0, 7, 1, true},  {1, 0, 0, false}};
    for (const Case& c : cases) {
        TRmg t = analysisTemplate(2);
        ZoneRecord z = bareZone(c.kind, 1, c.townMode);
        z.neutralTowns = c.neutralTowns;
        t.appendZone(z);
        t.appendZone(z);
        t.appendConnection(link(1, 2));
        const auto warnings = analyzeTemplate(t).warnings;
        const bool warned = std::any_of(warnings.begin(), warnings.end(), [](const auto& w) {
            return w.code == WarningCode::StartWithoutTown;
        });
        EXPECT_EQ(warned, c.warned)
            << "kind " << c.kind << " mode " << c.townMode << " towns " << c.neutralTowns;
    }
}

TEST(Analysis, SetupsFollowPlayerCountAndKinds) {
    using Setups = std::vector<std::pair<int, int>>;
    struct Case {
        int32_t playerCountIndex;
        std::vector<int32_t> kinds;
        int players;
        Setups setups;
    };
    const Case cases[] = {
        {0, {0, 0}, 2, {{2, 1}, {2, 2}}},
        {1, {0, 1, 0}, 3, {{2, 1}, {3, 1}, {3, 2}}},
        {0, {1, 1}, 2, {}},
        {-7, {0, 0}, 2, {{2, 1}, {2, 2}}},           // damaged: brought up to 2
        {40, {1, 1, 1, 1, 1, 1, 1, 0}, 8, {{8, 1}}}, // damaged: brought down to 8
    };
    for (const Case& c : cases) {
        TRmg t = analysisTemplate(2);
        t.header.playerCountIndex = c.playerCountIndex;
        std::copy(c.kinds.begin(), c.kinds.end(), t.kinds.playerKind.begin());
        t.appendZone(startWithCastle(1));
        const TemplateAnalysis a = analyzeTemplate(t);
        EXPECT_EQ(a.players, c.players) << c.playerCountIndex;
        Setups got;
        for (const SetupAnalysis& s : a.setups) {
            got.emplace_back(s.players, s.humans);
            EXPECT_EQ(s.zones, std::vector<int>{1}) << "zone 1 exists in every setup";
        }
        EXPECT_EQ(got, c.setups) << c.playerCountIndex;
    }
}

TEST(Analysis, AnalysingLeavesTheTemplateAsItWas) {
    TRmg t = passageForThreeOnly();
    t.zones[0].minHumans = 5; // stale limits that a refresh would replace
    const TRmg before = t;
    analyzeTemplate(t);
    EXPECT_EQ(t, before);
}

// Starts 1 and 2 of a three-player template (player 3 computer only, and
// without a start zone) joined by a chain 1-3-4-2 with a side zone 5 at 2.
TRmg fairnessTemplate() {
    TRmg t = analysisTemplate(3, {0, 0, 1});
    t.appendZone(startWithCastle(1));
    ZoneRecord second = bareZone(0, 2, 3);
    second.playerCastles = 1;
    second.neutralTowns = 2;
    t.appendZone(second);
    ZoneRecord rich = bareZone(1);
    rich.treasure[0] = {1000, 2000, 3};
    rich.treasure[2] = {0, 0, 5}; // counts, though it adds nothing
    rich.mineWood = 2;
    rich.mineGold = 1;
    t.appendZone(rich);
    ZoneRecord junction = bareZone(2);
    junction.treasure[1] = {100, 300, 2};
    t.appendZone(junction);
    ZoneRecord side = bareZone(1, 0, 1);
    side.treasure[0] = {5000, 5000, 1};
    side.mineOre = 1;
    t.appendZone(side);
    joinAll(t, {{1, 3}, {3, 4}, {4, 2}, {2, 5}});
    return t;
}

Holdings holdings(int distance, int zones, int64_t treasure, std::array<int64_t, 7> mines,
                  int64_t towns) {
    return {distance, zones, treasure, mines, towns};
}

TEST(Analysis, FairnessCountsWhatLiesWithinEachDistance) {
    const TemplateAnalysis a = analyzeTemplate(fairnessTemplate());
    const std::array<int64_t, 7> wood2gold1 = {2, 0, 0, 0, 0, 0, 1};
    // clang-format off
    const std::vector<PlayerFairness> expected = {
        {1, 1, 3, {holdings(0, 1, 0, {}, 1), holdings(1, 2, 9000, wood2gold1, 1),
                   holdings(2, 3, 9800, wood2gold1, 1), holdings(3, 4, 9800, wood2gold1, 4)}},
        {2, 2, 3, {holdings(0, 1, 0, {}, 3), holdings(1, 3, 10800, {0, 0, 1, 0, 0, 0, 0}, 4),
                   holdings(2, 4, 19800, {2, 0, 1, 0, 0, 0, 1}, 4),
                   holdings(3, 5, 19800, {2, 0, 1, 0, 0, 0, 1}, 5)}},
        {3, std::nullopt, std::nullopt, {}}};
    // clang-format on
    EXPECT_EQ(a.fairness, expected);
}

TEST(Analysis, FairnessWithoutAReachableOpponentAndWithHugeTreasure) {
    TRmg t = analysisTemplate(2);
    ZoneRecord hoard = startWithCastle(1);
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    hoard.treasure = {TreasureGroup{kMax, kMax, kMax}, TreasureGroup{kMax, kMax, kMax}, {}};
    t.appendZone(hoard);
    t.appendZone(startWithCastle(2));
    const TemplateAnalysis a = analyzeTemplate(t);
    EXPECT_EQ(a.fairness[0].nearestOpponent, std::nullopt);
    EXPECT_EQ(a.fairness[0].within[3].treasure, std::numeric_limits<int64_t>::max());
    EXPECT_EQ(a.fairness[0].within[3].zones, 1);
}

TEST(Analysis, LargeDamagedValuesDoNotUpsetTheAnalysis) {
    TRmg t = startsFor(8, {-1, 2, 5, 8});
    t.appendConnection(link(1, 2, {}));
    t.connections[0].passageCount = 1000;
    t.appendConnection(link(2, 3));
    t.connections[1].passageCount = -4; // no passage, never open
    const TemplateAnalysis a = analyzeTemplate(t);
    EXPECT_EQ(a.setups.size(), 35u);
    EXPECT_EQ(a.setups.back().components, Components({{1, 2}, {3}, {4}}));
}

TEST(Analysis, SeparatedStartsInterleavedOverTwoComponents) {
    TRmg t = startsFor(4, {1, 2, 3, 4});
    joinAll(t, {{1, 3}, {2, 4}});
    const TemplateAnalysis a = analyzeTemplate(t);
    EXPECT_EQ(a.setups.front().separatedStarts, (Pairs{{1, 2}, {1, 4}, {2, 3}, {3, 4}}));
}

TEST(Analysis, SeparatedStartsOfADamagedFileAreCapped) {
    // 200 start zones with no connection: 19,900 separated pairs per setup.
    TRmg t = analysisTemplate(2);
    for (int i = 0; i < 200; ++i)
        t.appendZone(startWithCastle(1));
    const TemplateAnalysis a = analyzeTemplate(t);
    ASSERT_EQ(a.setups.size(), 2u);
    const auto& pairs = a.setups[0].separatedStarts;
    ASSERT_EQ(pairs.size(), kMaxSeparatedStarts);
    EXPECT_EQ(pairs.front(), (std::array<int, 2>{1, 2}));
    EXPECT_EQ(pairs[199], (std::array<int, 2>{2, 3})); // 1 pairs with 2..200 first
    EXPECT_EQ(a.setups[0].components.size(), 200u);
}

} // namespace
} // namespace zw
