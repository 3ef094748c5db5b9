// New template, and the question about unsaved changes shared by the commands
// that discard the template.
#include "editor/commands/new_template.h"

#include "editor/commands/save_project.h"
#include "editor/editor.h"

namespace zw {

bool saveChangesFirst(Editor& editor) {
    if (!editor.document().modified())
        return true;
    const auto answer = editor.services().messageBox(
        "Сохранить изменения?", MessageKind::Confirmation, MessageButtons::YesNoCancel);
    if (answer == MessageResult::Cancel)
        return false;
    if (answer == MessageResult::Yes)
        return saveProject(editor);
    return true;
}

void newTemplate(Editor& editor) {
    if (!saveChangesFirst(editor))
        return;
    ViewController& view = editor.viewController();
    view.setZoomLevel(2);
    view.resetOrigin();
    editor.setTool(kNoTool);
    editor.document().replace(makeNewTemplate(), Replacement::Fresh);
    editor.forgetProjectFile();
    editor.dropRecoveryCopy();
}

} // namespace zw
