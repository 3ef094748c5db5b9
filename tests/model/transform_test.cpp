// Group operations on a selection: the placement rule, move, delete, the five
// symmetries in place, duplicate for players, and the command-line lists.
#include "model/project_file.h"
#include "model/transform.h"
#include "support/group_samples.h"
#include "support/kept_samples.h"

#include <climits>
#include <gtest/gtest.h>

namespace zw {
namespace {

using test::joining;
using test::templateOf;
using test::zoneAt;

struct Node {
    int32_t x, y;
    bool operator==(const Node&) const = default;
};

std::vector<Node> nodesOf(const TRmg& t) {
    std::vector<Node> out;
    for (const ZoneRecord& z : t.zones)
        out.push_back({z.gridX, z.gridY});
    return out;
}

TRmg changed(const EditResult& r) {
    if (const auto* refusal = std::get_if<EditRefusal>(&r)) {
        ADD_FAILURE() << "refused: " << refusal->message;
        return TRmg{};
    }
    return std::get<TRmg>(r);
}

std::string refusalOf(const EditResult& r) {
    const auto* refusal = std::get_if<EditRefusal>(&r);
    return refusal ? refusal->message : "(not refused)";
}

TEST(PlacementRule, OnOrNextToIsChebyshevDistanceOne) {
    const TRmg t = templateOf({zoneAt(0, 0), zoneAt(INT32_MAX, INT32_MIN)});
    const NodeIndex index(t);
    // clang-format off
    const std::tuple<int64_t, int64_t, bool> cases[] = {{0, 0, true}, {1, 1, true}, {-1, 1, true},
        {2, 0, false}, {2, 2, false}, {INT32_MAX - 1, int64_t{INT32_MIN} + 1, true},
        {int64_t{INT32_MAX} + 1, INT32_MIN, true}, {INT32_MAX - 2, INT32_MIN, false}};
    // clang-format on
    for (const auto& [x, y, taken] : cases) {
        EXPECT_EQ(nodeTaken(t, x, y), taken) << x << "," << y;
        EXPECT_EQ(index.touches(x, y), taken) << x << "," << y;
    }
    EXPECT_FALSE(nodeTaken(t, 1, 1, 0)); // the moved zone itself is left out
}

// Three zones over the extent x -3..0 (even width, negative: the centre is
// floor(-1.5) = -2) and y -2..2 (odd height, centre 0), and one unselected
// zone far away.
TRmg symmetrySample() {
    return templateOf({zoneAt(-3, -1), zoneAt(0, 2), zoneAt(-1, -2), zoneAt(20, 20)},
                      {{0, 1}, {1, 3}});
}

TEST(Symmetry, ExtentCentreRoundsDownForNegativeCoordinates) {
    const TRmg t = symmetrySample();
    const std::vector<int32_t> sel = {0, 1, 2};
    const GridExtent e = *extentOf(t, sel);
    EXPECT_EQ(e, (GridExtent{-3, 0, -2, 2}));
    EXPECT_EQ(e.centreX(), -2);
    EXPECT_EQ(e.centreY(), 0);
    EXPECT_EQ((GridExtent{-5, -2, 1, 4}).centreX(), -4);
    EXPECT_EQ((GridExtent{1, 4, -7, -7}).centreX(), 2);
}

TEST(Symmetry, EachTransformInPlace) {
    // Zones 1..3 land here; zone 4 stays at (20, 20).
    const std::pair<Symmetry, std::vector<Node>> cases[] = {
        {Symmetry::MirrorLeftRight, {{0, -1}, {-3, 2}, {-2, -2}, {20, 20}}},
        {Symmetry::MirrorTopBottom, {{-3, 1}, {0, -2}, {-1, 2}, {20, 20}}},
        {Symmetry::Rotate180, {{0, 1}, {-3, -2}, {-2, 2}, {20, 20}}},
        {Symmetry::Rotate90, {{-1, -1}, {-4, 2}, {0, 1}, {20, 20}}},
        {Symmetry::Rotate270, {{-3, 1}, {0, -2}, {-4, -1}, {20, 20}}}};
    const TRmg t = symmetrySample();
    const std::vector<int32_t> sel = {2, 0, 1, 0}; // any order, repeats count once
    for (const auto& [symmetry, expected] : cases) {
        const TRmg out = changed(transformZones(t, sel, symmetry));
        EXPECT_EQ(nodesOf(out), expected) << static_cast<int>(symmetry);
        // Only the positions change: numbers, records and connections stay.
        TRmg back = out;
        for (size_t k = 0; k < t.zones.size(); ++k) {
            back.zones[k].gridX = t.zones[k].gridX;
            back.zones[k].gridY = t.zones[k].gridY;
        }
        EXPECT_EQ(back, t);
    }
}

TEST(Symmetry, RefusedWhenAZoneWouldLandNextToAnUnselectedOne) {
    TRmg t = symmetrySample();
    t.appendZone(zoneAt(1, -1)); // zone 1 mirrored left-right lands on (0, -1)
    const std::vector<int32_t> sel = {0, 1, 2};
    EXPECT_EQ(refusalOf(transformZones(t, sel, Symmetry::MirrorLeftRight)), kNodeTakenMessage);
    EXPECT_EQ(refusalOf(transformZones(t, {}, Symmetry::Rotate90)), kEmptySelectionMessage);
    EXPECT_EQ(refusalOf(transformZones(t, std::vector<int32_t>{0, 5}, Symmetry::Rotate90)),
              "Нет локации с номером 6.");
}

TEST(GroupMove, MovesTogetherOrNotAtAll) {
    // Zones 1 and 2 selected; zone 3 stands two columns right of zone 2.
    const TRmg t = templateOf({zoneAt(0, 0), zoneAt(2, 0), zoneAt(4, 0)});
    const std::vector<int32_t> sel = {0, 1};
    // Over its own old nodes; zone 2 next to zone 3, and diagonally next to it.
    const std::tuple<int32_t, int32_t, bool> cases[] = {
        {-1, 0, false}, {0, 2, false}, {1, 0, true}, {0, 1, false}, {1, 1, true}, {0, 0, false}};
    for (const auto& [dx, dy, refused] : cases) {
        const EditResult r = moveZones(t, sel, dx, dy);
        if (refused)
            EXPECT_EQ(refusalOf(r), kNodeTakenMessage) << dx << "," << dy;
        else
            EXPECT_EQ(nodesOf(changed(r)), (std::vector<Node>{{dx, dy}, {2 + dx, dy}, {4, 0}}))
                << dx << "," << dy;
    }
}

TEST(GroupMove, RefusedOffTheGrid) {
    const TRmg t = templateOf({zoneAt(INT32_MAX, 0), zoneAt(INT32_MIN, 0)});
    for (const auto& [zone, dx] : {std::pair{0, int64_t{1}}, std::pair{1, int64_t{-1}},
                                   std::pair{0, INT64_MIN}, std::pair{1, INT64_MAX}}) {
        const std::vector<int32_t> sel = {zone};
        EXPECT_EQ(refusalOf(moveZones(t, sel, dx, 0)), kOffGridMessage) << zone << " " << dx;
    }
}

TEST(GroupDelete, RemovesZonesWithTheirConnectionsAndRenumbers) {
    // Five zones; connections 1-2, 1-3, 3-5, 4-5, 5-1 (numbers). Deleting 2 and 4.
    const TRmg t =
        templateOf({zoneAt(0, 0), zoneAt(2, 0), zoneAt(4, 0), zoneAt(6, 0), zoneAt(8, 0)},
                   {{0, 1}, {0, 2}, {2, 4}, {3, 4}, {4, 0}});
    const std::vector<int32_t> sel = {3, 1};
    EXPECT_EQ(deletionCounts(t, sel), (DeletionCounts{2, 2}));
    EXPECT_EQ(deleteQuestion(deletionCounts(t, sel)),
              "Вы действительно хотите удалить выбранные локации (2) и все соединенные с ними "
              "переходы (2)?");
    const TRmg out = changed(deleteZones(t, sel));
    EXPECT_EQ(nodesOf(out), (std::vector<Node>{{0, 0}, {4, 0}, {8, 0}}));
    EXPECT_EQ(out.connections,
              (std::vector<ConnectionRecord>{joining(0, 1), joining(1, 2), joining(2, 0)}));
    // The same as removing the zones one by one from the highest, also for a
    // connection that points past the zones.
    TRmg damaged = t;
    damaged.appendConnection(joining(0, 7));
    TRmg oneByOne = damaged;
    oneByOne.removeZone(3);
    oneByOne.removeZone(1);
    EXPECT_EQ(changed(deleteZones(damaged, sel)), oneByOne);
    EXPECT_EQ(oneByOne.connections.back(), joining(0, 5));
}

// Player 1's start zone, a treasure zone of player 1 and a neutral junction,
// selected; player 3's start zone and player 2's zone are not.
TRmg duplicateSample() {
    return templateOf({zoneAt(0, 0, 1, 0), zoneAt(2, 4, 1, 1), zoneAt(0, 8, 0, 2),
                       zoneAt(10, 10, 3, 0), zoneAt(20, 0, 2, 1)},
                      {{0, 1}, {1, 3}, {2, 1}, {3, 4}});
}

TEST(Duplicate, CopiesAppendedWithOwnersMappedAndConnectionsRepointed) {
    const TRmg t = duplicateSample();
    OwnerMap owners = identityOwnerMap();
    owners[1] = 2;
    owners[2] = 1;
    const std::vector<int32_t> sel = {2, 0, 1};
    // Zones 1..3 copied to these nodes with these owners; the copy of 3-2 keeps its orientation.
    TRmg expected = t;
    const std::tuple<int32_t, int32_t, int32_t> copies[] = {{6, 0, 2}, {4, 4, 2}, {6, 8, 0}};
    for (size_t i = 0; i < 3; ++i) {
        expected.appendZone(t.zones[i]);
        std::tie(expected.zones.back().gridX, expected.zones.back().gridY,
                 expected.zones.back().owner) = copies[i];
    }
    expected.appendConnection(joining(5, 6));
    expected.appendConnection(joining(7, 6));
    EXPECT_EQ(changed(duplicateZones(t, sel, Symmetry::MirrorLeftRight, owners)), expected);
}

TEST(Duplicate, EachTransformTurnsAboutTheNodeBeyondTheBottomRightCorner) {
    // The extent x -3..0, y -2..2 of symmetrySample() has its pivot at (1, 3):
    // every copy lies at least two columns right of it or two rows below it.
    // The copies of zones 1..3.
    const std::pair<Symmetry, std::vector<Node>> cases[] = {
        {Symmetry::MirrorLeftRight, {{5, -1}, {2, 2}, {3, -2}}},
        {Symmetry::MirrorTopBottom, {{-3, 7}, {0, 4}, {-1, 8}}},
        {Symmetry::Rotate180, {{5, 7}, {2, 4}, {3, 8}}},
        {Symmetry::Rotate90, {{5, -1}, {2, 2}, {6, 1}}},
        {Symmetry::Rotate270, {{-3, 7}, {0, 4}, {-4, 5}}}};
    const TRmg t = symmetrySample();
    const std::vector<int32_t> sel = {1, 2, 0};
    for (const auto& [symmetry, copies] : cases) {
        std::vector<Node> expected = nodesOf(t);
        expected.insert(expected.end(), copies.begin(), copies.end());
        EXPECT_EQ(nodesOf(changed(duplicateZones(t, sel, symmetry, identityOwnerMap()))), expected)
            << static_cast<int>(symmetry);
    }
}

TEST(Duplicate, RefusedWhenACopyWouldTouchAnyZoneOrLeaveTheGrid) {
    TRmg t = duplicateSample();
    const std::vector<int32_t> sel = {0, 1, 2};
    // The same duplicate twice: the second copies land on the first ones.
    const TRmg once = changed(duplicateZones(t, sel, Symmetry::Rotate90, identityOwnerMap()));
    EXPECT_EQ(refusalOf(duplicateZones(once, sel, Symmetry::Rotate90, identityOwnerMap())),
              kNodeTakenMessage);
    t.zones[4] = zoneAt(7, -1); // next to where zone 1's mirrored copy lands
    EXPECT_EQ(refusalOf(duplicateZones(t, sel, Symmetry::MirrorLeftRight, identityOwnerMap())),
              kNodeTakenMessage);
    // A lone zone's copy lands two columns right of it or two rows below:
    // beyond the grid's last column or row.
    const TRmg edge = templateOf({zoneAt(INT32_MAX - 1, 0), zoneAt(0, INT32_MAX)});
    for (const auto& [zone, s] :
         {std::pair{0, Symmetry::MirrorLeftRight}, std::pair{0, Symmetry::Rotate90},
          std::pair{1, Symmetry::MirrorTopBottom}, std::pair{1, Symmetry::Rotate270}}) {
        const std::vector<int32_t> one = {zone};
        EXPECT_EQ(refusalOf(duplicateZones(edge, one, s, identityOwnerMap())), kOffGridMessage)
            << zone << " " << static_cast<int>(s);
    }
}

TEST(Duplicate, ProjectCapacityIsTheLimit) {
    EXPECT_FALSE(checkProjectCapacity(kMaxProjectRecords, kMaxProjectRecords));
    EXPECT_TRUE(checkProjectCapacity(kMaxProjectRecords + 1, 0));
    EXPECT_TRUE(checkProjectCapacity(0, kMaxProjectRecords + 1));
    TRmg t = makeNewTemplate();
    t.zones.assign(kMaxProjectRecords, zoneAt(0, 0));
    const std::vector<int32_t> sel = {0};
    const std::string message =
        refusalOf(duplicateZones(t, sel, Symmetry::Rotate90, identityOwnerMap()));
    EXPECT_NE(message.find("65536"), std::string::npos) << message;
    // Copying zones 1-3 copies their two connections: exactly to the limit.
    TRmg full = duplicateSample();
    full.connections.resize(kMaxProjectRecords - 2, full.connections.back());
    EXPECT_EQ(refusalOf(duplicateZones(full, std::vector<int32_t>{0, 1, 2}, Symmetry::Rotate90,
                                       identityOwnerMap())),
              "(not refused)");
}

TEST(ArgumentLists, ZoneList) {
    struct Case {
        const char* text;
        std::vector<int32_t> indices; // empty: an error containing `error`
        const char* error;
    } cases[] = {
        {"1,3-5", {0, 2, 3, 4}, ""},
        {" 2 , 1 ", {0, 1}, ""},
        {"6-6,1-2,2", {0, 1, 5}, ""},
        {"", {}, "пуст"},
        {"0", {}, "нет локации 0"},
        {"7", {}, "нет локации 7 (локаций в шаблоне: 6)"},
        {"2-99999999999999999999999", {}, "нет локации 99999999999999999999999"},
        {"5-3", {}, "обратный диапазон '5-3'"},
        {"1,,2", {}, "неверный элемент списка локаций ''"},
        {"-1", {}, "неверный элемент списка локаций '-1'"},
        {"1-", {}, "неверный"},
        {"1-2-3", {}, "неверный"},
        {"x", {}, "неверный"},
    };
    for (const Case& c : cases) {
        const auto r = parseZoneList(c.text, 6);
        if (c.indices.empty()) {
            const auto* e = std::get_if<ArgumentError>(&r);
            ASSERT_TRUE(e) << c.text;
            EXPECT_NE(e->message.find(c.error), std::string::npos) << c.text << ": " << e->message;
        } else {
            ASSERT_TRUE(std::holds_alternative<std::vector<int32_t>>(r)) << c.text;
            EXPECT_EQ(std::get<std::vector<int32_t>>(r), c.indices) << c.text;
        }
    }
}

TEST(ArgumentLists, OwnerMap) {
    const auto swap = parseOwnerMap("1=2, 2=1,8=3");
    ASSERT_TRUE(std::holds_alternative<OwnerMap>(swap));
    EXPECT_EQ(std::get<OwnerMap>(swap), (OwnerMap{0, 2, 1, 3, 4, 5, 6, 7, 3}));
    const std::pair<const char*, const char*> cases[] = {{"", "пуст"},
                                                         {"1=9", "владелец 9 в '1=9' не от 1 до 8"},
                                                         {"0=1", "владелец 0 в '0=1' не от 1 до 8"},
                                                         {"1=2,1=3", "игрок 1 заменяется дважды"},
                                                         {"1-2", "неверная пара владельцев '1-2'"},
                                                         {"x=1", "неверная"},
                                                         {"1=", "неверная"},
                                                         {"1=2,", "неверная пара владельцев ''"}};
    for (const auto& [text, error] : cases) {
        const auto r = parseOwnerMap(text);
        const auto* e = std::get_if<ArgumentError>(&r);
        ASSERT_TRUE(e) << text;
        EXPECT_NE(e->message.find(error), std::string::npos) << text << ": " << e->message;
    }
}

// Kept cells belong to their records: whatever a group edit does to a zone or
// connection, the cells go where the record goes.
TEST(KeptCells, RideWithTheirRecordsThroughEveryGroupEdit) {
    const TRmg t = test::keptTemplate(); // connections 1-3 and 2-3
    const std::vector<int32_t> first = {0};
    const std::vector<int32_t> second = {1};
    const std::vector<int32_t> outer = {0, 2};
    struct Case {
        const char* edit;
        EditResult result;
        std::vector<size_t> zonesFrom;
        std::vector<size_t> connectionsFrom;
    } cases[] = {
        {"move", moveZones(t, first, 1, 0), {0, 1, 2}, {0, 1}},
        {"delete", deleteZones(t, second), {0, 2}, {0}},
        {"rotate", transformZones(t, outer, Symmetry::Rotate180), {0, 1, 2}, {0, 1}},
        {"duplicate",
         duplicateZones(t, outer, Symmetry::MirrorLeftRight, identityOwnerMap()),
         {0, 1, 2, 0, 2},
         {0, 1, 0}},
    };
    for (const Case& c : cases) {
        const TRmg out = changed(c.result);
        ASSERT_EQ(out.zones.size(), c.zonesFrom.size()) << c.edit;
        for (size_t k = 0; k < out.zones.size(); ++k)
            EXPECT_EQ(out.zones[k].kept, t.zones[c.zonesFrom[k]].kept) << c.edit << " " << k;
        ASSERT_EQ(out.connections.size(), c.connectionsFrom.size()) << c.edit;
        for (size_t j = 0; j < out.connections.size(); ++j)
            EXPECT_EQ(out.connections[j].passages, t.connections[c.connectionsFrom[j]].passages)
                << c.edit << " " << j;
        EXPECT_EQ(out.kept, t.kept) << c.edit;
    }
}

} // namespace
} // namespace zw
