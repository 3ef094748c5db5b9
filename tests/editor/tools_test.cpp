// The mouse editing tools, driven through the editor with pointer events at the
// pixel positions of grid nodes, dialogs and message boxes answered by scripts.
#include "support/document_edits.h"
#include "support/group_samples.h"
#include "support/mouse_harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zw {
namespace {

const std::string kNodeTaken =
    "Здесь уже есть локация. Во избежание пересечения и совпадания локаций, размещение их в "
    "одной, а также соседних узлах запрещено.";
const std::string kNoZone =
    "Нет локации. Чтобы создать переход, щелкните на локацию, затем не отпуская кнопку "
    "перетащите на другую локацию, затем отпустите.";
const std::string kTooMany = "Слишком много переходов между этими локациями";
const std::string kExists = "Этот переход уже существует";
const std::string kAskZone =
    "Вы действительно хотите удалить локацию и все соединенные с ней переходы?";
const std::string kAskConnection = "Вы действительно хотите удалить переход?";

using Pairs = std::vector<std::pair<int, int>>;

Pairs pairsOf(const TRmg& t) {
    Pairs p;
    for (const auto& c : t.connections)
        p.emplace_back(c.zoneA, c.zoneB);
    return p;
}

void expectInformation(const ScriptedServices& s, const std::string& text) {
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].text, text);
    EXPECT_EQ(s.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(s.messages[0].buttons, MessageButtons::Ok);
}

// ---- Create zone ----

TEST(CreateZoneTool, AppendsTheConfirmedZoneAtTheNodeUnderThePress) {
    MouseHarness h;
    h.selectTool(kCreateZoneTool);
    h.dialogs.zoneAnswers.push_back([](const ZoneRecord& from) {
        ZoneRecord z = from;
        z.owner = 2;
        z.gridX = 99; // whatever the dialog hands back, the node decides
        return std::optional<ZoneRecord>(z);
    });
    // Any pixel of the node's cell counts, not only its centre.
    const PixelPoint p = h.node(3, 4);
    h.clickLeft(PixelPoint{p.x + 25, p.y - 29});

    ASSERT_EQ(h.dialogs.zoneCalls.size(), 1u);
    EXPECT_EQ(h.dialogs.zoneCalls[0], makeDefaultZone());
    ASSERT_EQ(h.editor.document().rmg().zones.size(), 1u);
    const ZoneRecord& z = h.editor.document().rmg().zones[0];
    EXPECT_EQ(z.owner, 2);
    EXPECT_EQ(z.gridX, 3);
    EXPECT_EQ(z.gridY, 4);
    EXPECT_EQ(h.editor.document().history().position(), 1);
    EXPECT_TRUE(h.editor.document().canStepBack());
    // The scroll bars were recomputed for the new zone.
    EXPECT_EQ(h.editor.viewController().hBar().max, 3);
    EXPECT_EQ(h.editor.viewController().vBar().max, 4);
    EXPECT_TRUE(h.services.messages.empty());
}

TEST(CreateZoneTool, RefusesTheNodesOfAndAroundAZone) {
    MouseHarness h;
    h.placeZones({{4, 4}});
    for (const GridPoint n : {GridPoint{4, 4}, GridPoint{3, 3}, GridPoint{5, 4}, GridPoint{5, 5}}) {
        h.services.messages.clear();
        h.selectTool(kCreateZoneTool);
        h.clickLeft(h.node(n.x, n.y));
        expectInformation(h.services, kNodeTaken);
    }
    EXPECT_TRUE(h.dialogs.zoneCalls.empty());
    EXPECT_EQ(h.editor.document().rmg().zones.size(), 1u);
    EXPECT_EQ(h.editor.document().history().position(), 0);

    // Two nodes away is free.
    h.drawZone(6, 4);
    EXPECT_EQ(h.editor.document().rmg().zones.size(), 2u);
}

TEST(CreateZoneTool, CancelledDialogChangesNothing) {
    MouseHarness h;
    h.selectTool(kCreateZoneTool);
    h.clickLeft(h.node(2, 2)); // no answer queued: the dialog is cancelled
    EXPECT_EQ(h.dialogs.zoneCalls.size(), 1u);
    EXPECT_TRUE(h.editor.document().rmg().zones.empty());
    EXPECT_EQ(h.editor.document().history().position(), 0);
    EXPECT_FALSE(h.editor.document().canStepBack());
}

TEST(Tools, LeftPressWithoutToolDoesNothing) {
    MouseHarness h;
    h.placeZones({{1, 1}, {5, 1}});
    h.join(0, 1);
    const TRmg before = h.editor.document().rmg();
    for (const PixelPoint p : {h.zone(0), h.onConnection(0), h.node(3, 5)}) {
        h.drag(p, h.zone(1));
        EXPECT_EQ(h.editor.dragSource(), 0);
    }
    EXPECT_EQ(h.editor.document().rmg(), before);
    EXPECT_TRUE(h.services.messages.empty());
    EXPECT_TRUE(h.dialogs.zoneCalls.empty());
    EXPECT_TRUE(h.dialogs.connectionCalls.empty());
}

// ---- Create connection ----

TEST(CreateConnectionTool, NewConnectionRunsFromTheDragStart) {
    MouseHarness h;
    h.placeZones({{1, 1}, {5, 1}, {1, 5}, {5, 5}, {9, 3}});
    h.selectTool(kCreateConnectionTool);
    h.pressLeft(h.zone(2));
    EXPECT_EQ(h.editor.dragSource(), zoneRef(2));
    h.dialogs.connectionAnswers.push_back([](const ConnectionRecord& from, bool) {
        ConnectionRecord c = from;
        c.passages[0].guard = 12500;
        c.zoneA = 7; // the release decides the pair
        c.zoneB = 7;
        return std::optional<ConnectionRecord>(c);
    });
    h.releaseLeft(h.zone(4));

    ASSERT_EQ(h.dialogs.connectionCalls.size(), 1u);
    EXPECT_EQ(h.dialogs.connectionCalls[0].first, makeDefaultConnection());
    EXPECT_FALSE(h.dialogs.connectionCalls[0].second);
    ASSERT_EQ(h.editor.document().rmg().connections.size(), 1u);
    const ConnectionRecord& c = h.editor.document().rmg().connections[0];
    EXPECT_EQ(c.zoneA, 2);
    EXPECT_EQ(c.zoneB, 4);
    EXPECT_EQ(c.passages[0].guard, 12500);
    EXPECT_EQ(h.editor.document().history().position(), 1);
    EXPECT_EQ(h.editor.dragSource(), 0);
}

TEST(CreateConnectionTool, ReverseDragAddsAPassageAndKeepsTheOrientation) {
    MouseHarness h;
    h.placeZones({{1, 1}, {5, 1}, {1, 5}, {5, 5}, {9, 3}});
    h.drawConnection(2, 4);
    h.drawConnection(4, 2);

    ASSERT_EQ(h.editor.document().rmg().connections.size(), 1u);
    const ConnectionRecord& c = h.editor.document().rmg().connections[0];
    EXPECT_EQ(c.zoneA, 2);
    EXPECT_EQ(c.zoneB, 4);
    EXPECT_EQ(c.passageCount, 2);
    ASSERT_EQ(h.dialogs.connectionCalls.size(), 2u);
    EXPECT_TRUE(h.dialogs.connectionCalls[1].second);
    EXPECT_EQ(h.dialogs.connectionCalls[1].first.passageCount, 1);
    EXPECT_EQ(h.editor.document().history().position(), 2);
}

TEST(CreateConnectionTool, FurtherPassageKeepsTheConnectionsOwnPairWhateverTheDialogSays) {
    MouseHarness h;
    h.placeZones({{1, 1}, {5, 1}});
    h.join(1, 0);
    h.selectTool(kCreateConnectionTool);
    h.dialogs.connectionAnswers.push_back([](const ConnectionRecord& from, bool) {
        ConnectionRecord c = from;
        c.passageCount = 2;
        c.zoneA = 0;
        c.zoneB = 1;
        return std::optional<ConnectionRecord>(c);
    });
    h.drag(h.zone(0), h.zone(1));
    ASSERT_EQ(h.editor.document().rmg().connections.size(), 1u);
    EXPECT_EQ(h.editor.document().rmg().connections[0].zoneA, 1);
    EXPECT_EQ(h.editor.document().rmg().connections[0].zoneB, 0);
    EXPECT_EQ(h.editor.document().rmg().connections[0].passageCount, 2);
}

TEST(CreateConnectionTool, NinthPassageIsRefusedWithoutTheDialog) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}});
    for (int i = 0; i < 8; ++i)
        h.drawConnection(i % 2, 1 - i % 2);
    ASSERT_EQ(h.editor.document().rmg().connections.size(), 1u);
    EXPECT_EQ(h.editor.document().rmg().connections[0].passageCount, 8);
    EXPECT_EQ(h.editor.document().history().position(), 8);
    const size_t dialogsShown = h.dialogs.connectionCalls.size();

    h.selectTool(kCreateConnectionTool);
    h.drag(h.zone(1), h.zone(0));
    expectInformation(h.services, kTooMany);
    EXPECT_EQ(h.dialogs.connectionCalls.size(), dialogsShown);
    EXPECT_EQ(h.editor.document().rmg().connections[0].passageCount, 8);
    EXPECT_EQ(h.editor.document().history().position(), 8);
    EXPECT_EQ(h.editor.dragSource(), 0);
}

TEST(CreateConnectionTool, CountBeyondTheSlotsFromAFileCountsAsFull) {
    // A count read from a file may exceed the eight slots; raising it again
    // would put the dialog's new passage outside the record.
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}});
    h.join(0, 1, 12);
    h.selectTool(kCreateConnectionTool);
    h.drag(h.zone(0), h.zone(1));
    expectInformation(h.services, kTooMany);
    EXPECT_TRUE(h.dialogs.connectionCalls.empty());
}

TEST(CreateConnectionTool, DragsThatDoNotJoinTwoZones) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}});
    h.selectTool(kCreateConnectionTool);

    // Empty canvas to a zone, and a zone to empty canvas: the message.
    h.drag(h.node(3, 5), h.zone(1));
    expectInformation(h.services, kNoZone);
    EXPECT_EQ(h.editor.dragSource(), 0);
    h.services.messages.clear();
    h.drag(h.zone(0), h.node(3, 5));
    expectInformation(h.services, kNoZone);
    h.services.messages.clear();

    // Empty to empty, and a zone onto itself: silent.
    h.drag(h.node(3, 5), h.node(9, 6));
    h.drag(h.zone(0), h.zone(0));
    EXPECT_TRUE(h.services.messages.empty());

    // A connection is no zone: starting on one counts as starting off any zone.
    h.join(0, 1);
    h.drag(h.onConnection(0), h.zone(1));
    expectInformation(h.services, kNoZone);

    EXPECT_TRUE(h.dialogs.connectionCalls.empty());
    EXPECT_EQ(h.editor.document().rmg().connections.size(), 1u);
    EXPECT_EQ(h.editor.document().history().position(), 0);
    EXPECT_EQ(h.editor.dragSource(), 0);
}

TEST(CreateConnectionTool, CancelledDialogsChangeNothing) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}, {1, 6}});
    h.join(0, 1);
    const TRmg before = h.editor.document().rmg();
    h.selectTool(kCreateConnectionTool);
    h.drag(h.zone(0), h.zone(2)); // new connection, cancelled
    h.drag(h.zone(1), h.zone(0)); // further passage, cancelled
    EXPECT_EQ(h.dialogs.connectionCalls.size(), 2u);
    EXPECT_EQ(h.editor.document().rmg(), before);
    EXPECT_EQ(h.editor.document().history().position(), 0);
    EXPECT_FALSE(h.editor.document().canStepBack());
    EXPECT_EQ(h.editor.dragSource(), 0);
}

// ---- Delete ----

TEST(DeleteTool, DeletingAZoneDropsItsConnectionsAndRenumbers) {
    MouseHarness h;
    // Zone 2 lies far right, so that the scroll range shows whether it was recomputed.
    h.placeZones({{1, 1}, {10, 1}, {1, 5}, {5, 3}, {5, 7}});
    h.join(0, 1);
    h.join(0, 2);
    h.join(3, 4);
    h.selectTool(kDeleteTool);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    h.clickLeft(h.zone(1));

    ASSERT_EQ(h.services.messages.size(), 1u);
    EXPECT_EQ(h.services.messages[0].text, kAskZone);
    EXPECT_EQ(h.services.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(h.services.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(h.editor.document().rmg().zones.size(), 4u);
    EXPECT_EQ(h.editor.document().rmg().zones[1].gridY, 5);
    EXPECT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{0, 1}, {2, 3}}));
    EXPECT_EQ(h.editor.document().history().position(), 1);
    // Deleting leaves the scroll ranges alone.
    EXPECT_EQ(h.editor.viewController().hBar().max, 10);
}

TEST(DeleteTool, DeletingAConnectionKeepsTheOthersInOrder) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}, {1, 6}});
    h.join(0, 1);
    h.join(0, 2);
    h.join(1, 2);
    h.selectTool(kDeleteTool);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    h.clickLeft(h.onConnection(1));
    ASSERT_EQ(h.services.messages.size(), 1u);
    EXPECT_EQ(h.services.messages[0].text, kAskConnection);
    EXPECT_EQ(h.services.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(h.services.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{0, 1}, {1, 2}}));
    EXPECT_EQ(h.editor.document().rmg().zones.size(), 3u);
    EXPECT_EQ(h.editor.document().history().position(), 1);
}

TEST(DeleteTool, AnsweringNoOrClickingEmptyCanvasChangesNothing) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}});
    h.join(0, 1);
    const TRmg before = h.editor.document().rmg();
    h.selectTool(kDeleteTool);
    h.clickLeft(h.zone(0));         // answered No
    h.clickLeft(h.onConnection(0)); // answered No
    EXPECT_EQ(h.services.messages.size(), 2u);
    h.clickLeft(h.node(3, 6)); // nothing there: no question
    EXPECT_EQ(h.services.messages.size(), 2u);
    EXPECT_EQ(h.editor.document().rmg(), before);
    EXPECT_EQ(h.editor.document().history().position(), 0);
}

TEST(DeleteTool, SecondPressWithoutMovingDoesNotReachTheItemThatMovedUp) {
    // After a deletion the later items move up one place, and the one that takes
    // the deleted index lies elsewhere: a second press on the now empty spot,
    // without any pointer movement in between, must not offer it for deletion.
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}, {1, 6}});
    h.join(1, 2);
    h.join(0, 1);
    h.selectTool(kDeleteTool);
    const PixelPoint spot = h.onConnection(0);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    h.clickLeft(spot);
    ASSERT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{0, 1}}));
    h.editor.leftPress(spot.x, spot.y);
    EXPECT_EQ(h.services.messages.size(), 1u);

    const PixelPoint first = h.zone(0);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    h.clickLeft(first);
    ASSERT_EQ(h.editor.document().rmg().zones.size(), 2u);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    h.editor.leftPress(first.x, first.y);
    EXPECT_EQ(h.services.messages.size(), 2u);
    EXPECT_EQ(h.editor.document().rmg().zones.size(), 2u);
    EXPECT_EQ(h.editor.document().history().position(), 2);
}

// ---- Move and copy zones ----

TEST(MoveZone, OneNodeAsideIsAllowedAndRecomputesTheScrollBars) {
    MouseHarness h;
    h.placeZones({{2, 2}, {8, 2}});
    h.selectTool(kMoveTool);
    h.pressLeft(h.zone(0));
    EXPECT_EQ(h.editor.dragSource(), zoneRef(0));
    h.releaseLeft(h.node(3, 3));
    EXPECT_EQ(h.editor.document().rmg().zones[0].gridX, 3);
    EXPECT_EQ(h.editor.document().rmg().zones[0].gridY, 3);
    EXPECT_EQ(h.editor.dragSource(), 0);
    EXPECT_EQ(h.editor.document().history().position(), 1);
    EXPECT_TRUE(h.services.messages.empty());
    EXPECT_EQ(h.editor.viewController().vBar().max, 3);

    // Onto its own node: nothing moves, and the step is still recorded.
    const TRmg before = h.editor.document().rmg();
    h.drag(h.zone(0), h.zone(0));
    EXPECT_EQ(h.editor.document().rmg(), before);
    EXPECT_EQ(h.editor.document().history().position(), 2);
}

TEST(MoveZone, NextToAnotherZoneIsRefused) {
    MouseHarness h;
    h.placeZones({{2, 2}, {8, 2}});
    const TRmg before = h.editor.document().rmg();
    h.selectTool(kMoveTool);
    h.drag(h.zone(0), h.node(7, 3));
    expectInformation(h.services, kNodeTaken);
    EXPECT_EQ(h.editor.document().rmg(), before);
    EXPECT_EQ(h.editor.document().history().position(), 0);
    EXPECT_EQ(h.editor.dragSource(), 0);
}

TEST(MoveZone, ReleaseOutsideTheCanvasUsesTheTruncatingNodeRule) {
    MouseHarness h;
    h.placeZones({{4, 1}});
    h.selectTool(kMoveTool);
    const int32_t half = h.editor.viewController().halfCell();
    // One half cell left of the canvas still falls into column 0.
    h.drag(h.zone(0), PixelPoint{-half, h.node(0, 1).y});
    EXPECT_EQ(h.editor.document().rmg().zones[0].gridX, 0);
    // Three half cells left falls into column -1, which widens the scroll range.
    h.drag(h.zone(0), PixelPoint{-3 * half, h.node(0, 1).y});
    EXPECT_EQ(h.editor.document().rmg().zones[0].gridX, -1);
    EXPECT_EQ(h.editor.viewController().hBar().min, -1);
    // Far beyond the right and bottom edges.
    // The zone now shows only its right edge; press there.
    h.drag(PixelPoint{h.zone(0).x + 33, h.zone(0).y},
           PixelPoint{h.editor.viewController().canvasWidth() + 300, 2000});
    EXPECT_EQ(h.editor.document().rmg().zones[0].gridX,
              (h.editor.viewController().canvasWidth() + 300) / (2 * half));
    EXPECT_EQ(h.editor.document().rmg().zones[0].gridY, 2000 / (2 * half));
    EXPECT_EQ(h.editor.document().history().position(), 3);
}

// Beyond the nodes the canvas shows and scrolls to, the tools put no zone.
TEST(MoveCopy, NodesBeyondTheReachAreRefused) {
    constexpr int32_t edge = static_cast<int32_t>(kGridReach);
    const std::string beyond(kOutOfReachMessage);
    struct Case {
        const char* what;
        ToolbarId tool;
        GridPoint to;
    } cases[] = {
        {"create right of the edge", kCreateZoneTool, {edge + 2, 2}},
        {"create below the edge", kCreateZoneTool, {edge - 4, edge + 1}},
        {"move", kMoveTool, {edge + 3, 1}},
        {"copy", kCopyTool, {edge + 1, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MouseHarness h;
        test::install(h.editor, test::templateOf({test::zoneAt(edge - 2, 1)}));
        if (c.to.y > edge)
            test::install(h.editor, test::templateOf({test::zoneAt(edge - 2, edge - 2)}));
        h.editor.viewController().setOrigin(edge - 6, std::min(c.to.y, edge - 2) - 3);
        const TRmg before = h.editor.document().rmg();
        h.selectTool(c.tool);
        if (c.tool == kCreateZoneTool)
            h.clickLeft(h.node(c.to.x, c.to.y));
        else
            h.drag(h.zone(0), h.node(c.to.x, c.to.y));
        expectInformation(h.services, beyond);
        EXPECT_TRUE(h.dialogs.zoneCalls.empty());
        EXPECT_EQ(h.editor.document().rmg(), before);
        EXPECT_EQ(h.editor.document().history().position(), 0);
    }
    // On the edge itself is within reach.
    MouseHarness h;
    h.editor.viewController().setOrigin(edge - 6, -3);
    h.drawZone(edge, 0);
    EXPECT_EQ(h.editor.document().rmg().zones.size(), 1u);
}

TEST(CopyZone, AppendsACopyWithoutConnections) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}});
    test::change(h.editor, [](TRmg& t) {
        t.zones[0].owner = 3;
        t.zones[0].mineGold = 2;
    });
    h.join(0, 1);
    h.selectTool(kCopyTool);
    h.drag(h.zone(0), h.node(1, 5));
    ASSERT_EQ(h.editor.document().rmg().zones.size(), 3u);
    ZoneRecord expected = h.editor.document().rmg().zones[0];
    expected.gridX = 1;
    expected.gridY = 5;
    EXPECT_EQ(h.editor.document().rmg().zones[2], expected);
    EXPECT_EQ(h.editor.document().rmg().zones[0].gridY, 1);
    EXPECT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{0, 1}}));
    EXPECT_EQ(h.editor.document().history().position(), 1);
    EXPECT_EQ(h.editor.viewController().vBar().max, 5);
}

TEST(CopyZone, NextToOrOntoItsSourceIsRefused) {
    MouseHarness h;
    h.placeZones({{3, 3}});
    h.selectTool(kCopyTool);
    h.drag(h.zone(0), h.node(4, 3));
    expectInformation(h.services, kNodeTaken);
    h.services.messages.clear();
    h.drag(h.zone(0), h.zone(0));
    expectInformation(h.services, kNodeTaken);
    EXPECT_EQ(h.editor.document().rmg().zones.size(), 1u);
    EXPECT_EQ(h.editor.document().history().position(), 0);
    // The move tool skips the zone itself and may go one node.
    h.selectTool(kMoveTool);
    h.drag(h.zone(0), h.node(4, 3));
    EXPECT_EQ(h.editor.document().rmg().zones[0].gridX, 4);
}

TEST(MoveCopy, DragFromEmptyCanvasDoesNothing) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}});
    const TRmg before = h.editor.document().rmg();
    for (const ToolId t : {kMoveTool, kCopyTool}) {
        h.selectTool(t);
        h.drag(h.node(3, 6), h.node(9, 6));
        h.drag(h.node(3, 6), h.zone(1));
    }
    EXPECT_EQ(h.editor.document().rmg(), before);
    EXPECT_TRUE(h.services.messages.empty());
    EXPECT_EQ(h.editor.document().history().position(), 0);
}

TEST(MoveCopy, DraggedItemIsDrawnNormallyAgainAfterTheRelease) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}, {1, 6}});
    h.join(0, 1);
    h.selectTool(kMoveTool);

    h.pressLeft(h.onConnection(0, 0.3));
    EXPECT_EQ(h.editor.dragSource(), connectionRef(0));
    const int redrawsBefore = h.view.redraws;
    h.releaseLeft(h.node(9, 6)); // off any zone: silent refusal
    EXPECT_EQ(h.editor.dragSource(), 0);
    EXPECT_GT(h.view.redraws, redrawsBefore);

    h.selectTool(kCopyTool);
    h.pressLeft(h.zone(2));
    EXPECT_EQ(h.editor.dragSource(), zoneRef(2));
    h.releaseLeft(h.node(1, 7)); // refused with a message
    EXPECT_EQ(h.editor.dragSource(), 0);
}

// ---- Move and copy connection ends ----

// Zones 0 (1,1), 1 (7,1), 2 (4,5), 3 (9,6); connection 0 joins 0 and 1.
void endsLayout(MouseHarness& h) {
    h.placeZones({{1, 1}, {7, 1}, {4, 5}, {9, 6}});
    h.join(0, 1);
}

TEST(MoveConnectionEnd, TheEndNearerThePressFollowsTheRelease) {
    MouseHarness h;
    endsLayout(h);
    h.selectTool(kMoveTool);
    h.drag(h.onConnection(0, 0.25), h.zone(2));
    EXPECT_TRUE(h.editor.nearEndA());
    EXPECT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{2, 1}}));
    h.drag(h.onConnection(0, 0.75), h.zone(3));
    EXPECT_FALSE(h.editor.nearEndA());
    EXPECT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{2, 3}}));
    // Half way between the ends counts as nearer to zoneB.
    h.drag(h.onConnection(0, 0.5), h.zone(0));
    EXPECT_FALSE(h.editor.nearEndA());
    EXPECT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{2, 0}}));
    EXPECT_EQ(h.editor.document().history().position(), 3);
    EXPECT_TRUE(h.services.messages.empty());
}

TEST(MoveConnectionEnd, ReleaseOnItsOwnZonesOrOffAnyZoneIsSilent) {
    MouseHarness h;
    endsLayout(h);
    const TRmg before = h.editor.document().rmg();
    for (const ToolId t : {kMoveTool, kCopyTool}) {
        h.selectTool(t);
        h.drag(h.onConnection(0, 0.25), h.zone(1));
        h.drag(h.onConnection(0, 0.25), h.zone(0));
        h.drag(h.onConnection(0, 0.25), h.node(3, 7));
    }
    EXPECT_EQ(h.editor.document().rmg(), before);
    EXPECT_TRUE(h.services.messages.empty());
    EXPECT_EQ(h.editor.document().history().position(), 0);
}

TEST(MoveConnectionEnd, MayMakeASecondRecordForTheSamePair) {
    MouseHarness h;
    endsLayout(h);
    h.join(0, 2);
    h.selectTool(kMoveTool);
    h.drag(h.onConnection(0, 0.75), h.zone(2));
    EXPECT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{0, 2}, {0, 2}}));
    EXPECT_TRUE(h.services.messages.empty());
}

TEST(CopyConnectionEnd, AppendsTheWholeRecordWithTheNewPair) {
    MouseHarness h;
    endsLayout(h);
    TRmg t = h.editor.document().rmg();
    ConnectionRecord& c = t.connections[0];
    c.passageCount = 3;
    c.passages[2].guard = 777;
    c.passages[5].kind = 2; // unused slots travel with the record
    test::install(h.editor, t);
    h.selectTool(kCopyTool);
    h.drag(h.onConnection(0, 0.2), h.zone(3));
    ASSERT_EQ(h.editor.document().rmg().connections.size(), 2u);
    ConnectionRecord expected = h.editor.document().rmg().connections[0];
    expected.zoneA = 3;
    EXPECT_EQ(h.editor.document().rmg().connections[1], expected);
    EXPECT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{0, 1}, {3, 1}}));
    EXPECT_EQ(h.editor.document().history().position(), 1);
}

TEST(CopyConnectionEnd, OntoAnExistingPairIsRefusedWithoutAStep) {
    MouseHarness h;
    endsLayout(h);
    h.join(2, 1); // kept end 1 already joins zone 2, the other way round
    const TRmg before = h.editor.document().rmg();
    h.selectTool(kCopyTool);
    h.drag(h.onConnection(0, 0.25), h.zone(2));
    expectInformation(h.services, kExists);
    EXPECT_EQ(h.editor.document().rmg(), before);
    EXPECT_EQ(h.editor.document().history().position(), 0);
    EXPECT_EQ(h.editor.dragSource(), 0);
}

// ---- Right press ----

TEST(RightPress, EditsTheZoneUnderThePointerWithAnyTool) {
    for (const ToolId t :
         {kNoTool, kCreateZoneTool, kCreateConnectionTool, kDeleteTool, kMoveTool, kCopyTool}) {
        MouseHarness h;
        h.placeZones({{1, 1}, {6, 2}});
        h.selectTool(t);
        h.dialogs.zoneAnswers.push_back([](const ZoneRecord& from) {
            ZoneRecord z = from;
            z.size = 40;
            z.gridX = -7; // the zone keeps its own node
            return std::optional<ZoneRecord>(z);
        });
        h.clickRight(h.zone(1));
        ASSERT_EQ(h.dialogs.zoneCalls.size(), 1u);
        EXPECT_EQ(h.dialogs.zoneCalls[0], h.editor.document().history().snapshots()[0].zones[1]);
        ASSERT_EQ(h.editor.document().rmg().zones.size(), 2u);
        EXPECT_EQ(h.editor.document().rmg().zones[1].size, 40);
        EXPECT_EQ(h.editor.document().rmg().zones[1].gridX, 6);
        EXPECT_EQ(h.editor.document().rmg().zones[1].gridY, 2);
        EXPECT_EQ(h.editor.document().history().position(), 1);
        EXPECT_TRUE(h.services.messages.empty());
    }
}

TEST(RightPress, EditsTheConnectionInPlace) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}, {1, 6}});
    h.join(0, 2);
    h.join(1, 0);
    h.dialogs.connectionAnswers.push_back([](const ConnectionRecord& from, bool) {
        ConnectionRecord c = from;
        c.passageCount = 4;
        c.zoneA = c.zoneB = 2;
        return std::optional<ConnectionRecord>(c);
    });
    h.clickRight(h.onConnection(1));
    ASSERT_EQ(h.dialogs.connectionCalls.size(), 1u);
    EXPECT_FALSE(h.dialogs.connectionCalls[0].second);
    EXPECT_EQ(pairsOf(h.editor.document().rmg()), (Pairs{{0, 2}, {1, 0}}));
    EXPECT_EQ(h.editor.document().rmg().connections[1].passageCount, 4);
    EXPECT_EQ(h.editor.document().history().position(), 1);
}

TEST(RightPress, CancelOrEmptyCanvasChangesNothing) {
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}});
    h.join(0, 1);
    const TRmg before = h.editor.document().rmg();
    h.clickRight(h.zone(0));
    h.clickRight(h.onConnection(0));
    EXPECT_EQ(h.dialogs.zoneCalls.size(), 1u);
    EXPECT_EQ(h.dialogs.connectionCalls.size(), 1u);
    h.clickRight(h.node(4, 5));
    EXPECT_EQ(h.dialogs.zoneCalls.size(), 1u);
    EXPECT_EQ(h.dialogs.connectionCalls.size(), 1u);
    EXPECT_EQ(h.editor.document().rmg(), before);
    EXPECT_EQ(h.editor.document().history().position(), 0);
    EXPECT_FALSE(h.editor.document().canStepBack());
}

// ---- Damaged input ----

TEST(Tools, ConnectionsNamingMissingZonesAreNeverFollowed) {
    // A file may hold connections whose zone indices name no zone. They cannot
    // be hovered, and no tool may follow their indices.
    MouseHarness h;
    h.placeZones({{1, 1}, {6, 1}});
    h.join(0, 7);
    h.join(-3, 1);
    h.join(0, 1);
    for (const ToolId t : {kCreateConnectionTool, kMoveTool, kCopyTool}) {
        h.selectTool(t);
        h.drag(h.zone(0), h.zone(1));
        h.drag(h.onConnection(2, 0.3), h.node(3, 6));
    }
    h.clickRight(h.onConnection(2));
    h.selectTool(kDeleteTool);
    h.clickLeft(h.node(3, 6));
    EXPECT_EQ(h.editor.document().rmg().connections.size(), 3u);
}

TEST(Tools, StaleItemReferencesCountAsNoItem) {
    // The template can be replaced without a pointer movement (a project opened
    // from the keyboard, a step back): hoveredItem and dragSource may then name
    // items beyond the lists.
    for (const ToolId t : {kCreateConnectionTool, kDeleteTool, kMoveTool, kCopyTool}) {
        MouseHarness h;
        h.placeZones({{1, 1}, {6, 1}, {1, 6}});
        h.join(1, 2);
        h.selectTool(t);
        const PixelPoint onZone = h.zone(2);
        const PixelPoint onConn = h.onConnection(0);

        h.pressLeft(onZone);
        test::change(h.editor, [](TRmg& t) {
            t.zones.resize(1);
            t.connections.clear();
        });
        h.editor.leftRelease(onZone.x, onZone.y);
        h.services.messageAnswers.push_back(MessageResult::Yes);
        h.editor.leftPress(onZone.x, onZone.y);
        EXPECT_EQ(h.editor.dragSource(), 0);
        h.editor.leftRelease(onConn.x, onConn.y);
        h.editor.rightPress(onZone.x, onZone.y);
        EXPECT_EQ(h.editor.document().rmg().zones.size(), 1u);
        EXPECT_TRUE(h.dialogs.zoneCalls.empty());
        EXPECT_TRUE(h.dialogs.connectionCalls.empty());
    }
}

} // namespace
} // namespace zw
