#include "editor/commands/symmetry_commands.h"

#include "editor/commands/group_edit.h"
#include "editor/editor.h"
#include "editor/step_names.h"
#include "model/translation.h"

#include <string>

namespace zw {

namespace {

std::string transformStep(Symmetry s, size_t zones) {
    const char* pattern = ZW_TR_NOOP("Editor", "Преобразование %1");
    switch (s) {
    case Symmetry::MirrorLeftRight:
        pattern = ZW_TR_NOOP("Editor", "Отражение %1 слева направо");
        break;
    case Symmetry::MirrorTopBottom:
        pattern = ZW_TR_NOOP("Editor", "Отражение %1 сверху вниз");
        break;
    case Symmetry::Rotate90:
        pattern = ZW_TR_NOOP("Editor", "Поворот %1 на 90°");
        break;
    case Symmetry::Rotate180:
        pattern = ZW_TR_NOOP("Editor", "Поворот %1 на 180°");
        break;
    case Symmetry::Rotate270:
        pattern = ZW_TR_NOOP("Editor", "Поворот %1 на 270°");
        break;
    }
    return withArguments(translated("Editor", pattern), {zonesCount(zones)});
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
        refuseGroupEdit(editor, translated("Model", kEmptySelectionMessage));
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
    commitGroupEdit(
        editor,
        withArguments(ZW_TR("Editor", "Дублирование %1 для игроков"), {zonesCount(zones.size())}),
        std::move(std::get<TRmg>(result)), editor.selection());
}

} // namespace zw
