#include "editor/editor.h"

#include "canvas/fit.h"
#include "editor/commands/check_command.h"
#include "editor/commands/compile_command.h"
#include "editor/commands/group_commands.h"
#include "editor/commands/import_command.h"
#include "editor/commands/project_commands.h"
#include "editor/commands/selection_commands.h"
#include "editor/commands/start_up.h"
#include "editor/step_names.h"
#include "editor/toolbar.h"

namespace zw {

Editor::Editor(Services& services, PropertyDialogs& dialogs)
    : services_(services), dialogs_(dialogs, dialogClosed_) {
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
    if (autosave_ && (c.content || c.name || c.history))
        autosave_->changed();
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

std::optional<ZoneRecord> Editor::DialogsThatMarkClosing::editZone(const ZoneRecord& from) {
    auto result = inner_.editZone(from);
    closed_ = true;
    return result;
}

std::optional<ConnectionRecord>
Editor::DialogsThatMarkClosing::editConnection(const ConnectionRecord& from, bool furtherPassage) {
    auto result = inner_.editConnection(from, furtherPassage);
    closed_ = true;
    return result;
}

std::optional<TemplateSettings> Editor::DialogsThatMarkClosing::editTemplate(const TRmg& from) {
    auto result = inner_.editTemplate(from);
    closed_ = true;
    return result;
}

ListOutcome Editor::DialogsThatMarkClosing::runTemplateList(TemplateListSession& session) {
    const ListOutcome outcome = inner_.runTemplateList(session);
    closed_ = true;
    return outcome;
}

std::optional<std::vector<ZoneRecord>>
Editor::DialogsThatMarkClosing::editZones(const std::vector<ZoneRecord>& from,
                                          const std::vector<int64_t>& numbers) {
    auto result = inner_.editZones(from, numbers);
    closed_ = true;
    return result;
}

std::optional<DuplicateSettings>
Editor::DialogsThatMarkClosing::duplicateZonesForPlayers(const TRmg& t,
                                                         const std::vector<int32_t>& zones) {
    auto result = inner_.duplicateZonesForPlayers(t, zones);
    closed_ = true;
    return result;
}

std::optional<PatternSettings> Editor::DialogsThatMarkClosing::generateFromPattern() {
    auto result = inner_.generateFromPattern();
    closed_ = true;
    return result;
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

void Editor::deleteSelection() {
    zw::deleteSelection(*this);
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
    if (const std::optional<int> zone = zw::goToZone(rmg(), viewController_, services_)) {
        Selection s;
        s.addZone(*zone);
        setSelection(std::move(s));
    }
}

void Editor::showZones(const std::vector<int>& numbers) {
    Selection zones;
    std::vector<int> indices;
    for (const int n : numbers) {
        if (n >= 1 && static_cast<size_t>(n) <= rmg().zones.size()) {
            zones.addZone(n - 1);
            indices.push_back(n - 1);
        }
    }
    if (indices.empty())
        return;
    setSelection(std::move(zones));
    if (const auto v = centreOnZones(rmg(), view(), canvasWidth(), canvasHeight(), indices))
        setOrigin(v->originX, v->originY);
}

// ---- Commands ----

void Editor::newTemplate() {
    zw::newTemplate(*this);
}

bool Editor::save() {
    return saveProject(*this);
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
    if (!zw::closeRequest(*this))
        return false;
    // A clean close: nothing is left to recover.
    if (autosave_)
        autosave_->dropCopy();
    return true;
}

// ---- Recovery and recent files ----

void Editor::enableRecovery(RecoveryStore store, AutosaveTimer& timer) {
    autosave_ = std::make_unique<Autosave>(std::move(store), timer, document_, services_);
}

void Editor::offerRecovery() {
    if (!autosave_)
        return;
    auto recovered = autosave_->offerOrphans();
    if (!recovered)
        return;
    document_.replace(std::move(*recovered), Replacement::AsStep, kRecoveredStep);
    autosave_->installed();
}

void Editor::openRecent(const std::string& path) {
    if (const auto message = recent_.dropIfMissing(path)) {
        services_.messageBox(*message, MessageKind::Information, MessageButtons::Ok);
        if (view_)
            view_->recentFilesChanged();
        return;
    }
    setPendingLoadPath(path);
    load();
    // A load stopped at the question about unsaved changes leaves the path unused.
    pendingLoad_.reset();
}

void Editor::projectFileUsed(const std::string& path) {
    if (autosave_)
        autosave_->dropCopy();
    recent_.add(path);
    if (view_)
        view_->recentFilesChanged();
}

void Editor::templateRenewed() {
    if (autosave_)
        autosave_->dropCopy();
}

bool Editor::checkAndReport() {
    return zw::checkAndReport(rmg(), services_);
}

void Editor::checkCommand() {
    zw::checkCommand(rmg(), services_);
}

void Editor::compile() {
    compileCommand(*this);
    refreshHoverAfterDialogs();
}

void Editor::importRmg() {
    importCommand(*this);
}

void Editor::templateSettings() {
    editTemplateSettings(*this);
    refreshHoverAfterDialogs();
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

void Editor::refreshHover() {
    dialogClosed_ = false;
    const bool changed = pointer_ ? hover_.pointerMoved(rmg(), view(), canvasWidth(),
                                                        canvasHeight(), pointer_->x, pointer_->y)
                                  : hover_.pointerGone();
    if (changed && view_)
        view_->infoPanelChanged();
}

void Editor::refreshHoverAfterDialogs() {
    if (dialogClosed_)
        refreshHover();
}

void Editor::mouseMove(int32_t x, int32_t y) {
    pointer_ = PixelPoint{x, y};
    if (hover_.pointerMoved(rmg(), view(), canvasWidth(), canvasHeight(), x, y) && view_)
        view_->infoPanelChanged();
    if (tool_)
        tool_->move(x, y);
}

void Editor::leftPress(int32_t x, int32_t y, PressModifiers mods) {
    pointer_ = PixelPoint{x, y};
    const ToolActing acting(toolActing_);
    if (tool_)
        tool_->pressWithModifiers(x, y, mods);
    refreshHoverAfterDialogs();
}

void Editor::leftRelease(int32_t x, int32_t y) {
    pointer_ = PixelPoint{x, y};
    const ToolActing acting(toolActing_);
    if (tool_)
        tool_->release(x, y);
    refreshHoverAfterDialogs();
}

void Editor::rightPress(int32_t x, int32_t y) {
    pointer_ = PixelPoint{x, y};
    const ToolActing acting(toolActing_);
    // A zone of a selection of several zones: the dialog edits them all.
    const auto k = zoneOf(rmg(), hover_.item());
    if (k && selection_.zones().size() >= 2 && selection_.hasZone(*k)) {
        editSelectedZones(*this);
        refreshHoverAfterDialogs();
        return;
    }
    if (tool_)
        tool_->rightPress(x, y);
    else
        editItemUnderPointer(toolContext_);
    refreshHoverAfterDialogs();
}

} // namespace zw
