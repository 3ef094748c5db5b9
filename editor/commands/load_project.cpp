// Load: a project file into the editor, replacing the template whole.
#include "editor/commands/load_project.h"
#include "model/translation.h"

#include "editor/commands/new_template.h"
#include "editor/editor.h"
#include "editor/session.h"
#include "model/project_file.h"
#include "platform/files.h"

namespace zw {

void loadProject(Session& session) {
    Editor& editor = session.editor();
    editor.setTool(kNoTool);
    if (!saveChangesFirst(session))
        return;
    Services& services = editor.services();
    std::optional<std::string> path = session.takePendingLoadPath();
    if (!path) {
        path = services.openFileDialog(FileDialogId::OpenProject,
                                       translated("Platform", kOpenProjectFilter), true);
        if (!path)
            return;
    }

    const auto bytes = services.fileSystem().readWholeFile(*path);
    if (const auto* error = std::get_if<FileError>(&bytes)) {
        services.fileError(error->reason);
        return;
    }
    // The file is decoded into a separate template; the current one is replaced
    // only when the whole file has been read.
    auto decoded = decodeProject(std::get<std::string>(bytes));
    if (const auto* failure = std::get_if<ProjectLoadFailure>(&decoded)) {
        services.messageBox(failure->message, MessageKind::Error, MessageButtons::Ok);
        return;
    }
    editor.viewController().resetOrigin();
    editor.document().replace(std::move(std::get<TRmg>(decoded)), Replacement::Fresh);
    session.projectFileUsed(*path);
    // Temporary files that killed writes left beside the project go.
    services.fileSystem().removeStaleTemporariesOf(*path);
}

void openRecent(Session& session, const std::string& path) {
    if (session.dropRecentIfGone(path))
        return;
    session.setPendingLoadPath(path);
    loadProject(session);
    // A load stopped at the question about unsaved changes leaves the path unused.
    session.takePendingLoadPath();
}

} // namespace zw
