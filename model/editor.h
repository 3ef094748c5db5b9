// The editor: the one open template, its edit history, the view of the canvas,
// the selected tool and every command of the main window, written against the
// services interfaces so that tests and the command-line tool drive the very
// same code as the window. The Qt main window only forwards events here and
// mirrors the state back onto its widgets through EditorView.
#pragma once

#include "canvas/geometry.h"
#include "canvas/info_panel.h"
#include "model/history.h"
#include "model/records.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "rmg/graph.h"

#include <optional>
#include <string>

namespace zw {

enum class Tool { None, CreateZone, CreateConnection, Delete, Move, Copy };

inline constexpr std::string_view kCaptionPrefix = "Редактор шаблонов - ";

// Notifications to the window. Every method has an empty default, so tests and
// the command-line tool can run without one.
class EditorView {
  public:
    virtual ~EditorView() = default;
    virtual void redraw() {}            // repaint the canvas from the editor's state
    virtual void captionChanged() {}    // Editor::caption() changed
    virtual void buttonsChanged() {}    // history, zoom or tool button states changed
    virtual void scrollBarsChanged() {} // ranges or positions of the scroll bars changed
    virtual void infoPanelChanged() {}  // the hover panel's content, place or visibility
};

struct ScrollBarState {
    int32_t min = 0;
    int32_t max = 0;
    int32_t pos = 0;
    bool operator==(const ScrollBarState&) const = default;
};

struct InfoPanelState {
    bool visible = false;
    int32_t left = 0; // in the window's client coordinates, as placed
    int32_t top = 0;
    InfoPanelContent content;
};

class Editor {
  public:
    Editor(Services& services, PropertyDialogs& dialogs);

    void setView(EditorView* view) { view_ = view; }
    Services& services() { return services_; }
    PropertyDialogs& dialogs() { return dialogs_; }

    // ---- Document ----
    const TRmg& rmg() const { return rmg_; }
    // Direct access for commands of other units (compile's refresh, import).
    TRmg& rmgMutable() { return rmg_; }
    // "Редактор шаблонов - " + name, UTF-8.
    std::string caption() const;

    // ---- Edit history ----
    const History& history() const { return history_; }
    void pushSnapshot();
    void clearHistory();
    bool modified() const { return history_.position() > 0; }
    bool canStepBack() const { return history_.canStepBack(); }
    bool canStepForward() const { return history_.canStepForward(); }
    void stepBack();
    void stepForward();

    // ---- Commands of the toolbar ----
    void newTemplate();
    void save();
    // Uses the pending command-line path when one is set, else the open dialog.
    void load();
    void setPendingLoadPath(std::string path) { pendingLoad_ = std::move(path); }
    // Answers whether the main window may close (asks about unsaved changes).
    bool closeRequest();
    // The template check; shows its message and returns false on the first finding.
    bool checkAndReport();
    // The check button: checkAndReport, then "Ошибок не обнаружено" when it passes.
    void checkCommand();
    void compile();
    void importRmg();
    void templateSettings();
    // The readme button: opens "Readme&help.txt" beside the executable.
    void openReadme();
    // Start-up: association, the command-line file, as the main window's creation does.
    void startUp();

    // ---- View ----
    const ViewState& view() const { return viewState_; }
    int32_t halfCell() const { return viewState_.halfCell(); }
    void setCanvasSize(int32_t w, int32_t h);
    int32_t canvasWidth() const { return canvasW_; }
    int32_t canvasHeight() const { return canvasH_; }
    bool zoomInEnabled() const { return viewState_.zoomLevel > kMinZoom; }
    bool zoomOutEnabled() const { return viewState_.zoomLevel < kMaxZoom; }
    void zoomIn();
    void zoomOut();
    void setZoomLevel(int32_t level);
    void wheel(int delta);
    // A typed character (Unicode); the scroll keys move the view. Never consumes it.
    void keyChar(char32_t c);
    void originButton();
    const ScrollBarState& hBar() const { return hBar_; }
    const ScrollBarState& vBar() const { return vBar_; }
    // A scroll bar moved (by the user): the origin takes both bars' positions.
    void scrollBarMoved(bool horizontal, int32_t pos);
    void updateScrollBars();
    void setOrigin(int32_t x, int32_t y);

    // ---- Tools and mouse ----
    Tool tool() const { return tool_; }
    // A click on a tool button: the clicked tool goes down, or up when it was down.
    void toolClicked(Tool t);
    // Sets the tool group without counting as a click (dragSource stays).
    void setTool(Tool t);
    ItemRef hoveredItem() const { return hoveredItem_; }
    ItemRef dragSource() const { return dragSource_; }
    bool nearEndA() const { return nearEndA_; }
    const InfoPanelState& infoPanel() const { return infoPanel_; }
    // Pointer positions in canvas pixels.
    void mouseMove(int32_t x, int32_t y);
    void leftPress(int32_t x, int32_t y);
    void leftRelease(int32_t x, int32_t y);
    void rightPress(int32_t x, int32_t y);

    // ---- Layout generator (one per run) ----
    LayoutRandom& layoutRandom() { return layoutRandom_; }

    // Notifications, for commands implemented in other units.
    void notifyRedraw();
    void notifyCaption();
    void notifyButtons();

  private:
    void replaceTemplate(const TRmg& t);
    void applyScrollPositions(bool forceRedraw);
    void createZoneAt(int32_t x, int32_t y);
    void deleteAt();
    void releaseConnection();
    void releaseMoveCopy(int32_t x, int32_t y);

    Services& services_;
    PropertyDialogs& dialogs_;
    EditorView* view_ = nullptr;

    TRmg rmg_;
    History history_;
    ViewState viewState_;
    int32_t canvasW_ = 707;
    int32_t canvasH_ = 500;
    ScrollBarState hBar_;
    ScrollBarState vBar_;
    Tool tool_ = Tool::None;
    ItemRef hoveredItem_ = 0;
    ItemRef dragSource_ = 0;
    bool nearEndA_ = false;
    InfoPanelState infoPanel_;
    std::optional<std::string> pendingLoad_;
    LayoutRandom layoutRandom_;
};

// The caption's prefix followed by a Windows-1251 name, as UTF-8.
std::string captionFor(std::string_view cp1251Name);

} // namespace zw
