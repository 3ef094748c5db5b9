// The template settings dialog ("Настройка шаблона") without its window: the
// name, the allowed map sizes kept as one contiguous range of size values, the
// player count and the kinds of the eight players.
#pragma once

#include "dialogs/kept_cells_logic.h"
#include "model/records.h"
#include "model/translation.h"
#include "platform/dialogs.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

class Services;

namespace template_texts {
inline constexpr std::string_view kCaption = ZW_TR_NOOP("Dialogs", "Настройка шаблона");
inline constexpr std::string_view kGroup = ZW_TR_NOOP("Dialogs", "Параметры шаблона");
inline constexpr std::string_view kName = ZW_TR_NOOP("Dialogs", "Название");
inline constexpr std::string_view kRangePrefix =
    ZW_TR_NOOP("Dialogs", "Допустимые размеры карты: [");
inline constexpr std::array<std::string_view, kMapSizeCount> kMapSizes = {
    ZW_TR_NOOP("Dialogs", "36х36х1"),   ZW_TR_NOOP("Dialogs", "36х36х2"),
    ZW_TR_NOOP("Dialogs", "72х72х1"),   ZW_TR_NOOP("Dialogs", "72х72х2"),
    ZW_TR_NOOP("Dialogs", "108х108х1"), ZW_TR_NOOP("Dialogs", "108х108х2"),
    ZW_TR_NOOP("Dialogs", "144х144х1"), ZW_TR_NOOP("Dialogs", "144х144х2")};
inline constexpr std::string_view kPlayerCount = ZW_TR_NOOP("Dialogs", "Кол-во игроков всего");
inline constexpr std::array<std::string_view, 7> kPlayerCounts = {
    ZW_TR_NOOP("Dialogs", "Два игрока"),    ZW_TR_NOOP("Dialogs", "Три игрока"),
    ZW_TR_NOOP("Dialogs", "Четыре игрока"), ZW_TR_NOOP("Dialogs", "Пять игроков"),
    ZW_TR_NOOP("Dialogs", "Шесть игроков"), ZW_TR_NOOP("Dialogs", "Семь игроков"),
    ZW_TR_NOOP("Dialogs", "Восемь игроков")};
inline constexpr std::string_view kPlayersGroup = ZW_TR_NOOP("Dialogs", "Параметры игроков");
inline constexpr std::array<std::string_view, kPlayerSlots> kPlayers = {
    ZW_TR_NOOP("Dialogs", "Игрок 1 (красный)"),    ZW_TR_NOOP("Dialogs", "Игрок 2 (синий)"),
    ZW_TR_NOOP("Dialogs", "Игрок 3 (коричневый)"), ZW_TR_NOOP("Dialogs", "Игрок 4 (зеленый)"),
    ZW_TR_NOOP("Dialogs", "Игрок 5 (оранжевый)"),  ZW_TR_NOOP("Dialogs", "Игрок 6 (фиолетовый)"),
    ZW_TR_NOOP("Dialogs", "Игрок 7 (бирюзовый)"),  ZW_TR_NOOP("Dialogs", "Игрок 8 (розовый)")};
inline constexpr std::array<std::string_view, 2> kKinds = {
    ZW_TR_NOOP("Dialogs", "Человек или комп"), ZW_TR_NOOP("Dialogs", "Комп")};
inline constexpr std::string_view kOk = ZW_TR_NOOP("Dialogs", "ОК");
inline constexpr std::string_view kCancel = ZW_TR_NOOP("Dialogs", "Отмена");
inline constexpr std::string_view kNoHuman =
    ZW_TR_NOOP("Dialogs", "Хотя бы один игрок-человек должен быть!");
} // namespace template_texts

class TemplateForm {
  public:
    // Name, size range (checkSizeRange), player count, kinds and the kept
    // cells of its first row from the template.
    void fill(const TRmg& t);

    // Checks exactly the sizes whose size value lies in [lo, hi] and holds the range.
    void checkSizeRange(int32_t lo, int32_t hi);
    // The reaction to a click on map size k, run after the box took its new
    // state `nowChecked`: the checks become one contiguous range of size values
    // again (a gap below the highest checked size is filled; unchecking a size
    // inside the range drops the side that agrees less with the present checks).
    void clickSize(int k, bool nowChecked);

    bool sizeChecked(int k) const { return checked_.at(static_cast<size_t>(k)); }
    int32_t lo() const { return lo_; }
    int32_t hi() const { return hi_; }
    // "Допустимые размеры карты: [lo,hi]"
    std::string rangeLabel() const;

    // Player p (1..8) has its row shown: players 1 and 2 always, p when the
    // player count reaches p.
    bool playerRowVisible(int p) const;

    // "ОК": refuses with its message (and answers nullopt) when no shown
    // player may be human, or when the name cannot be written into a table;
    // otherwise the settings, the name converted to Windows-1251, with the
    // kept cells as their table holds them.
    std::optional<TemplateSettings> accept(Services& services) const;

    std::string name; // UTF-8, as shown
    int32_t playerCountIndex = 0;
    std::array<int32_t, kPlayerSlots> kinds{};
    // The template's kept cells ("Дополнительные поля").
    KeptCellsForm kept;

  private:
    void rangeFromChecks();

    std::array<bool, kMapSizeCount> checked_{};
    int32_t lo_ = 0;
    int32_t hi_ = 0;
};

} // namespace zw
