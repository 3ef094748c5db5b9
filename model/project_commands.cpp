// Save and load of project files as editor commands.
#include "model/editor.h"

#include "model/project_file.h"
#include "platform/files.h"

namespace zw {

void Editor::save() {
    setTool(Tool::None);
    const auto chosen = services_.saveFileDialog(FileDialogId::SaveProject, kSaveProjectFilter);
    if (!chosen)
        return;
    const std::string path = withProjectExtension(*chosen);
    // The whole image is made first and written through a temporary file, so a
    // failure leaves any existing file as it was.
    const auto written = services_.fileSystem().writeWholeFile(path, encodeProject(rmg_));
    if (const auto* error = std::get_if<FileError>(&written))
        services_.fileError(error->reason);
}

void Editor::load() {
    setTool(Tool::None);
    if (modified()) {
        const auto answer = services_.messageBox("Сохранить изменения?", MessageKind::Confirmation,
                                                 MessageButtons::YesNoCancel);
        if (answer == MessageResult::Cancel)
            return;
        if (answer == MessageResult::Yes)
            save();
    }
    std::optional<std::string> path;
    if (pendingLoad_) {
        path = std::move(pendingLoad_);
        pendingLoad_.reset();
    } else {
        path = services_.openFileDialog(FileDialogId::OpenProject, kOpenProjectFilter, true);
        if (!path)
            return;
    }

    const auto bytes = services_.fileSystem().readWholeFile(*path);
    if (const auto* error = std::get_if<FileError>(&bytes)) {
        services_.fileError(error->reason);
        return;
    }
    // The file is decoded into a separate template; the current one is replaced
    // only when the whole file has been read.
    auto decoded = decodeProject(std::get<std::string>(bytes));
    if (const auto* failure = std::get_if<ProjectLoadFailure>(&decoded)) {
        services_.messageBox(failure->message, MessageKind::Error, MessageButtons::Ok);
        return;
    }
    rmg_ = std::move(std::get<TRmg>(decoded));
    viewState_.originX = 0;
    viewState_.originY = 0;
    notifyRedraw();
    clearHistory();
    notifyCaption();
    updateScrollBars();
}

} // namespace zw
