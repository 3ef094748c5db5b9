// The window's wiring of the commands on the selection: the clipboard keys
// through the real clipboard with the pointer over the canvas, and the
// symmetry button's menu.
#include "model/fragment.h"
#include "model/project_file.h"
#include "platform/files.h"
#include "platform/qt_services.h"
#include "support/document_edits.h"
#include "support/group_samples.h"
#include "support/scratch_dir.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"
#include "support/toolbar_ids.h"
#include "support/window_pointer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <gtest/gtest.h>

#include <memory>

namespace zw {
namespace {

using test::templateOf;
using test::zoneAt;

// Scripted answers, but the clipboard is the desktop's.
class DesktopClipboardServices : public ScriptedServices {
  public:
    void setClipboard(std::string_view mimeType, std::string_view text) override {
        qt_.setClipboard(mimeType, text);
    }
    std::optional<std::string> clipboardText(std::string_view mimeType) override {
        return qt_.clipboardText(mimeType);
    }

  private:
    QtServices qt_;
};

class SelectionCommandsWindowTest : public ::testing::Test {
  protected:
    DesktopClipboardServices services;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    void openWith(const TRmg& t) {
        window = std::make_unique<MainWindow>(services, dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        test::install(window->editor(), t);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    Editor& editor() { return window->editor(); }
    void select(std::initializer_list<int32_t> zones) {
        Selection s;
        for (const int32_t k : zones)
            s.addZone(k);
        editor().setSelection(s);
    }
};

TEST_F(SelectionCommandsWindowTest, CopyAndPasteKeysGoThroughTheClipboardToThePointer) {
    openWith(templateOf({zoneAt(1, 1, 3), zoneAt(3, 1), zoneAt(9, 9)}, {{0, 1}}));
    EXPECT_FALSE(window->editAction("copy-selection")->isEnabled());
    select({0, 1});
    EXPECT_TRUE(window->editAction("copy-selection")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    const QString type = QString::fromUtf8(kFragmentMimeType.data());
    ASSERT_TRUE(data->hasFormat(type));
    EXPECT_EQ(data->text().toUtf8(), data->data(type));
    const auto copied = fragmentFromText(data->text().toStdString());
    ASSERT_TRUE(std::holds_alternative<TRmg>(copied));
    EXPECT_EQ(std::get<TRmg>(copied).zones.size(), 2u);

    WindowPointer pointer(*window);
    pointer.moveTo(pointer.node(5, 5));
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    const TRmg& t = editor().document().rmg();
    ASSERT_EQ(t.zones.size(), 5u);
    EXPECT_EQ(t.zones[3].gridX, 5);
    EXPECT_EQ(t.zones[3].gridY, 5);
    EXPECT_EQ(t.zones[3].owner, 3);
    EXPECT_EQ(t.zones[4].gridX, 7);
    EXPECT_EQ(t.connections.size(), 2u);
    EXPECT_TRUE(window->button(test::buttons::StepBack)->isEnabled());

    // The pointer leaves the canvas: the next paste goes beside the originals.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window->canvas(), &leave);
    EXPECT_FALSE(editor().pointerNode());
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier); // cuts the pasted pair
    EXPECT_EQ(editor().document().rmg().zones.size(), 3u);
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor().document().rmg().zones.size(), 5u);
    EXPECT_EQ(editor().document().rmg().zones[3].gridX, 5); // in the cut zones' place
    EXPECT_EQ(editor().document().rmg().zones[3].gridY, 5);
}

TEST_F(SelectionCommandsWindowTest, ALoadedProjectLeavesNothingOfTheOldSelection) {
    // Zones 2 and 5 of seven selected with the tool, then a three-zone project.
    test::ScratchDir dir;
    TRmg seven = templateOf({zoneAt(0, 0), zoneAt(2, 0), zoneAt(4, 0), zoneAt(6, 0), zoneAt(8, 0),
                             zoneAt(10, 0), zoneAt(12, 0)});
    openWith(seven);
    WindowPointer pointer(*window);
    pointer.clickButton(test::buttons::Select);
    pointer.click(pointer.zone(1));
    pointer.moveTo(pointer.zone(4));
    QTest::mouseClick(window->canvas(), Qt::LeftButton, Qt::ControlModifier, pointer.zone(4));
    ASSERT_EQ(editor().selection().zones(), (std::vector<int32_t>{1, 4}));
    EXPECT_TRUE(window->button(test::buttons::SymmetryMenu)->isEnabled());

    seven.zones.resize(3);
    writeWholeFile(dir.file("three.tpz"), encodeProject(seven));
    services.openAnswers.push_back(dir.file("three.tpz"));
    pointer.clickButton(test::buttons::Load);
    ASSERT_EQ(editor().document().rmg().zones.size(), 3u);
    EXPECT_TRUE(editor().selection().empty());
    EXPECT_FALSE(window->button(test::buttons::SymmetryMenu)->isEnabled());
    EXPECT_FALSE(window->editAction("copy-selection")->isEnabled());

    // A right click on zone 2 edits that one zone.
    pointer.click(pointer.zone(1), Qt::RightButton);
    EXPECT_TRUE(dialogs.zonesCalls.empty());
    EXPECT_EQ(dialogs.zoneCalls.size(), 1u);
    window->close();
}

TEST_F(SelectionCommandsWindowTest, SymmetryButtonOpensTheMenuOfItsSixActions) {
    openWith(templateOf({zoneAt(0, 0), zoneAt(2, 0), zoneAt(2, 4)}));
    QToolButton* b = window->button(test::buttons::SymmetryMenu);
    ASSERT_TRUE(b->menu());
    EXPECT_EQ(b->popupMode(), QToolButton::InstantPopup);
    EXPECT_FALSE(b->isEnabled());
    QStringList texts;
    for (const QAction* a : b->menu()->actions()) {
        texts << a->text();
        EXPECT_FALSE(a->isEnabled());
    }
    EXPECT_EQ(texts,
              (QStringList{"Отразить слева направо", "Отразить сверху вниз", "Повернуть на 90°",
                           "Повернуть на 180°", "Повернуть на 270°", "Дублировать для игроков…"}));

    select({0, 1, 2});
    EXPECT_TRUE(b->isEnabled());
    b->menu()->actions()[3]->trigger(); // rotate by 180°
    EXPECT_EQ(editor().document().rmg().zones[0].gridX, 2);
    EXPECT_EQ(editor().document().rmg().zones[0].gridY, 4);
    EXPECT_EQ(editor().document().history().position(), 1);

    // The rotation by 90° also has a key.
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(editor().document().history().position(), 2);
}

TEST_F(SelectionCommandsWindowTest, RightClickOnASelectedZoneOpensTheDialogForAllSelected) {
    openWith(templateOf({zoneAt(1, 1), zoneAt(4, 1), zoneAt(7, 1)}));
    select({0, 2});
    dialogs.zonesAnswers.push_back([](const std::vector<ZoneRecord>& from) {
        std::vector<ZoneRecord> out = from;
        for (ZoneRecord& z : out)
            z.mineGold = 3;
        return std::optional(out);
    });
    WindowPointer pointer(*window);
    pointer.click(pointer.zone(2), Qt::RightButton);
    ASSERT_EQ(dialogs.zonesCalls.size(), 1u);
    EXPECT_EQ(editor().document().rmg().zones[0].mineGold, 3);
    EXPECT_EQ(editor().document().rmg().zones[1].mineGold, 0);
    EXPECT_EQ(editor().document().rmg().zones[2].mineGold, 3);
    EXPECT_EQ(editor().document().history().position(), 1);
}

} // namespace
} // namespace zw
