#include "editor/commands/symmetry_commands.h"

#include "editor/commands/group_edit.h"
#include "editor/editor.h"
#include "editor/step_names.h"

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
    EditResult result = transformZones(editor.document().rmg(), keep.zones(), s);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        refuseGroupEdit(editor, refusal->message);
        return;
    }
    // Named before the selection moves into the step.
    const std::string step = transformStep(s, keep.zones().size());
    commitGroupEdit(editor, step, std::move(std::get<TRmg>(result)), std::move(keep));
}

void duplicateSelectionForPlayers(Editor& editor) {
    const std::vector<int32_t> zones = editor.selection().zones();
    if (zones.empty()) {
        refuseGroupEdit(editor, kEmptySelectionMessage);
        return;
    }
    const auto settings = editor.dialogs().duplicateZonesForPlayers(editor.document().rmg(), zones);
    if (!settings)
        return;
    EditResult result =
        duplicateZones(editor.document().rmg(), zones, settings->symmetry, settings->owners);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        refuseGroupEdit(editor, refusal->message);
        return;
    }
    // The copies are appended, so the originals keep their numbers and stay
    // selected: the next duplicate of the group turns about the same point.
    commitGroupEdit(editor, "Дублирование " + zonesCount(zones.size()) + " для игроков",
                    std::move(std::get<TRmg>(result)), editor.selection());
}

} // namespace zw
