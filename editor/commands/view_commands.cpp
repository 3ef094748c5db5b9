#include "editor/commands/view_commands.h"

#include "canvas/fit.h"
#include "editor/editor.h"
#include "model/translation.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace zw {

void zoomToFit(Editor& editor) {
    ViewController& view = editor.viewController();
    const ViewState fitted =
        fitView(editor.document().rmg(), view.canvasWidth(), view.canvasHeight());
    view.setZoomLevel(fitted.zoomLevel);
    view.setOrigin(fitted.originX, fitted.originY);
}

void goToZone(Editor& editor) {
    const TRmg& t = editor.document().rmg();
    ViewController& view = editor.viewController();
    if (t.zones.empty())
        return;
    const int count = static_cast<int>(
        std::min<size_t>(t.zones.size(), static_cast<size_t>(std::numeric_limits<int>::max())));
    const std::optional<int> number = editor.services().askNumber(
        translated("Editor", kGoToZoneTitle), translated("Editor", kGoToZoneLabel), 1, count);
    if (!number || *number < 1 || *number > count)
        return;
    const auto centred =
        centreOnZone(t, view.state(), view.canvasWidth(), view.canvasHeight(), *number - 1);
    if (centred)
        view.setOrigin(centred->originX, centred->originY);
    // The zone it went to is the one the next command acts on.
    Selection zone;
    zone.addZone(*number - 1);
    editor.setSelection(std::move(zone));
}

} // namespace zw
