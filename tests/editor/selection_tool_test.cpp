// The selection tool, the group move and delete, Esc during a drag, the drag
// feedback and the navigation commands, driven through the editor.
#include "canvas/fit.h"
#include "editor/commands/clipboard_commands.h"
#include "editor/commands/delete_selection.h"
#include "editor/commands/load_project.h"
#include "editor/commands/new_template.h"
#include "editor/commands/symmetry_commands.h"
#include "editor/commands/view_commands.h"
#include "model/project_file.h"
#include "platform/files.h"
#include "support/document_edits.h"
#include "support/editor_fixtures.h"
#include "support/scratch_dir.h"

#include <limits>
#include <tuple>

namespace zw {
namespace {

using Indices = std::vector<int32_t>;

// Zones at (1,1), (3,1), (6,1), (9,6); connections 1-2, 2-3, 3-4 (numbers).
struct SelectionTest : test::HarnessTest {
    void SetUp() override {
        h.placeZones({{1, 1}, {3, 1}, {6, 1}, {9, 6}});
        h.join(0, 1);
        h.join(1, 2);
        h.join(2, 3);
        h.selectTool(kSelectionTool);
    }
    const Selection& sel() const { return h.editor.selection(); }
    void expectUnchangedWithoutStep(const TRmg& before) {
        expectUntouched(before);
        EXPECT_FALSE(h.editor.document().modified());
    }
};

TEST_F(SelectionTest, ClickCtrlClickEmptyCanvasSelectAllAndEscape) {
    const TRmg before = rmg();
    h.clickLeft(h.zone(0));
    EXPECT_EQ(sel().zones(), Indices{0});
    h.ctrlClickLeft(h.zone(2));
    h.ctrlClickLeft(h.zone(3));
    h.ctrlClickLeft(h.zone(0)); // removes
    EXPECT_EQ(sel().zones(), (Indices{2, 3}));
    h.ctrlClickLeft(h.onConnection(0));
    EXPECT_EQ(sel().connections(), Indices{0});
    // A plain click replaces the selection; one on empty canvas clears it.
    h.clickLeft(h.onConnection(2));
    EXPECT_TRUE(sel().zones().empty());
    EXPECT_EQ(sel().connections(), Indices{2});
    h.clickLeft(h.node(5, 5));
    EXPECT_TRUE(sel().empty());
    // Select all, and Esc clears.
    h.editor.selectAll();
    EXPECT_EQ(sel().zones(), (Indices{0, 1, 2, 3}));
    EXPECT_EQ(sel().connections(), (Indices{0, 1, 2}));
    h.editor.escape();
    EXPECT_TRUE(sel().empty());
    expectUnchangedWithoutStep(before); // selecting is no edit
}

TEST_F(SelectionTest, BandSelectsZonesInsideAndConnectionsBetweenThem) {
    const PixelPoint from = h.node(0, 0);
    const PixelPoint to = h.node(4, 2);
    h.drag(from, to);
    EXPECT_EQ(sel().zones(), (Indices{0, 1}));
    EXPECT_EQ(sel().connections(), Indices{0}); // not 2-3: zone 3 is outside
    // Dragged the other way round, with Ctrl: adds zone 3 and the connection to it.
    h.move(h.node(7, 2));
    h.editor.leftPress(h.node(7, 2).x, h.node(7, 2).y, PressModifiers{.ctrl = true});
    h.releaseLeft(h.node(5, 0));
    EXPECT_EQ(sel().zones(), (Indices{0, 1, 2}));
    EXPECT_EQ(sel().connections(), (Indices{0, 1}));
    // A band without Ctrl starts afresh.
    h.drag(h.node(10, 7), h.node(8, 5));
    EXPECT_EQ(sel().zones(), Indices{3});
    EXPECT_TRUE(sel().connections().empty());
}

TEST_F(SelectionTest, DraggingASelectedZoneMovesTheGroupInOneStep) {
    const TRmg before = rmg();
    h.clickLeft(h.zone(0));
    h.ctrlClickLeft(h.zone(1));
    h.drag(h.zone(1), h.node(3, 4)); // by (0, 3)
    for (const auto& [k, y] : {std::pair{0, 4}, {1, 4}, {2, 1}})
        EXPECT_EQ(rmg().zones[k].gridY, y) << k;
    EXPECT_EQ(steps(), 1);
    EXPECT_EQ(sel().zones(), (Indices{0, 1}));
    h.editor.document().stepBack();
    EXPECT_EQ(rmg(), before);
}

TEST_F(SelectionTest, GroupMoveNextToAnUnselectedZoneIsRefusedWhole) {
    const TRmg before = rmg();
    h.clickLeft(h.zone(0));
    h.ctrlClickLeft(h.zone(1));
    h.drag(h.zone(0), h.node(6, 6)); // zone 2 to (8, 6), beside zone 4 at (9, 6)
    test::expectOneMessage(h.services, kNodeTaken);
    expectUnchangedWithoutStep(before);
}

TEST_F(SelectionTest, PressOnAnUnselectedZoneSelectsAndMovesItAlone) {
    h.editor.selectAll();
    h.ctrlClickLeft(h.zone(3)); // the group is zones 1 to 3
    h.drag(h.zone(3), h.node(9, 9));
    EXPECT_EQ(sel().zones(), Indices{3});
    EXPECT_EQ(rmg().zones[3].gridY, 9);
    EXPECT_EQ(rmg().zones[0].gridY, 1);
    // Releasing where it was pressed moves nothing and records nothing.
    h.drag(h.zone(3), h.zone(3));
    EXPECT_EQ(steps(), 1);
}

TEST_F(SelectionTest, CommandStatesFollowEveryChangeOfTheSelection) {
    const auto zonesCommands = [&] { return !h.editor.selection().zones().empty(); };
    // Each change of the selection tells the window to refresh its buttons.
    int buttons = h.view.buttons;
    const auto expectButtonsRefreshed = [&] {
        EXPECT_GT(h.view.buttons, buttons);
        buttons = h.view.buttons;
    };
    h.clickLeft(h.zone(0));
    EXPECT_TRUE(zonesCommands());
    expectButtonsRefreshed();
    h.clickLeft(h.node(5, 8)); // empty canvas: nothing selected
    EXPECT_TRUE(sel().empty());
    expectButtonsRefreshed();
    h.drag(h.node(0, 0), h.node(4, 2)); // a rubber band
    EXPECT_EQ(sel().zones(), (Indices{0, 1}));
    expectButtonsRefreshed();
    h.services.messageAnswers.push_back(MessageResult::Yes);
    deleteSelection(h.editor);
    EXPECT_TRUE(sel().empty());
    expectButtonsRefreshed();
    // With nothing selected the commands on the selection are silent.
    const size_t asked = h.services.messages.size();
    deleteSelection(h.editor);
    copySelection(h.editor);
    transformSelection(h.editor, Symmetry::Rotate90);
    EXPECT_EQ(h.services.messages.size(), asked);
    EXPECT_TRUE(h.services.clipboard.empty());
}

TEST_F(SelectionTest, AReplacedTemplateLeavesNothingSelected) {
    // Seven zones with 2 and 5 selected, then a three-zone template replaces them.
    test::ScratchDir dir;
    TRmg three = rmg();
    three.zones.resize(3);
    three.connections.clear();
    writeWholeFile(dir.file("three.tpz"), encodeProject(three));
    const std::function<void()> replacements[] = {
        [&] {
            h.services.openAnswers.push_back(dir.file("three.tpz"));
            loadProject(h.session);
        },
        [&] { newTemplate(h.session); },
        [&] {
            // Zone 5 of seven selected, then one step back to four zones.
            h.placeZones({{12, 1}, {15, 1}, {18, 1}});
            h.editor.setSelection(Selection{});
            h.clickLeft(h.zone(4));
            test::change(h.editor, [](TRmg& t) { t.zones.resize(4); });
        },
    };
    for (const auto& replace : replacements) {
        h.placeZones({{1, 1}, {3, 1}, {6, 1}, {9, 6}, {12, 1}, {15, 1}, {18, 1}});
        h.clickLeft(h.zone(1));
        h.ctrlClickLeft(h.zone(4));
        replace();
        for (const int32_t k : sel().zones())
            EXPECT_LT(static_cast<size_t>(k), rmg().zones.size());
        EXPECT_FALSE(!h.editor.selection().zones().empty());
        // A right click edits the one zone under the pointer, if any.
        h.dialogs.zonesCalls.clear();
        if (rmg().zones.size() > 1)
            h.clickRight(h.zone(1));
        EXPECT_TRUE(h.dialogs.zonesCalls.empty());
        copySelection(h.editor);
        EXPECT_TRUE(h.services.clipboard.empty());
    }
}

TEST_F(SelectionTest, DeleteAsksWithTheCountsAndRemovesInOneStep) {
    // Zone 2 with its two connections, and connection 3-4 selected on its own.
    h.clickLeft(h.zone(1));
    h.ctrlClickLeft(h.onConnection(2));
    const TRmg before = rmg();
    const std::string question = "Вы действительно хотите удалить выбранные локации (1) и все "
                                 "соединенные с ними переходы (2), а также другие выбранные "
                                 "переходы (1)?";
    deleteSelection(h.editor); // No: the scripted default
    test::expectOneMessage(h.services, question, MessageKind::Confirmation, MessageButtons::YesNo);
    expectUnchangedWithoutStep(before);

    h.services.messageAnswers.push_back(MessageResult::Yes);
    deleteSelection(h.editor);
    ASSERT_EQ(rmg().zones.size(), 3u);
    EXPECT_EQ(rmg().zones[1].gridX, 6);
    EXPECT_TRUE(rmg().connections.empty());
    EXPECT_TRUE(sel().empty());
    EXPECT_EQ(steps(), 1);
    h.editor.document().stepBack();
    EXPECT_EQ(rmg(), before);
}

TEST(SelectionDeleteQuestion, NamesTheConnectionsOfASelectionWithoutZones) {
    EXPECT_EQ(deleteSelectionQuestion(0, 0, 2),
              "Вы действительно хотите удалить выбранные переходы (2)?");
    EXPECT_EQ(deleteSelectionQuestion(2, 3, 0), deleteQuestion({2, 3}));
}

TEST_F(SelectionTest, EscapeEndsEveryDragWithoutAChange) {
    const TRmg before = rmg();
    struct Case {
        ToolId tool;
        PixelPoint from, to;
    };
    const std::vector<Case> cases = {
        {kCreateConnectionTool, h.zone(0), h.zone(2)},
        {kMoveTool, h.zone(3), h.node(9, 9)},
        {kCopyTool, h.zone(3), h.node(9, 9)},
        {kMoveTool, h.onConnection(2, 0.8), h.zone(0)},
        {kSelectionTool, h.zone(3), h.node(9, 9)},
        {kSelectionTool, h.node(0, 0), h.node(9, 9)},
    };
    for (const Case& c : cases) {
        h.selectTool(c.tool);
        h.editor.clearSelection();
        h.pressLeft(c.from);
        h.move(c.to);
        EXPECT_TRUE(h.editor.dragInProgress()) << c.tool;
        h.editor.escape();
        EXPECT_FALSE(h.editor.dragInProgress()) << c.tool;
        h.releaseLeft(c.to);
    }
    EXPECT_TRUE(sel().zones().empty()); // the cancelled band selected nothing
    EXPECT_TRUE(h.dialogs.connectionCalls.empty());
    EXPECT_TRUE(h.services.messages.empty());
    expectUnchangedWithoutStep(before);
}

TEST_F(SelectionTest, DragFeedbackFollowsThePointer) {
    h.selectTool(kCreateConnectionTool);
    h.pressLeft(h.zone(0));
    h.move(h.node(4, 4));
    CanvasOverlay o = h.editor.canvasOverlay();
    ASSERT_TRUE(o.pointerLine);
    EXPECT_EQ(o.pointerLine->first, h.zone(0));
    EXPECT_EQ(o.pointerLine->second, h.node(4, 4));
    h.editor.escape();

    // A moved zone's ghost at the node under the pointer, red beside another zone.
    h.selectTool(kMoveTool);
    h.pressLeft(h.zone(3));
    h.move(h.node(9, 3));
    o = h.editor.canvasOverlay();
    ASSERT_EQ(o.ghosts.size(), 1u);
    EXPECT_EQ(o.ghosts[0].index, 3);
    EXPECT_EQ(o.ghosts[0].node, (GridPoint{9, 3}));
    EXPECT_FALSE(o.ghostsRefused);
    h.move(h.node(7, 2));
    EXPECT_TRUE(h.editor.canvasOverlay().ghostsRefused);
    h.editor.escape();

    // The group's ghosts, red as a whole when one is refused.
    h.selectTool(kSelectionTool);
    h.editor.selectAll();
    h.ctrlClickLeft(h.zone(3));
    h.pressLeft(h.zone(0));
    h.move(h.node(1, 3));
    o = h.editor.canvasOverlay();
    ASSERT_EQ(o.ghosts.size(), 3u);
    EXPECT_EQ(o.ghosts[2].node, (GridPoint{6, 3}));
    EXPECT_FALSE(o.ghostsRefused);
    h.move(h.node(3, 6));
    EXPECT_TRUE(h.editor.canvasOverlay().ghostsRefused); // zone 3 at (8, 6)
    EXPECT_EQ(h.editor.canvasOverlay().selectedZones.size(), 3u);
}

TEST_F(SelectionTest, AGroupGhostBeyondTheGridRefusesTheWholeMove) {
    h.placeZones({{std::numeric_limits<int32_t>::max(), 20}}); // zone 5, at the last column
    h.editor.selectAll();
    for (const int k : {1, 2, 3})
        h.ctrlClickLeft(h.zone(k));
    h.pressLeft(h.zone(0));
    h.move(h.node(2, 4)); // by (1, 3): zone 5 would leave the grid
    const CanvasOverlay o = h.editor.canvasOverlay();
    ASSERT_EQ(o.ghosts.size(), 1u);
    EXPECT_TRUE(o.ghostsRefused);
}

TEST_F(SelectionTest, ZoomToFitAndGoToZone) {
    const int32_t w = h.editor.viewController().canvasWidth(),
                  ht = h.editor.viewController().canvasHeight();
    h.editor.viewController().setZoomLevel(0);
    zoomToFit(h.editor);
    const ViewState fitted = fitView(rmg(), w, ht);
    EXPECT_EQ(h.editor.viewController().state(), fitted);

    h.services.numberAnswers = {4, std::nullopt};
    goToZone(h.editor);
    const ViewState centred = *centreOnZone(rmg(), fitted, w, ht, 3);
    EXPECT_EQ(h.editor.viewController().state(), centred);
    EXPECT_EQ(h.editor.selection().zones(), std::vector<int32_t>{3});
    goToZone(h.editor); // cancelled: the view and the selection stay
    EXPECT_EQ(h.editor.viewController().state(), centred);
    EXPECT_EQ(h.editor.selection().zones(), std::vector<int32_t>{3});
    ASSERT_EQ(h.services.numberQuestions.size(), 2u);
    const auto& q = h.services.numberQuestions[0];
    EXPECT_EQ(std::tie(q.title, q.label, q.min, q.max),
              std::make_tuple("Перейти к локации", "Номер локации:", 1, 4));
    EXPECT_EQ(steps(), 0);

    newTemplate(h.session);
    zoomToFit(h.editor);
    EXPECT_EQ(h.editor.viewController().state(), ViewState{});
}

} // namespace
} // namespace zw
