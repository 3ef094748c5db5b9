#include "dialogs/duplicate_logic.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

// A template whose zone k belongs to owners[k].
TRmg ownedBy(std::initializer_list<int32_t> owners) {
    TRmg t = makeNewTemplate();
    for (int32_t o : owners) {
        ZoneRecord z = makeDefaultZone();
        z.owner = o;
        t.appendZone(z);
    }
    return t;
}

TEST(DuplicateForm, OpensWithTheSelectionsPlayersToTheNextFreeOnes) {
    using Targets = std::array<int, kPlayerSlots>;
    struct Case {
        const char* what;
        TRmg t;
        std::vector<int32_t> selection;
        std::optional<DuplicateForm> last;
        Targets targets;
        int transform;
    };
    DuplicateForm lastChoice;
    lastChoice.targets[0] = 3; // player 1 to player 4, rotated by 90°
    lastChoice.transform = 2;
    const Case cases[] = {
        {"player 1 alone", ownedBy({1, 0, 1}), {0, 1}, {}, {1, 1, 2, 3, 4, 5, 6, 7}, 0},
        {"players 1 and 2, 4 taken",
         ownedBy({1, 2, 4, 0}),
         {1, 0, 3},
         {},
         {2, 4, 2, 3, 4, 5, 6, 7},
         0},
        {"neutral zones only", ownedBy({1, 0}), {1}, {}, {0, 1, 2, 3, 4, 5, 6, 7}, 0},
        {"nobody free", ownedBy({1, 2, 3, 4, 5, 6, 7, 8}), {0}, {}, {0, 1, 2, 3, 4, 5, 6, 7}, 0},
        {"the last choice still free",
         ownedBy({1, 2}),
         {0},
         lastChoice,
         {3, 1, 2, 3, 4, 5, 6, 7},
         2},
        {"the last choice taken since",
         ownedBy({1, 2, 4}),
         {0},
         lastChoice,
         {2, 1, 2, 3, 4, 5, 6, 7},
         2},
    };
    for (const Case& c : cases) {
        const DuplicateForm f = suggestedDuplicate(c.t, c.selection, c.last);
        EXPECT_EQ(f.targets, c.targets) << c.what;
        EXPECT_EQ(f.transform, c.transform) << c.what;
    }
}

} // namespace
} // namespace zw
