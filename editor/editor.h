// The editor: the one open template (Document), the view of the canvas
// (ViewController), the selection, the tool that is down and the item under the
// pointer. What a run keeps beside them (recent files, recovery, the file to
// load) is the session's (editor/session.h). The window and the tests drive the
// very same parts and commands; the Qt main window only forwards events here
// and mirrors the state back onto its widgets through EditorView.
#pragma once

#include "editor/document.h"
#include "editor/hover.h"
#include "editor/selection.h"
#include "editor/tools/tool.h"
#include "editor/view_controller.h"
#include "model/transform.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zw {

// Notifications to the window. Every method has an empty default, so tests can
// run without one.
class EditorView {
  public:
    virtual ~EditorView() = default;
    virtual void redraw() {}            // repaint the canvas from the editor's state
    virtual void captionChanged() {}    // Document::caption() or modified() changed
    virtual void buttonsChanged() {}    // history, zoom or tool button states changed
    virtual void scrollBarsChanged() {} // ranges or positions of the scroll bars changed
    virtual void infoPanelChanged() {}  // the hover panel's content, place or visibility
    virtual void templateChanged() {}   // the template's content: what is analysed of it
};

class Editor {
  public:
    Editor(Services& services, PropertyDialogs& dialogs);
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    void setView(EditorView* view) { view_ = view; }
    Services& services() { return services_; }
    PropertyDialogs& dialogs() { return dialogs_; }

    // ---- The parts ----
    Document& document() { return document_; }
    const Document& document() const { return document_; }
    ViewController& viewController() { return viewController_; }
    const ViewController& viewController() const { return viewController_; }

    // The document is the only writer of the template: read it through
    // document().rmg(), change it through document().commit()/replace(). The
    // commands of the toolbar are free functions over the editor or the
    // session (editor/commands/), one file each.

    // One more party told of every change of the template, after the
    // editor's own parts (the session's recovery copy); empty: none.
    void setChangeFollower(std::function<void(const DocumentChange&)> follower) {
        follower_ = std::move(follower);
    }

    // ---- Tools and mouse ----
    // The tool that is down (a toolbar id, see editor/tools/tool_set.h), or kNoTool.
    ToolId tool() const { return tool_ ? tool_->id() : kNoTool; }
    // A click on a tool button: the clicked tool goes down, or up when it was down.
    void toolClicked(ToolId id);
    // Sets the tool group without counting as a click (a drag stays).
    void setTool(ToolId id);
    ItemRef hoveredItem() const { return hover_.item(); }
    ItemRef dragSource() const { return drag_.source; }
    bool nearEndA() const { return drag_.nearEndA; }
    const InfoPanelState& infoPanel() const { return hover_.panel(); }
    // Pointer positions in canvas pixels.
    void mouseMove(int32_t x, int32_t y);
    void leftPress(int32_t x, int32_t y, PressModifiers mods = {});
    void leftRelease(int32_t x, int32_t y);
    void rightPress(int32_t x, int32_t y);
    // Looks the item under the pointer up again at its last position over the
    // canvas (none when it is not over the canvas) and updates the panel. Run
    // after everything that changes the picture under a resting pointer: a zoom,
    // a scroll, a step back or forward, a load, an import; the window's dialogs
    // run it once they close.
    void refreshHover();

    // ---- Selection ----
    const Selection& selection() const { return selection_; }
    // The one setter of the selection: indices that name nothing are dropped,
    // and a change redraws the canvas and updates the command states.
    void setSelection(Selection s);
    void selectAll();
    void clearSelection() { setSelection({}); }
    // Selects the zones of the given numbers (1-based; others are skipped) and
    // centres the view on them at the current zoom.
    void showZones(const std::vector<int>& numbers);

    // The pointer left the canvas: nothing is under it (a paste then goes
    // beside the originals, the hover panel hides) until it comes back.
    void pointerLeft() {
        pointer_.reset();
        refreshHover();
    }
    // The grid node under the pointer; nullopt when it is outside the canvas.
    std::optional<GridPoint> pointerNode() const;

    // Esc: ends a drag in progress without a change, else clears the selection.
    void escape();
    // Whether the tool that is down has a drag in progress.
    bool dragInProgress() const { return tool_ && tool_->dragging(); }
    // The selection and the drag's feedback, for the renderer. Valid until the
    // selection changes.
    CanvasOverlay canvasOverlay() const;

    // The canvas is repainted without a change of the template (drag feedback).
    void notifyRedraw();

  private:
    void notifyCaption();
    void notifyButtons();
    void notifyTemplateChanged();
    // The one place that follows every change of the template.
    void documentChanged(const DocumentChange& change);
    // Set while the pointer's press or release is handed to the tool.
    struct ToolActing {
        explicit ToolActing(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
        ~ToolActing() { flag_ = was_; }
        ToolActing(const ToolActing&) = delete;
        ToolActing& operator=(const ToolActing&) = delete;
        bool& flag_;
        bool was_;
    };
    bool toolActing_ = false;
    Services& services_;
    PropertyDialogs& dialogs_;
    EditorView* view_ = nullptr;
    std::optional<PixelPoint> pointer_; // last position over the canvas

    Document document_;
    ViewController viewController_{document_.rmg()};
    Hover hover_;
    DragState drag_;
    Selection selection_;
    ToolContext toolContext_{.document = document_,
                             .view = viewController_,
                             .hover = hover_,
                             .drag = drag_,
                             .services = services_,
                             .dialogs = dialogs_,
                             .selection = selection_,
                             .select = [this](Selection s) { setSelection(std::move(s)); },
                             .repaint = [this] { notifyRedraw(); }};
    std::unique_ptr<Tool> tool_;
    std::function<void(const DocumentChange&)> follower_;
};

} // namespace zw
