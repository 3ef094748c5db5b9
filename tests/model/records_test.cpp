#include "model/records.h"
#include "support/group_samples.h"

#include <gtest/gtest.h>
#include <limits>

namespace zw {
namespace {

TEST(Records, RemoveZoneRenumbersAndDropsConnections) {
    const ZoneRecord z = makeDefaultZone();
    TRmg t = test::templateOf({z, z, z, z}, {{0, 1}, {2, 3}, {1, 2}});
    t.removeZone(1);
    ASSERT_EQ(t.zones.size(), 3u);
    ASSERT_EQ(t.connections.size(), 1u);
    EXPECT_EQ(t.connections[0].zoneA, 1);
    EXPECT_EQ(t.connections[0].zoneB, 2);
    // Out-of-range indices change nothing.
    t.removeZone(7);
    t.removeZone(-1);
    t.removeConnection(3);
    EXPECT_EQ(t.zones.size(), 3u);
    EXPECT_EQ(t.connections.size(), 1u);
}

TEST(Records, FindConnectionEitherOrder) {
    const TRmg t = test::templateOf({}, {{2, 4}});
    EXPECT_EQ(t.findConnection(4, 2), 0);
    EXPECT_EQ(t.findConnection(2, 4), 0);
    EXPECT_FALSE(t.findConnection(2, 3).has_value());
}

TEST(Records, PlayerKindLookupIsGuarded) {
    TRmg t;
    t.kinds.playerKind[7] = 1;
    EXPECT_EQ(playerKindOf(t, 8), 1);
    EXPECT_FALSE(playerKindOf(t, 9).has_value());
    EXPECT_FALSE(playerKindOf(t, 0).has_value());
    EXPECT_FALSE(playerKindOf(t, -3).has_value());
}

// The town predicates sum the counts only in detailed mode, in 64 bits, and
// treat an unknown mode as no towns.
TEST(Records, TownPredicates) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    struct Case {
        int32_t townMode;
        int32_t owner;
        std::array<int32_t, 4> counts; // playerCastles, playerTowns, neutralCastles, neutralTowns
        bool towns, forts, ownerTowns;
    };
    const Case cases[] = {
        {0, 1, {1, 1, 1, 1}, false, false, false},
        {1, 0, {}, true, false, false},
        {1, 3, {}, true, false, true},
        {2, -1, {}, true, true, false},
        {3, 0, {0, 0, 0, 1}, true, false, false},
        {3, 0, {0, 0, 1, 0}, true, true, false},
        {3, 0, {0, 1, 0, 0}, true, false, true},
        {3, 1, {2, -2, 0, 0}, false, true, false},
        {3, 1, {kMax, kMax, kMax, kMax}, true, true, true},
        {7, 1, {1, 1, 1, 1}, false, false, false},
    };
    for (const Case& c : cases) {
        ZoneRecord z = makeDefaultZone();
        z.townMode = c.townMode;
        z.owner = c.owner;
        z.playerCastles = c.counts[0];
        z.playerTowns = c.counts[1];
        z.neutralCastles = c.counts[2];
        z.neutralTowns = c.counts[3];
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.townMode << " owner " << c.owner << " counts " << c.counts[0]
                     << "," << c.counts[1] << "," << c.counts[2] << "," << c.counts[3]);
        EXPECT_EQ(hasTowns(z), c.towns);
        EXPECT_EQ(hasTownsWithFort(z), c.forts);
        EXPECT_EQ(ownerHasTowns(z), c.ownerTowns);
    }
}

} // namespace
} // namespace zw
