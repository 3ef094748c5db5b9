#include "editor/commands/delete_selection.h"

#include "editor/commands/group_edit.h"
#include "editor/editor.h"
#include "editor/step_names.h"
#include "model/transform.h"
#include "model/translation.h"

#include <vector>

namespace zw {

std::string deleteSelectionQuestion(size_t zones, size_t attached, size_t alone) {
    if (zones == 0)
        return withArguments(
            ZW_TR("Editor", "Вы действительно хотите удалить выбранные переходы (%1)?"),
            {std::to_string(alone)});
    if (alone == 0)
        return deleteQuestion({zones, attached});
    return withArguments(
        ZW_TR("Editor", "Вы действительно хотите удалить выбранные локации (%1) и все "
                        "соединенные с ними переходы (%2), а также другие выбранные переходы "
                        "(%3)?"),
        {std::to_string(zones), std::to_string(attached), std::to_string(alone)});
}

void deleteSelection(Editor& editor) {
    const Selection& sel = editor.selection();
    if (sel.empty())
        return;
    Services& services = editor.services();
    const TRmg& rmg = editor.document().rmg();
    const std::vector<int32_t>& zones = sel.zones();
    // Connections selected on their own: neither end among the selected zones.
    std::vector<int32_t> alone;
    for (const int32_t j : sel.connections()) {
        const ConnectionRecord& c = rmg.connections[static_cast<size_t>(j)];
        if (!sel.hasZone(c.zoneA) && !sel.hasZone(c.zoneB))
            alone.push_back(j);
    }
    const DeletionCounts counts = deletionCounts(rmg, zones);
    const std::string question =
        deleteSelectionQuestion(zones.size(), counts.connections, alone.size());
    if (services.messageBox(question, MessageKind::Confirmation, MessageButtons::YesNo) !=
        MessageResult::Yes)
        return;

    TRmg result = rmg;
    // The connections first, from the highest index: the zones keep their indices.
    for (auto j = alone.rbegin(); j != alone.rend(); ++j)
        result.removeConnection(*j);
    if (!zones.empty()) {
        EditResult removed = deleteZones(result, zones);
        if (const auto* refusal = std::get_if<EditRefusal>(&removed)) {
            services.messageBox(refusal->message, MessageKind::Information, MessageButtons::Ok);
            return;
        }
        result = std::move(std::get<TRmg>(removed));
    }
    const std::string step =
        withArguments(ZW_TR("Editor", "Удаление %1"),
                      {zones.empty() ? connectionsCount(alone.size()) : zonesCount(zones.size())});
    commitGroupEdit(editor, step, std::move(result), {});
}

} // namespace zw
