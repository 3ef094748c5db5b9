// Mirroring, rotating and duplicating the selected zones (model/transform.h),
// and the zone dialog on several of them.
#include "editor/commands/group_commands.h"

#include "editor/editor.h"

namespace zw {

void transformSelection(Editor& editor, Symmetry s) {
    Selection keep = editor.selection();
    EditResult result = transformZones(editor.rmg(), keep.zones(), s);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        refuseGroupEdit(editor, refusal->message);
        return;
    }
    commitGroupEdit(editor, std::move(std::get<TRmg>(result)), std::move(keep));
}

void duplicateSelectionForPlayers(Editor& editor) {
    const std::vector<int32_t> zones = editor.selection().zones();
    if (zones.empty()) {
        refuseGroupEdit(editor, kEmptySelectionMessage);
        return;
    }
    const auto settings = editor.dialogs().duplicateForPlayers();
    if (!settings)
        return;
    EditResult result = duplicateZones(editor.rmg(), zones, settings->symmetry, settings->owners);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        refuseGroupEdit(editor, refusal->message);
        return;
    }
    // The copies are appended, so the originals keep their numbers and stay
    // selected: the next duplicate of the group turns about the same point.
    commitGroupEdit(editor, std::move(std::get<TRmg>(result)), editor.selection());
}

void editSelectedZones(Editor& editor) {
    const std::vector<int32_t> zones = editor.selection().zones();
    const TRmg& rmg = editor.rmg();
    std::vector<ZoneRecord> records;
    for (const int32_t k : zones)
        records.push_back(rmg.zones[static_cast<size_t>(k)]);
    if (records.empty())
        return;
    auto edited = editor.dialogs().editZones(records);
    if (!edited || edited->size() != records.size())
        return;
    TRmg changed = rmg;
    for (size_t i = 0; i < zones.size(); ++i) {
        ZoneRecord& target = changed.zones[static_cast<size_t>(zones[i])];
        const int32_t x = target.gridX;
        const int32_t y = target.gridY;
        target = (*edited)[i];
        target.gridX = x;
        target.gridY = y;
    }
    commitGroupEdit(editor, std::move(changed), editor.selection());
}

} // namespace zw
