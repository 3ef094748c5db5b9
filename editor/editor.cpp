#include "editor/editor.h"

#include "editor/commands/check_command.h"
#include "editor/commands/compile_command.h"
#include "editor/commands/group_commands.h"
#include "editor/commands/import_command.h"
#include "editor/commands/project_commands.h"
#include "editor/commands/selection_commands.h"
#include "editor/commands/start_up.h"
#include "editor/toolbar.h"

namespace zw {

Editor::Editor(Services& services, PropertyDialogs& dialogs)
    : services_(services), dialogs_(dialogs) {
    document_.setListener([this](DocumentChange what) {
        switch (what) {
        case DocumentChange::Content: {
            // Indices beyond the lists can't stay selected.
            const bool hadZones = hasSelectedZones();
            selection_.dropMissing(document_.rmg());
            notifyRedraw();
            if (hadZones != hasSelectedZones())
                notifyButtons();
            break;
        }
        case DocumentChange::Name:
            notifyCaption();
            break;
        case DocumentChange::History:
            notifyButtons();
            break;
        }
    });
    viewController_.setListener([this](ViewChange what) {
        switch (what) {
        case ViewChange::Picture:
            notifyRedraw();
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

void Editor::setSelection(Selection s) {
    s.dropMissing(document_.rmg());
    if (s == selection_)
        return;
    const bool hadZones = hasSelectedZones();
    selection_ = std::move(s);
    notifyRedraw();
    // Commands on the selection are enabled while it holds a zone.
    if (hadZones != hasSelectedZones())
        notifyButtons();
}

void Editor::selectAll() {
    Selection all;
    all.selectAll(document_.rmg());
    setSelection(std::move(all));
}

void Editor::deleteSelection() {
    zw::deleteSelection(document_, selection_, viewController_, services_);
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

void Editor::zoomToFit() {
    zw::zoomToFit(rmg(), viewController_);
}

void Editor::goToZone() {
    zw::goToZone(rmg(), viewController_, services_);
}

void Editor::stepBack() {
    if (document_.stepBack())
        viewController_.updateScrollBars();
}

void Editor::stepForward() {
    if (document_.stepForward())
        viewController_.updateScrollBars();
}

// ---- Commands ----

void Editor::newTemplate() {
    zw::newTemplate(*this);
}

void Editor::save() {
    saveProject(*this);
}

void Editor::load() {
    loadProject(*this);
}

std::optional<std::string> Editor::takePendingLoadPath() {
    std::optional<std::string> path = std::move(pendingLoad_);
    pendingLoad_.reset();
    return path;
}

bool Editor::closeRequest() {
    return zw::closeRequest(*this);
}

bool Editor::checkAndReport() {
    return zw::checkAndReport(rmg(), services_);
}

void Editor::checkCommand() {
    zw::checkCommand(rmg(), services_);
}

void Editor::compile() {
    compileCommand(*this);
}

void Editor::importRmg() {
    importCommand(*this);
}

void Editor::templateSettings() {
    editTemplateSettings(document_, dialogs_);
}

void Editor::openReadme() {
    zw::openReadme(services_);
}

void Editor::startUp() {
    zw::startUp(*this);
}

// ---- Commands on the selection ----

void Editor::copySelection() {
    zw::copySelection(*this);
}

void Editor::cutSelection() {
    zw::cutSelection(*this);
}

void Editor::paste() {
    pasteClipboard(*this);
}

void Editor::transformSelection(Symmetry s) {
    zw::transformSelection(*this, s);
}

void Editor::duplicateForPlayers() {
    duplicateSelectionForPlayers(*this);
}

std::optional<GridPoint> Editor::pointerNode() const {
    if (!pointer_ || pointer_->x < 0 || pointer_->y < 0 || pointer_->x >= canvasWidth() ||
        pointer_->y >= canvasHeight())
        return std::nullopt;
    return pixelToNode(view(), pointer_->x, pointer_->y);
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
    const ToolbarEntry* entry = findToolbarEntry(id);
    if (entry && entry->isTool()) {
        if (!tool_ || tool_->id() != id)
            tool_ = entry->makeTool(toolContext_);
    } else {
        tool_.reset();
    }
    notifyButtons();
}

void Editor::mouseMove(int32_t x, int32_t y) {
    pointer_ = PixelPoint{x, y};
    if (hover_.pointerMoved(rmg(), view(), canvasWidth(), canvasHeight(), x, y) && view_)
        view_->infoPanelChanged();
    if (tool_)
        tool_->move(x, y);
}

void Editor::leftPress(int32_t x, int32_t y, PressModifiers mods) {
    if (tool_)
        tool_->pressWithModifiers(x, y, mods);
}

void Editor::leftRelease(int32_t x, int32_t y) {
    if (tool_)
        tool_->release(x, y);
}

void Editor::rightPress(int32_t x, int32_t y) {
    // A zone of a selection of several zones: the dialog edits them all.
    const auto k = zoneOf(rmg(), hover_.item());
    if (k && selection_.zones().size() >= 2 && selection_.hasZone(*k)) {
        editSelectedZones(*this);
        return;
    }
    if (tool_)
        tool_->rightPress(x, y);
    else
        editItemUnderPointer(toolContext_);
}

} // namespace zw
