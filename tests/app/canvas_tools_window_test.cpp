// The editing tools driven through the real main window: toolbar buttons are
// clicked, and pointer movements, presses and releases reach the canvas (or the
// hover panel over it) the way the window system delivers them. Dialogs and
// questions are answered by scripts.
#include "app/canvas_widget.h"
#include "app/info_panel_widget.h"
#include "app/main_window.h"
#include "canvas/fit.h"
#include "canvas/qt_painter.h"
#include "canvas/render.h"
#include "editor/commands/start_up.h"
#include "editor/tools/tool.h"
#include "support/document_edits.h"
#include "support/group_samples.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"
#include "support/window_pointer.h"

#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace zw {
namespace {

using namespace zw::test::buttons;
using test::joining;
using test::zoneAt;

class CanvasToolsWindowTest : public ::testing::Test {
  protected:
    ScriptedServices services;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowPointer> pointer;

    void SetUp() override {
        window = std::make_unique<MainWindow>(services, dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        startUp(window->session());
        pointer = std::make_unique<WindowPointer>(*window);
        // Start with the pointer over empty canvas far from every node used.
        pointer->moveTo(QPoint(window->canvas()->width() - 5, window->canvas()->height() - 5));
    }
    void TearDown() override {
        pointer.reset();
        window.reset();
    }

    Editor& editor() { return window->editor(); }
    const TRmg& rmg() { return editor().document().rmg(); }
    // A template put in place as a loaded one would be: no history.
    void install(std::vector<ZoneRecord> zones, std::vector<ConnectionRecord> connections = {}) {
        TRmg t = editor().document().rmg();
        t.zones = std::move(zones);
        t.connections = std::move(connections);
        test::install(editor(), std::move(t));
    }
    bool stepBackEnabled() { return window->button(StepBack)->isEnabled(); }
    int steps() { return editor().document().history().position(); }
};

TEST_F(CanvasToolsWindowTest, CreateZoneToolPlacesAZoneWhereThePointerClicks) {
    pointer->clickButton(CreateZone);
    ASSERT_TRUE(window->button(CreateZone)->isChecked());
    EXPECT_EQ(editor().tool(), kCreateZoneTool);
    dialogs.zoneAnswers.push_back([](const ZoneRecord& from) {
        ZoneRecord z = from;
        z.owner = 2;
        return std::optional<ZoneRecord>(z);
    });
    // Anywhere inside the node's cell, not only its centre, takes that node.
    pointer->click(pointer->node(2, 3) + QPoint(25, -25));
    ASSERT_EQ(rmg().zones.size(), 1u);
    EXPECT_EQ(rmg().zones[0].gridX, 2);
    EXPECT_EQ(rmg().zones[0].gridY, 3);
    EXPECT_EQ(rmg().zones[0].owner, 2);
    EXPECT_TRUE(stepBackEnabled());
    EXPECT_EQ(window->hScrollBar()->maximum(), 2);
    EXPECT_EQ(window->vScrollBar()->maximum(), 3);
}

TEST_F(CanvasToolsWindowTest, CreateConnectionToolJoinsTheZonesOfADrag) {
    install({zoneAt(1, 1), zoneAt(4, 1), zoneAt(1, 4)});
    pointer->clickButton(CreateConnection);
    dialogs.connectionAnswers.push_back(ScriptedDialogs::acceptConnection());
    pointer->drag(pointer->zone(2), pointer->zone(1));
    ASSERT_EQ(rmg().connections.size(), 1u);
    EXPECT_EQ(std::pair(rmg().connections[0].zoneA, rmg().connections[0].zoneB), std::pair(2, 1));
    EXPECT_EQ(editor().dragSource(), 0);
    EXPECT_EQ(steps(), 1);
}

// The line of a connection being drawn follows the pointer over the kept
// picture: the template is drawn once when the drag starts, not at every move,
// and what the canvas shows is the line over the picture.
TEST_F(CanvasToolsWindowTest, DragMarksFollowThePointerWithoutDrawingTheTemplateAgain) {
    install({zoneAt(1, 1), zoneAt(7, 5)});
    pointer->clickButton(CreateConnection);
    pointer->press(pointer->zone(0));
    pointer->moveTo(pointer->node(3, 3));
    QApplication::processEvents();
    const int renders = window->canvas()->renderCount();
    for (const QPoint to : {pointer->node(4, 3), pointer->node(5, 4), pointer->node(6, 2)}) {
        pointer->moveTo(to);
        QApplication::processEvents();
    }
    EXPECT_EQ(window->canvas()->renderCount(), renders);
    CanvasOverlay line;
    const QPoint from = pointer->zone(0), to = pointer->node(6, 2);
    line.pointerLine = {{{from.x(), from.y()}, {to.x(), to.y()}}};
    const QImage shown = window->canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, renderToImage(rmg(), editor().viewController().state(), editor().dragSource(),
                                   window->canvas()->width(), window->canvas()->height(), line));
    pointer->release(pointer->node(6, 2));
}

TEST_F(CanvasToolsWindowTest, DeleteToolRemovesAZoneWithItsConnections) {
    install({zoneAt(1, 1), zoneAt(4, 1), zoneAt(1, 4)}, {joining(0, 1), joining(1, 2)});
    pointer->clickButton(Delete);
    services.messageAnswers.push_back(MessageResult::Yes);
    pointer->click(pointer->zone(1));
    EXPECT_EQ(services.messages.size(), 1u);
    ASSERT_EQ(rmg().zones.size(), 2u);
    EXPECT_EQ(rmg().zones[1].gridY, 4); // former zone 3 moved up
    EXPECT_TRUE(rmg().connections.empty());
    EXPECT_TRUE(stepBackEnabled());
}

TEST_F(CanvasToolsWindowTest, MoveAndCopyToolsCarryZonesToTheReleaseNode) {
    install({zoneAt(1, 1), zoneAt(5, 1)}, {joining(0, 1)});
    pointer->clickButton(Move);
    pointer->drag(pointer->zone(0), pointer->node(2, 2));
    EXPECT_EQ(rmg().zones[0].gridX, 2);
    EXPECT_EQ(rmg().zones[0].gridY, 2);
    EXPECT_EQ(editor().dragSource(), 0);
    EXPECT_EQ(steps(), 1);

    pointer->clickButton(Copy);
    pointer->drag(pointer->zone(0), pointer->node(2, 6));
    ASSERT_EQ(rmg().zones.size(), 3u);
    ZoneRecord expected = rmg().zones[0];
    expected.gridX = 2;
    expected.gridY = 6;
    EXPECT_EQ(rmg().zones[2], expected);
    EXPECT_EQ(steps(), 2);
    EXPECT_EQ(window->vScrollBar()->maximum(), 6);
    EXPECT_EQ(editor().dragSource(), 0);
}

// The right button edits with any tool down and starts no drag; the middle one does nothing.
TEST_F(CanvasToolsWindowTest, RightButtonEditsTheItemUnderThePointerAndTheMiddleDoesNothing) {
    install({zoneAt(1, 1), zoneAt(6, 1)});
    pointer->clickButton(Move);
    pointer->click(pointer->zone(1), Qt::MiddleButton);
    EXPECT_TRUE(dialogs.zoneCalls.empty());
    EXPECT_EQ(steps(), 0);
    dialogs.zoneAnswers.push_back([](const ZoneRecord& from) {
        ZoneRecord z = from;
        z.size = 30;
        return std::optional<ZoneRecord>(z);
    });
    pointer->click(pointer->zone(1), Qt::RightButton);
    ASSERT_EQ(dialogs.zoneCalls.size(), 1u);
    EXPECT_EQ(dialogs.zoneCalls[0], zoneAt(6, 1));
    EXPECT_EQ(rmg().zones[1].size, 30);
    EXPECT_EQ(steps(), 1);
    EXPECT_EQ(editor().dragSource(), 0);
}

// A press over the panel reaches the canvas, and so do the moves and the release
// of the drag it begins, even after the panel hides as the pointer leaves the zone.
TEST_F(CanvasToolsWindowTest, DragBegunOverTheHoverPanelMovesTheZoneBelowIt) {
    // A big zone: its circle reaches under the panel that opens beside the pointer.
    ZoneRecord big = zoneAt(2, 2);
    big.size = 30;
    install({big});
    InfoPanelWidget* panel = window->infoPanel();
    pointer->clickButton(Move);

    const QPoint centre = pointer->zone(0);
    pointer->moveTo(centre - QPoint(30, 30));
    ASSERT_TRUE(panel->isVisible());
    // Still inside the zone, but now under the panel: the panel stays and the
    // press and release on it reach the canvas.
    const QPoint underPanel = centre + QPoint(21, 21);
    ASSERT_TRUE(panel->geometry().contains(window->canvas()->mapTo(window->client(), underPanel)));
    pointer->drag(underPanel, pointer->node(7, 5));
    EXPECT_EQ(rmg().zones[0].gridX, 7);
    EXPECT_EQ(rmg().zones[0].gridY, 5);
    EXPECT_EQ(editor().dragSource(), 0);
    EXPECT_EQ(steps(), 1);
}

// ---- Selection ----

bool showsColour(const QImage& img, Rgb c) {
    const QRgb wanted = qRgb(c.r, c.g, c.b);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == wanted)
                return true;
    return false;
}

TEST_F(CanvasToolsWindowTest, SelectionToolTakesItsKeysDragsAndCtrlClicks) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    install({zoneAt(1, 1), zoneAt(3, 1), zoneAt(8, 6)}, {joining(0, 1)});
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(window->button(Select)->isChecked());

    pointer->drag(pointer->node(0, 0), pointer->node(4, 2));
    EXPECT_EQ(editor().selection().zones(), (std::vector<int32_t>{0, 1}));
    EXPECT_TRUE(showsColour(window->canvas()->picture(), kSelectionColour));

    // Esc in the middle of a drag: nothing moves; a second Esc empties the selection.
    pointer->press(pointer->zone(0));
    pointer->moveTo(pointer->node(1, 6));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    pointer->release(pointer->node(1, 6));
    EXPECT_EQ(rmg().zones[0].gridY, 1);
    EXPECT_FALSE(stepBackEnabled());
    EXPECT_EQ(editor().selection().zones(), (std::vector<int32_t>{0, 1}));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(editor().selection().empty());

    // Ctrl reaches the tool with the press: a Ctrl+click adds, a second removes.
    pointer->moveTo(pointer->zone(0));
    QTest::mouseClick(window->canvas(), Qt::LeftButton, Qt::ControlModifier, pointer->zone(0));
    EXPECT_EQ(editor().selection().zones(), std::vector<int32_t>{0});
    QTest::mouseClick(window->canvas(), Qt::LeftButton, Qt::ControlModifier, pointer->zone(0));
    EXPECT_TRUE(editor().selection().empty());
}

TEST_F(CanvasToolsWindowTest, NavigationKeysFitAndGoToAZone) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    install({zoneAt(-20, 3), zoneAt(30, 12)});
    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
    const ViewState fitted = fitView(rmg(), window->canvas()->width(), window->canvas()->height());
    EXPECT_EQ(editor().viewController().state(), fitted);
    services.numberAnswers.push_back(2);
    QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(
        editor().viewController().state(),
        *centreOnZone(rmg(), fitted, window->canvas()->width(), window->canvas()->height(), 1));
}

} // namespace
} // namespace zw
