#include "dialogs/duplicate_logic.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

// A template of `players` players whose zone k belongs to owners[k].
TRmg ownedBy(int players, std::initializer_list<int32_t> owners) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = players - 2;
    for (int32_t o : owners) {
        ZoneRecord z = makeDefaultZone();
        z.owner = o;
        t.appendZone(z);
    }
    return t;
}

// The list positions of the rows of players 1..8, each a digit of `digits`.
std::array<int, kPlayerSlots> targetsOf(std::string_view digits) {
    std::array<int, kPlayerSlots> targets{};
    for (size_t k = 0; k < targets.size(); ++k)
        targets[k] = digits.at(k) - '0';
    return targets;
}

TEST(DuplicateForm, OpensWithTheSelectionsPlayersToTheNextFreeOnes) {
    DuplicateForm lastChoice;
    lastChoice.targets[0] = 3; // player 1 to player 4, rotated by 90°
    lastChoice.transform = 2;
    const struct {
        const char* what;
        TRmg t;
        std::vector<int32_t> selection;
        bool afterLastChoice;
        const char* targets;
        int transform;
    } cases[] = {
        {"player 1 alone", ownedBy(8, {1, 0, 1}), {0, 1}, false, "11234567", 0},
        {"players 1 and 2, 4 taken", ownedBy(8, {1, 2, 4, 0}), {1, 0, 3}, false, "24234567", 0},
        {"neutral zones only", ownedBy(8, {1, 0}), {1}, false, "01234567", 0},
        {"nobody free", ownedBy(8, {1, 2, 3, 4, 5, 6, 7, 8}), {0}, false, "01234567", 0},
        {"the last choice still free", ownedBy(8, {1, 2}), {0}, true, "31234567", 2},
        {"the last choice taken since", ownedBy(8, {1, 2, 4}), {0}, true, "21234567", 2},
        // Only players of the template are proposed.
        {"every player of six owns zones",
         ownedBy(6, {1, 2, 3, 4, 5, 6}),
         {0},
         false,
         "01234567",
         0},
        {"player 3 of three free", ownedBy(3, {1, 2}), {0, 1}, false, "21234567", 0},
        {"the last choice beyond the players", ownedBy(3, {1}), {0}, true, "11234567", 2},
        {"a damaged player count", ownedBy(40, {1}), {0}, false, "11234567", 0},
    };
    for (const auto& c : cases) {
        const DuplicateForm f = suggestedDuplicate(
            c.t, c.selection, c.afterLastChoice ? std::optional(lastChoice) : std::nullopt);
        EXPECT_EQ(f.targets, targetsOf(c.targets)) << c.what;
        EXPECT_EQ(f.transform, c.transform) << c.what;
        EXPECT_EQ(f.problem(), std::nullopt) << c.what;
    }
}

TEST(DuplicateForm, RefusesACopyForAPlayerTheTemplateLacks) {
    // Player 1's zones of a six-player template; players 7 and 8 own nothing.
    DuplicateForm f = suggestedDuplicate(ownedBy(6, {1, 7}), std::vector<int32_t>{0}, {});
    EXPECT_EQ(f.players, 6);
    f.targets[0] = 5; // player 6
    EXPECT_EQ(f.problem(), std::nullopt);
    f.targets[0] = 6; // player 7
    EXPECT_EQ(f.problem(), "Игрока 7 в шаблоне нет: копии локаций игрока 1 могут принадлежать "
                           "только игрокам от 1 до 6.");
    // The rows of players with no selected zone do not matter.
    f.targets[0] = 1;
    f.targets[6] = 7;
    EXPECT_EQ(f.problem(), std::nullopt);
}

} // namespace
} // namespace zw
