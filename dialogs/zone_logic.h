// The zone settings dialog ("Настройка локации") without its window: the texts
// of its controls, filling from a ZoneRecord and reading back, the treasure
// presets, the visibility rules and the checks made on "ОК".
#pragma once

#include "dialogs/field_logic.h"
#include "dialogs/kept_cells_logic.h"
#include "model/records.h"
#include "model/zone_rules.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

class Services;

namespace zone_texts {
inline constexpr std::string_view kCaption = "Настройка локации";
inline constexpr std::string_view kParameters = "Параметры";
inline constexpr std::string_view kKind = "Тип зоны";
inline constexpr std::array<std::string_view, 3> kKinds = {"Основная локация игрока",
                                                           "Сокровищница", "Перекресток"};
inline constexpr std::string_view kSize = "Размер";
inline constexpr std::string_view kOwner = "Игрок-владелец";
inline constexpr std::array<std::string_view, 9> kOwners = {"Никто",
                                                            "Игрок 1 (красный)",
                                                            "Игрок 2 (синий)",
                                                            "Игрок 3 (коричневый)",
                                                            "Игрок 4 (зеленый)",
                                                            "Игрок 5 (оранжевый)",
                                                            "Игрок 6 (фиолетовый)",
                                                            "Игрок 7 (бирюзовый)",
                                                            "Игрок 8 (розовый)"};
inline constexpr std::string_view kTowns = "Города";
inline constexpr std::array<std::string_view, 4> kTownModes = {
    "Нет городов", "Один город без форта", "Один город с фортом", "Настроить подробно"};
inline constexpr std::string_view kTownSettings = "Настройка городов";
inline constexpr std::string_view kPlayerCastles = "Городов с фортом";
inline constexpr std::string_view kPlayerTowns = "Городов без форта";
inline constexpr std::string_view kNeutralCastles = "Городов с фортом (нейтральных)";
inline constexpr std::string_view kNeutralTowns = "Городов без форта (нейтральных)";
inline constexpr std::string_view kSameTownType = "Все города одного типа";
inline constexpr std::string_view kTownTypesLabel = "Допустимые типы городов";
inline constexpr std::array<std::string_view, kTownTypeCount> kTownTypes = {
    "Замок",   "Бастион",  "Башня",    "Инферно",   "Некрополис",
    "Темница", "Цитадель", "Крепость", "Сопряжение"};
inline constexpr std::string_view kMines = "Шахты ресурсов";
// Mine fields as they stand on screen: left column, then right column.
inline constexpr std::array<std::string_view, 3> kMinesLeft = {"Дерево", "Руда", "Золото"};
inline constexpr std::array<std::string_view, 4> kMinesRight = {"Ртуть", "Сера", "Кристаллы",
                                                                "Др. камни"};
inline constexpr std::string_view kTerrain = "Территория";
inline constexpr std::string_view kTerrainMatchesTown = "Территория совпадает по типу с замком";
inline constexpr std::array<std::string_view, kTerrainCount> kTerrains = {
    "Грязь", "Песок", "Трава", "Снег", "Болото", "Камни", "Подземелье", "Лава"};
inline constexpr std::string_view kMonsters = "Монстры";
inline constexpr std::string_view kMonsterStrength = "Сила монстров";
inline constexpr std::array<std::string_view, 4> kStrengths = {"Нет", "Слабые", "Средние",
                                                               "Сильные"};
inline constexpr std::string_view kMonstersMatchTown = "Монстры из ближайшего города";
inline constexpr std::array<std::string_view, kMonsterTypeCount> kMonsterTypes = {
    "Нейтральные", "Замок",   "Бастион",  "Башня",    "Инферно",
    "Некрополис",  "Темница", "Цитадель", "Крепость", "Сопряжение"};
inline constexpr std::string_view kTreasure = "Сокровища";
inline constexpr std::array<std::string_view, 3> kTreasureGroups = {
    "Первая группа сокровищ:", "Вторая группа сокровищ:", "Третья группа сокровищ:"};
inline constexpr std::string_view kLow = "Минимальная богатость (Low)";
inline constexpr std::string_view kHigh = "Максимальная богатость (High)";
inline constexpr std::string_view kDensity = "Концентрация (Density)";
inline constexpr std::string_view kExistence = "Условие существования";
inline constexpr std::array<std::string_view, 3> kExistModes = {
    "Условие отсутствует", "Существует только вместе с владельцем", "Настроить условие подробно"};
inline constexpr std::array<std::string_view, 4> kLimits = {
    "Требуется игроков-людей", "Максимум игроков-людей", "Требуется игроков всего",
    "Максимум игроков всего"};
inline constexpr std::string_view kOk = "ОК";
inline constexpr std::string_view kCancel = "Отмена";
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
