// Save: the template into a project file chosen in the save dialog.
#include "editor/commands/save_project.h"

#include "editor/editor.h"
#include "editor/session.h"
#include "model/project_file.h"
#include "model/text.h"
#include "platform/files.h"

namespace zw {

bool saveProject(Session& session) {
    Editor& editor = session.editor();
    editor.setTool(kNoTool);
    Services& services = editor.services();
    const auto chosen = services.saveFileDialog(FileDialogId::SaveProject, kSaveProjectFilter);
    if (!chosen)
        return false;
    const std::string path = withExtension(*chosen, kProjectExtension);
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
