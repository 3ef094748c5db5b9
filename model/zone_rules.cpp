#include "model/zone_rules.h"

#include <algorithm>

namespace zw {
namespace {

bool noneChecked(const auto& flags) {
    return std::none_of(flags.begin(), flags.end(), [](bool b) { return b; });
}

} // namespace

std::optional<std::string_view> zoneProblem(const ZoneRecord& z) {
    const auto message = [](std::string_view text) { return translatedView("Model", text); };
    namespace m = zone_messages;
    const int32_t owner = z.owner;
    const bool anyCount =
        z.playerCastles > 0 || z.playerTowns > 0 || z.neutralCastles > 0 || z.neutralTowns > 0;

    if (isStartZone(z) && owner == 0)
        return message(m::kStartZoneWithoutOwner);
    if (owner > 0 && !ownerHasTowns(z))
        return message(m::kOwnerWithoutTowns);
    if (noneChecked(z.townTypes) && hasDetailedTowns(z) && anyCount)
        return message(m::kNoTownTypes);
    if (noneChecked(z.monsterTypes) && !z.monstersMatchTown)
        return message(m::kNoMonsterTypes);
    if (noneChecked(z.terrains) && !z.terrainMatchesTown)
        return message(m::kNoTerrains);
    if (owner == 0 && ownerHasTowns(z))
        return message(m::kOwnTownsWithoutOwner);
    if (z.terrainMatchesTown && !hasTowns(z))
        return message(m::kTerrainWithoutTown);
    if (z.monstersMatchTown && !hasTowns(z))
        return message(m::kMonstersWithoutTown);
    for (size_t g = 0; g < 3; ++g)
        if (z.treasure[g].low > z.treasure[g].high)
            return message(m::kTreasureLowAboveHigh[g]);
    if (owner == 0 && z.existMode == ExistMode::WithOwner)
        return message(m::kWithOwnerButNoOwner);
    if ((owner == 1 || owner == 2) && z.existMode == ExistMode::WithOwner)
        return message(m::kWithOwnerAlwaysThere);
    return std::nullopt;
}

std::string zoneProblemIn(int64_t number, std::string_view problem) {
    const std::string error = ZW_TR("Model", "Ошибка");
    std::string text =
        withArguments(ZW_TR("Model", "Ошибка в локации %1"), {std::to_string(number)});
    if (problem.starts_with(error))
        problem.remove_prefix(error.size());
    else
        text += "\r\r";
    return text + std::string(problem);
}

std::optional<std::string> firstZoneProblem(std::span<const ZoneRecord> zones,
                                            std::span<const int64_t> numbers) {
    for (size_t i = 0; i < zones.size(); ++i)
        if (const auto problem = zoneProblem(zones[i]))
            return zoneProblemIn(i < numbers.size() ? numbers[i] : int64_t(i) + 1, *problem);
    return std::nullopt;
}

} // namespace zw
