#include "editor/editor.h"

#include "canvas/fit.h"
#include "editor/tools/edit_selected_zones.h"
#include "editor/tools/tool_set.h"

namespace zw {

Editor::Editor(Services& services, PropertyDialogs& dialogs)
    : services_(services), dialogs_(dialogs) {
    document_.setListener([this](const DocumentChange& c) { documentChanged(c); });
    viewController_.setListener([this](ViewChange what) {
        switch (what) {
        case ViewChange::Picture:
            notifyRedraw();
            // What lies under a resting pointer moved.
            refreshHover();
            break;
        case ViewChange::Zoom:
            notifyButtons();
            break;
        case ViewChange::ScrollBars:
            if (view_)
                view_->scrollBarsChanged();
            break;
        }
    });
}

Editor::~Editor() = default;

void Editor::documentChanged(const DocumentChange& c) {
    // A drag that began on the template as it was (a step back or a load by
    // key while the button is held) ends without a change; the tool's own
    // action ends its drag itself.
    if (c.replaced || (c.content && !toolActing_)) {
        if (tool_)
            tool_->cancel();
        drag_ = {};
    }
    // Indices of a replaced template name other items: the hover starts afresh.
    if (c.replaced)
        hover_.setItem(0);
    if (c.replaced || c.content) {
        Selection kept = c.replaced ? Selection{} : selection_;
        kept.dropMissing(document_.rmg());
        if (kept != selection_) {
            selection_ = std::move(kept);
            notifyButtons();
        }
        if (!c.zonesRemoved)
            viewController_.updateScrollBars();
        notifyRedraw();
        notifyTemplateChanged();
        refreshHover();
    }
    if (c.name || c.history)
        notifyCaption(); // the name, or the modified mark
    if (c.history)
        notifyButtons();
    if (follower_)
        follower_(c);
}

void Editor::notifyRedraw() {
    if (view_)
        view_->redraw();
}

void Editor::notifyCaption() {
    if (view_)
        view_->captionChanged();
}

void Editor::notifyButtons() {
    if (view_)
        view_->buttonsChanged();
}

void Editor::notifyTemplateChanged() {
    if (view_)
        view_->templateChanged();
}

void Editor::setSelection(Selection s) {
    s.dropMissing(document_.rmg());
    if (s == selection_)
        return;
    selection_ = std::move(s);
    notifyRedraw();
    // The commands on the selection follow it.
    notifyButtons();
}

void Editor::selectAll() {
    Selection all;
    all.selectAll(document_.rmg());
    setSelection(std::move(all));
}

void Editor::escape() {
    if (dragInProgress())
        tool_->cancel();
    else
        clearSelection();
}

CanvasOverlay Editor::canvasOverlay() const {
    CanvasOverlay o = dragInProgress() ? tool_->feedback() : CanvasOverlay{};
    o.selectedZones = selection_.zones();
    o.selectedConnections = selection_.connections();
    return o;
}

void Editor::showZones(const std::vector<int>& numbers) {
    Selection zones;
    std::vector<int> indices;
    for (const int n : numbers) {
        if (n >= 1 && static_cast<size_t>(n) <= document_.rmg().zones.size()) {
            zones.addZone(n - 1);
            indices.push_back(n - 1);
        }
    }
    if (indices.empty())
        return;
    setSelection(std::move(zones));
    if (const auto v =
            centreOnZones(document_.rmg(), viewController_.state(), viewController_.canvasWidth(),
                          viewController_.canvasHeight(), indices))
        viewController_.setOrigin(v->originX, v->originY);
}

std::optional<GridPoint> Editor::pointerNode() const {
    if (!pointer_ || pointer_->x < 0 || pointer_->y < 0 ||
        pointer_->x >= viewController_.canvasWidth() ||
        pointer_->y >= viewController_.canvasHeight())
        return std::nullopt;
    return pixelToNode(viewController_.state(), pointer_->x, pointer_->y);
}

// ---- Tools ----

void Editor::toolClicked(ToolId id) {
    if (tool_)
        tool_->cancel();
    // A drag left behind by a tool a command put down ends as well.
    drag_.source = 0;
    setTool(tool() == id ? kNoTool : id);
}

void Editor::setTool(ToolId id) {
    if (!tool_ || tool_->id() != id)
        tool_ = makeToolOf(id, toolContext_);
    notifyButtons();
}

void Editor::refreshHover() {
    const bool changed =
        pointer_ ? hover_.pointerMoved(document_.rmg(), viewController_.state(),
                                       viewController_.canvasWidth(),
                                       viewController_.canvasHeight(), pointer_->x, pointer_->y)
                 : hover_.pointerGone();
    if (changed && view_)
        view_->infoPanelChanged();
}

void Editor::mouseMove(int32_t x, int32_t y) {
    pointer_ = PixelPoint{x, y};
    refreshHover();
    if (tool_)
        tool_->move(x, y);
}

void Editor::leftPress(int32_t x, int32_t y, PressModifiers mods) {
    pointer_ = PixelPoint{x, y};
    const ToolActing acting(toolActing_);
    if (tool_)
        tool_->pressWithModifiers(x, y, mods);
}

void Editor::leftRelease(int32_t x, int32_t y) {
    pointer_ = PixelPoint{x, y};
    const ToolActing acting(toolActing_);
    if (tool_)
        tool_->release(x, y);
}

void Editor::rightPress(int32_t x, int32_t y) {
    pointer_ = PixelPoint{x, y};
    const ToolActing acting(toolActing_);
    // A zone of a selection of several zones: the dialog edits them all.
    const auto k = zoneOf(document_.rmg(), hover_.item());
    if (k && selection_.zones().size() >= 2 && selection_.hasZone(*k)) {
        editSelectedZones(toolContext_);
        return;
    }
    if (tool_)
        tool_->rightPress(x, y);
    else
        editItemUnderPointer(toolContext_);
}

} // namespace zw
