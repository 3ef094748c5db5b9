#include "editor/tools/edit_selected_zones.h"

#include "editor/step_names.h"
#include "model/translation.h"
#include "model/zone_rules.h"

#include <vector>

namespace zw {

void editSelectedZones(ToolContext& ctx) {
    const std::vector<int32_t> zones = ctx.selection.zones();
    const TRmg& rmg = ctx.document.rmg();
    std::vector<ZoneRecord> records;
    std::vector<int64_t> numbers;
    for (const int32_t k : zones) {
        records.push_back(rmg.zones[static_cast<size_t>(k)]);
        numbers.push_back(int64_t{k} + 1);
    }
    if (records.empty())
        return;
    auto edited = ctx.dialogs.editZones(records, numbers);
    if (!edited || edited->size() != records.size())
        return;
    for (size_t i = 0; i < records.size(); ++i) {
        (*edited)[i].gridX = records[i].gridX;
        (*edited)[i].gridY = records[i].gridY;
    }
    // The dialog refuses a zone that breaks a rule; what it returned is checked
    // again before anything is stored, every zone of it.
    if (const auto problem = firstZoneProblem(*edited, numbers)) {
        ctx.services.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return;
    }
    TRmg changed = rmg;
    for (size_t i = 0; i < zones.size(); ++i)
        changed.zones[static_cast<size_t>(zones[i])] = (*edited)[i];
    // The selection is kept through the step.
    Selection selected = ctx.selection;
    ctx.document.commit(withArguments(ZW_TR("Editor", "Настройка %1"), {zonesCount(zones.size())}),
                        std::move(changed));
    ctx.select(std::move(selected));
}

} // namespace zw
