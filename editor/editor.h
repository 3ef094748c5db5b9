// The editor: the one open template (Document), the view of the canvas
// (ViewController), the selection, the tool that is down and the item under the
// pointer. The window, the tests and the command-line tool drive the very same
// parts and commands; the Qt main window only forwards events here and mirrors
// the state back onto its widgets through EditorView.
#pragma once

#include "editor/autosave.h"
#include "editor/document.h"
#include "editor/hover.h"
#include "editor/recent_files.h"
#include "editor/selection.h"
#include "editor/tools/tool.h"
#include "editor/view_controller.h"
#include "model/transform.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "rmg/graph.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zw {

// Notifications to the window. Every method has an empty default, so tests and
// the command-line tool can run without one.
class EditorView {
  public:
    virtual ~EditorView() = default;
    virtual void redraw() {}              // repaint the canvas from the editor's state
    virtual void captionChanged() {}      // Document::caption() or modified() changed
    virtual void buttonsChanged() {}      // history, zoom or tool button states changed
    virtual void scrollBarsChanged() {}   // ranges or positions of the scroll bars changed
    virtual void infoPanelChanged() {}    // the hover panel's content, place or visibility
    virtual void templateChanged() {}     // the template's content: what is analysed of it
    virtual void toggleAnalysisPanel() {} // the analysis panel's button or shortcut
    virtual void recentFilesChanged() {}  // Editor::recentFiles() changed: store and show it
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
    // commands of the toolbar are free functions over the editor
    // (editor/commands/), one file each.

    // Set by the command line: the next load reads this path instead of asking.
    void setPendingLoadPath(std::string path) { pendingLoad_ = std::move(path); }
    std::optional<std::string> takePendingLoadPath();

    // ---- Tools and mouse ----
    // The tool that is down (a toolbar id, see editor/toolbar.h), or kNoTool.
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
    // a scroll, a step back or forward, a load, an import, a closed dialog.
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

    // ---- Panels of the window ----
    void toggleAnalysisPanel() {
        if (view_)
            view_->toggleAnalysisPanel();
    }

    // ---- Recovery of unsaved work (editor/autosave.h) ----
    // Keeps a copy of unsaved work through `store`, timed by `timer`; without
    // it (tests, the command-line tool) nothing is kept.
    void enableRecovery(RecoveryStore store, AutosaveTimer& timer);
    // Start-up, before the command-line file: offers what an earlier editor
    // left; a recovered template is shown as modified and unsaved.
    void offerRecovery();

    // ---- Recent files ----
    const RecentFiles& recentFiles() const { return recent_; }
    // The list as stored at the last run.
    void setRecentFiles(RecentFiles files) { recent_ = std::move(files); }
    // An entry of the list picked: a file that is gone is dropped with a
    // message, any other is loaded as the load command loads it.
    void openRecent(const std::string& path);

    // For the project commands: a save wrote `path` or a load read it (the
    // recent list takes it, the recovery copy goes, and it becomes the
    // project's own file, which the open and save dialogs propose next).
    void projectFileUsed(const std::string& path);
    // The project's own file: the one last loaded or saved in this window,
    // which a save replaces without asking. Empty while the template came
    // from no file (new, imported, made from a pattern): saving it over an
    // existing file is asked about first.
    const std::string& projectFile() const { return projectFile_; }
    void forgetProjectFile() { projectFile_.clear(); }
    // The template was replaced or the window closes cleanly: the recovery
    // copy of the old one goes.
    void dropRecoveryCopy();

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

    // ---- Layout generator (one per run) ----
    LayoutRandom& layoutRandom() { return layoutRandom_; }

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
    // Looks the hover up again whenever a property dialog closes: the pointer
    // was over the dialog, not the canvas, while it was open.
    class DialogsThatMarkClosing : public PropertyDialogs {
      public:
        DialogsThatMarkClosing(PropertyDialogs& inner, Editor& editor)
            : inner_(inner), editor_(editor) {}
        std::optional<ZoneRecord> editZone(const ZoneRecord& from) override;
        std::optional<ConnectionRecord> editConnection(const ConnectionRecord& from,
                                                       bool furtherPassage) override;
        std::optional<TemplateSettings> editTemplate(const TRmg& from) override;
        ListOutcome runTemplateList(TemplateListSession& session) override;
        std::optional<std::vector<ZoneRecord>>
        editZones(const std::vector<ZoneRecord>& from,
                  const std::vector<int64_t>& numbers) override;
        std::optional<DuplicateSettings>
        duplicateZonesForPlayers(const TRmg& t, const std::vector<int32_t>& zones) override;
        std::optional<PatternSettings> generateFromPattern() override;

      private:
        // The dialog's answer, after the hover was looked up again.
        template <typename Answer> Answer closed(Answer answer) {
            editor_.refreshHover();
            return answer;
        }
        PropertyDialogs& inner_;
        Editor& editor_;
    };

    Services& services_;
    DialogsThatMarkClosing dialogs_;
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
    std::optional<std::string> pendingLoad_;
    LayoutRandom layoutRandom_;
    std::unique_ptr<Autosave> autosave_;
    RecentFiles recent_;
    std::string projectFile_;
};

} // namespace zw
