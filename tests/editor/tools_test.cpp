// The mouse editing tools, driven through the editor with pointer events at the
// pixel positions of grid nodes, dialogs and message boxes answered by scripts.
#include "support/document_edits.h"
#include "support/editor_fixtures.h"
#include "support/group_samples.h"

#include <algorithm>

namespace zw {
namespace {

using test::expectOneMessage;
using test::pairsOf;
using test::ZonePairs;

// One fixture, one suite name per tool.
using CreateZoneTool = test::HarnessTest;
using CreateConnectionTool = test::HarnessTest;
using DeleteTool = test::HarnessTest;
using MoveZone = test::HarnessTest;
using CopyZone = test::HarnessTest;
using MoveCopy = test::HarnessTest;
using MoveConnectionEnd = test::HarnessTest;
using CopyConnectionEnd = test::HarnessTest;
using RightPress = test::HarnessTest;
using Tools = test::HarnessTest;

// ---- Create zone ----

TEST_F(CreateZoneTool, AppendsTheConfirmedZoneAtTheNodeUnderThePress) {
    h.selectTool(kCreateZoneTool);
    h.dialogs.zoneAnswers.push_back(test::confirmedWith([](ZoneRecord& z) {
        z.owner = 2;
        z.gridX = 99; // whatever the dialog hands back, the node decides
    }));
    // Any pixel of the node's cell counts, not only its centre.
    const PixelPoint p = h.node(3, 4);
    h.clickLeft(PixelPoint{p.x + 25, p.y - 29});
    EXPECT_EQ(h.dialogs.zoneCalls, std::vector<ZoneRecord>{makeDefaultZone()});
    ASSERT_EQ(rmg().zones.size(), 1u);
    EXPECT_EQ(rmg().zones[0].owner, 2);
    EXPECT_EQ((GridPoint{rmg().zones[0].gridX, rmg().zones[0].gridY}), (GridPoint{3, 4}));
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(h.editor.document().canStepBack());
    // The scroll bars were recomputed for the new zone.
    EXPECT_EQ(h.editor.viewController().hBar().max, 3);
    EXPECT_EQ(h.editor.viewController().vBar().max, 4);
    EXPECT_TRUE(h.services.messages.empty());
}

// A zone may not go onto or beside another: created, moved or copied there.
TEST_F(Tools, NodesOfAndAroundAZoneAreRefused) {
    h.placeZones({{4, 4}, {10, 4}});
    const TRmg before = rmg();
    const struct {
        ToolId tool;
        PixelPoint from, to; // a press and release at the same node is a click
    } refused[] = {
        {kCreateZoneTool, h.node(5, 5), h.node(5, 5)},
        {kMoveTool, h.zone(1), h.node(5, 5)},
        {kCopyTool, h.zone(0), h.node(5, 4)},
        {kCopyTool, h.zone(0), h.zone(0)},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(testing::Message() << r.tool << " to " << r.to.x << "," << r.to.y);
        h.services.messages.clear();
        h.selectTool(r.tool);
        h.drag(r.from, r.to);
        expectOneMessage(h.services, kNodeTaken);
        EXPECT_EQ(h.editor.dragSource(), 0);
    }
    EXPECT_TRUE(h.dialogs.zoneCalls.empty());
    expectUntouched(before);
    // The move tool skips the zone itself and may go one node; two nodes away is free.
    h.selectTool(kMoveTool);
    h.drag(h.zone(0), h.node(5, 4));
    EXPECT_EQ(rmg().zones[0].gridX, 5);
    h.drawZone(7, 4);
    EXPECT_EQ(rmg().zones.size(), 3u);
}

// ---- Create connection ----

TEST_F(CreateConnectionTool, NewConnectionRunsFromTheDragStart) {
    h.placeZones({{1, 1}, {5, 1}, {1, 5}, {5, 5}, {9, 3}});
    h.selectTool(kCreateConnectionTool);
    h.pressLeft(h.zone(2));
    EXPECT_EQ(h.editor.dragSource(), zoneRef(2));
    h.dialogs.connectionAnswers.push_back(test::confirmedWith([](ConnectionRecord& c) {
        c.passages[0].guard = 12500;
        c.zoneA = c.zoneB = 7; // the release decides the pair
    }));
    h.releaseLeft(h.zone(4));
    ASSERT_EQ(h.dialogs.connectionCalls.size(), 1u);
    EXPECT_EQ(h.dialogs.connectionCalls[0].first, makeDefaultConnection());
    EXPECT_FALSE(h.dialogs.connectionCalls[0].second);
    ASSERT_EQ(pairsOf(rmg()), (ZonePairs{{2, 4}}));
    EXPECT_EQ(rmg().connections[0].passages[0].guard, 12500);
    EXPECT_EQ(steps(), 1);
    EXPECT_EQ(h.editor.dragSource(), 0);
}

TEST_F(CreateConnectionTool, ReverseDragAddsAPassageAndKeepsTheOrientation) {
    h.placeZones({{1, 1}, {5, 1}, {1, 5}, {5, 5}, {9, 3}});
    h.drawConnection(2, 4);
    h.drawConnection(4, 2);
    ASSERT_EQ(pairsOf(rmg()), (ZonePairs{{2, 4}}));
    EXPECT_EQ(rmg().connections[0].passageCount, 2);
    ASSERT_EQ(h.dialogs.connectionCalls.size(), 2u);
    EXPECT_TRUE(h.dialogs.connectionCalls[1].second);
    EXPECT_EQ(h.dialogs.connectionCalls[1].first.passageCount, 1);
    EXPECT_EQ(steps(), 2);
}

TEST_F(CreateConnectionTool, FurtherPassageKeepsTheConnectionsOwnPairWhateverTheDialogSays) {
    h.placeZones({{1, 1}, {5, 1}});
    h.join(1, 0);
    h.selectTool(kCreateConnectionTool);
    h.dialogs.connectionAnswers.push_back(test::confirmedWith([](ConnectionRecord& c) {
        c.passageCount = 2;
        c.zoneA = 0;
        c.zoneB = 1;
    }));
    h.drag(h.zone(0), h.zone(1));
    ASSERT_EQ(pairsOf(rmg()), (ZonePairs{{1, 0}}));
    EXPECT_EQ(rmg().connections[0].passageCount, 2);
}

TEST_F(CreateConnectionTool, NinthPassageIsRefusedWithoutTheDialog) {
    h.placeZones({{1, 1}, {6, 1}});
    for (int i = 0; i < 8; ++i)
        h.drawConnection(i % 2, 1 - i % 2);
    ASSERT_EQ(rmg().connections.size(), 1u);
    EXPECT_EQ(rmg().connections[0].passageCount, 8);
    EXPECT_EQ(steps(), 8);
    const TRmg before = rmg();
    const size_t dialogsShown = h.dialogs.connectionCalls.size();
    h.selectTool(kCreateConnectionTool);
    h.drag(h.zone(1), h.zone(0));
    expectOneMessage(h.services, test::kTooManyPassagesText);
    EXPECT_EQ(h.dialogs.connectionCalls.size(), dialogsShown);
    EXPECT_EQ(rmg(), before);
    EXPECT_EQ(steps(), 8);
    EXPECT_EQ(h.editor.dragSource(), 0);
}

TEST_F(CreateConnectionTool, CountBeyondTheSlotsFromAFileCountsAsFull) {
    // A count read from a file may exceed the eight slots; raising it again
    // would put the dialog's new passage outside the record.
    h.placeZones({{1, 1}, {6, 1}});
    h.join(0, 1, 12);
    h.selectTool(kCreateConnectionTool);
    h.drag(h.zone(0), h.zone(1));
    expectOneMessage(h.services, test::kTooManyPassagesText);
    EXPECT_TRUE(h.dialogs.connectionCalls.empty());
}

TEST_F(CreateConnectionTool, DragsThatDoNotJoinTwoZones) {
    h.placeZones({{1, 1}, {6, 1}});
    h.selectTool(kCreateConnectionTool);
    // Empty canvas to a zone, and a zone to empty canvas: the message.
    using Drag = std::pair<PixelPoint, PixelPoint>;
    for (const auto& [from, to] : {Drag{h.node(3, 5), h.zone(1)}, Drag{h.zone(0), h.node(3, 5)}}) {
        h.services.messages.clear();
        h.drag(from, to);
        expectOneMessage(h.services, test::kNoZoneText);
        EXPECT_EQ(h.editor.dragSource(), 0);
    }
    h.services.messages.clear();
    // Empty to empty, and a zone onto itself: silent.
    h.drag(h.node(3, 5), h.node(9, 6));
    h.drag(h.zone(0), h.zone(0));
    EXPECT_TRUE(h.services.messages.empty());
    // A connection is no zone: starting on one counts as starting off any zone.
    h.join(0, 1);
    const TRmg joined = rmg();
    h.drag(h.onConnection(0), h.zone(1));
    expectOneMessage(h.services, test::kNoZoneText);
    EXPECT_TRUE(h.dialogs.connectionCalls.empty());
    expectUntouched(joined);
    EXPECT_EQ(h.editor.dragSource(), 0);
}

// ---- Delete ----

TEST_F(DeleteTool, DeletingAnItemAsksAndDropsItWithWhatHangsOnIt) {
    struct Case {
        const char* what;
        bool zone;
        const std::string& question;
        ZonePairs left;
        size_t zonesLeft;
    } cases[] = {
        // Zone 1 with connection 0-1; the later zones move up one place.
        {"zone", true, test::kAskDeleteZoneText, {{0, 1}, {2, 3}}, 4},
        {"connection", false, test::kAskDeleteConnectionText, {{0, 1}, {3, 4}}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MouseHarness m;
        // Zone 1 lies far right, so that the scroll range shows whether it was recomputed.
        m.placeZones({{1, 1}, {10, 1}, {1, 5}, {5, 3}, {5, 7}});
        m.join(0, 1);
        m.join(0, 2);
        m.join(3, 4);
        m.selectTool(kDeleteTool);
        m.services.messageAnswers.push_back(MessageResult::Yes);
        m.clickLeft(c.zone ? m.zone(1) : m.onConnection(1));
        expectOneMessage(m.services, c.question, MessageKind::Confirmation, MessageButtons::YesNo);
        const TRmg& t = m.editor.document().rmg();
        EXPECT_EQ(pairsOf(t), c.left);
        EXPECT_EQ(t.zones.size(), c.zonesLeft);
        EXPECT_EQ(t.zones[1].gridY, c.zone ? 5 : 1);
        EXPECT_EQ(m.editor.document().history().position(), 1);
        // Deleting leaves the scroll ranges alone.
        EXPECT_EQ(m.editor.viewController().hBar().max, 10);
    }
}

TEST_F(DeleteTool, SecondPressWithoutMovingDoesNotReachTheItemThatMovedUp) {
    // After a deletion the later items move up one place, and the one that takes
    // the deleted index lies elsewhere: a second press on the now empty spot,
    // without any pointer movement in between, must not offer it for deletion.
    h.placeZones({{1, 1}, {6, 1}, {1, 6}});
    h.join(1, 2);
    h.join(0, 1);
    h.selectTool(kDeleteTool);
    const PixelPoint spot = h.onConnection(0);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    h.clickLeft(spot);
    ASSERT_EQ(pairsOf(rmg()), (ZonePairs{{0, 1}}));
    h.editor.leftPress(spot.x, spot.y);
    EXPECT_EQ(h.services.messages.size(), 1u);

    const PixelPoint first = h.zone(0);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    h.clickLeft(first);
    ASSERT_EQ(rmg().zones.size(), 2u);
    h.services.messageAnswers.push_back(MessageResult::Yes);
    h.editor.leftPress(first.x, first.y);
    EXPECT_EQ(h.services.messages.size(), 2u);
    EXPECT_EQ(rmg().zones.size(), 2u);
    EXPECT_EQ(steps(), 2);
}

// ---- Move and copy zones ----

TEST_F(MoveZone, OneNodeAsideIsAllowedAndRecomputesTheScrollBars) {
    h.placeZones({{2, 2}, {8, 2}});
    h.selectTool(kMoveTool);
    h.pressLeft(h.zone(0));
    EXPECT_EQ(h.editor.dragSource(), zoneRef(0));
    h.releaseLeft(h.node(3, 3));
    EXPECT_EQ((GridPoint{rmg().zones[0].gridX, rmg().zones[0].gridY}), (GridPoint{3, 3}));
    EXPECT_EQ(h.editor.dragSource(), 0);
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(h.services.messages.empty());
    EXPECT_EQ(h.editor.viewController().vBar().max, 3);
    // Onto its own node: nothing moves, and the step is still recorded.
    const TRmg before = rmg();
    h.drag(h.zone(0), h.zone(0));
    EXPECT_EQ(rmg(), before);
    EXPECT_EQ(steps(), 2);
}

TEST_F(MoveZone, ReleaseOutsideTheCanvasUsesTheTruncatingNodeRule) {
    h.placeZones({{4, 1}});
    h.selectTool(kMoveTool);
    const int32_t half = h.editor.viewController().halfCell();
    // One half cell left of the canvas still falls into column 0.
    h.drag(h.zone(0), PixelPoint{-half, h.node(0, 1).y});
    EXPECT_EQ(rmg().zones[0].gridX, 0);
    // Three half cells left falls into column -1, which widens the scroll range.
    h.drag(h.zone(0), PixelPoint{-3 * half, h.node(0, 1).y});
    EXPECT_EQ(rmg().zones[0].gridX, -1);
    EXPECT_EQ(h.editor.viewController().hBar().min, -1);
    // Far beyond the right and bottom edges; the zone now shows only its right edge: press there.
    const int32_t right = h.editor.viewController().canvasWidth() + 300;
    h.drag(PixelPoint{h.zone(0).x + 33, h.zone(0).y}, PixelPoint{right, 2000});
    EXPECT_EQ(rmg().zones[0].gridX, right / (2 * half));
    EXPECT_EQ(rmg().zones[0].gridY, 2000 / (2 * half));
    EXPECT_EQ(steps(), 3);
}

// Beyond the nodes the canvas shows and scrolls to, the tools put no zone.
TEST(MoveCopyReach, NodesBeyondTheReachAreRefused) {
    constexpr int32_t edge = static_cast<int32_t>(kGridReach);
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
        const int32_t y = c.to.y > edge ? edge - 2 : 1;
        test::install(h.editor, test::templateOf({test::zoneAt(edge - 2, y)}));
        h.editor.viewController().setOrigin(edge - 6, std::min(c.to.y, edge - 2) - 3);
        const TRmg before = h.editor.document().rmg();
        h.selectTool(c.tool);
        if (c.tool == kCreateZoneTool)
            h.clickLeft(h.node(c.to.x, c.to.y));
        else
            h.drag(h.zone(0), h.node(c.to.x, c.to.y));
        expectOneMessage(h.services, kOutOfReachMessage);
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

TEST_F(CopyZone, AppendsACopyWithoutConnections) {
    h.placeZones({{1, 1}, {6, 1}});
    test::change(h.editor, [](TRmg& t) {
        t.zones[0].owner = 3;
        t.zones[0].mineGold = 2;
    });
    h.join(0, 1);
    h.selectTool(kCopyTool);
    h.drag(h.zone(0), h.node(1, 5));
    ASSERT_EQ(rmg().zones.size(), 3u);
    ZoneRecord expected = rmg().zones[0];
    expected.gridX = 1;
    expected.gridY = 5;
    EXPECT_EQ(rmg().zones[2], expected);
    EXPECT_EQ(rmg().zones[0].gridY, 1);
    EXPECT_EQ(pairsOf(rmg()), (ZonePairs{{0, 1}}));
    EXPECT_EQ(steps(), 1);
    EXPECT_EQ(h.editor.viewController().vBar().max, 5);
}

TEST_F(MoveCopy, DraggedItemIsDrawnNormallyAgainAfterTheRelease) {
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

TEST_F(MoveConnectionEnd, TheEndNearerThePressFollowsTheRelease) {
    endsLayout(h);
    h.selectTool(kMoveTool);
    // Half way between the ends counts as nearer to zoneB.
    const struct {
        double at;
        int to;
        bool nearA;
        ZonePairs after;
    } moves[] = {{0.25, 2, true, {{2, 1}}}, {0.75, 3, false, {{2, 3}}}, {0.5, 0, false, {{2, 0}}}};
    for (const auto& m : moves) {
        h.drag(h.onConnection(0, m.at), h.zone(m.to));
        EXPECT_EQ(h.editor.nearEndA(), m.nearA) << m.at;
        EXPECT_EQ(pairsOf(rmg()), m.after) << m.at;
    }
    EXPECT_EQ(steps(), 3);
    EXPECT_TRUE(h.services.messages.empty());
}

// Drags without a tool, from empty canvas, or of a connection end onto its own
// zones or off any zone: silent, and nothing changes.
TEST_F(Tools, IdleDragsAreSilentAndChangeNothing) {
    endsLayout(h);
    const TRmg before = rmg();
    for (const PixelPoint from : {h.zone(0), h.onConnection(0), h.node(3, 7)}) {
        h.drag(from, h.zone(1)); // no tool
        EXPECT_EQ(h.editor.dragSource(), 0);
    }
    for (const ToolId t : {kMoveTool, kCopyTool}) {
        h.selectTool(t);
        h.drag(h.node(3, 7), h.node(9, 3));
        h.drag(h.node(3, 7), h.zone(1));
        for (const PixelPoint to : {h.zone(1), h.zone(0), h.node(3, 7)})
            h.drag(h.onConnection(0, 0.25), to);
    }
    expectUntouched(before);
    EXPECT_TRUE(h.services.messages.empty());
    EXPECT_TRUE(h.dialogs.zoneCalls.empty());
    EXPECT_TRUE(h.dialogs.connectionCalls.empty());
}

// Every dialog cancelled, every question answered No, and presses on empty
// canvas: nothing changes and no step is recorded.
TEST_F(Tools, CancelledDialogsAndQuestionsChangeNothing) {
    h.placeZones({{1, 1}, {6, 1}, {1, 6}});
    h.join(0, 1);
    const TRmg before = rmg();
    h.selectTool(kCreateZoneTool);
    h.clickLeft(h.node(3, 4)); // no answer queued: the dialog is cancelled
    EXPECT_EQ(h.dialogs.zoneCalls.size(), 1u);
    h.selectTool(kCreateConnectionTool);
    h.drag(h.zone(0), h.zone(2)); // new connection, cancelled
    h.drag(h.zone(1), h.zone(0)); // further passage, cancelled
    EXPECT_EQ(h.dialogs.connectionCalls.size(), 2u);
    EXPECT_EQ(h.editor.dragSource(), 0);
    h.selectTool(kDeleteTool);
    h.clickLeft(h.zone(0));         // answered No
    h.clickLeft(h.onConnection(0)); // answered No
    h.clickLeft(h.node(3, 6));      // nothing there: no question
    EXPECT_EQ(h.services.messages.size(), 2u);
    for (const PixelPoint p : {h.zone(0), h.onConnection(0), h.node(4, 5)})
        h.clickRight(p); // cancelled, cancelled, nothing there: no dialog
    EXPECT_EQ(h.dialogs.zoneCalls.size(), 2u);
    EXPECT_EQ(h.dialogs.connectionCalls.size(), 3u);
    expectUntouched(before);
    EXPECT_FALSE(h.editor.document().canStepBack());
}

TEST_F(MoveConnectionEnd, MayMakeASecondRecordForTheSamePair) {
    endsLayout(h);
    h.join(0, 2);
    h.selectTool(kMoveTool);
    h.drag(h.onConnection(0, 0.75), h.zone(2));
    EXPECT_EQ(pairsOf(rmg()), (ZonePairs{{0, 2}, {0, 2}}));
    EXPECT_TRUE(h.services.messages.empty());
}

TEST_F(CopyConnectionEnd, AppendsTheWholeRecordWithTheNewPair) {
    endsLayout(h);
    TRmg t = rmg();
    t.connections[0].passageCount = 3;
    t.connections[0].passages[2].guard = 777;
    t.connections[0].passages[5].kind = 2; // unused slots travel with the record
    test::install(h.editor, t);
    h.selectTool(kCopyTool);
    h.drag(h.onConnection(0, 0.2), h.zone(3));
    ASSERT_EQ(rmg().connections.size(), 2u);
    ConnectionRecord expected = rmg().connections[0];
    expected.zoneA = 3;
    EXPECT_EQ(rmg().connections[1], expected);
    EXPECT_EQ(pairsOf(rmg()), (ZonePairs{{0, 1}, {3, 1}}));
    EXPECT_EQ(steps(), 1);
}

TEST_F(CopyConnectionEnd, OntoAnExistingPairIsRefusedWithoutAStep) {
    endsLayout(h);
    h.join(2, 1); // kept end 1 already joins zone 2, the other way round
    const TRmg before = rmg();
    h.selectTool(kCopyTool);
    h.drag(h.onConnection(0, 0.25), h.zone(2));
    expectOneMessage(h.services, test::kPassageExistsText);
    expectUntouched(before);
    EXPECT_EQ(h.editor.dragSource(), 0);
}

// ---- Right press ----

TEST(RightPressAnyTool, EditsTheZoneUnderThePointerWithAnyTool) {
    for (const ToolId t :
         {kNoTool, kCreateZoneTool, kCreateConnectionTool, kDeleteTool, kMoveTool, kCopyTool}) {
        SCOPED_TRACE(t);
        MouseHarness h;
        h.placeZones({{1, 1}, {6, 2}});
        h.selectTool(t);
        h.dialogs.zoneAnswers.push_back(test::confirmedWith([](ZoneRecord& z) {
            z.size = 40;
            z.gridX = -7; // the zone keeps its own node
        }));
        const TRmg before = h.editor.document().rmg();
        h.clickRight(h.zone(1));
        EXPECT_EQ(h.dialogs.zoneCalls, std::vector<ZoneRecord>{before.zones[1]});
        TRmg expected = before;
        expected.zones[1].size = 40;
        EXPECT_EQ(h.editor.document().rmg(), expected);
        EXPECT_EQ(h.editor.document().history().position(), 1);
        EXPECT_TRUE(h.services.messages.empty());
    }
}

TEST_F(RightPress, EditsTheConnectionInPlace) {
    h.placeZones({{1, 1}, {6, 1}, {1, 6}});
    h.join(0, 2);
    h.join(1, 0);
    h.dialogs.connectionAnswers.push_back(test::confirmedWith([](ConnectionRecord& c) {
        c.passageCount = 4;
        c.zoneA = c.zoneB = 2;
    }));
    h.clickRight(h.onConnection(1));
    ASSERT_EQ(h.dialogs.connectionCalls.size(), 1u);
    EXPECT_FALSE(h.dialogs.connectionCalls[0].second);
    ASSERT_EQ(pairsOf(rmg()), (ZonePairs{{0, 2}, {1, 0}}));
    EXPECT_EQ(rmg().connections[1].passageCount, 4);
    EXPECT_EQ(steps(), 1);
}

// ---- Damaged input ----

TEST_F(Tools, ConnectionsNamingMissingZonesAreNeverFollowed) {
    // A file may hold connections whose zone indices name no zone. They cannot
    // be hovered, and no tool may follow their indices.
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
    EXPECT_EQ(rmg().connections.size(), 3u);
}

TEST(ToolsStale, StaleItemReferencesCountAsNoItem) {
    // The template can be replaced without a pointer movement (a project opened
    // from the keyboard, a step back): hoveredItem and dragSource may then name
    // items beyond the lists.
    for (const ToolId t : {kCreateConnectionTool, kDeleteTool, kMoveTool, kCopyTool}) {
        SCOPED_TRACE(t);
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
