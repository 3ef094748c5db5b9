#include "dialogs/connection_dialog.h"
#include "dialogs/qt_dialogs.h"
#include "support/dialog_fixtures.h"
#include "support/scripted_services.h"

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

// A connection dialog; open() fills it and shows it as the active window.
struct ConnectionWindow : ::testing::Test {
    void open(const ConnectionRecord& r) {
        d.fill(r);
        showActive(d);
    }
    ConnectionDialog d;
    const ConnectionDialog::Controls& c = d.controls();
};

TEST_F(ConnectionWindow, NewConnectionOpensWithOneTab) {
    open(makeDefaultConnection());
    EXPECT_EQ(str(d.windowTitle()), "Настройка перехода");
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    expectAmong(groupTitles(d), "Параметры перехода");
    expectAmong(labelTexts(d), "Количество переходов:|Тип прохода|Охрана прохода|"
                               "Требуется игроков-людей|Максимум игроков-людей|"
                               "Требуется игроков всего|Максимум игроков всего");
    EXPECT_EQ(tabCaptions(c.tabs).join('|').toStdString(), "П. 1");
    EXPECT_EQ(c.kind->count(), 3);
    EXPECT_EQ(str(c.kind->itemText(2)), "Страж прохода");
    EXPECT_EQ(c.guard->count(), 8);
    EXPECT_EQ(str(c.guard->itemText(7)), "Очень сильная (12500)");
    EXPECT_EQ(shownTexts({c.kind, c.guard, c.autoExist, c.ok, c.cancel}),
              "Обычный|Средняя (6000)|Автоматически определять условия существования|ОК|Отмена");
}

TEST_F(ConnectionWindow, CountArrowsRebuildTheTabsAndKeepOldPassages) {
    open(threePassages());
    EXPECT_EQ(tabCaptions(c.tabs).join('|').toStdString(), "П. 1|П. 2|П. 3");
    c.count->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(c.count, Qt::Key_Down);
    QTest::keyClick(c.count, Qt::Key_Down);
    EXPECT_EQ(c.tabs->count(), 1);
    typeInto(c.count, "3"); // typing a count works like the arrows
    EXPECT_EQ(c.tabs->count(), 3);
    clickTab(c.tabs, 1);
    EXPECT_EQ(str(c.kind->currentText()), "Страж прохода");
    EXPECT_EQ(visibility({c.guard, c.guardLabel}), "00");
    clickTab(c.tabs, 2);
    EXPECT_TRUE(c.limitsFrame->isVisible());
    EXPECT_EQ(str(fieldText(c.limits[0])), "2");
    click(c.ok);
    EXPECT_EQ(d.result().passageCount, 3);
}

TEST_F(ConnectionWindow, AllEightTabsStayInSight) {
    ConnectionRecord c8 = makeDefaultConnection();
    c8.passageCount = 8;
    open(c8);
    QTabBar* tabs = c.tabs;
    ASSERT_EQ(tabs->count(), 8);
    EXPECT_EQ(str(tabs->tabText(7)), "П. 8");
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i))) << i;
    clickTab(tabs, 7);
    EXPECT_EQ(tabs->currentIndex(), 7);
}

TEST_F(ConnectionWindow, TabSwitchWritesTheLeftPassage) {
    open(threePassages());
    clickTab(c.tabs, 1);
    choose(c.kind, 0);
    EXPECT_EQ(str(c.guard->currentText()), "Слабая (3000)");
    typeInto(c.guard, "20000", false); // still in the box when the tab is clicked
    clickTab(c.tabs, 0);
    EXPECT_EQ(str(c.guard->currentText()), "Средняя (6000)");
    EXPECT_EQ(std::pair(d.form().working().passages[1].guard, d.form().working().passages[1].kind),
              std::pair(20000, 0));
}

TEST_F(ConnectionWindow, PassageLimitsOutsideOneToEightAreMarkedPerTab) {
    ConnectionRecord r = threePassages();
    r.passages[0].autoExist = false;
    r.passages[0].maxPlayers = 9;
    open(r);
    EXPECT_FALSE(c.limits[3]->toolTip().isEmpty());
    clickTab(c.tabs, 2);
    EXPECT_TRUE(c.limits[3]->toolTip().isEmpty());
    clickTab(c.tabs, 0);
    EXPECT_TRUE(c.limits[3]->toolTip().contains(QStringLiteral("9")));
}

TEST_F(ConnectionWindow, GuardBoxTakesTypedDigitsAndTheControlsReachTheResult) {
    open(makeDefaultConnection());
    typeInto(c.guard, "4a5-0 0");
    EXPECT_EQ(str(c.guard->currentText()), "Ниже средней (4500)");
    click(c.autoExist);
    EXPECT_TRUE(c.limitsFrame->isVisible());
    choose(c.kind, 1);
    EXPECT_FALSE(c.guard->isVisible());
    click(c.ok);
    const PassageRecord p = d.result().passages[0];
    EXPECT_EQ(std::tuple(p.guard, p.kind, p.autoExist), std::tuple(4500, 1, false));
}

TEST_F(ConnectionWindow, FurtherPassageThroughTheDialogsInterface) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    ConnectionDialog& shown = *dialogs.connectionDialog();
    ConnectionRecord record = threePassages();
    record.passageCount = 2;
    const auto r = runModal<std::optional<ConnectionRecord>>(
        shown,
        [&] {
            const auto& ui = shown.controls();
            EXPECT_EQ(tabCaptions(ui.tabs).join('|').toStdString(), "П. 1|П. 2|П. 3");
            EXPECT_EQ(ui.tabs->currentIndex(), 2);
            EXPECT_EQ(str(fieldText(ui.count)), "3");
            click(ui.ok);
        },
        [&] { return dialogs.editConnection(record, true); });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->passageCount, 3);
    EXPECT_EQ(r->passages[2], r->passages[0]);

    const auto cancelled = runModal<std::optional<ConnectionRecord>>(
        shown, [&] { QTest::keyClick(&shown, Qt::Key_Escape); },
        [&] { return dialogs.editConnection(record, false); });
    EXPECT_FALSE(cancelled);
}

} // namespace
} // namespace zw
