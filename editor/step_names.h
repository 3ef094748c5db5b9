// The names of the steps of the edit history, as the step buttons show them
// ("Шаг назад: Перемещение 3 локаций").
#pragma once

#include "model/translation.h"
#include <cstddef>
#include <string>
#include <string_view>

namespace zw {

// Russian; named through translated("Editor", ...).
inline constexpr std::string_view kRecoveredStep =
    ZW_TR_NOOP("Editor", "Восстановление несохраненного шаблона");
inline constexpr std::string_view kTemplateSettingsStep = ZW_TR_NOOP("Editor", "Настройка шаблона");

// "3 локаций", "1 локации", "21 локации": the count of zones after a verbal noun.
std::string zonesCount(size_t n);
// "2 переходов", "1 перехода".
std::string connectionsCount(size_t n);

// Steps on one item: the zone's number, or the numbers of a connection's zones.
// `action` is Russian (ZW_TR_NOOP("Editor", ...)), translated here.
std::string zoneStep(std::string_view action, int zoneIndex);
std::string connectionStep(std::string_view action, int zoneA, int zoneB);

} // namespace zw
