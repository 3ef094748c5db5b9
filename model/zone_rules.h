// The rules every zone obeys, as the zone dialog checks them on "ОК": the
// dialog for one zone, the dialog for several, and every command that stores
// what a dialog returned run the same checks.
#pragma once

#include "model/records.h"
#include "model/translation.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zw {

// Messages of the checks on "ОК", in the order they run (Russian, as tests
// compare them; zoneProblem hands them out in the current language).
namespace zone_messages {
inline constexpr std::string_view kStartZoneWithoutOwner = ZW_TR_NOOP(
    "Model", "Ошибка\r\rЕсли локация является основной для игрока, то необходимо установить "
             "игрка-владельца");
inline constexpr std::string_view kOwnerWithoutTowns = ZW_TR_NOOP(
    "Model", "Ошибка\r\rУ локации установлен владелец, но нет ни одного замка, принадлежащего ему");
inline constexpr std::string_view kNoTownTypes =
    ZW_TR_NOOP("Model", "Ошибка\r\rНет допустимых типов городов");
inline constexpr std::string_view kNoMonsterTypes =
    ZW_TR_NOOP("Model", "Ошибка\r\rНет допустимых типов монстров");
inline constexpr std::string_view kNoTerrains =
    ZW_TR_NOOP("Model", "Ошибка\r\rНет допустимых типов территории");
inline constexpr std::string_view kOwnTownsWithoutOwner = ZW_TR_NOOP(
    "Model", "Ошибка\r\rУ локации нет владельца, но есть города, которые не являются нейтральными");
inline constexpr std::string_view kTerrainWithoutTown =
    ZW_TR_NOOP("Model", "Ошибка\r\rТерритория совпадает по типу с замком, которого нет");
inline constexpr std::string_view kMonstersWithoutTown =
    ZW_TR_NOOP("Model", "Ошибка\r\rМонстры из города, а городов нет");
inline constexpr std::array<std::string_view, 3> kTreasureLowAboveHigh = {
    ZW_TR_NOOP("Model", "Ошибка\r\rГруппа сокровищ #1, минимальная богатость больше максимальной"),
    ZW_TR_NOOP("Model", "Ошибка\r\rГруппа сокровищ #2, минимальная богатость больше максимальной"),
    ZW_TR_NOOP("Model", "Ошибка\r\rГруппа сокровищ #3, минимальная богатость больше максимальной")};
inline constexpr std::string_view kWithOwnerButNoOwner = ZW_TR_NOOP(
    "Model", "Ошибка\r\rЛокация существует только вместе с владельцем, но самого владельца нет");
inline constexpr std::string_view kWithOwnerAlwaysThere = ZW_TR_NOOP(
    "Model",
    "Ошибка\r\rЛокация существует только вместе с владельцем, но владелец и так обязательно "
    "существует. Вы можете убрать условие существования");
} // namespace zone_messages

// The first rule `z` breaks, in the dialog's order, or nullopt.
std::optional<std::string_view> zoneProblem(const ZoneRecord& z);

// The message for a rule broken by zone `number` (1-based) among several:
// "Ошибка в локации 5" in place of the message's "Ошибка".
std::string zoneProblemIn(int64_t number, std::string_view problem);

// The message for the first of `zones` that breaks a rule, named by the zone
// number at the same place of `numbers` (1-based), or nullopt when all pass.
std::optional<std::string> firstZoneProblem(std::span<const ZoneRecord> zones,
                                            std::span<const int64_t> numbers);

} // namespace zw
