// The zone settings dialog ("Настройка локации") without its window: the texts
// of its controls, filling from a ZoneRecord and reading back, the treasure
// presets, the visibility rules and the checks made on "ОК".
#pragma once

#include "dialogs/field_logic.h"
#include "dialogs/kept_cells_logic.h"
#include "model/records.h"
#include "model/translation.h"
#include "model/zone_rules.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

class Services;

namespace zone_texts {
inline constexpr std::string_view kCaption = ZW_TR_NOOP("Dialogs", "Настройка локации");
inline constexpr std::string_view kParameters = ZW_TR_NOOP("Dialogs", "Параметры");
inline constexpr std::string_view kKind = ZW_TR_NOOP("Dialogs", "Тип зоны");
inline constexpr std::array<std::string_view, 3> kKinds = {
    ZW_TR_NOOP("Dialogs", "Основная локация игрока"), ZW_TR_NOOP("Dialogs", "Сокровищница"),
    ZW_TR_NOOP("Dialogs", "Перекресток")};
inline constexpr std::string_view kSize = ZW_TR_NOOP("Dialogs", "Размер");
inline constexpr std::string_view kOwner = ZW_TR_NOOP("Dialogs", "Игрок-владелец");
inline constexpr std::array<std::string_view, 9> kOwners = {
    ZW_TR_NOOP("Dialogs", "Никто"),
    ZW_TR_NOOP("Dialogs", "Игрок 1 (красный)"),
    ZW_TR_NOOP("Dialogs", "Игрок 2 (синий)"),
    ZW_TR_NOOP("Dialogs", "Игрок 3 (коричневый)"),
    ZW_TR_NOOP("Dialogs", "Игрок 4 (зеленый)"),
    ZW_TR_NOOP("Dialogs", "Игрок 5 (оранжевый)"),
    ZW_TR_NOOP("Dialogs", "Игрок 6 (фиолетовый)"),
    ZW_TR_NOOP("Dialogs", "Игрок 7 (бирюзовый)"),
    ZW_TR_NOOP("Dialogs", "Игрок 8 (розовый)")};
inline constexpr std::string_view kTowns = ZW_TR_NOOP("Dialogs", "Города");
inline constexpr std::array<std::string_view, 4> kTownModes = {
    ZW_TR_NOOP("Dialogs", "Нет городов"), ZW_TR_NOOP("Dialogs", "Один город без форта"),
    ZW_TR_NOOP("Dialogs", "Один город с фортом"), ZW_TR_NOOP("Dialogs", "Настроить подробно")};
inline constexpr std::string_view kTownSettings = ZW_TR_NOOP("Dialogs", "Настройка городов");
inline constexpr std::string_view kPlayerCastles = ZW_TR_NOOP("Dialogs", "Городов с фортом");
inline constexpr std::string_view kPlayerTowns = ZW_TR_NOOP("Dialogs", "Городов без форта");
inline constexpr std::string_view kNeutralCastles =
    ZW_TR_NOOP("Dialogs", "Городов с фортом (нейтральных)");
inline constexpr std::string_view kNeutralTowns =
    ZW_TR_NOOP("Dialogs", "Городов без форта (нейтральных)");
inline constexpr std::string_view kSameTownType = ZW_TR_NOOP("Dialogs", "Все города одного типа");
inline constexpr std::string_view kTownTypesLabel =
    ZW_TR_NOOP("Dialogs", "Допустимые типы городов");
inline constexpr std::array<std::string_view, kTownTypeCount> kTownTypes = {
    ZW_TR_NOOP("Dialogs", "Замок"),      ZW_TR_NOOP("Dialogs", "Бастион"),
    ZW_TR_NOOP("Dialogs", "Башня"),      ZW_TR_NOOP("Dialogs", "Инферно"),
    ZW_TR_NOOP("Dialogs", "Некрополис"), ZW_TR_NOOP("Dialogs", "Темница"),
    ZW_TR_NOOP("Dialogs", "Цитадель"),   ZW_TR_NOOP("Dialogs", "Крепость"),
    ZW_TR_NOOP("Dialogs", "Сопряжение")};
inline constexpr std::string_view kMines = ZW_TR_NOOP("Dialogs", "Шахты ресурсов");
// Mine fields as they stand on screen: left column, then right column.
inline constexpr std::array<std::string_view, 3> kMinesLeft = {ZW_TR_NOOP("Dialogs", "Дерево"),
                                                               ZW_TR_NOOP("Dialogs", "Руда"),
                                                               ZW_TR_NOOP("Dialogs", "Золото")};
inline constexpr std::array<std::string_view, 4> kMinesRight = {
    ZW_TR_NOOP("Dialogs", "Ртуть"), ZW_TR_NOOP("Dialogs", "Сера"),
    ZW_TR_NOOP("Dialogs", "Кристаллы"), ZW_TR_NOOP("Dialogs", "Др. камни")};
inline constexpr std::string_view kTerrain = ZW_TR_NOOP("Dialogs", "Территория");
inline constexpr std::string_view kTerrainMatchesTown =
    ZW_TR_NOOP("Dialogs", "Территория совпадает по типу с замком");
inline constexpr std::array<std::string_view, kTerrainCount> kTerrains = {
    ZW_TR_NOOP("Dialogs", "Грязь"),      ZW_TR_NOOP("Dialogs", "Песок"),
    ZW_TR_NOOP("Dialogs", "Трава"),      ZW_TR_NOOP("Dialogs", "Снег"),
    ZW_TR_NOOP("Dialogs", "Болото"),     ZW_TR_NOOP("Dialogs", "Камни"),
    ZW_TR_NOOP("Dialogs", "Подземелье"), ZW_TR_NOOP("Dialogs", "Лава")};
inline constexpr std::string_view kMonsters = ZW_TR_NOOP("Dialogs", "Монстры");
inline constexpr std::string_view kMonsterStrength = ZW_TR_NOOP("Dialogs", "Сила монстров");
inline constexpr std::array<std::string_view, 4> kStrengths = {
    ZW_TR_NOOP("Dialogs", "Нет"), ZW_TR_NOOP("Dialogs", "Слабые"), ZW_TR_NOOP("Dialogs", "Средние"),
    ZW_TR_NOOP("Dialogs", "Сильные")};
inline constexpr std::string_view kMonstersMatchTown =
    ZW_TR_NOOP("Dialogs", "Монстры из ближайшего города");
inline constexpr std::array<std::string_view, kMonsterTypeCount> kMonsterTypes = {
    ZW_TR_NOOP("Dialogs", "Нейтральные"), ZW_TR_NOOP("Dialogs", "Замок"),
    ZW_TR_NOOP("Dialogs", "Бастион"),     ZW_TR_NOOP("Dialogs", "Башня"),
    ZW_TR_NOOP("Dialogs", "Инферно"),     ZW_TR_NOOP("Dialogs", "Некрополис"),
    ZW_TR_NOOP("Dialogs", "Темница"),     ZW_TR_NOOP("Dialogs", "Цитадель"),
    ZW_TR_NOOP("Dialogs", "Крепость"),    ZW_TR_NOOP("Dialogs", "Сопряжение")};
inline constexpr std::string_view kTreasure = ZW_TR_NOOP("Dialogs", "Сокровища");
inline constexpr std::array<std::string_view, 3> kTreasureGroups = {
    ZW_TR_NOOP("Dialogs", "Первая группа сокровищ:"),
    ZW_TR_NOOP("Dialogs", "Вторая группа сокровищ:"),
    ZW_TR_NOOP("Dialogs", "Третья группа сокровищ:")};
inline constexpr std::string_view kLow = ZW_TR_NOOP("Dialogs", "Минимальная богатость (Low)");
inline constexpr std::string_view kHigh = ZW_TR_NOOP("Dialogs", "Максимальная богатость (High)");
inline constexpr std::string_view kDensity = ZW_TR_NOOP("Dialogs", "Концентрация (Density)");
inline constexpr std::string_view kExistence = ZW_TR_NOOP("Dialogs", "Условие существования");
inline constexpr std::array<std::string_view, 3> kExistModes = {
    ZW_TR_NOOP("Dialogs", "Условие отсутствует"),
    ZW_TR_NOOP("Dialogs", "Существует только вместе с владельцем"),
    ZW_TR_NOOP("Dialogs", "Настроить условие подробно")};
inline constexpr std::array<std::string_view, 4> kLimits = {
    ZW_TR_NOOP("Dialogs", "Требуется игроков-людей"),
    ZW_TR_NOOP("Dialogs", "Максимум игроков-людей"),
    ZW_TR_NOOP("Dialogs", "Требуется игроков всего"),
    ZW_TR_NOOP("Dialogs", "Максимум игроков всего")};
inline constexpr std::string_view kOk = ZW_TR_NOOP("Dialogs", "ОК");
inline constexpr std::string_view kCancel = ZW_TR_NOOP("Dialogs", "Отмена");
} // namespace zone_texts

// The treasure preset list's position of "Настроить...".
inline constexpr int kTreasureCustom = 0;

// The dialog's state: every control's value. Drop-down lists and number fields
// hold their field of `values` directly (the window shows a list value outside
// its list as no entry, and a limit outside 1..8 as the nearer bound, but the
// value stays until the user changes that control); the size box and the three
// treasure preset lists have their own state.
class ZoneForm {
  public:
    // Fills every control from `r`, in the dialog's order.
    void fill(const ZoneRecord& r);
    // The record the controls hold; `size` is the held size value, the kept
    // cells have the texts of their table, and the grid position is the one
    // the dialog was filled with.
    ZoneRecord readBack() const;

    ZoneRecord values;
    PresetField size = makeSizeField();
    std::array<int, 3> treasurePreset{};
    // The zone's kept cells ("Дополнительные поля").
    KeptCellsForm kept;

    // A treasure group's list was set to `position`: any preset but
    // "Настроить..." writes its triple into the group's three fields.
    void chooseTreasurePreset(int group, int position);

    bool townSettingsVisible() const { return hasDetailedTowns(values); }
    bool terrainListVisible() const { return !values.terrainMatchesTown; }
    bool monsterListVisible() const { return !values.monstersMatchTown; }
    bool treasurePanelVisible(int group) const;
    bool limitsVisible() const { return values.existMode == ExistMode::Detailed; }

    // The first check on "ОК" that fails, or nullopt.
    std::optional<std::string_view> firstProblem() const;
    // "ОК": finishes typing in the size box, then runs the checks; shows the
    // first failure in an error box and answers false (the dialog stays open).
    bool accept(Services& services);
};

// The preset list position of a stored triple: the reverse lookup, with the
// two triples no entry names ((20000, 30000) with density 6 or 9) shown at
// "Настроить..." so that the panel shows what the zone holds.
int treasureListPosition(const TreasureGroup& t);

} // namespace zw
