#include "dialogs/qt_dialogs.h"
#include "dialogs/window_helpers.h"
#include "dialogs/zone_dialog.h"
#include "support/scripted_services.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace zw {
namespace {

using namespace zw::test;

TEST(ZoneWindow, ShowsEveryControlWithItsCaptionAndEntries) {
    ScriptedServices services;
    ZoneDialog d(services);
    const auto& c = d.controls();
    EXPECT_EQ(str(d.windowTitle()), "Настройка локации");
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(d.windowFlags() & Qt::CustomizeWindowHint);
    EXPECT_TRUE(d.isModal());
    for (const char* g : {"Параметры", "Настройка городов", "Шахты ресурсов", "Территория",
                          "Монстры", "Сокровища", "Условие существования"})
        EXPECT_TRUE(groupTitles(d).contains(QString::fromUtf8(g))) << g;
    for (const char* l : {"Тип зоны",
                          "Размер",
                          "Игрок-владелец",
                          "Города",
                          "Городов с фортом",
                          "Городов без форта",
                          "Городов с фортом (нейтральных)",
                          "Городов без форта (нейтральных)",
                          "Допустимые типы городов",
                          "Дерево",
                          "Руда",
                          "Золото",
                          "Ртуть",
                          "Сера",
                          "Кристаллы",
                          "Др. камни",
                          "Сила монстров",
                          "Первая группа сокровищ:",
                          "Вторая группа сокровищ:",
                          "Третья группа сокровищ:",
                          "Минимальная богатость (Low)",
                          "Максимальная богатость (High)",
                          "Концентрация (Density)",
                          "Требуется игроков-людей",
                          "Максимум игроков-людей",
                          "Требуется игроков всего",
                          "Максимум игроков всего"})
        EXPECT_TRUE(labelTexts(d).contains(QString::fromUtf8(l))) << l;
    EXPECT_EQ(entries(c.kind).join('|').toStdString(),
              "Основная локация игрока|Сокровищница|Перекресток");
    EXPECT_EQ(entries(c.size).size(), 8);
    EXPECT_EQ(str(c.size->itemText(0)), "Очень маленький (5)");
    EXPECT_EQ(str(c.size->itemText(7)), "Огромный (40)");
    EXPECT_EQ(entries(c.owner).size(), 9);
    EXPECT_EQ(str(c.owner->itemText(8)), "Игрок 8 (розовый)");
    EXPECT_EQ(entries(c.towns).join('|').toStdString(),
              "Нет городов|Один город без форта|Один город с фортом|Настроить подробно");
    EXPECT_EQ(entries(c.monsterStrength).join('|').toStdString(), "Нет|Слабые|Средние|Сильные");
    EXPECT_EQ(entries(c.existence).join('|').toStdString(),
              "Условие отсутствует|Существует только вместе с владельцем|Настроить условие "
              "подробно");
    for (QComboBox* list : c.treasureLists) {
        EXPECT_EQ(list->count(), 15);
        EXPECT_EQ(str(list->itemText(0)), "Настроить...");
        EXPECT_EQ(str(list->itemText(14)), "Очень богатые, мало");
    }
    EXPECT_EQ(str(c.sameTownType->text()), "Все города одного типа");
    EXPECT_EQ(str(c.terrainMatchesTown->text()), "Территория совпадает по типу с замком");
    EXPECT_EQ(str(c.monstersMatchTown->text()), "Монстры из ближайшего города");
    EXPECT_EQ(c.townTypes->count(), 9);
    EXPECT_EQ(str(c.townTypes->box(8)->text()), "Сопряжение");
    EXPECT_EQ(c.terrains->count(), 8);
    EXPECT_EQ(str(c.terrains->box(0)->text()), "Грязь");
    EXPECT_EQ(c.monsterTypes->count(), 10);
    EXPECT_EQ(str(c.monsterTypes->box(0)->text()), "Нейтральные");
    EXPECT_EQ(str(c.ok->text()), "ОК");
    EXPECT_EQ(str(c.cancel->text()), "Отмена");
}

TEST(ZoneWindow, FilledFromARecord) {
    ScriptedServices services;
    ZoneDialog d(services);
    ZoneRecord z = makeDefaultZone();
    z.kind = 0;
    z.size = 21;
    z.owner = 3;
    z.townMode = 3;
    z.playerCastles = -12;
    z.mineGems = 5;
    z.mineGold = 7;
    z.terrainMatchesTown = true;
    z.monsterTypes[3] = false;
    z.treasure = {TreasureGroup{3000, 6000, 6}, TreasureGroup{3000, 6000, 5},
                  TreasureGroup{20000, 30000, 9}};
    z.existMode = 2;
    z.maxPlayers = 20;
    d.fill(z);
    showActive(d);
    const auto& c = d.controls();
    EXPECT_EQ(c.kind->currentIndex(), 0);
    EXPECT_EQ(str(c.size->currentText()), "Большой (21)");
    EXPECT_EQ(c.owner->currentIndex(), 3);
    EXPECT_TRUE(c.townSettings->isVisible());
    EXPECT_EQ(str(fieldText(c.townCounts[0])), "-12");
    EXPECT_EQ(str(fieldText(c.mines[5])), "5"); // gems
    EXPECT_EQ(str(fieldText(c.mines[6])), "7"); // gold
    EXPECT_FALSE(c.terrains->isVisible());
    EXPECT_TRUE(c.monsterTypes->isVisible());
    EXPECT_FALSE(c.monsterTypes->box(3)->isChecked());
    EXPECT_EQ(str(c.treasureLists[0]->currentText()), "Средние сокровища, средне");
    EXPECT_FALSE(c.treasurePanels[0]->isVisible());
    EXPECT_EQ(c.treasureLists[1]->currentIndex(), 0);
    EXPECT_TRUE(c.treasurePanels[1]->isVisible());
    EXPECT_EQ(str(fieldText(c.treasureFields[1][2])), "5");
    EXPECT_EQ(c.treasureLists[2]->currentIndex(), 0); // no entry names (20000, 30000, 9)
    EXPECT_TRUE(c.treasurePanels[2]->isVisible());
    EXPECT_EQ(str(fieldText(c.treasureFields[2][0])), "20000");
    EXPECT_TRUE(c.limitsPanel->isVisible());
    EXPECT_EQ(str(fieldText(c.limits[3])), "8"); // 20 shown at the bound
    // Leaving the size box and the limit field without typing changes nothing.
    c.size->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(c.size, Qt::Key_Tab);
    c.limits[3]->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(c.limits[3], Qt::Key_Tab);
    EXPECT_EQ(str(c.size->currentText()), "Большой (21)");
    EXPECT_EQ(d.readBack(), z);
}

TEST(ZoneWindow, ValuesOutsideTheListsOpenWithoutAnEntryAndStay) {
    ScriptedServices services;
    ZoneDialog d(services);
    ZoneRecord z = makeDefaultZone();
    z.owner = 12;
    z.kind = 5;
    z.townMode = -1;
    z.monsterStrength = 9;
    z.existMode = 4;
    z.minHumans = 0;
    d.fill(z);
    showActive(d);
    const auto& c = d.controls();
    EXPECT_EQ(c.owner->currentIndex(), -1);
    EXPECT_EQ(c.kind->currentIndex(), -1);
    EXPECT_FALSE(c.townSettings->isVisible());
    EXPECT_FALSE(c.limitsPanel->isVisible());
    EXPECT_EQ(str(fieldText(c.limits[0])), "1");
    EXPECT_EQ(d.readBack(), z);
    // A user choice replaces the stored value.
    choose(c.monsterStrength, 1);
    z.monsterStrength = 1;
    EXPECT_EQ(d.readBack(), z);
}

TEST(ZoneWindow, SizeBoxTakesDigitsOnlyAndReadsTypedText) {
    ScriptedServices services;
    ZoneDialog d(services);
    d.fill(makeDefaultZone());
    showActive(d);
    PresetBox* size = d.controls().size;
    EXPECT_EQ(str(size->currentText()), "Средний (14)");
    typeInto(size, "2x1 ");
    EXPECT_EQ(str(size->currentText()), "Большой (21)");
    EXPECT_EQ(d.readBack().size, 21);
    typeInto(size, "9");
    EXPECT_EQ(str(size->currentText()), "Ниже среднего (9)");
    typeInto(size, "");
    EXPECT_EQ(str(size->currentText()), "Средний (14)");
    EXPECT_EQ(d.readBack().size, 14);
    // Choosing an entry with the arrows.
    size->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(size, Qt::Key_Down);
    EXPECT_EQ(str(size->currentText()), "Выше среднего (18)");
    EXPECT_EQ(d.readBack().size, 18);
}

TEST(ZoneWindow, NumberFieldsTakeAnyIntegerOrTheirBounds) {
    ScriptedServices services;
    ZoneDialog d(services);
    d.fill(makeDefaultZone());
    showActive(d);
    const auto& c = d.controls();
    typeInto(c.mines[0], "-2147483648");
    EXPECT_EQ(d.readBack().mineWood, std::numeric_limits<int32_t>::min());
    typeInto(c.mines[1], "abc"); // letters cannot be typed
    EXPECT_EQ(str(fieldText(c.mines[1])), "0");
    typeInto(c.mines[2], "99999999999");
    EXPECT_EQ(d.readBack().mineOre, 0);
    EXPECT_EQ(str(fieldText(c.mines[2])), "0");

    choose(c.existence, 2);
    ASSERT_TRUE(c.limitsPanel->isVisible());
    typeInto(c.limits[0], "12");
    EXPECT_EQ(str(fieldText(c.limits[0])), "8");
    EXPECT_EQ(d.readBack().minHumans, 8);
    typeInto(c.limits[1], "");
    EXPECT_EQ(str(fieldText(c.limits[1])), "1");
    EXPECT_EQ(d.readBack().maxHumans, 1);
    c.limits[2]->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(c.limits[2], Qt::Key_Up);
    QTest::keyClick(c.limits[2], Qt::Key_Up);
    EXPECT_EQ(d.readBack().minPlayers, 3);
    QTest::keyClick(c.limits[3], Qt::Key_Up); // at 8 already
    EXPECT_EQ(d.readBack().maxPlayers, 8);
}

TEST(ZoneWindow, TabWalksTheMinesColumnByColumn) {
    ScriptedServices services;
    ZoneDialog d(services);
    showActive(d);
    const auto& mines = d.controls().mines; // record order: wood, mercury, ore, sulfur, ...
    mines[0]->setFocus(Qt::TabFocusReason);
    std::vector<int> visited;
    for (int step = 0; step < 7; ++step) {
        for (int i = 0; i < 7; ++i)
            if (mines[static_cast<size_t>(i)]->hasFocus())
                visited.push_back(i);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Wood, ore, gold on the left; mercury, sulfur, crystal, gems on the right.
    EXPECT_EQ(visited, (std::vector<int>{0, 2, 6, 1, 3, 4, 5}));
}

TEST(ZoneWindow, LimitsOutsideOneToEightAreMarkedAndKeptUnlessEdited) {
    ScriptedServices services;
    ZoneDialog d(services);
    ZoneRecord z = makeDefaultZone();
    z.existMode = 2;
    const auto& c = d.controls();
    for (int32_t v = 0; v <= 9; ++v) {
        z.minHumans = v;
        d.fill(z);
        const bool marked = v == 0 || v == 9;
        EXPECT_EQ(c.limits[0]->palette().color(QPalette::Base) == unshownValueColour(), marked)
            << v;
        EXPECT_EQ(c.limits[0]->toolTip().contains(QString::number(v)), marked) << v;
        EXPECT_EQ(c.limits[0]->toolTip().isEmpty(), !marked) << v;
    }
    showActive(d);
    EXPECT_EQ(str(fieldText(c.limits[0])), "8");
    c.limits[0]->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(c.limits[0], Qt::Key_Tab); // visited, not edited
    click(c.ok);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.readBack().minHumans, 9);

    d.fill(z);
    showActive(d);
    typeInto(c.limits[0], "3");
    EXPECT_TRUE(c.limits[0]->toolTip().isEmpty());
    EXPECT_NE(c.limits[0]->palette().color(QPalette::Base), unshownValueColour());
    EXPECT_EQ(d.readBack().minHumans, 3);
}

TEST(ZoneWindow, VisibilityFollowsTheControls) {
    ScriptedServices services;
    ZoneDialog d(services);
    d.fill(makeDefaultZone());
    showActive(d);
    const auto& c = d.controls();
    EXPECT_FALSE(c.townSettings->isVisible());
    choose(c.towns, 3);
    EXPECT_TRUE(c.townSettings->isVisible());
    choose(c.towns, 1);
    EXPECT_FALSE(c.townSettings->isVisible());
    click(c.terrainMatchesTown);
    EXPECT_FALSE(c.terrains->isVisible());
    click(c.monstersMatchTown);
    EXPECT_FALSE(c.monsterTypes->isVisible());
    click(c.monstersMatchTown);
    EXPECT_TRUE(c.monsterTypes->isVisible());
    EXPECT_FALSE(c.limitsPanel->isVisible());
    choose(c.existence, 2);
    EXPECT_TRUE(c.limitsPanel->isVisible());
    const ZoneRecord r = d.readBack();
    EXPECT_EQ(r.townMode, 1);
    EXPECT_TRUE(r.terrainMatchesTown);
    EXPECT_FALSE(r.monstersMatchTown);
    EXPECT_EQ(r.existMode, 2);
}

TEST(ZoneWindow, TreasurePresetsAndPanels) {
    ScriptedServices services;
    ZoneDialog d(services);
    d.fill(makeDefaultZone());
    showActive(d);
    const auto& c = d.controls();
    EXPECT_EQ(str(c.treasureLists[0]->currentText()), "Богатые сокровища, мало");
    EXPECT_FALSE(c.treasurePanels[0]->isVisible());
    choose(c.treasureLists[0], 1);
    EXPECT_EQ(d.readBack().treasure[0], (TreasureGroup{0, 0, 0}));
    choose(c.treasureLists[0], 0); // "Настроить..." keeps the values
    EXPECT_TRUE(c.treasurePanels[0]->isVisible());
    EXPECT_EQ(str(fieldText(c.treasureFields[0][1])), "0");
    typeInto(c.treasureFields[0][1], "700");
    typeInto(c.treasureFields[0][0], "800");
    EXPECT_EQ(d.readBack().treasure[0], (TreasureGroup{800, 700, 0}));
    click(c.ok);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text,
              "Ошибка\r\rГруппа сокровищ #1, минимальная богатость больше максимальной");
    EXPECT_TRUE(d.isVisible());
    choose(c.treasureLists[0], 14);
    EXPECT_FALSE(c.treasurePanels[0]->isVisible());
    EXPECT_EQ(d.readBack().treasure[0], (TreasureGroup{20000, 30000, 1}));
    click(c.ok);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST(ZoneWindow, OkStaysOpenOnTheFirstFailure) {
    ScriptedServices services;
    ZoneDialog d(services);
    d.fill(makeDefaultZone());
    showActive(d);
    const auto& c = d.controls();
    choose(c.kind, 0);
    click(c.ok);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Ошибка\r\rЕсли локация является основной для игрока, "
                                         "то необходимо установить игрка-владельца");
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(d.isVisible());
    choose(c.owner, 3);
    click(c.ok);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(
        services.messages[1].text,
        "Ошибка\r\rУ локации установлен владелец, но нет ни одного замка, принадлежащего ему");
    choose(c.towns, 2);
    click(c.ok);
    EXPECT_EQ(services.messages.size(), 2u);
    EXPECT_FALSE(d.isVisible());
}

TEST(ZoneWindow, RunsModallyThroughTheDialogsInterface) {
    ScriptedServices services;
    QtDialogs dialogs(services);
    // Once after every closing, whatever the answer: the window looks the
    // item under the pointer up again then.
    int closings = 0;
    dialogs.setAfterClose([&] { ++closings; });
    ZoneDialog& d = *dialogs.zoneDialog();
    ZoneRecord z = makeDefaultZone();
    z.gridX = 5;
    z.gridY = -3;

    auto edited = runModal<std::optional<ZoneRecord>>(
        d,
        [&] {
            typeInto(d.controls().size, "33", false);
            QTest::keyClick(d.controls().size, Qt::Key_Return); // Enter presses "ОК"
        },
        [&] { return dialogs.editZone(z); });
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->size, 33);
    EXPECT_EQ(edited->gridX, 5);
    EXPECT_EQ(edited->gridY, -3);

    // Reused: filled afresh from the next record; "Отмена" and Esc cancel.
    auto cancelled = runModal<std::optional<ZoneRecord>>(
        d,
        [&] {
            EXPECT_EQ(str(d.controls().size->currentText()), "Средний (14)");
            click(d.controls().cancel);
        },
        [&] { return dialogs.editZone(z); });
    EXPECT_FALSE(cancelled);
    auto escaped = runModal<std::optional<ZoneRecord>>(
        d, [&] { QTest::keyClick(&d, Qt::Key_Escape); }, [&] { return dialogs.editZone(z); });
    EXPECT_FALSE(escaped);
    EXPECT_EQ(dialogs.zoneDialog(), &d);
    EXPECT_EQ(closings, 3);
}

} // namespace
} // namespace zw

namespace zw {
namespace {

using namespace zw::test;

TEST(ZoneWindow, SeveralZonesShowDifferingFieldsUndeterminedAndApplyOnlyWhatTheUserSet) {
    ScriptedServices services;
    ZoneDialog d(services);
    ZoneRecord a = makeDefaultZone();
    a.owner = 1;
    a.mineGold = 2;
    a.terrains[0] = false;
    ZoneRecord b = a;
    b.owner = 2;
    b.mineGold = 5;
    b.terrains[0] = true;
    b.gridX = 7;
    const std::vector<ZoneRecord> records = {a, b};
    d.fillSeveral(records);
    showActive(d);
    const auto& c = d.controls();
    EXPECT_EQ(c.owner->currentIndex(), -1);
    EXPECT_EQ(c.kind->currentIndex(), a.kind);
    EXPECT_TRUE(c.mines[6]->text().isEmpty()); // gold, in record order
    EXPECT_FALSE(c.mines[0]->text().isEmpty());
    EXPECT_EQ(c.terrains->box(0)->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(c.terrains->box(1)->checkState(), Qt::Checked);

    // The user sets the monster strength and terrain 0; the owner stays each zone's.
    choose(c.monsterStrength, 3);
    click(c.terrains->box(0));
    ASSERT_EQ(c.terrains->box(0)->checkState(), Qt::Checked);
    const std::vector<ZoneRecord> out = d.readBackSeveral(records);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].owner, 1);
    EXPECT_EQ(out[1].owner, 2);
    EXPECT_EQ(out[1].mineGold, 5);
    EXPECT_EQ(out[1].gridX, 7);
    for (const ZoneRecord& z : out) {
        EXPECT_EQ(z.monsterStrength, 3);
        EXPECT_TRUE(z.terrains[0]);
    }
    d.hide();

    // A single zone afterwards shows no undetermined state.
    d.fill(a);
    EXPECT_FALSE(c.terrains->box(0)->isTristate());
    EXPECT_EQ(c.owner->currentIndex(), 1);
}

TEST(ZoneWindow, SeveralZonesAreCheckedEachAsTheyWouldBeStored) {
    // An owner set on zones of which only the first has towns.
    ScriptedServices services;
    ZoneDialog d(services);
    ZoneRecord a = makeDefaultZone();
    a.owner = 1;
    a.townMode = 2;
    ZoneRecord b = makeDefaultZone();
    d.fillSeveral({a, b}, {4, 7});
    showActive(d);
    choose(d.controls().owner, 3);
    click(d.controls().ok);
    ASSERT_EQ(
        services.messageTexts(),
        std::vector<std::string>{"Ошибка в локации 7\r\rУ локации установлен владелец, но нет "
                                 "ни одного замка, принадлежащего ему"});
    EXPECT_TRUE(d.isVisible());
    d.reject();
}

} // namespace
} // namespace zw
