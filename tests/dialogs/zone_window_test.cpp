#include "dialogs/qt_dialogs.h"
#include "dialogs/zone_dialog.h"
#include "support/dialog_fixtures.h"
#include "support/scripted_services.h"

#include <QPushButton>

namespace zw {
namespace {

using namespace zw::test;

// A zone dialog; open() fills it and shows it as the active window.
struct ZoneWindow : ::testing::Test {
    void open(const ZoneRecord& z = makeDefaultZone()) {
        d.fill(z);
        showActive(d);
    }
    // Focuses `w` and leaves it with Tab without typing.
    static void visit(QWidget* w) {
        w->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    static void keys(QWidget* w, std::initializer_list<Qt::Key> keys) {
        w->setFocus(Qt::MouseFocusReason);
        for (Qt::Key k : keys)
            QTest::keyClick(w, k);
    }
    ScriptedServices services;
    ZoneDialog d{services};
    const ZoneDialog::Controls& c = d.controls();
};

TEST_F(ZoneWindow, ShowsEveryControlWithItsCaptionAndEntries) {
    EXPECT_EQ(str(d.windowTitle()), "Настройка локации");
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(d.windowFlags() & Qt::CustomizeWindowHint);
    EXPECT_TRUE(d.isModal());
    expectAmong(groupTitles(d), "Параметры|Настройка городов|Шахты ресурсов|Территория|Монстры|"
                                "Сокровища|Условие существования");
    expectAmong(labelTexts(d),
                "Тип зоны|Размер|Игрок-владелец|Города|Городов с фортом|Городов без форта|"
                "Городов с фортом (нейтральных)|Городов без форта (нейтральных)|"
                "Допустимые типы городов|Дерево|Руда|Золото|Ртуть|Сера|Кристаллы|Др. камни|"
                "Сила монстров|Первая группа сокровищ:|Вторая группа сокровищ:|"
                "Третья группа сокровищ:|Минимальная богатость (Low)|"
                "Максимальная богатость (High)|Концентрация (Density)|Требуется игроков-людей|"
                "Максимум игроков-людей|Требуется игроков всего|Максимум игроков всего");
    EXPECT_EQ(joinedEntries(c.kind), "Основная локация игрока|Сокровищница|Перекресток");
    EXPECT_EQ(joinedEntries(c.towns),
              "Нет городов|Один город без форта|Один город с фортом|Настроить подробно");
    EXPECT_EQ(joinedEntries(c.monsterStrength), "Нет|Слабые|Средние|Сильные");
    EXPECT_EQ(joinedEntries(c.existence), "Условие отсутствует|Существует только вместе с "
                                          "владельцем|Настроить условие подробно");
    EXPECT_EQ(str(c.size->itemText(0) + '|' + c.size->itemText(7) + '|' + c.owner->itemText(8)),
              "Очень маленький (5)|Огромный (40)|Игрок 8 (розовый)");
    for (QComboBox* list : c.treasureLists)
        EXPECT_EQ(str(list->itemText(0) + '|' + list->itemText(14)),
                  "Настроить...|Очень богатые, мало");
    const auto counts = [](auto*... lists) { return std::vector<int>{lists->count()...}; };
    EXPECT_EQ(counts(c.size, c.owner, c.treasureLists[0], c.treasureLists[1], c.treasureLists[2],
                     c.townTypes, c.terrains, c.monsterTypes),
              (std::vector<int>{8, 9, 15, 15, 15, 9, 8, 10}));
    EXPECT_EQ(
        shownTexts({c.sameTownType, c.terrainMatchesTown, c.monstersMatchTown, c.townTypes->box(8),
                    c.terrains->box(0), c.monsterTypes->box(0), c.ok, c.cancel}),
        "Все города одного типа|Территория совпадает по типу с замком|Монстры из "
        "ближайшего города|Сопряжение|Грязь|Нейтральные|ОК|Отмена");
}

TEST_F(ZoneWindow, FilledFromARecord) {
    ZoneRecord z = makeDefaultZone();
    z.kind = 5, z.size = 21, z.owner = 3, z.townMode = 3, z.playerCastles = -12;
    z.mineGems = 5, z.mineGold = 7, z.terrainMatchesTown = true, z.monsterTypes[3] = false;
    z.treasure = {TreasureGroup{3000, 6000, 6}, TreasureGroup{3000, 6000, 5},
                  TreasureGroup{20000, 30000, 9}};
    z.existMode = 2, z.maxPlayers = 20;
    open(z);
    // Gems and gold are mines 5 and 6; no entry names (20000, 30000, 9) nor kind 5; 20 shows
    // at the bound.
    EXPECT_EQ(shownTexts({c.size, c.townCounts[0], c.mines[5], c.mines[6], c.treasureLists[0],
                          c.treasureFields[1][2], c.treasureFields[2][0], c.limits[3]}),
              "Большой (21)|-12|5|7|Средние сокровища, средне|5|20000|8");
    EXPECT_EQ(std::vector({c.kind->currentIndex(), c.owner->currentIndex(),
                           c.treasureLists[1]->currentIndex(), c.treasureLists[2]->currentIndex()}),
              std::vector({-1, 3, 0, 0}));
    EXPECT_EQ(visibility({c.townSettings, c.terrains, c.monsterTypes, c.treasurePanels[0],
                          c.treasurePanels[1], c.treasurePanels[2], c.limitsPanel}),
              "1010111");
    EXPECT_FALSE(c.monsterTypes->box(3)->isChecked());
    // Leaving the size box without typing changes nothing.
    visit(c.size);
    EXPECT_EQ(str(c.size->currentText()), "Большой (21)");
    EXPECT_EQ(d.readBack(), z);
}

TEST_F(ZoneWindow, SizeBoxTakesDigitsOnlyAndReadsTypedText) {
    open();
    EXPECT_EQ(str(c.size->currentText()), "Средний (14)");
    // An entry chosen with the arrows; then typed text, read on leaving.
    const std::tuple<std::function<void()>, const char*, int32_t> steps[] = {
        {[&] { keys(c.size, {Qt::Key_Down}); }, "Выше среднего (18)", 18},
        {[&] { typeInto(c.size, "2x1 "); }, "Большой (21)", 21}};
    for (const auto& [step, text, size] : steps) {
        step();
        EXPECT_EQ(str(c.size->currentText()), text);
        EXPECT_EQ(d.readBack().size, size);
    }
}

TEST_F(ZoneWindow, NumberFieldsTakeAnyInteger) {
    open();
    typeInto(c.mines[0], "-2147483648");
    EXPECT_EQ(d.readBack().mineWood, std::numeric_limits<int32_t>::min());
}

TEST_F(ZoneWindow, TabWalksTheMinesColumnByColumn) {
    showActive(d);
    c.mines[0]->setFocus(Qt::TabFocusReason); // record order: wood, mercury, ore, sulfur, ...
    std::vector<int> visited;
    for (int step = 0; step < 7; ++step) {
        for (int i = 0; i < 7; ++i)
            if (c.mines[static_cast<size_t>(i)]->hasFocus())
                visited.push_back(i);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Wood, ore, gold on the left; mercury, sulfur, crystal, gems on the right.
    EXPECT_EQ(visited, (std::vector<int>{0, 2, 6, 1, 3, 4, 5}));
}

TEST_F(ZoneWindow, LimitsOutsideOneToEightAreMarkedAndKeptUnlessEdited) {
    ZoneRecord z = makeDefaultZone();
    z.existMode = 2;
    z.minHumans = 9;
    const NumberField* field = c.limits[0];
    open(z);
    EXPECT_EQ(field->palette().color(QPalette::Base), unshownValueColour());
    EXPECT_EQ(str(field->toolTip()), unshownValueNote(9, kOneToEightRange));
    EXPECT_EQ(str(fieldText(c.limits[0])), "8");
    visit(c.limits[0]); // visited, not edited
    click(c.ok);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.readBack().minHumans, 9);

    open(z);
    typeInto(c.limits[0], "3");
    keys(c.limits[2], {Qt::Key_Up, Qt::Key_Up});
    EXPECT_TRUE(field->toolTip().isEmpty());
    EXPECT_NE(field->palette().color(QPalette::Base), unshownValueColour());
    EXPECT_EQ(std::pair(d.readBack().minHumans, d.readBack().minPlayers), std::pair(3, 3));
}

TEST_F(ZoneWindow, VisibilityFollowsTheControls) {
    open();
    // Town settings, terrains, monster types and limits, after each step.
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "0110"},
        {[&] { choose(c.towns, 3); }, "1110"},
        {[&] { click(c.terrainMatchesTown); }, "1010"},
        {[&] { click(c.monstersMatchTown); }, "1000"},
        {[&] { choose(c.existence, 2); }, "1001"}};
    for (const auto& [step, shown] : steps) {
        step();
        EXPECT_EQ(visibility({c.townSettings, c.terrains, c.monsterTypes, c.limitsPanel}), shown);
    }
    const ZoneRecord r = d.readBack();
    EXPECT_EQ(std::tuple(r.townMode, r.terrainMatchesTown, r.monstersMatchTown, r.existMode),
              std::tuple(3, true, true, 2));
}

TEST_F(ZoneWindow, TreasurePresetsAndPanels) {
    open();
    choose(c.treasureLists[0], 1);
    EXPECT_EQ(d.readBack().treasure[0], (TreasureGroup{0, 0, 0}));
    choose(c.treasureLists[0], 0); // "Настроить..." keeps the values
    EXPECT_TRUE(c.treasurePanels[0]->isVisible());
    EXPECT_EQ(str(fieldText(c.treasureFields[0][1])), "0");
    typeInto(c.treasureFields[0][1], "700");
    typeInto(c.treasureFields[0][0], "800");
    EXPECT_EQ(d.readBack().treasure[0], (TreasureGroup{800, 700, 0}));
}

TEST_F(ZoneWindow, OkStaysOpenOnTheFirstFailure) {
    open();
    choose(c.kind, 0);
    click(c.ok);
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"Ошибка\r\rЕсли локация является основной для игрока, то "
                                        "необходимо установить игрка-владельца"}));
    EXPECT_TRUE(d.isVisible());
    choose(c.kind, 1);
    click(c.ok);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(ZoneWindow, RunsModallyThroughTheDialogsInterface) {
    QtDialogs dialogs(services);
    // Once after every closing, whatever the answer: the window looks the
    // item under the pointer up again then.
    int closings = 0;
    dialogs.setAfterClose([&] { ++closings; });
    ZoneDialog& shown = *dialogs.zoneDialog();
    ZoneRecord z = makeDefaultZone();
    z.gridX = 5, z.gridY = -3;
    const auto edit = [&](const std::function<void()>& steps) {
        return runModal<std::optional<ZoneRecord>>(shown, steps,
                                                   [&] { return dialogs.editZone(z); });
    };
    const auto edited = edit([&] {
        typeInto(shown.controls().size, "33", false);
        QTest::keyClick(shown.controls().size, Qt::Key_Return); // Enter presses "ОК"
    });
    ASSERT_TRUE(edited);
    EXPECT_EQ(std::vector({edited->size, edited->gridX, edited->gridY}), std::vector({33, 5, -3}));
    // Reused: filled afresh from the next record; "Отмена" and Esc cancel.
    EXPECT_FALSE(edit([&] {
        EXPECT_EQ(str(shown.controls().size->currentText()), "Средний (14)");
        click(shown.controls().cancel);
    }));
    EXPECT_FALSE(edit([&] { QTest::keyClick(&shown, Qt::Key_Escape); }));
    EXPECT_EQ(dialogs.zoneDialog(), &shown);
    EXPECT_EQ(closings, 3);
}

TEST_F(ZoneWindow, SeveralZonesShowDifferingFieldsUndeterminedAndApplyOnlyWhatTheUserSet) {
    ZoneRecord a = makeDefaultZone();
    a.owner = 1, a.mineGold = 2, a.terrains[0] = false;
    ZoneRecord b = a;
    b.owner = 2, b.mineGold = 5, b.terrains[0] = true, b.gridX = 7;
    const std::vector<ZoneRecord> records = {a, b};
    d.fillSeveral(records);
    showActive(d);
    // Owner, kind, gold (mine 6 in record order) and wood.
    EXPECT_EQ(shownTexts({c.owner, c.kind, c.mines[6], c.mines[0]}), "|Сокровищница||0");
    EXPECT_EQ(std::pair(c.terrains->box(0)->checkState(), c.terrains->box(1)->checkState()),
              std::pair(Qt::PartiallyChecked, Qt::Checked));

    // The user sets the monster strength and terrain 0; the owner stays each zone's.
    choose(c.monsterStrength, 3);
    click(c.terrains->box(0));
    ASSERT_EQ(c.terrains->box(0)->checkState(), Qt::Checked);
    const std::vector<ZoneRecord> out = d.readBackSeveral(records);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(std::vector({out[0].owner, out[1].owner, out[1].mineGold, out[1].gridX}),
              std::vector({1, 2, 5, 7}));
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

TEST_F(ZoneWindow, SeveralZonesAreCheckedEachAsTheyWouldBeStored) {
    // An owner set on zones of which only the first has towns.
    ZoneRecord a = makeDefaultZone();
    a.owner = 1, a.townMode = 2;
    d.fillSeveral({a, makeDefaultZone()}, {4, 7});
    showActive(d);
    choose(c.owner, 3);
    click(c.ok);
    ASSERT_EQ(
        services.messageTexts(),
        std::vector<std::string>{"Ошибка в локации 7\r\rУ локации установлен владелец, но нет "
                                 "ни одного замка, принадлежащего ему"});
    EXPECT_TRUE(d.isVisible());
    d.reject();
}

} // namespace
} // namespace zw
