// What one run of the editor keeps beside the template it edits: the recent
// files, the recovery copy of unsaved work, the file the command line asked to
// load and the layout's random source. The window and the commands that load,
// save or replace the template use it; the editor (editor/editor.h) knows
// nothing of it.
#pragma once

#include "editor/autosave.h"
#include "editor/recent_files.h"
#include "rmg/graph.h"

#include <memory>
#include <optional>
#include <string>

namespace zw {

class Editor;

// Notifications to the window. Every method has an empty default, so tests can
// run without one.
class SessionView {
  public:
    virtual ~SessionView() = default;
    virtual void recentFilesChanged() {}  // Session::recentFiles() changed: store and show it
    virtual void toggleAnalysisPanel() {} // the analysis panel's button or shortcut
};

class Session {
  public:
    // Follows the changes of `editor`'s template (for the recovery copy) until it goes.
    explicit Session(Editor& editor);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Editor& editor() { return editor_; }
    void setView(SessionView* view) { view_ = view; }

    // ---- The file to load ----
    // Set by the command line or a recent file: the next load reads this path
    // instead of asking.
    void setPendingLoadPath(std::string path) { pendingLoad_ = std::move(path); }
    std::optional<std::string> takePendingLoadPath();

    // ---- Recovery of unsaved work (editor/autosave.h) ----
    // Keeps a copy of unsaved work through `store`, timed by `timer`; without
    // it (tests) nothing is kept.
    void enableRecovery(RecoveryStore store, AutosaveTimer& timer);
    // Start-up, before the command-line file: offers what an earlier editor
    // left; a recovered template is shown as modified and unsaved.
    void offerRecovery();
    // A save wrote `path` or a load read it: the recent list takes it, the
    // recovery copy goes, and it becomes the project's own file, which the
    // open and save dialogs propose next.
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

    // ---- Recent files ----
    const RecentFiles& recentFiles() const { return recent_; }
    // The list as stored at the last run.
    void setRecentFiles(RecentFiles files) { recent_ = std::move(files); }
    // An entry of the list picked: a file that is gone is dropped from the list
    // with a message, and true returned; any other stays, and false.
    bool dropRecentIfGone(const std::string& path);

    // ---- Layout generator (one per run) ----
    LayoutRandom& layoutRandom() { return layoutRandom_; }

    // ---- Panels of the window ----
    void toggleAnalysisPanel() {
        if (view_)
            view_->toggleAnalysisPanel();
    }

  private:
    void recentChanged() {
        if (view_)
            view_->recentFilesChanged();
    }

    Editor& editor_;
    SessionView* view_ = nullptr;
    std::optional<std::string> pendingLoad_;
    std::unique_ptr<Autosave> autosave_;
    RecentFiles recent_;
    LayoutRandom layoutRandom_;
    std::string projectFile_;
};

} // namespace zw
