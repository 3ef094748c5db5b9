#include "model/zone_rules.h"

#include <algorithm>

namespace zw {
namespace {

bool noneChecked(const auto& flags) {
    return std::none_of(flags.begin(), flags.end(), [](bool b) { return b; });
}

} // namespace

std::optional<std::string_view> zoneProblem(const ZoneRecord& z) {
    namespace m = zone_messages;
    const int32_t owner = z.owner;
    const bool anyCount =
        z.playerCastles > 0 || z.playerTowns > 0 || z.neutralCastles > 0 || z.neutralTowns > 0;

    if (isStartZone(z) && owner == 0)
        return m::kStartZoneWithoutOwner;
    if (owner > 0 && !ownerHasTowns(z))
        return m::kOwnerWithoutTowns;
    if (noneChecked(z.townTypes) && hasDetailedTowns(z) && anyCount)
        return m::kNoTownTypes;
    if (noneChecked(z.monsterTypes) && !z.monstersMatchTown)
        return m::kNoMonsterTypes;
    if (noneChecked(z.terrains) && !z.terrainMatchesTown)
        return m::kNoTerrains;
    if (owner == 0 && ownerHasTowns(z))
        return m::kOwnTownsWithoutOwner;
    if (z.terrainMatchesTown && !hasTowns(z))
        return m::kTerrainWithoutTown;
    if (z.monstersMatchTown && !hasTowns(z))
        return m::kMonstersWithoutTown;
    for (size_t g = 0; g < 3; ++g)
        if (z.treasure[g].low > z.treasure[g].high)
            return m::kTreasureLowAboveHigh[g];
    if (owner == 0 && z.existMode == ExistMode::WithOwner)
        return m::kWithOwnerButNoOwner;
    if ((owner == 1 || owner == 2) && z.existMode == ExistMode::WithOwner)
        return m::kWithOwnerAlwaysThere;
    return std::nullopt;
}

std::string zoneProblemIn(int64_t number, std::string_view problem) {
    constexpr std::string_view kError = "Ошибка";
    std::string text = "Ошибка в локации " + std::to_string(number);
    if (problem.starts_with(kError))
        problem.remove_prefix(kError.size());
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
