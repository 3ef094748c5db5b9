#include "dialogs/zone_logic.h"

#include "platform/services.h"

#include <algorithm>

namespace zw {

int treasureListPosition(const TreasureGroup& t) {
    const int position = treasurePresetIndex(t);
    return position < kTreasurePresetCount ? position : kTreasureCustom;
}

void ZoneForm::fill(const ZoneRecord& r) {
    values = r;
    size.fill(r.size);
    kept.fill(r.kept.cells);
    for (size_t g = 0; g < treasurePreset.size(); ++g)
        treasurePreset[g] = treasureListPosition(r.treasure[g]);
}

ZoneRecord ZoneForm::readBack() const {
    ZoneRecord r = values;
    r.size = size.held();
    r.kept.cells = kept.readBack();
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
    return zoneProblem(values);
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
