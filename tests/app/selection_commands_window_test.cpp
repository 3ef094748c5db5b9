// The window's wiring of the commands on the selection: the clipboard keys
// through the real clipboard with the pointer over the canvas, and the
// symmetry button's menu.
#include "model/fragment.h"
#include "platform/qt_services.h"
#include "support/document_edits.h"
#include "support/group_samples.h"
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
    select({0, 1});
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
    EXPECT_TRUE(window->button(test::buttons::StepBack)->isEnabled());

    // The pointer leaves the canvas: the editor is told; the cut keys reach it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window->canvas(), &leave);
    EXPECT_FALSE(editor().pointerNode());
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier); // cuts the pasted pair
    EXPECT_EQ(editor().document().rmg().zones.size(), 3u);
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor().document().rmg().zones.size(), 5u);
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

} // namespace
} // namespace zw
