#include "dialogs/zone_logic.h"

#include "platform/services.h"

#include <algorithm>

namespace zw {
namespace {

bool noneChecked(const auto& flags) {
    return std::none_of(flags.begin(), flags.end(), [](bool b) { return b; });
}

} // namespace

int treasureListPosition(const TreasureGroup& t) {
    const int position = treasurePresetIndex(t);
    return position < kTreasurePresetCount ? position : kTreasureCustom;
}

void ZoneForm::fill(const ZoneRecord& r) {
    values = r;
    size.fill(r.size);
    for (size_t g = 0; g < treasurePreset.size(); ++g)
        treasurePreset[g] = treasureListPosition(r.treasure[g]);
}

ZoneRecord ZoneForm::readBack() const {
    ZoneRecord r = values;
    r.size = size.held();
    return r;
}

void ZoneForm::chooseTreasurePreset(int group, int position) {
    if (group < 0 || group >= 3 || position < 0 || position >= kTreasurePresetCount)
        return;
    const auto g = static_cast<size_t>(group);
    treasurePreset[g] = position;
    if (position != kTreasureCustom)
        values.treasure[g] = treasurePresetTriple(position);
}

bool ZoneForm::treasurePanelVisible(int group) const {
    return group >= 0 && group < 3 && treasurePreset[static_cast<size_t>(group)] == kTreasureCustom;
}

std::optional<std::string_view> ZoneForm::firstProblem() const {
    namespace m = zone_messages;
    const ZoneRecord& z = values;
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

bool ZoneForm::accept(Services& services) {
    size.leave();
    if (const auto problem = firstProblem()) {
        services.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return false;
    }
    return true;
}

} // namespace zw
