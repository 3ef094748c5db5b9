#include "dialogs/connection_dialog.h"
#include "dialogs/qt_dialogs.h"
#include "dialogs/window_helpers.h"
#include "support/scripted_services.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace zw {
namespace {

using namespace zw::test;

QStringList tabCaptions(QTabBar* tabs) {
    QStringList l;
    for (int i = 0; i < tabs->count(); ++i)
        l << tabs->tabText(i);
    return l;
}

void clickTab(QTabBar* tabs, int i) {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
}

ConnectionRecord threePassages() {
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = 1;
    c.zoneB = 2;
    c.passageCount = 3;
    c.passages[1].kind = 2;
    c.passages[1].guard = 3000;
    c.passages[2].autoExist = false;
    c.passages[2].minHumans = 2;
    return c;
}

TEST(ConnectionWindow, NewConnectionOpensWithOneTab) {
    ConnectionDialog d;
    d.fill(makeDefaultConnection());
    showActive(d);
    const auto& c = d.controls();
    EXPECT_EQ(str(d.windowTitle()), "Настройка перехода");
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(groupTitles(d).contains(QStringLiteral("Параметры перехода")));
    const QStringList labels = labelTexts(d);
    for (const char* l :
         {"Количество переходов:", "Тип прохода", "Охрана прохода", "Требуется игроков-людей",
          "Максимум игроков-людей", "Требуется игроков всего", "Максимум игроков всего"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(l))) << l;
    EXPECT_EQ(tabCaptions(c.tabs).join('|').toStdString(), "П. 1");
    EXPECT_EQ(str(c.kind->currentText()), "Обычный");
    EXPECT_EQ(c.kind->count(), 3);
    EXPECT_EQ(str(c.kind->itemText(2)), "Страж прохода");
    EXPECT_EQ(str(c.guard->currentText()), "Средняя (6000)");
    EXPECT_EQ(c.guard->count(), 8);
    EXPECT_EQ(str(c.guard->itemText(7)), "Очень сильная (12500)");
    EXPECT_EQ(str(c.autoExist->text()), "Автоматически определять условия существования");
    EXPECT_TRUE(c.autoExist->isChecked());
    EXPECT_FALSE(c.limitsFrame->isVisible());
    EXPECT_TRUE(c.guard->isVisible());
    EXPECT_EQ(str(c.ok->text()), "ОК");
    EXPECT_EQ(str(c.cancel->text()), "Отмена");
}

TEST(ConnectionWindow, CountArrowsRebuildTheTabsAndKeepOldPassages) {
    ConnectionDialog d;
    d.fill(threePassages());
    showActive(d);
    const auto& c = d.controls();
    EXPECT_EQ(tabCaptions(c.tabs).join('|').toStdString(), "П. 1|П. 2|П. 3");
    c.count->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(c.count, Qt::Key_Down);
    QTest::keyClick(c.count, Qt::Key_Down);
    EXPECT_EQ(c.tabs->count(), 1);
    QTest::keyClick(c.count, Qt::Key_Up);
    QTest::keyClick(c.count, Qt::Key_Up);
    EXPECT_EQ(c.tabs->count(), 3);
    EXPECT_EQ(c.tabs->currentIndex(), 0);
    clickTab(c.tabs, 1);
    EXPECT_EQ(str(c.kind->currentText()), "Страж прохода");
    EXPECT_FALSE(c.guard->isVisible());
    EXPECT_FALSE(c.guardLabel->isVisible());
    clickTab(c.tabs, 2);
    EXPECT_TRUE(c.limitsFrame->isVisible());
    EXPECT_EQ(str(fieldText(c.limits[0])), "2");
    // Typing a count works like the arrows.
    typeInto(c.count, "2");
    EXPECT_EQ(c.tabs->count(), 2);
    click(c.ok);
    const ConnectionRecord r = d.result();
    EXPECT_EQ(r.passageCount, 2);
    EXPECT_EQ(r.passages[2], threePassages().passages[2]);
}

TEST(ConnectionWindow, AllEightTabsStayInSight) {
    ConnectionDialog d;
    ConnectionRecord c8 = makeDefaultConnection();
    c8.passageCount = 8;
    d.fill(c8);
    showActive(d);
    QTabBar* tabs = d.controls().tabs;
    ASSERT_EQ(tabs->count(), 8);
    EXPECT_EQ(str(tabs->tabText(7)), "П. 8");
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i))) << i;
    clickTab(tabs, 7);
    EXPECT_EQ(tabs->currentIndex(), 7);
}

TEST(ConnectionWindow, TabSwitchWritesTheLeftPassage) {
    ConnectionDialog d;
    d.fill(threePassages());
    showActive(d);
    const auto& c = d.controls();
    clickTab(c.tabs, 1);
    choose(c.kind, 0);
    EXPECT_TRUE(c.guard->isVisible());
    EXPECT_EQ(str(c.guard->currentText()), "Слабая (3000)");
    typeInto(c.guard, "20000", false); // still in the box when the tab is clicked
    clickTab(c.tabs, 0);
    EXPECT_EQ(str(c.guard->currentText()), "Средняя (6000)");
    EXPECT_EQ(d.form().working().passages[1].guard, 20000);
    EXPECT_EQ(d.form().working().passages[1].kind, 0);
    clickTab(c.tabs, 1);
    EXPECT_EQ(str(c.guard->currentText()), "Мощная (20000)");
}

TEST(ConnectionWindow, PassageLimitsOutsideOneToEightAreMarkedPerTab) {
    ConnectionDialog d;
    ConnectionRecord r = threePassages();
    r.passages[0].autoExist = false;
    r.passages[0].maxPlayers = 9;
    d.fill(r);
    showActive(d);
    const auto& c = d.controls();
    EXPECT_FALSE(c.limits[3]->toolTip().isEmpty());
    clickTab(c.tabs, 2);
    EXPECT_TRUE(c.limits[3]->toolTip().isEmpty());
    clickTab(c.tabs, 0);
    EXPECT_TRUE(c.limits[3]->toolTip().contains(QStringLiteral("9")));
    EXPECT_EQ(d.form().working().passages[0].maxPlayers, 9);
}

TEST(ConnectionWindow, GuardBoxReadsOnlyTypedText) {
    ConnectionDialog d;
    ConnectionRecord r = makeDefaultConnection();
    r.passages[0].guard = 20000;
    d.fill(r);
    showActive(d);
    const auto& c = d.controls();
    EXPECT_EQ(str(c.guard->currentText()), "Мощная (20000)");
    c.guard->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(c.guard, Qt::Key_Tab);
    EXPECT_EQ(str(c.guard->currentText()), "Мощная (20000)");
    typeInto(c.guard, "");
    EXPECT_EQ(str(c.guard->currentText()), "Средняя (6000)");
    typeInto(c.guard, "4a5-0 0");
    EXPECT_EQ(str(c.guard->currentText()), "Ниже средней (4500)");
    click(c.autoExist);
    EXPECT_TRUE(c.limitsFrame->isVisible());
    choose(c.kind, 1);
    EXPECT_FALSE(c.guard->isVisible());
    click(c.ok);
    EXPECT_EQ(d.result().passages[0].guard, 4500);
    EXPECT_EQ(d.result().passages[0].kind, 1);
    EXPECT_FALSE(d.result().passages[0].autoExist);
}

TEST(ConnectionWindow, FurtherPassageThroughTheDialogsInterface) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    ConnectionDialog& d = *dialogs.connectionDialog();
    ConnectionRecord c = threePassages();
    c.passageCount = 2;
    c.passages[0].guard = 8000;
    const auto r = runModal<std::optional<ConnectionRecord>>(
        d,
        [&] {
            const auto& ui = d.controls();
            EXPECT_EQ(tabCaptions(ui.tabs).join('|').toStdString(), "П. 1|П. 2|П. 3");
            EXPECT_EQ(ui.tabs->currentIndex(), 2);
            EXPECT_EQ(str(ui.guard->currentText()), "Выше средней (8000)");
            EXPECT_EQ(str(fieldText(ui.count)), "3");
            click(ui.ok);
        },
        [&] { return dialogs.editConnection(c, true); });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->passageCount, 3);
    EXPECT_EQ(r->passages[2], r->passages[0]);
    EXPECT_EQ(r->passages[0].guard, 8000);
    EXPECT_EQ(r->zoneA, 1);
    EXPECT_EQ(r->zoneB, 2);

    const auto cancelled = runModal<std::optional<ConnectionRecord>>(
        d, [&] { QTest::keyClick(&d, Qt::Key_Escape); },
        [&] { return dialogs.editConnection(c, false); });
    EXPECT_FALSE(cancelled);
}

} // namespace
} // namespace zw
