#include "editor/selection.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(Selection, KeepsIndicesSortedUniqueAndToggles) {
    Selection s;
    for (int32_t k : {4, 1, 4, 2})
        s.addZone(k);
    s.toggleZone(2);
    s.toggleZone(7);
    s.addConnection(3);
    s.toggleConnection(3);
    EXPECT_EQ(s.zones(), (std::vector<int32_t>{1, 4, 7}));
    EXPECT_TRUE(s.connections().empty());
    EXPECT_TRUE(s.hasZone(7));
    EXPECT_FALSE(s.hasZone(2));
}

TEST(Selection, DropsWhatTheTemplateNoLongerHas) {
    TRmg t = makeNewTemplate();
    t.zones.resize(3);
    t.connections.resize(1);
    Selection s;
    s.selectAll(t);
    EXPECT_EQ(s.zones(), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(s.connections(), (std::vector<int32_t>{0}));
    t.zones.resize(2);
    t.connections.clear();
    s.dropMissing(t);
    EXPECT_EQ(s.zones(), (std::vector<int32_t>{0, 1}));
    EXPECT_TRUE(s.connections().empty());
}

} // namespace
} // namespace zw
