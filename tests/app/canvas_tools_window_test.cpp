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

#include <QLabel>
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

constexpr std::string_view kNoZone =
    "Нет локации. Чтобы создать переход, щелкните на локацию, затем не отпуская кнопку "
    "перетащите на другую локацию, затем отпустите.";
constexpr std::string_view kTooManyPassages = "Слишком много переходов между этими локациями";
constexpr std::string_view kPassageExists = "Этот переход уже существует";
constexpr std::string_view kAskDeleteZone =
    "Вы действительно хотите удалить локацию и все соединенные с ней переходы?";
constexpr std::string_view kAskDeleteConnection = "Вы действительно хотите удалить переход?";

std::optional<ZoneRecord> cancelZone(const ZoneRecord&) {
    return std::nullopt;
}

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
    std::vector<std::string> messages() { return services.messageTexts(); }
    void expectJoins(int j, int32_t a, int32_t b) {
        EXPECT_EQ(rmg().connections.at(size_t(j)).zoneA, a) << "connection " << j;
        EXPECT_EQ(rmg().connections.at(size_t(j)).zoneB, b) << "connection " << j;
    }
};

TEST_F(CanvasToolsWindowTest, CreateZoneToolPlacesZonesAndKeepsNeighboursApart) {
    pointer->clickButton(CreateZone);
    ASSERT_TRUE(window->button(CreateZone)->isChecked());
    EXPECT_EQ(editor().tool(), kCreateZoneTool);

    dialogs.zoneAnswers.push_back([](const ZoneRecord& from) {
        ZoneRecord z = from;
        z.kind = 0;
        z.owner = 2;
        return std::optional<ZoneRecord>(z);
    });
    // Anywhere inside the node's cell, not only its centre, takes that node.
    pointer->click(pointer->node(2, 3) + QPoint(25, -25));
    ASSERT_EQ(rmg().zones.size(), 1u);
    EXPECT_EQ(rmg().zones[0].gridX, 2);
    EXPECT_EQ(rmg().zones[0].gridY, 3);
    EXPECT_EQ(rmg().zones[0].owner, 2);
    // The dialog was filled from the zone defaults.
    ASSERT_EQ(dialogs.zoneCalls.size(), 1u);
    EXPECT_EQ(dialogs.zoneCalls[0], makeDefaultZone());
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(stepBackEnabled());
    EXPECT_EQ(window->hScrollBar()->maximum(), 2);
    EXPECT_EQ(window->vScrollBar()->maximum(), 3);

    // The eight neighbours and the node itself are refused without a dialog.
    for (const QPoint at : {pointer->node(3, 4), pointer->node(1, 2), pointer->node(2, 3)}) {
        services.messages.clear();
        pointer->click(at);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, kNodeTaken);
        EXPECT_EQ(services.messages[0].kind, MessageKind::Information);
        EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(dialogs.zoneCalls.size(), 1u);
    EXPECT_EQ(rmg().zones.size(), 1u);
    EXPECT_EQ(steps(), 1);

    // Two nodes away is free; cancelling the dialog there changes nothing.
    dialogs.zoneAnswers.push_back(cancelZone);
    pointer->click(pointer->node(4, 3));
    EXPECT_EQ(dialogs.zoneCalls.size(), 2u);
    EXPECT_EQ(rmg().zones.size(), 1u);
    EXPECT_EQ(steps(), 1);

    // A second click on the button raises it: presses then do nothing.
    pointer->clickButton(CreateZone);
    EXPECT_FALSE(window->button(CreateZone)->isChecked());
    pointer->click(pointer->node(6, 6));
    EXPECT_EQ(dialogs.zoneCalls.size(), 2u);
}

TEST_F(CanvasToolsWindowTest, CreateConnectionToolJoinsZonesAndAddsPassagesUpToEight) {
    install({zoneAt(1, 1), zoneAt(4, 1), zoneAt(1, 4), zoneAt(7, 1), zoneAt(4, 5)});
    pointer->clickButton(CreateConnection);

    // Zone 3 to zone 5, then zone 5 back to zone 3: one connection, two passages,
    // still running from zone 3.
    dialogs.connectionAnswers.push_back(ScriptedDialogs::acceptConnection());
    pointer->drag(pointer->zone(2), pointer->zone(4));
    ASSERT_EQ(rmg().connections.size(), 1u);
    EXPECT_EQ(editor().dragSource(), 0);
    dialogs.connectionAnswers.push_back(ScriptedDialogs::acceptConnection());
    pointer->drag(pointer->zone(4), pointer->zone(2));
    ASSERT_EQ(rmg().connections.size(), 1u);
    expectJoins(0, 2, 4);
    EXPECT_EQ(rmg().connections[0].passageCount, 2);
    ASSERT_EQ(dialogs.connectionCalls.size(), 2u);
    EXPECT_FALSE(dialogs.connectionCalls[0].second);
    EXPECT_EQ(dialogs.connectionCalls[0].first, makeDefaultConnection());
    EXPECT_TRUE(dialogs.connectionCalls[1].second); // one more passage, its tab selected
    EXPECT_EQ(steps(), 2);

    // Up to eight passages; the ninth is refused before any dialog opens.
    for (int n = 3; n <= 8; ++n) {
        dialogs.connectionAnswers.push_back(ScriptedDialogs::acceptConnection());
        pointer->drag(pointer->zone(n % 2 ? 2 : 4), pointer->zone(n % 2 ? 4 : 2));
    }
    ASSERT_EQ(rmg().connections.size(), 1u);
    EXPECT_EQ(rmg().connections[0].passageCount, 8);
    const size_t calls = dialogs.connectionCalls.size();
    const int stepsBefore = steps();
    pointer->drag(pointer->zone(4), pointer->zone(2));
    EXPECT_EQ(dialogs.connectionCalls.size(), calls);
    EXPECT_EQ(messages(), std::vector<std::string>{std::string(kTooManyPassages)});
    EXPECT_EQ(rmg().connections[0].passageCount, 8);
    EXPECT_EQ(steps(), stepsBefore);

    // A drag begun off any zone and ended on one explains how to draw a
    // connection; one that ends on empty canvas too, or on its own zone, says nothing.
    services.messages.clear();
    pointer->drag(pointer->node(9, 6), pointer->zone(0));
    EXPECT_EQ(messages(), std::vector<std::string>{std::string(kNoZone)});
    services.messages.clear();
    pointer->drag(pointer->node(9, 6), pointer->node(10, 7));
    pointer->drag(pointer->zone(0), pointer->zone(0) + QPoint(10, 10));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(dialogs.connectionCalls.size(), calls);

    // Cancelling the dialog of a new connection leaves everything as it was.
    pointer->drag(pointer->zone(0), pointer->zone(1));
    EXPECT_EQ(dialogs.connectionCalls.size(), calls + 1);
    EXPECT_EQ(rmg().connections.size(), 1u);
    EXPECT_EQ(steps(), stepsBefore);
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

TEST_F(CanvasToolsWindowTest, DeleteToolRemovesAZoneWithItsConnectionsOrOneConnection) {
    // Zones 1 to 5 with the connections 1-2, 1-3 and 4-5.
    install({zoneAt(1, 1), zoneAt(4, 1), zoneAt(1, 4), zoneAt(7, 1), zoneAt(7, 5)},
            {joining(0, 1), joining(0, 2), joining(3, 4)});
    pointer->clickButton(Delete);

    // "No" keeps the zone.
    services.messageAnswers.push_back(MessageResult::No);
    pointer->click(pointer->zone(1));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kAskDeleteZone);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(rmg().zones.size(), 5u);
    EXPECT_FALSE(stepBackEnabled());

    services.messageAnswers.push_back(MessageResult::Yes);
    pointer->click(pointer->zone(1));
    ASSERT_EQ(rmg().zones.size(), 4u);
    EXPECT_EQ(rmg().zones[1].gridX, 1); // former zone 3 moved up
    EXPECT_EQ(rmg().zones[1].gridY, 4);
    ASSERT_EQ(rmg().connections.size(), 2u);
    expectJoins(0, 0, 1);
    expectJoins(1, 2, 3);
    EXPECT_TRUE(stepBackEnabled());
    EXPECT_EQ(steps(), 1);

    // A press on the line of a connection deletes the connection only.
    services.messages.clear();
    services.messageAnswers.push_back(MessageResult::Yes);
    pointer->click(pointer->onConnection(1));
    EXPECT_EQ(messages(), std::vector<std::string>{std::string(kAskDeleteConnection)});
    ASSERT_EQ(rmg().connections.size(), 1u);
    EXPECT_EQ(rmg().connections[0].zoneB, 1);
    EXPECT_EQ(rmg().zones.size(), 4u);
    EXPECT_EQ(steps(), 2);

    // Empty canvas asks nothing.
    services.messages.clear();
    pointer->click(pointer->node(10, 7));
    EXPECT_TRUE(services.messages.empty());

    // Step back through the window brings both deletions back.
    pointer->clickButton(StepBack);
    pointer->clickButton(StepBack);
    EXPECT_EQ(rmg().zones.size(), 5u);
    EXPECT_EQ(rmg().connections.size(), 3u);
    EXPECT_FALSE(stepBackEnabled());
    EXPECT_TRUE(window->button(StepForward)->isEnabled());
}

TEST_F(CanvasToolsWindowTest, MoveAndCopyToolsCarryZonesToFreeNodesOnly) {
    install({zoneAt(1, 1), zoneAt(5, 1)}, {joining(0, 1)});

    pointer->clickButton(Move);
    // One node over is allowed for the moved zone itself.
    pointer->drag(pointer->zone(0), pointer->node(2, 2));
    EXPECT_EQ(rmg().zones[0].gridX, 2);
    EXPECT_EQ(rmg().zones[0].gridY, 2);
    EXPECT_EQ(editor().dragSource(), 0);
    EXPECT_EQ(steps(), 1);
    // Next to the other zone is not.
    pointer->drag(pointer->zone(0), pointer->node(4, 2));
    EXPECT_EQ(messages(), std::vector<std::string>{std::string(kNodeTaken)});
    EXPECT_EQ(rmg().zones[0].gridX, 2);
    EXPECT_EQ(steps(), 1);
    EXPECT_EQ(editor().dragSource(), 0);

    // A copy may not be dropped next to its source.
    services.messages.clear();
    pointer->clickButton(Copy);
    EXPECT_TRUE(window->button(Copy)->isChecked());
    EXPECT_FALSE(window->button(Move)->isChecked());
    pointer->drag(pointer->zone(0), pointer->node(3, 3));
    EXPECT_EQ(messages(), std::vector<std::string>{std::string(kNodeTaken)});
    EXPECT_EQ(rmg().zones.size(), 2u);

    // Far enough away it is a new last zone, without the connections.
    pointer->drag(pointer->zone(0), pointer->node(2, 6));
    ASSERT_EQ(rmg().zones.size(), 3u);
    ZoneRecord expected = rmg().zones[0];
    expected.gridX = 2;
    expected.gridY = 6;
    EXPECT_EQ(rmg().zones[2], expected);
    EXPECT_EQ(rmg().connections.size(), 1u);
    EXPECT_EQ(steps(), 2);
    EXPECT_EQ(window->vScrollBar()->maximum(), 6);
    EXPECT_EQ(editor().dragSource(), 0);
}

TEST_F(CanvasToolsWindowTest, MoveAndCopyToolsCarryTheNearerEndOfAConnection) {
    // Zones 1 to 4; connections 1-2 and 3-2.
    install({zoneAt(1, 1), zoneAt(7, 1), zoneAt(1, 5), zoneAt(7, 5)},
            {joining(0, 1), joining(2, 1)});

    // Moving the end at zone 2 (pressed near it) onto zone 4.
    pointer->clickButton(Move);
    pointer->drag(pointer->onConnection(0, 0.8), pointer->zone(3));
    expectJoins(0, 0, 3);
    EXPECT_EQ(steps(), 1);
    // Onto one of its own zones: nothing happens, silently.
    pointer->drag(pointer->onConnection(0, 0.2), pointer->zone(3));
    EXPECT_EQ(rmg().connections[0].zoneA, 0);
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(services.messages.empty());

    // Copying the zone 1 end of connection 1-4 onto zone 3 gives 3-4.
    pointer->clickButton(Copy);
    pointer->drag(pointer->onConnection(0, 0.2), pointer->zone(2));
    ASSERT_EQ(rmg().connections.size(), 3u);
    expectJoins(2, 2, 3);
    EXPECT_EQ(steps(), 2);

    // Copying the zone 2 end of 3-2 onto zone 4 would give 3-4 again: refused,
    // without a step.
    pointer->drag(pointer->onConnection(1, 0.8), pointer->zone(3));
    EXPECT_EQ(messages(), std::vector<std::string>{std::string(kPassageExists)});
    EXPECT_EQ(rmg().connections.size(), 3u);
    EXPECT_EQ(steps(), 2);
    EXPECT_EQ(editor().dragSource(), 0);

    // A connection released on empty canvas stays where it was.
    services.messages.clear();
    pointer->drag(pointer->onConnection(1, 0.8), pointer->node(4, 7));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(rmg().connections.size(), 3u);
    EXPECT_EQ(steps(), 2);
}

TEST_F(CanvasToolsWindowTest, RightButtonEditsTheItemUnderThePointerWithNoToolSelected) {
    install({zoneAt(1, 1), zoneAt(6, 1)}, {joining(0, 1)});
    ASSERT_EQ(editor().tool(), kNoTool);

    // A left press with no tool does nothing at all.
    pointer->click(pointer->zone(0));
    pointer->click(pointer->node(3, 5));
    EXPECT_TRUE(dialogs.zoneCalls.empty());
    EXPECT_EQ(steps(), 0);

    dialogs.zoneAnswers.push_back([](const ZoneRecord& from) {
        ZoneRecord z = from;
        z.size = 30;
        z.gridX = 99; // the zone keeps its own node whatever the dialog hands back
        return std::optional<ZoneRecord>(z);
    });
    pointer->click(pointer->zone(1), Qt::RightButton);
    ASSERT_EQ(dialogs.zoneCalls.size(), 1u);
    EXPECT_EQ(dialogs.zoneCalls[0], zoneAt(6, 1));
    EXPECT_EQ(rmg().zones[1].size, 30);
    EXPECT_EQ(rmg().zones[1].gridX, 6);
    EXPECT_EQ(steps(), 1);

    dialogs.connectionAnswers.push_back([](const ConnectionRecord& from, bool further) {
        EXPECT_FALSE(further);
        ConnectionRecord c = from;
        c.passages[0].guard = 12500;
        return std::optional<ConnectionRecord>(c);
    });
    pointer->click(pointer->onConnection(0), Qt::RightButton);
    ASSERT_EQ(dialogs.connectionCalls.size(), 1u);
    EXPECT_EQ(rmg().connections[0].passages[0].guard, 12500);
    expectJoins(0, 0, 1);
    EXPECT_EQ(steps(), 2);

    // Cancelled, or over empty canvas: no change and no step.
    pointer->click(pointer->zone(0), Qt::RightButton);
    pointer->click(pointer->node(3, 6), Qt::RightButton);
    EXPECT_EQ(dialogs.zoneCalls.size(), 2u);
    EXPECT_EQ(steps(), 2);

    // The right button works the same with a tool down, and it starts no drag.
    pointer->clickButton(Move);
    pointer->click(pointer->zone(0), Qt::RightButton);
    EXPECT_EQ(dialogs.zoneCalls.size(), 3u);
    EXPECT_EQ(editor().dragSource(), 0);
}

TEST_F(CanvasToolsWindowTest, HoverPanelFollowsThePointerAndPassesPressesToTheCanvas) {
    ZoneRecord start = zoneAt(1, 1);
    start.kind = 0;
    start.owner = 2;
    install({start, zoneAt(6, 1)}, {joining(0, 1)});
    InfoPanelWidget* panel = window->infoPanel();
    EXPECT_FALSE(panel->isVisible());

    pointer->moveTo(pointer->zone(0) + QPoint(3, 4));
    EXPECT_EQ(editor().hoveredItem(), 1);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->title()->text(), QString::fromUtf8("Стартовая локация игрока 2 (синий)"));
    EXPECT_EQ(panel->pos(), pointer->zone(0) + QPoint(3 + 50, 4 + 50));

    // Over the connection the panel names the passage; over empty canvas it goes.
    pointer->moveTo(pointer->onConnection(0));
    EXPECT_EQ(editor().hoveredItem(), -1);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->title()->text(), QString::fromUtf8("Обычный переход"));
    pointer->moveTo(pointer->node(3, 6));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(editor().hoveredItem(), 0);
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

TEST_F(CanvasToolsWindowTest, SelectionToolMovesABandSelectedGroupAndDeleteRemovesIt) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    install({zoneAt(1, 1), zoneAt(3, 1), zoneAt(8, 6)}, {joining(0, 1)});
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(window->button(Select)->isChecked());

    pointer->drag(pointer->node(0, 0), pointer->node(4, 2));
    EXPECT_EQ(editor().selection().zones(), (std::vector<int32_t>{0, 1}));
    EXPECT_TRUE(showsColour(window->canvas()->picture(), kSelectionColour));

    // Esc in the middle of a drag: nothing moves.
    pointer->press(pointer->zone(0));
    pointer->moveTo(pointer->node(1, 6));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    pointer->release(pointer->node(1, 6));
    EXPECT_EQ(rmg().zones[0].gridY, 1);
    EXPECT_FALSE(stepBackEnabled());

    pointer->drag(pointer->zone(0), pointer->node(1, 4));
    EXPECT_EQ(rmg().zones[0].gridY, 4);
    EXPECT_EQ(rmg().zones[1].gridY, 4);
    EXPECT_TRUE(stepBackEnabled());

    services.messageAnswers.push_back(MessageResult::Yes);
    QTest::keyClick(window.get(), Qt::Key_Delete);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(rmg().zones.size(), 1u);
    EXPECT_TRUE(rmg().connections.empty());

    QTest::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(editor().selection().zones(), std::vector<int32_t>{0});
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
