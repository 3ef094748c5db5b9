// Templates from a pattern: every combination in the table must give a
// template the check accepts, that the analysis finds sound in every setup,
// with equal starts, a readable layout and zones the zone dialog accepts.
#include "analysis/analysis.h"
#include "check/check.h"
#include "dialogs/zone_logic.h"
#include "model/name_rules.h"
#include "model/presets.h"
#include "model/project_file.h"
#include "model/text.h"
#include "pattern/generate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <tuple>

namespace zw {
namespace {

// Every pattern, every player count, and each of own 0..4, between 0..3 and
// centre 0..4 at least once, with the edges that need care: two players joined
// directly, a middle with more side zones than gaps between players, rings
// whose parts vanish with their players.
const PatternSettings kCases[] = {
    {PatternKind::Ring, 2, 1, 0, 0, 0, {}},
    {PatternKind::RingCentre, 2, 0, 0, 1, 0, {}},
    {PatternKind::Ring, 2, 4, 3, 0, 5, {}},
    {PatternKind::Star, 2, 2, 0, 4, 1, {}},
    {PatternKind::Star, 3, 1, 0, 1, 2, {}},
    {PatternKind::RingCentre, 3, 0, 2, 0, 3, {}},
    {PatternKind::RingCentre, 4, 1, 1, 1, 0, {}},
    {PatternKind::Ring, 4, 2, 0, 0, 7, {}},
    {PatternKind::RingCentre, 4, 3, 2, 4, 8, {}},
    {PatternKind::RingCentre, 5, 3, 1, 2, 11, {}},
    {PatternKind::Star, 6, 4, 0, 3, 4, {}},
    {PatternKind::RingCentre, 7, 2, 2, 3, 9, {}},
    {PatternKind::Ring, 8, 0, 3, 0, 1, {}},
    {PatternKind::RingCentre, 8, 4, 3, 4, 123, {}},
    {PatternKind::Star, 8, 0, 0, 1, kPatternMaxSeed, {}},
};

std::string describe(const PatternSettings& c) {
    return std::string(patternWord(c.pattern)) + " P=" + std::to_string(c.players) +
           " N=" + std::to_string(c.own) + " M=" + std::to_string(c.between) +
           " C=" + std::to_string(c.centre) + " seed=" + std::to_string(c.seed);
}

int64_t orientation(const ZoneRecord& a, const ZoneRecord& b, const ZoneRecord& c) {
    const int64_t v = (int64_t{b.gridX} - a.gridX) * (int64_t{c.gridY} - a.gridY) -
                      (int64_t{b.gridY} - a.gridY) * (int64_t{c.gridX} - a.gridX);
    return (v > 0) - (v < 0);
}

// c lies on the segment a-b.
bool onSegment(const ZoneRecord& a, const ZoneRecord& b, const ZoneRecord& c) {
    return orientation(a, b, c) == 0 && std::min(a.gridX, b.gridX) <= c.gridX &&
           c.gridX <= std::max(a.gridX, b.gridX) && std::min(a.gridY, b.gridY) <= c.gridY &&
           c.gridY <= std::max(a.gridY, b.gridY);
}

struct Extent {
    int64_t width = 0, height = 0;
};

Extent extentOf(const TRmg& t) {
    int64_t minX = t.zones.front().gridX, maxX = minX;
    int64_t minY = t.zones.front().gridY, maxY = minY;
    for (const ZoneRecord& z : t.zones) {
        minX = std::min<int64_t>(minX, z.gridX);
        maxX = std::max<int64_t>(maxX, z.gridX);
        minY = std::min<int64_t>(minY, z.gridY);
        maxY = std::max<int64_t>(maxY, z.gridY);
    }
    return {maxX - minX + 1, maxY - minY + 1};
}

// Zone c lies within half a grid step of the segment a-b (c is neither end).
bool passesNear(const ZoneRecord& a, const ZoneRecord& b, const ZoneRecord& c) {
    const int64_t dx = int64_t{b.gridX} - a.gridX, dy = int64_t{b.gridY} - a.gridY;
    const int64_t cx = int64_t{c.gridX} - a.gridX, cy = int64_t{c.gridY} - a.gridY;
    const int64_t along = cx * dx + cy * dy;
    const int64_t length2 = dx * dx + dy * dy;
    if (along <= 0)
        return 4 * (cx * cx + cy * cy) <= 1;
    if (along >= length2)
        return 4 * ((cx - dx) * (cx - dx) + (cy - dy) * (cy - dy)) <= 1;
    const int64_t across = cx * dy - cy * dx; // distance · length
    return 4 * across * across <= length2;
}

// What is wrong with the layout: two connections crossing, or one passing by
// a zone that is not one of its ends; empty when nothing is.
std::vector<std::string> layoutFaults(const TRmg& t) {
    std::vector<std::string> faults;
    const auto zone = [&t](int32_t k) -> const ZoneRecord& {
        return t.zones[static_cast<size_t>(k)];
    };
    for (size_t j = 0; j < t.connections.size(); ++j) {
        const ConnectionRecord& e = t.connections[j];
        const std::string name = std::to_string(e.zoneA + 1) + "-" + std::to_string(e.zoneB + 1);
        for (size_t k = 0; k < t.zones.size(); ++k)
            if (static_cast<int32_t>(k) != e.zoneA && static_cast<int32_t>(k) != e.zoneB &&
                passesNear(zone(e.zoneA), zone(e.zoneB), t.zones[k]))
                faults.push_back(name + " passes zone " + std::to_string(k + 1));
        for (size_t l = j + 1; l < t.connections.size(); ++l) {
            const ConnectionRecord& f = t.connections[l];
            if (f.zoneA == e.zoneA || f.zoneA == e.zoneB || f.zoneB == e.zoneA ||
                f.zoneB == e.zoneB)
                continue;
            const ZoneRecord &a1 = zone(e.zoneA), &a2 = zone(e.zoneB);
            const ZoneRecord &b1 = zone(f.zoneA), &b2 = zone(f.zoneB);
            const int64_t o1 = orientation(a1, a2, b1), o2 = orientation(a1, a2, b2);
            const bool meet =
                o1 == 0 && o2 == 0
                    ? onSegment(a1, a2, b1) || onSegment(a1, a2, b2) || onSegment(b1, b2, a1)
                    : o1 * o2 <= 0 && orientation(b1, b2, a1) * orientation(b1, b2, a2) <= 0;
            if (meet)
                faults.push_back(name + " crosses " + std::to_string(f.zoneA + 1) + "-" +
                                 std::to_string(f.zoneB + 1));
        }
    }
    return faults;
}

class Generated : public ::testing::TestWithParam<PatternSettings> {};

TEST_P(Generated, KeepsEveryPromise) {
    const PatternSettings& c = GetParam();
    SCOPED_TRACE(describe(c));
    const TRmg t = generateTemplate(c);
    const int P = c.players;
    const int between = c.pattern == PatternKind::Star ? 0 : c.between;
    const int part = 1 + c.own + between;
    ASSERT_EQ(t.zones.size(), static_cast<size_t>(P * part + c.centre));
    EXPECT_EQ(t.playerCount(), P);
    EXPECT_EQ(patternProblem(c), std::nullopt);
    EXPECT_EQ(templateNameProblem(t.name), std::nullopt);

    // The check passes; the analysis has nothing to say in any setup.
    EXPECT_EQ(checkTemplate(t), std::nullopt);
    const TemplateAnalysis a = analyzeTemplate(t);
    EXPECT_FALSE(a.hasFindings());
    EXPECT_TRUE(a.warnings.empty());
    EXPECT_EQ(a.setups.size(), static_cast<size_t>(P * (P + 1) / 2 - 1)); // all humans allowed

    // One start zone per player, with a town, each player's part laid out alike.
    const auto zone = [&t](int k) -> const ZoneRecord& { return t.zones[static_cast<size_t>(k)]; };
    std::set<int32_t> starters, players;
    for (int i = 0; i < P; ++i) {
        EXPECT_TRUE(isStartZone(zone(i * part)));
        EXPECT_TRUE(hasTowns(zone(i * part)));
        starters.insert(zone(i * part).owner);
        players.insert(i + 1);
        for (int k = 0; k < part; ++k) {
            ZoneRecord mine = zone(i * part + k), first = zone(k);
            for (ZoneRecord* z : {&mine, &first})
                z->owner = z->existMode = z->minPlayers = z->gridX = z->gridY = 0;
            EXPECT_EQ(mine, first) << "player " << i + 1 << " zone " << k;
        }
    }
    EXPECT_EQ(starters, players);
    EXPECT_EQ(std::count_if(t.zones.begin(), t.zones.end(), isStartZone), P);

    // Equal starts.
    ASSERT_EQ(a.fairness.size(), static_cast<size_t>(P));
    for (const PlayerFairness& f : a.fairness) {
        EXPECT_EQ(f.within, a.fairness[0].within) << "player " << f.player;
        EXPECT_EQ(f.nearestOpponent, a.fairness[0].nearestOpponent) << "player " << f.player;
        EXPECT_TRUE(f.nearestOpponent.has_value());
    }

    // Every zone as the zone dialog would accept it.
    for (const ZoneRecord& z : t.zones) {
        ZoneForm form;
        form.fill(z);
        EXPECT_EQ(form.firstProblem(), std::nullopt) << "zone " << (&z - t.zones.data()) + 1;
    }

    // Sizes from the zone dialog's list.
    for (const ZoneRecord& z : t.zones)
        EXPECT_TRUE(std::any_of(kSizePresets.begin(), kSizePresets.end(),
                                [&z](const ValuePreset& p) { return p.value == z.size; }))
            << "size " << z.size;

    // Player 1 stands at the left: its own zones fan out evenly about its start's row.
    for (int j = 1; j <= c.own; ++j) {
        const ZoneRecord &a = zone(j), &b = zone(c.own + 1 - j);
        EXPECT_EQ(std::pair(a.gridX, a.gridY - zone(0).gridY),
                  std::pair(b.gridX, zone(0).gridY - b.gridY))
            << "own zone " << j;
    }

    // Contents by ring: own zones poorer than those between players, the middle richest.
    const auto treasure = [](const ZoneRecord& z) {
        int64_t sum = 0;
        for (const TreasureGroup& g : z.treasure)
            sum += (int64_t{g.low} + g.high) * g.density;
        return sum;
    };
    if (c.own > 0 && between > 0) {
        EXPECT_LT(treasure(zone(1)), treasure(zone(1 + c.own)));
    }
    for (int k = 0; c.centre > 0 && k < P * part; ++k)
        EXPECT_LT(treasure(zone(k)), treasure(zone(P * part))) << "zone " << k + 1;

    // No zone on or next to another (crossings: EveryCombinationIsReadable).
    for (size_t x = 0; x < t.zones.size(); ++x)
        for (size_t y = x + 1; y < t.zones.size(); ++y)
            EXPECT_GE(std::max(std::abs(t.zones[x].gridX - t.zones[y].gridX),
                               std::abs(t.zones[x].gridY - t.zones[y].gridY)),
                      2)
                << "zones " << x + 1 << " and " << y + 1;

    // Two and four players: every part is the first one turned exactly about
    // the middle of the starts.
    if (P == 2 || P == 4) {
        int64_t cx2 = 0, cy2 = 0; // twice the middle, to stay whole
        for (int i = 0; i < P; ++i)
            cx2 += 2 * zone(i * part).gridX, cy2 += 2 * zone(i * part).gridY;
        cx2 /= P, cy2 /= P;
        for (int i = 1; i < P; ++i)
            for (int k = 0; k < part; ++k) {
                int64_t x = 2 * zone(k).gridX - cx2, y = 2 * zone(k).gridY - cy2;
                for (int turn = 0; turn < i * 4 / P; ++turn)
                    std::tie(x, y) = std::pair{-y, x};
                const ZoneRecord& z = zone(i * part + k);
                EXPECT_EQ(std::pair(2 * z.gridX - cx2, 2 * z.gridY - cy2), std::pair(x, y))
                    << "player " << i + 1 << " zone " << k;
            }
    }

    // The same settings give the same bytes.
    EXPECT_EQ(encodeProject(generateTemplate(c)), encodeProject(t));
}

INSTANTIATE_TEST_SUITE_P(Patterns, Generated, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PatternSettings>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(Generate, SeedsVaryContentsNotShape) {
    PatternSettings s = patternDefaults(PatternKind::RingCentre, 3);
    s.own = 2;
    const TRmg first = generateTemplate(s);
    std::set<std::string> variants;
    for (int64_t seed = 0; seed < 8; ++seed) {
        s.seed = seed;
        const TRmg t = generateTemplate(s);
        ASSERT_EQ(t.connections, first.connections);
        variants.insert(encodeProject(t));
    }
    EXPECT_GT(variants.size(), 4u);
}

TEST(Generate, DefaultNameAndGivenName) {
    PatternSettings s = patternDefaults(PatternKind::Star, 5);
    EXPECT_EQ(cp1251ToUtf8(generateTemplate(s).name), "Звезда на 5 игроков");
    EXPECT_EQ(defaultPatternName(PatternKind::RingCentre, 2), "Кольцо с центром на 2 игрока");
    s.name = "Пятерка";
    EXPECT_EQ(generateTemplate(s).name, utf8ToCp1251("Пятерка"));
}

TEST(Generate, RefusesWhatCannotBeMade) {
    const auto base = patternDefaults(PatternKind::RingCentre, 4);
    const std::vector<std::pair<std::string, std::function<void(PatternSettings&)>>> refused = {
        {"one player", [](PatternSettings& s) { s.players = 1; }},
        {"nine players", [](PatternSettings& s) { s.players = 9; }},
        {"own -1", [](PatternSettings& s) { s.own = -1; }},
        {"own 5", [](PatternSettings& s) { s.own = 5; }},
        {"between 4", [](PatternSettings& s) { s.between = 4; }},
        {"centre 5", [](PatternSettings& s) { s.centre = 5; }},
        {"seed -1", [](PatternSettings& s) { s.seed = -1; }},
        {"seed 1000000", [](PatternSettings& s) { s.seed = 1000000; }},
        {"star without centre",
         [](PatternSettings& s) { s = patternDefaults(PatternKind::Star, 4), s.centre = 0; }},
        {"star with ways between",
         [](PatternSettings& s) { s = patternDefaults(PatternKind::Star, 4), s.between = 1; }},
        {"ring with centre",
         [](PatternSettings& s) { s = patternDefaults(PatternKind::Ring, 4), s.centre = 1; }},
        {"name with a tab", [](PatternSettings& s) { s.name = "a\tb"; }},
        {"name too long", [](PatternSettings& s) { s.name = std::string(65, 'x'); }},
        {"name outside Windows-1251", [](PatternSettings& s) { s.name = "ほ"; }},
    };
    for (const auto& [what, change] : refused) {
        PatternSettings s = base;
        change(s);
        EXPECT_NE(patternProblem(s), std::nullopt) << what;
        // Given anyway, the generator makes the nearest sound template.
        const TRmg t = generateTemplate(s);
        EXPECT_EQ(checkTemplate(t), std::nullopt) << what;
        EXPECT_FALSE(analyzeTemplate(t).hasFindings()) << what;
    }
}

TEST(Generate, EveryCombinationIsReadable) {
    for (const PatternKind pattern :
         {PatternKind::Ring, PatternKind::Star, PatternKind::RingCentre})
        for (int own = 0; own <= kPatternMaxOwn; ++own)
            for (int between = 0; between <= kPatternMaxBetween; ++between)
                for (int centre = 0; centre <= kPatternMaxCentre; ++centre)
                    for (const int64_t seed : {0, 999999}) {
                        PatternSettings c{pattern, kPatternMinPlayers, own, between, centre, seed,
                                          {}};
                        if (patternProblem(c))
                            continue;
                        Extent smaller;
                        for (c.players = kPatternMinPlayers; c.players <= kPatternMaxPlayers;
                             ++c.players) {
                            const TRmg t = generateTemplate(c);
                            for (const std::string& fault : layoutFaults(t))
                                ADD_FAILURE() << describe(c) << ": " << fault;
                            const Extent e = extentOf(t);
                            EXPECT_TRUE(e.width >= smaller.width && e.height >= smaller.height)
                                << describe(c) << ": " << e.width << "x" << e.height << " after "
                                << smaller.width << "x" << smaller.height;
                            smaller = e;
                        }
                    }
}

} // namespace
} // namespace zw
