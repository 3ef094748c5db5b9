#include "support/import_expectations.h"

#include "canvas/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zw::test {

void expectImportedAsCompiled(const TRmg& imported, const TRmg& compiled) {
    EXPECT_EQ(imported.name, compiled.name);
    EXPECT_EQ(imported.header, compiled.header);
    EXPECT_EQ(imported.kinds, compiled.kinds);
    ASSERT_EQ(imported.zones.size(), compiled.zones.size());
    for (size_t k = 0; k < compiled.zones.size(); ++k) {
        SCOPED_TRACE("zone " + std::to_string(k + 1));
        ZoneRecord expected = compiled.zones[k];
        if (expected.townMode == 1 || expected.townMode == 2) {
            expected.playerTowns = expected.playerCastles = 0;
            expected.neutralTowns = expected.neutralCastles = 0;
            const bool fort = expected.townMode == 2;
            int32_t& count = expected.owner > 0
                                 ? (fort ? expected.playerCastles : expected.playerTowns)
                                 : (fort ? expected.neutralCastles : expected.neutralTowns);
            count = 1;
        }
        expected.gridX = imported.zones[k].gridX;
        expected.gridY = imported.zones[k].gridY;
        EXPECT_EQ(imported.zones[k], expected);
        // Laid out apart from each other.
        EXPECT_FALSE(nodeBlocked(imported, expected.gridX, expected.gridY, static_cast<int>(k)));
    }
    ASSERT_EQ(imported.connections.size(), compiled.connections.size());
    for (size_t j = 0; j < compiled.connections.size(); ++j) {
        SCOPED_TRACE("connection " + std::to_string(j + 1));
        const ConnectionRecord& c = compiled.connections[j];
        ConnectionRecord expected = makeDefaultConnection();
        expected.zoneA = std::min(c.zoneA, c.zoneB);
        expected.zoneB = std::max(c.zoneA, c.zoneB);
        expected.passageCount = c.passageCount;
        for (int32_t p = 0; p < c.passageCount; ++p) {
            PassageRecord passage = c.passages[static_cast<size_t>(p)];
            if (passage.kind != 0)
                passage.guard = 0;
            expected.passages[static_cast<size_t>(p)] = passage;
        }
        EXPECT_EQ(imported.connections[j], expected);
    }
}

} // namespace zw::test
