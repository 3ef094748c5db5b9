// Save: the template into a project file chosen in the save dialog.
#include "editor/commands/save_project.h"
#include "model/translation.h"

#include "editor/editor.h"
#include "editor/session.h"
#include "model/project_file.h"
#include "model/text.h"
#include "platform/files.h"
#include "platform/native_path.h"

namespace zw {

std::string replaceFileQuestion(const std::string& path) {
    return withArguments(ZW_TR("Editor", "Файл «%1» уже существует.\rЗаменить его?"),
                         {nativePath(path)});
}

bool saveProject(Session& session) {
    Editor& editor = session.editor();
    editor.setTool(kNoTool);
    Services& services = editor.services();
    std::string path;
    for (;;) {
        const auto chosen = services.saveFileDialog(FileDialogId::SaveProject,
                                                    translated("Platform", kSaveProjectFilter));
        if (!chosen)
            return false;
        path = withExtension(*chosen, kProjectExtension);
        // Another project is replaced only when the user says so; "Нет" goes
        // back to the dialog with the name given.
        if (samePath(path, session.projectFile()) || !services.fileSystem().fileExists(path) ||
            services.messageBox(replaceFileQuestion(path), MessageKind::Confirmation,
                                MessageButtons::YesNo) == MessageResult::Yes)
            break;
        services.setDialogPath(FileDialogId::SaveProject, path);
    }
    // The whole image is made first and written through a temporary file, so a
    // failure leaves any existing file as it was.
    const auto written =
        services.fileSystem().writeWholeFile(path, encodeProject(editor.document().rmg()));
    if (const auto* error = std::get_if<FileError>(&written)) {
        services.fileError(error->reason);
        return false;
    }
    editor.document().markSaved();
    session.projectFileUsed(path);
    return true;
}

} // namespace zw
