#include "app/analysis_panel.h"
#include "app/canvas_widget.h"
#include "app/info_panel_widget.h"
#include "app/main_window.h"
#include "canvas/fit.h"
#include "dialogs/controls.h"
#include "editor/commands/new_template.h"
#include "editor/commands/start_up.h"
#include "model/project_file.h"
#include "platform/files.h"
#include "support/analysis_samples.h"
#include "support/document_edits.h"
#include "support/group_samples.h"
#include "support/scratch_dir.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"
#include "support/shown_title.h"
#include "support/toolbar_ids.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>

namespace zw {
namespace {

using namespace zw::test::buttons;

using test::zoneAt;

// A project file in a fresh temporary folder.
class TempProject {
  public:
    explicit TempProject(const TRmg& t) : path_(dir_.file("t.tpz")) {
        writeWholeFile(path_, encodeProject(t));
    }
    const std::string& path() const { return path_; }

  private:
    test::ScratchDir dir_;
    std::string path_;
};

class MainWindowTest : public ::testing::Test {
  protected:
    ScriptedServices services;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    void open() {
        window = std::make_unique<MainWindow>(services, dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        startUp(window->session());
        // The pointer starts over an empty end of the toolbar: the window system
        // drops moves to where the pointer already is, and the last test may
        // have left it anywhere.
        QTest::mouseMove(window->toolbar(), QPoint(window->toolbar()->width() - 3, 3));
    }
    void openActive() {
        open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // Opens the window with `t` loaded from the command line.
    void openWith(const TRmg& t) {
        project_ = std::make_unique<TempProject>(t);
        services.args = {project_->path()};
        open();
    }

    Editor& editor() { return window->editor(); }
    const ViewState& view() { return editor().viewController().state(); }
    size_t zoneCount() { return editor().document().rmg().zones.size(); }
    void expectHistoryButtons(bool back, bool forward) {
        EXPECT_EQ(button(StepBack)->isEnabled(), back);
        EXPECT_EQ(button(StepForward)->isEnabled(), forward);
    }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), Qt::Key(k), modifiers);
    }
    void leaveCanvas() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(canvas(), &leave);
    }
    QToolButton* button(ToolbarId id) { return window->button(id); }
    void click(ToolbarId id) { QTest::mouseClick(button(id), Qt::LeftButton); }
    CanvasWidget* canvas() { return window->canvas(); }
    // The canvas pixel at the centre of node (gx, gy).
    QPoint nodeCentre(int gx, int gy) {
        const PixelPoint p = nodeToPixel(view(), gx, gy);
        return {p.x, p.y};
    }
    void typeText(const QString& text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void wheel(QWidget* over, QPoint angle, Qt::ScrollPhase phase = Qt::NoScrollPhase,
               std::optional<QPoint> at = std::nullopt) {
        const QPoint local = at.value_or(over->rect().center());
        QWheelEvent e(local, over->mapToGlobal(local), QPoint(), angle, Qt::NoButton,
                      Qt::NoModifier, phase, false);
        QApplication::sendEvent(over, &e);
    }

    // A mouse event straight to one widget, as the window system hands it over.
    static void send(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint local) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent e(type, QPointF(local), w->mapToGlobal(QPointF(local)), button, held,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

  private:
    std::unique_ptr<TempProject> project_;
};

// The window builds its buttons from the toolbar table, in its order: the hint
// with the keys' text as the tooltip, and 24-pixel buttons with an 8-pixel
// separator or a 32-pixel gap where the table asks for one (the scripts in
// tests/scripts click at these places).
// The window opens whole inside its screen's available area at any scale
// (under Wine also at 120 and 144 DPI on a small screen).
TEST_F(MainWindowTest, OpensInsideItsScreen) {
    open();
    const QRect area = availableArea(*window);
    QRect frame;
    for (int i = 0; i < 100 && !area.contains(frame = window->frameGeometry()); ++i)
        QTest::qWait(50);
    EXPECT_TRUE(area.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height() << " in "
        << area.width() << "x" << area.height();
}

TEST_F(MainWindowTest, ToolbarLaysOutTheTableWithHintsAndShortcuts) {
    open();
    EXPECT_EQ(window->toolbar()->geometry(), QRect(0, 0, window->client()->width(), 28));
    EXPECT_EQ(button(Load)->toolTip(), QString("Загрузить проект шаблона (Ctrl+O)"));
    int x = 0;
    std::vector<int> separators;
    for (const ToolbarEntry& entry : toolbarEntries()) {
        QToolButton* b = button(entry.id);
        SCOPED_TRACE(std::string(entry.id));
        QString tip = QString::fromUtf8(entry.hint.data(), qsizetype(entry.hint.size()));
        if (!entry.keysText.empty())
            tip += " (" +
                   QString::fromUtf8(entry.keysText.data(), qsizetype(entry.keysText.size())) + ")";
        EXPECT_EQ(b->toolTip(), tip);
        EXPECT_EQ(b->geometry(), QRect(x, 2, 24, 24));
        EXPECT_EQ(b->iconSize(), QSize(16, 16));
        EXPECT_TRUE(b->autoRaise());
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_EQ(b->parentWidget(), window->toolbar());
        x += 24;
        if (entry.after == ToolbarSpace::Separator)
            separators.push_back(std::exchange(x, x + 8));
        else if (entry.after == ToolbarSpace::Gap)
            x += 32;
    }
    EXPECT_EQ(window->separatorPositions(), separators);
}

TEST_F(MainWindowTest, StartsWithHistoryAndScrollButtonsDisabledAndEveryToolUp) {
    open();
    EXPECT_EQ(test::shownTitle(*window), QString("Редактор шаблонов - Unnamed template"));
    // The toolkit knows the program by an ASCII name, its window class; the
    // title "Редактор шаблонов" is the desktop entry's and the message boxes'.
    EXPECT_EQ(QCoreApplication::applicationName(), QString("zonewright"));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(services.associationWrites, 1);
    const std::vector<ToolbarId> disabledIds = {StepBack,   StepForward, ScrollUp, ScrollDown,
                                                ScrollLeft, ScrollRight, Origin,   SymmetryMenu};
    for (const ToolbarEntry& entry : toolbarEntries()) {
        const ToolbarId id = entry.id;
        const bool disabled =
            std::find(disabledIds.begin(), disabledIds.end(), id) != disabledIds.end();
        EXPECT_EQ(button(id)->isEnabled(), !disabled) << entry.hint;
        EXPECT_FALSE(button(id)->isChecked());
    }
    EXPECT_FALSE(window->infoPanel()->isVisible());
    EXPECT_EQ(window->minimumSize(), QSize(680, 300));
}

TEST_F(MainWindowTest, CommandLineProjectShowsItsNameWithoutHistory) {
    TRmg t = makeNewTemplate();
    t.name = "Island";
    t.zones = {zoneAt(0, 0), zoneAt(-3, 6)};
    openWith(t);
    EXPECT_EQ(test::shownTitle(*window), QString("Редактор шаблонов - Island"));
    EXPECT_EQ(zoneCount(), 2u);
    expectHistoryButtons(false, false);
}

TEST_F(MainWindowTest, HistoryButtonsFollowEditsAndSteps) {
    open();
    test::change(editor(), [](TRmg& t) { t.appendZone(makeDefaultZone()); });
    ASSERT_EQ(zoneCount(), 1u);
    expectHistoryButtons(true, false);

    click(StepBack);
    EXPECT_TRUE(editor().document().rmg().zones.empty());
    expectHistoryButtons(false, true);

    click(StepForward);
    EXPECT_EQ(zoneCount(), 1u);
    expectHistoryButtons(true, false);
}

TEST_F(MainWindowTest, ToolButtonsFormAGroupWhoseDownButtonRisesOnASecondClick) {
    open();
    const std::pair<ToolbarId, ToolId> tools[] = {{CreateZone, kCreateZoneTool},
                                                  {CreateConnection, kCreateConnectionTool},
                                                  {Delete, kDeleteTool},
                                                  {Move, kMoveTool},
                                                  {Copy, kCopyTool}};
    const auto down = [&] {
        std::vector<ToolbarId> ids;
        for (const auto& [id, tool] : tools)
            if (button(id)->isChecked())
                ids.push_back(id);
        return ids;
    };
    for (const auto& [id, tool] : tools) {
        click(id);
        EXPECT_EQ(editor().tool(), tool);
        EXPECT_EQ(down(), std::vector<ToolbarId>{id});
    }
    click(Copy); // the button that is down
    EXPECT_EQ(editor().tool(), kNoTool);
    EXPECT_TRUE(down().empty());

    // The group mirrors tools set by commands, not only by clicks.
    click(Move);
    newTemplate(window->session());
    EXPECT_TRUE(down().empty());
    editor().setTool(kDeleteTool);
    EXPECT_EQ(down(), std::vector<ToolbarId>{Delete});
}

TEST_F(MainWindowTest, ZoomButtonsAndWheelStopAtTheEnds) {
    open();
    click(ZoomIn);
    click(ZoomIn);
    EXPECT_EQ(view().zoomLevel, 0);
    EXPECT_FALSE(button(ZoomIn)->isEnabled());
    EXPECT_TRUE(button(ZoomOut)->isEnabled());
    wheel(canvas(), QPoint(0, 120));
    EXPECT_EQ(view().zoomLevel, 0);

    // One notification is one step, whatever its size; over the scroll bar too.
    wheel(canvas(), QPoint(0, -1));
    EXPECT_EQ(view().zoomLevel, 1);
    wheel(canvas(), QPoint(0, -720));
    EXPECT_EQ(view().zoomLevel, 2);
    wheel(window->vScrollBar(), QPoint(0, -120));
    EXPECT_EQ(view().zoomLevel, 3);
    EXPECT_EQ(window->vScrollBar()->value(), 0);
    wheel(canvas(), QPoint(0, -120));
    wheel(canvas(), QPoint(0, -120));
    EXPECT_EQ(view().zoomLevel, 5);
    EXPECT_FALSE(button(ZoomOut)->isEnabled());
    EXPECT_TRUE(button(ZoomIn)->isEnabled());
    wheel(canvas(), QPoint(0, 120));
    EXPECT_EQ(view().zoomLevel, 4);

    // A sideways tilt and the end marker of a touchpad gesture are no turns.
    wheel(canvas(), QPoint(120, 0));
    wheel(canvas(), QPoint(0, 0), Qt::ScrollEnd);
    EXPECT_EQ(view().zoomLevel, 4);

    // A touchpad gesture's small parts add up to a whole notch per step.
    for (int i = 0; i < 7; ++i)
        wheel(canvas(), QPoint(0, 15), Qt::ScrollUpdate);
    EXPECT_EQ(view().zoomLevel, 4);
    wheel(canvas(), QPoint(0, 15), Qt::ScrollUpdate);
    EXPECT_EQ(view().zoomLevel, 3);
}

TEST_F(MainWindowTest, WheelZoomsAboutThePointerAndTheButtonsAboutTheCentre) {
    open();
    const auto nodeAt = [&](QPoint p) { return pixelToNode(view(), p.x(), p.y()); };
    const QPoint pointer(130, 370);
    const GridPoint underPointer = nodeAt(pointer);
    wheel(canvas(), QPoint(0, -120), Qt::NoScrollPhase, pointer);
    EXPECT_EQ(view().zoomLevel, 3);
    EXPECT_EQ(nodeAt(pointer), underPointer);
    const QPoint centre(canvas()->width() / 2, canvas()->height() / 2);
    const GridPoint middle = nodeAt(centre);
    click(ZoomIn);
    click(ZoomIn);
    EXPECT_EQ(view().zoomLevel, 1);
    EXPECT_EQ(nodeAt(centre), middle);
}

TEST_F(MainWindowTest, TypedCharactersAreSeenOnceAndStillReachTheFocusedControl) {
    openActive();
    auto* edit = new QLineEdit(window->client());
    edit->setGeometry(300, 2, 80, 22);
    edit->show();
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "dx");
    EXPECT_EQ(edit->text(), QString("dx"));
    EXPECT_EQ(view().originX, 1);

    // Ctrl+D is a command, not a typed letter.
    QTest::keyClick(edit, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(view().originX, 1);
    delete edit;

    // A control that ignores letters lets the event travel up through its
    // parents to the window: still one step.
    auto* inner = new QWidget(window->toolbar());
    inner->setFocusPolicy(Qt::StrongFocus);
    inner->setGeometry(600, 2, 20, 20);
    inner->show();
    inner->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), inner);
    QTest::keyClick(inner, Qt::Key_D, Qt::NoModifier);
    EXPECT_EQ(view().originX, 2);
    delete inner;
}

TEST_F(MainWindowTest, ShortcutsRunTheirButtonsCommands) {
    openActive();
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(view().zoomLevel, 3);
    key(Qt::Key_Equal, Qt::ControlModifier);
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(view().zoomLevel, 1);

    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(services.openFilters.size(), 1u);
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(services.saveFilters.size(), 1u);

    test::change(editor(), [](TRmg& t) { t.appendZone(makeDefaultZone()); });
    ASSERT_EQ(zoneCount(), 1u);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(editor().document().rmg().zones.empty());
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(zoneCount(), 1u);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(zoneCount(), 1u);

    // New on a modified template asks first; Cancel keeps everything.
    services.messageAnswers.push_back(MessageResult::Cancel);
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Сохранить изменения?"});
    EXPECT_EQ(zoneCount(), 1u);
}

TEST_F(MainWindowTest, ButtonsRunTheirCommands) {
    open();
    click(Load);
    EXPECT_EQ(services.openFilters, std::vector<std::string>{std::string(kOpenProjectFilter)});
    click(Save);
    EXPECT_EQ(services.saveFilters, std::vector<std::string>{std::string(kSaveProjectFilter)});
    click(Import);
    EXPECT_EQ(services.openFilters.back(), std::string(kRmgFilter));
    click(Settings);
    EXPECT_EQ(dialogs.templateCalls, 1);
    click(Readme);
    EXPECT_EQ(services.shellOpened, std::vector<std::string>{"/usr/local/bin/Readme&help.txt"});
    const size_t before = services.messages.size();
    click(Check);
    EXPECT_EQ(services.messages.size(), before + 1);
}

TEST_F(MainWindowTest, CanvasFillsTheSpaceBetweenToolbarAndScrollBarsAtEverySize) {
    open();
    const auto check = [&](QSize client) {
        const int w = client.width(), h = client.height();
        EXPECT_EQ(canvas()->geometry(), QRect(0, 28, w - 17, h - 45));
        EXPECT_EQ(window->vScrollBar()->geometry(), QRect(w - 17, 28, 17, h - 45));
        EXPECT_EQ(window->hScrollBar()->geometry(), QRect(0, h - 17, w - 17, 17));
        EXPECT_EQ(editor().viewController().canvasWidth(), w - 17);
        EXPECT_EQ(editor().viewController().canvasHeight(), h - 45);
        EXPECT_EQ(canvas()->picture().size(), QSize(w - 17, h - 45));
    };
    EXPECT_EQ(window->client()->size(), QSize(724, 545));
    check(window->client()->size());
    window->resize(900, 640);
    QApplication::processEvents();
    check(window->client()->size());
    window->resize(100, 100); // held at the minimum size
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(680, 300));
    check(window->client()->size());
    // The origin stays through resizes.
    EXPECT_EQ(view().originX, 0);
}

TEST_F(MainWindowTest, CanvasRedrawsOnChangesAndBatchesRequests) {
    open();
    (void)canvas()->picture();
    const int renders = canvas()->renderCount();
    editor().viewController().zoomIn();
    editor().viewController().keyChar(U'd');
    editor().viewController().keyChar(U'd');
    (void)canvas()->picture();
    EXPECT_EQ(canvas()->renderCount(), renders + 1);
    (void)canvas()->picture();
    EXPECT_EQ(canvas()->renderCount(), renders + 1);
}

class HoverTest : public MainWindowTest {
  protected:
    void SetUp() override {
        TRmg t = makeNewTemplate();
        t.zones = {zoneAt(1, 1), zoneAt(3, 3)};
        openWith(t);
    }
    InfoPanelWidget* panel() { return window->infoPanel(); }
    // Moves the pointer to a canvas pixel, as the window system delivers it.
    void moveTo(QPoint canvasPos) { QTest::mouseMove(canvas(), canvasPos); }
};

TEST_F(HoverTest, PanelShowsMovesAndHidesWithTheItemUnderThePointer) {
    moveTo(nodeCentre(1, 1)); // (90, 90): left and upper half
    EXPECT_EQ(editor().hoveredItem(), 1);
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->geometry(), QRect(140, 140, 185, 241));
    EXPECT_EQ(panel()->title()->text(), QString::fromUtf8(editor().infoPanel().content.title));

    moveTo(QPoint(400, 400)); // empty canvas
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(editor().hoveredItem(), 0);
}

// The panel follows a zoom under the resting pointer, hides when the pointer
// leaves (which the editor is told: a later zoom finds nothing under it) and
// when its item is deleted.
TEST_F(HoverTest, PanelFollowsZoomsAndHidesWhenThePointerLeavesOrItsItemIsDeleted) {
    moveTo(nodeCentre(3, 3)); // (210, 210)
    ASSERT_EQ(editor().hoveredItem(), 2);
    wheel(canvas(), QPoint(0, -120)); // the zone moves from under the pointer
    EXPECT_EQ(editor().hoveredItem(), 0);
    EXPECT_FALSE(panel()->isVisible());
    wheel(canvas(), QPoint(0, 120));
    EXPECT_EQ(editor().hoveredItem(), 2);
    ASSERT_TRUE(panel()->isVisible());
    leaveCanvas();
    EXPECT_FALSE(panel()->isVisible());
    click(ZoomOut);
    EXPECT_EQ(editor().hoveredItem(), 0);
    EXPECT_FALSE(panel()->isVisible());

    moveTo(nodeCentre(3, 3) + QPoint(3, 3));
    ASSERT_EQ(editor().hoveredItem(), 2);
    key(Qt::Key_A, Qt::ControlModifier);
    services.messageAnswers.push_back(MessageResult::Yes);
    key(Qt::Key_Delete);
    ASSERT_TRUE(editor().document().rmg().zones.empty());
    EXPECT_EQ(editor().hoveredItem(), 0);
    EXPECT_FALSE(panel()->isVisible());
}

TEST_F(HoverTest, PointerEventsOverThePanelReachTheCanvasBelowIt) {
    moveTo(nodeCentre(1, 1));
    ASSERT_EQ(panel()->pos(), QPoint(140, 140));
    // Panel point (70, 128) is client (210, 268), canvas (210, 240): inside zone 2
    // (centre (210, 210), radius 35); the client point itself would miss it.
    send(panel(), QEvent::MouseMove, Qt::NoButton, QPoint(70, 128));
    EXPECT_EQ(editor().hoveredItem(), 2);
    EXPECT_EQ(panel()->pos(), QPoint(260, 290)); // placed for the pointer at canvas (210, 240)

    // A press lands on the canvas node below the panel point: panel (180, 175)
    // is client (440, 465), canvas (440, 437), node (7, 7).
    dialogs.zoneAnswers.push_back(ScriptedDialogs::acceptZone());
    click(CreateZone);
    send(panel(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(180, 175));
    send(panel(), QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(180, 175));
    ASSERT_EQ(zoneCount(), 3u);
    EXPECT_EQ(editor().document().rmg().zones[2].gridX, 7);
    EXPECT_EQ(editor().document().rmg().zones[2].gridY, 7);
}

TEST_F(MainWindowTest, ScrollBarsMirrorTheEditorWithoutFeedingBack) {
    TRmg t = makeNewTemplate();
    t.zones = {zoneAt(-4, -2), zoneAt(7, 9)};
    openWith(t);
    QScrollBar* h = window->hScrollBar();
    QScrollBar* v = window->vScrollBar();
    EXPECT_EQ(h->singleStep(), 1);
    EXPECT_EQ(h->pageStep(), 5);
    EXPECT_EQ(std::make_pair(h->minimum(), h->maximum()), std::make_pair(-4, 7));
    EXPECT_EQ(std::make_pair(v->minimum(), v->maximum()), std::make_pair(-2, 9));

    h->setValue(5); // as the user drags it
    EXPECT_EQ(view().originX, 5);
    EXPECT_EQ(view().originY, 0);
    h->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(view().originX, 0);

    // Typed letters move the origin, once each (Russian letters are the same
    // keys in the Russian layout), and leave the bars alone; mirroring the
    // unchanged bars must not undo that.
    const std::tuple<const char*, int, int> typed[] = {
        {"ddd", 3, 0}, {"вВ", 5, 0}, {"aФф", 2, 0}, {"sSыЫ", 2, 4}, {"wЦ", 2, 2}};
    for (const auto& [text, x, y] : typed) {
        typeText(QString::fromUtf8(text));
        EXPECT_EQ(std::pair(view().originX, view().originY), std::pair(x, y)) << text;
    }
    EXPECT_EQ(std::pair(h->value(), v->value()), std::pair(0, 0));
    editor().viewController().updateScrollBars();
    EXPECT_EQ(std::pair(view().originX, view().originY), std::pair(2, 2));
    EXPECT_EQ(std::pair(h->value(), v->value()), std::pair(0, 0));

    // Moving one bar puts both origin coordinates back to the bars' positions.
    v->setValue(4);
    EXPECT_EQ(std::pair(view().originX, view().originY), std::pair(0, 4));

    // A new template empties the ranges and the bars follow.
    newTemplate(window->session());
    EXPECT_EQ(std::make_pair(h->minimum(), h->maximum()), std::make_pair(0, 0));
    EXPECT_EQ(h->value(), 0);
}

TEST_F(MainWindowTest, AnalysisPanelOpensReadableAndKeepsItsWidthForTheNextRun) {
    // No width kept by the windows earlier tests closed.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "zonewright", "zonewright")
        .remove("windowState");
    open();
    window->resize(1500, 800);
    click(Analysis);
    AnalysisPanel* panel = window->analysisPanel();
    EXPECT_GE(panel->width(), 420);
    EXPECT_LE(panel->width(), std::max(430, window->width() / 3));
    window->resizeDocks({panel}, {300}, Qt::Horizontal);
    QApplication::processEvents();
    const int kept = panel->width();
    ASSERT_TRUE(window->close());

    open();
    EXPECT_TRUE(window->analysisPanel()->isHidden());
    click(Analysis);
    EXPECT_NEAR(window->analysisPanel()->width(), kept, 2);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "zonewright", "zonewright")
        .remove("windowState");
}

TEST_F(MainWindowTest, AnalysisPanelFollowsTheTemplateAndShowsTheZonesOfAFinding) {
    // Starts 1 and 2 joined; zone 3 far below, joined to nothing.
    TRmg t = test::analysisTemplate(2);
    for (const auto& [z, x, y] :
         {std::tuple{test::startWithCastle(1), 0, 0}, std::tuple{test::startWithCastle(2), 20, 0},
          std::tuple{test::bareZone(1), 20, 30}}) {
        ZoneRecord placed = z;
        placed.gridX = x;
        placed.gridY = y;
        t.appendZone(placed);
    }
    t.appendConnection(test::link(1, 2));
    openWith(t);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    AnalysisPanel* panel = window->analysisPanel();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(window->dockWidgetArea(panel), Qt::RightDockWidgetArea);
    QTreeWidget* tree = panel->findings();
    const auto cutOff = [tree] {
        return tree->findItems("недостижима", Qt::MatchContains | Qt::MatchRecursive);
    };

    click(Analysis);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_TRUE(button(Analysis)->isChecked());
    ASSERT_FALSE(cutOff().isEmpty());

    // A click on the finding selects zone 3 and brings it to the middle.
    QTreeWidgetItem* finding = cutOff().front();
    tree->scrollToItem(finding);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree->visualItemRect(finding).center());
    EXPECT_EQ(editor().selection().zones(), std::vector<int32_t>{2});
    EXPECT_EQ(view(), *centreOnZone(editor().document().rmg(), view(),
                                    editor().viewController().canvasWidth(),
                                    editor().viewController().canvasHeight(), 2));

    // Every edit, a step back included, is analysed again at once.
    test::change(editor(), [](TRmg& t) { t.appendConnection(test::link(2, 3)); });
    EXPECT_TRUE(cutOff().isEmpty());
    editor().document().stepBack();
    EXPECT_FALSE(cutOff().isEmpty());

    // The shortcut and the dock's own close put the button up.
    key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_FALSE(button(Analysis)->isChecked());
    // Changes while hidden are caught up with when it is shown again.
    editor().document().stepForward();
    key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(button(Analysis)->isChecked());
    EXPECT_TRUE(cutOff().isEmpty());
    panel->close();
    EXPECT_FALSE(button(Analysis)->isChecked());
    click(Analysis); // and the window goes with the panel shown
    EXPECT_FALSE(panel->isHidden());
}

TEST_F(MainWindowTest, RecentProjectsAreListedUnderTheLoadButtonAndKeptForTheNextRun) {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "zonewright", "zonewright").clear();
    TRmg t = makeNewTemplate();
    t.name = "Recent";
    const TempProject project(t);
    const auto listed = [this] {
        std::vector<std::string> texts;
        for (QAction* a : window->recentMenu()->actions())
            texts.push_back(a->text().toStdString());
        return texts;
    };
    open();
    EXPECT_EQ(button(Load)->menu(), window->recentMenu());
    EXPECT_EQ(listed(), std::vector<std::string>{"Нет последних файлов"});
    services.openAnswers.push_back(project.path());
    click(Load);
    EXPECT_EQ(listed(), std::vector<std::string>{project.path()});
    window.reset();

    // The next window reads the list; picking the entry loads it again.
    open();
    ASSERT_EQ(listed(), std::vector<std::string>{project.path()});
    window->recentMenu()->actions().front()->trigger();
    EXPECT_EQ(editor().document().rmg().name, "Recent");
    EXPECT_EQ(services.openFilters.size(), 1u); // the first load's dialog only
}

TEST_F(MainWindowTest, CaptionMarkStepHintsAndSelectionCommandsFollowTheEditor) {
    test::ScratchDir dir;
    open();
    QAction* copy = window->editAction("copy-selection");
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_FALSE(button(SymmetryMenu)->isEnabled());

    ZoneRecord z = makeDefaultZone();
    test::change(editor(), [&](TRmg& t) { t.appendZone(z); });
    EXPECT_EQ(test::shownTitle(*window), QString("Редактор шаблонов - Unnamed template*"));
    EXPECT_EQ(button(StepBack)->toolTip(), QString("Шаг назад: Изменение (Ctrl+Z)"));

    // The selection tool's click enables the commands on the selection.
    click(Select);
    const QPoint zone = nodeCentre(0, 0);
    QTest::mouseMove(canvas(), zone);
    QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, zone);
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_TRUE(button(SymmetryMenu)->isEnabled());

    services.saveAnswers.push_back(dir.file("saved.tpz"));
    click(Save);
    EXPECT_EQ(test::shownTitle(*window), QString("Редактор шаблонов - Unnamed template"));
    editor().document().stepBack();
    EXPECT_EQ(test::shownTitle(*window), QString("Редактор шаблонов - Unnamed template*"));
    EXPECT_EQ(button(StepForward)->toolTip(),
              QString("Шаг вперед: Изменение (Ctrl+Y, Ctrl+Shift+Z)"));
    // The zone went with the step back, and so did the selection's commands.
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_FALSE(button(SymmetryMenu)->isEnabled());
}

TEST_F(MainWindowTest, ClosingAsksAboutUnsavedChanges) {
    open();
    EXPECT_TRUE(window->close());
    window->show();
    test::change(editor(), [](TRmg& t) { t.name = "Changed"; });
    services.messageAnswers.push_back(MessageResult::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    services.messageAnswers.push_back(MessageResult::No);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(services.messages.size(), 2u);
}

} // namespace
} // namespace zw
