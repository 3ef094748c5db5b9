#include "editor/commands/clipboard_commands.h"

#include "canvas/fit.h"
#include "canvas/geometry.h"
#include "editor/commands/group_edit.h"
#include "editor/editor.h"
#include "editor/step_names.h"
#include "model/fragment.h"
#include "model/translation.h"

#include <algorithm>

namespace zw {

namespace {

constexpr const char* kPasteOutOfReach = ZW_TR_NOOP(
    "Editor", "Фрагмент не вставлен: координаты локаций должны быть от -2000000000 до 2000000000.");

// Every zone of `ks` drawn whole on the canvas.
bool allInView(const TRmg& t, const ViewController& view, const std::vector<int>& ks) {
    for (const int k : ks) {
        const ZoneRecord& z = t.zones[static_cast<size_t>(k)];
        const PixelPoint p = nodeToPixel(view.state(), z.gridX, z.gridY);
        const int32_t r = zoneRadiusPixels(z.size, view.state());
        if (p.x - r < 0 || p.y - r < 0 || p.x + r > view.canvasWidth() ||
            p.y + r > view.canvasHeight())
            return false;
    }
    return true;
}

} // namespace

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
    commitGroupEdit(editor,
                    withArguments(ZW_TR("Editor", "Вырезание %1"), {zonesCount(zones.size())}),
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
    // Zones beyond the canvas's reach would land out of sight and out of the
    // tools' reach: nothing is pasted.
    const auto inReach = [](const ZoneRecord& z) { return nodeInReach(z.gridX, z.gridY); };
    if (!std::all_of(fragment.zones.begin(), fragment.zones.end(), inReach)) {
        refuseGroupEdit(editor, translated("Editor", kPasteOutOfReach));
        return;
    }
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
    if (!std::all_of(pasted.zones.begin() + static_cast<std::ptrdiff_t>(before), pasted.zones.end(),
                     inReach)) {
        refuseGroupEdit(editor, translated("Editor", kPasteOutOfReach));
        return;
    }
    Selection selected;
    std::vector<int> added;
    for (size_t k = before; k < pasted.zones.size(); ++k) {
        selected.addZone(static_cast<int32_t>(k));
        added.push_back(static_cast<int>(k));
    }
    const std::string step =
        withArguments(ZW_TR("Editor", "Вставка %1"), {zonesCount(pasted.zones.size() - before)});
    commitGroupEdit(editor, step, std::move(pasted), std::move(selected));

    // The pasted zones in sight: a group that lands partly outside the view
    // (the pointer near the canvas's edge) brings the view to its middle.
    ViewController& view = editor.viewController();
    const TRmg& now = editor.document().rmg();
    if (!allInView(now, view, added))
        if (const auto v =
                centreOnZones(now, view.state(), view.canvasWidth(), view.canvasHeight(), added))
            view.setOrigin(v->originX, v->originY);
}

} // namespace zw
