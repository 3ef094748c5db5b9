#include "editor/commands/clipboard_commands.h"

#include "canvas/geometry.h"
#include "editor/commands/group_edit.h"
#include "editor/editor.h"
#include "editor/step_names.h"
#include "model/fragment.h"

namespace zw {

void copySelection(Editor& editor) {
    const std::vector<int32_t>& zones = editor.selection().zones();
    if (zones.empty())
        return;
    const TRmg fragment = extractFragment(editor.document().rmg(), zones);
    editor.services().setClipboard(kFragmentMimeType, fragmentToText(fragment));
}

void cutSelection(Editor& editor) {
    const std::vector<int32_t> zones = editor.selection().zones();
    if (zones.empty())
        return;
    EditResult result = deleteZones(editor.document().rmg(), zones);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        refuseGroupEdit(editor, refusal->message);
        return;
    }
    copySelection(editor);
    commitGroupEdit(editor, "Вырезание " + zonesCount(zones.size()),
                    std::move(std::get<TRmg>(result)), {});
}

void pasteClipboard(Editor& editor) {
    // An empty clipboard is refused like any text that is not a fragment.
    const std::string text = editor.services().clipboardText(kFragmentMimeType).value_or("");
    auto read = fragmentFromText(text);
    if (const auto* error = std::get_if<FragmentError>(&read)) {
        refuseGroupEdit(editor, error->message);
        return;
    }
    const TRmg& fragment = std::get<TRmg>(read);
    GridNode64 target = fragmentAnchor(fragment);
    if (const auto pointer = editor.pointerNode())
        target = {pointer->x, pointer->y};

    const size_t before = editor.document().rmg().zones.size();
    EditResult result = pasteFragment(editor.document().rmg(), fragment, target.x, target.y);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        refuseGroupEdit(editor, refusal->message);
        return;
    }
    TRmg& pasted = std::get<TRmg>(result);
    Selection selected;
    for (size_t k = before; k < pasted.zones.size(); ++k)
        selected.addZone(static_cast<int32_t>(k));
    const std::string step = "Вставка " + zonesCount(pasted.zones.size() - before);
    commitGroupEdit(editor, step, std::move(pasted), std::move(selected));
}

} // namespace zw
