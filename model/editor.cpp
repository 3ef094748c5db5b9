// The editor's history, view and window commands. Save and load live in
// model/project_commands.cpp, the check in check/, compile and import in rmg/,
// and the mouse tools with the hover logic in canvas/tools.cpp.
#include "model/editor.h"

#include "model/text.h"

#include <algorithm>

namespace zw {

std::string captionFor(std::string_view cp1251Name) {
    return std::string(kCaptionPrefix) + cp1251ToUtf8(cp1251Name);
}

Editor::Editor(Services& services, PropertyDialogs& dialogs)
    : services_(services), dialogs_(dialogs) {}

std::string Editor::caption() const {
    return captionFor(rmg_.name);
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

// ---- Edit history ----

void Editor::pushSnapshot() {
    history_.push(rmg_);
    notifyButtons();
}

void Editor::clearHistory() {
    history_.clear();
    notifyButtons();
}

void Editor::replaceTemplate(const TRmg& t) {
    rmg_ = t;
    notifyRedraw();
    notifyCaption();
    updateScrollBars();
}

void Editor::stepBack() {
    if (!history_.canStepBack())
        return;
    const TRmg copy = history_.stepBack(rmg_);
    notifyButtons();
    replaceTemplate(copy);
}

void Editor::stepForward() {
    if (!history_.canStepForward())
        return;
    const TRmg copy = history_.stepForward(rmg_);
    notifyButtons();
    replaceTemplate(copy);
}

// ---- Commands that discard the template ----

void Editor::newTemplate() {
    if (modified()) {
        const auto answer = services_.messageBox("Сохранить изменения?", MessageKind::Confirmation,
                                                 MessageButtons::YesNoCancel);
        if (answer == MessageResult::Cancel)
            return;
        if (answer == MessageResult::Yes)
            save();
    }
    resetTemplate(rmg_);
    setZoomLevel(2);
    viewState_.originX = 0;
    viewState_.originY = 0;
    setTool(Tool::None);
    clearHistory();
    notifyRedraw();
    notifyCaption();
    updateScrollBars();
}

bool Editor::closeRequest() {
    if (!modified())
        return true;
    const auto answer = services_.messageBox("Сохранить изменения?", MessageKind::Confirmation,
                                             MessageButtons::YesNoCancel);
    if (answer == MessageResult::Cancel)
        return false;
    if (answer == MessageResult::Yes)
        save();
    return true;
}

void Editor::templateSettings() {
    const auto result = dialogs_.editTemplate(rmg_);
    if (!result)
        return;
    pushSnapshot();
    rmg_.name = result->name;
    notifyCaption();
    rmg_.header.minSize = result->minSize;
    rmg_.header.maxSize = result->maxSize;
    rmg_.header.playerCountIndex = result->playerCountIndex;
    rmg_.kinds = result->kinds;
}

void Editor::openReadme() {
    std::string dir = services_.executableDir();
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
        dir += '/';
    services_.shellOpen(dir + "Readme&help.txt");
}

void Editor::startUp() {
    notifyRedraw();
    resetTemplate(rmg_);
    notifyCaption();
    services_.writeFileAssociation();
    const auto args = services_.arguments();
    if (!args.empty()) {
        setPendingLoadPath(args.front());
        load();
    }
}

// ---- View ----

void Editor::setCanvasSize(int32_t w, int32_t h) {
    canvasW_ = std::max(0, w);
    canvasH_ = std::max(0, h);
    notifyRedraw();
}

void Editor::setZoomLevel(int32_t level) {
    viewState_.zoomLevel = std::clamp(level, kMinZoom, kMaxZoom);
    notifyButtons();
}

void Editor::zoomIn() {
    if (!zoomInEnabled())
        return;
    setZoomLevel(viewState_.zoomLevel - 1);
    notifyRedraw();
}

void Editor::zoomOut() {
    if (!zoomOutEnabled())
        return;
    setZoomLevel(viewState_.zoomLevel + 1);
    notifyRedraw();
}

void Editor::wheel(int delta) {
    if (delta > 0)
        zoomIn();
    else
        zoomOut();
}

void Editor::keyChar(char32_t c) {
    switch (c) {
    case U'A':
    case U'a':
    case U'Ф':
    case U'ф':
        setOrigin(viewState_.originX - 1, viewState_.originY);
        break;
    case U'D':
    case U'd':
    case U'В':
    case U'в':
        setOrigin(viewState_.originX + 1, viewState_.originY);
        break;
    case U'S':
    case U's':
    case U'Ы':
    case U'ы':
        setOrigin(viewState_.originX, viewState_.originY + 1);
        break;
    case U'W':
    case U'w':
    case U'Ц':
    case U'ц':
        setOrigin(viewState_.originX, viewState_.originY - 1);
        break;
    default:
        break;
    }
}

void Editor::setOrigin(int32_t x, int32_t y) {
    viewState_.originX = x;
    viewState_.originY = y;
    notifyRedraw();
}

void Editor::originButton() {
    setOrigin(0, 0);
}

void Editor::scrollBarMoved(bool horizontal, int32_t pos) {
    ScrollBarState& bar = horizontal ? hBar_ : vBar_;
    pos = std::clamp(pos, bar.min, bar.max);
    if (bar.pos == pos)
        return;
    bar.pos = pos;
    if (view_)
        view_->scrollBarsChanged();
    setOrigin(hBar_.pos, vBar_.pos);
}

void Editor::updateScrollBars() {
    const ScrollRanges r = scrollRanges(rmg_);
    hBar_.min = r.hMin;
    hBar_.max = r.hMax;
    vBar_.min = r.vMin;
    vBar_.max = r.vMax;
    // A new range that forces a bar's position into it counts as a change of that
    // bar: the origin then takes both bars' positions.
    const int32_t h = std::clamp(hBar_.pos, hBar_.min, hBar_.max);
    const int32_t v = std::clamp(vBar_.pos, vBar_.min, vBar_.max);
    const bool moved = h != hBar_.pos || v != vBar_.pos;
    hBar_.pos = h;
    vBar_.pos = v;
    if (view_)
        view_->scrollBarsChanged();
    if (moved)
        setOrigin(hBar_.pos, vBar_.pos);
}

// ---- Tool group ----

void Editor::toolClicked(Tool t) {
    tool_ = (tool_ == t) ? Tool::None : t;
    dragSource_ = 0;
    notifyButtons();
}

void Editor::setTool(Tool t) {
    tool_ = t;
    notifyButtons();
}

} // namespace zw
