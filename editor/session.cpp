#include "editor/session.h"

#include "editor/editor.h"
#include "editor/step_names.h"
#include "model/translation.h"

namespace zw {

Session::Session(Editor& editor) : editor_(editor) {
    editor_.setChangeFollower([this](const DocumentChange& c) {
        if (autosave_ && (c.content || c.name || c.history))
            autosave_->changed();
    });
}

Session::~Session() {
    editor_.setChangeFollower(nullptr);
}

std::optional<std::string> Session::takePendingLoadPath() {
    std::optional<std::string> path = std::move(pendingLoad_);
    pendingLoad_.reset();
    return path;
}

void Session::enableRecovery(RecoveryStore store, AutosaveTimer& timer) {
    autosave_ =
        std::make_unique<Autosave>(std::move(store), timer, editor_.document(), editor_.services());
}

void Session::offerRecovery() {
    if (!autosave_)
        return;
    auto recovered = autosave_->offerOrphans();
    if (!recovered)
        return;
    editor_.document().replace(std::move(*recovered), Replacement::AsStep,
                               translated("Editor", kRecoveredStep));
    autosave_->installed();
}

void Session::projectFileUsed(const std::string& path) {
    if (autosave_)
        autosave_->dropCopy();
    projectFile_ = path;
    // Ctrl+S, Enter saves the project where it came from.
    editor_.services().setDialogPath(FileDialogId::SaveProject, path);
    editor_.services().setDialogPath(FileDialogId::OpenProject, path);
    recent_.add(path);
    recentChanged();
}

void Session::dropRecoveryCopy() {
    if (autosave_)
        autosave_->dropCopy();
}

bool Session::dropRecentIfGone(const std::string& path) {
    const auto message = recent_.dropIfMissing(path);
    if (!message)
        return false;
    editor_.services().messageBox(*message, MessageKind::Information, MessageButtons::Ok);
    recentChanged();
    return true;
}

} // namespace zw
