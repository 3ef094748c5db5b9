// Mirroring, rotating and duplicating the selected zones (model/transform.h),
// and the zone dialog on several of them.
#include "editor/commands/group_commands.h"

#include "editor/editor.h"
#include "editor/step_names.h"
#include "model/zone_rules.h"

#include <string>

namespace zw {

namespace {

std::string transformStep(Symmetry s, size_t zones) {
    const std::string count = zonesCount(zones);
    switch (s) {
    case Symmetry::MirrorLeftRight:
        return "Отражение " + count + " слева направо";
    case Symmetry::MirrorTopBottom:
        return "Отражение " + count + " сверху вниз";
    case Symmetry::Rotate90:
        return "Поворот " + count + " на 90°";
    case Symmetry::Rotate180:
        return "Поворот " + count + " на 180°";
    case Symmetry::Rotate270:
        return "Поворот " + count + " на 270°";
    }
    return "Преобразование " + count;
}

} // namespace

void transformSelection(Editor& editor, Symmetry s) {
    Selection keep = editor.selection();
    if (keep.zones().empty())
        return; // nothing to act on: the command is disabled
    EditResult result = transformZones(editor.rmg(), keep.zones(), s);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        refuseGroupEdit(editor, refusal->message);
        return;
    }
    commitGroupEdit(editor, transformStep(s, keep.zones().size()),
                    std::move(std::get<TRmg>(result)), std::move(keep));
}

void duplicateSelectionForPlayers(Editor& editor) {
    const std::vector<int32_t> zones = editor.selection().zones();
    if (zones.empty()) {
        refuseGroupEdit(editor, kEmptySelectionMessage);
        return;
    }
    const auto settings = editor.dialogs().duplicateZonesForPlayers(editor.rmg(), zones);
    if (!settings)
        return;
    EditResult result = duplicateZones(editor.rmg(), zones, settings->symmetry, settings->owners);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        refuseGroupEdit(editor, refusal->message);
        return;
    }
    // The copies are appended, so the originals keep their numbers and stay
    // selected: the next duplicate of the group turns about the same point.
    commitGroupEdit(editor, "Дублирование " + zonesCount(zones.size()) + " для игроков",
                    std::move(std::get<TRmg>(result)), editor.selection());
}

void editSelectedZones(Editor& editor) {
    const std::vector<int32_t> zones = editor.selection().zones();
    const TRmg& rmg = editor.rmg();
    std::vector<ZoneRecord> records;
    std::vector<int64_t> numbers;
    for (const int32_t k : zones) {
        records.push_back(rmg.zones[static_cast<size_t>(k)]);
        numbers.push_back(int64_t{k} + 1);
    }
    if (records.empty())
        return;
    auto edited = editor.dialogs().editZones(records, numbers);
    if (!edited || edited->size() != records.size())
        return;
    for (size_t i = 0; i < records.size(); ++i) {
        (*edited)[i].gridX = records[i].gridX;
        (*edited)[i].gridY = records[i].gridY;
    }
    // The dialog refuses a zone that breaks a rule; what it returned is checked
    // again before anything is stored, every zone of it.
    if (const auto problem = firstZoneProblem(*edited, numbers)) {
        refuseGroupEdit(editor, *problem);
        return;
    }
    TRmg changed = rmg;
    for (size_t i = 0; i < zones.size(); ++i)
        changed.zones[static_cast<size_t>(zones[i])] = (*edited)[i];
    commitGroupEdit(editor, "Настройка " + zonesCount(zones.size()), std::move(changed),
                    editor.selection());
}

} // namespace zw
