#include "model/records.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(Records, NewTemplateDefaults) {
    const TRmg t = makeNewTemplate();
    EXPECT_EQ(t.name, "Unnamed template");
    EXPECT_EQ(t.header, (TemplateHeader{4, 9, 0}));
    EXPECT_EQ(t.playerCount(), 2);
    EXPECT_EQ(t.kinds.playerKind[0], 0);
    EXPECT_EQ(t.kinds.playerKind[1], 0);
    EXPECT_TRUE(t.zones.empty());
    EXPECT_TRUE(t.connections.empty());
}

TEST(Records, RemoveZoneRenumbersAndDropsConnections) {
    TRmg t;
    for (int i = 0; i < 4; ++i)
        t.appendZone(makeDefaultZone());
    auto conn = [](int a, int b) {
        ConnectionRecord c = makeDefaultConnection();
        c.zoneA = a;
        c.zoneB = b;
        return c;
    };
    t.appendConnection(conn(0, 1));
    t.appendConnection(conn(2, 3));
    t.appendConnection(conn(1, 2));
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
    TRmg t;
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = 2;
    c.zoneB = 4;
    t.appendConnection(c);
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

} // namespace
} // namespace zw
