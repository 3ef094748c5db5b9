// New template, and the question about unsaved changes shared by the commands
// that discard the template.
#include "editor/commands/new_template.h"
#include "model/translation.h"

#include "editor/commands/save_project.h"
#include "editor/editor.h"
#include "editor/session.h"

namespace zw {

bool saveChangesFirst(Session& session) {
    Editor& editor = session.editor();
    if (!editor.document().modified())
        return true;
    const auto answer =
        editor.services().messageBox(ZW_TR("Editor", "Сохранить изменения?"),
                                     MessageKind::Confirmation, MessageButtons::YesNoCancel);
    if (answer == MessageResult::Cancel)
        return false;
    if (answer == MessageResult::Yes)
        return saveProject(session);
    return true;
}

void newTemplate(Session& session) {
    if (!saveChangesFirst(session))
        return;
    Editor& editor = session.editor();
    ViewController& view = editor.viewController();
    view.setZoomLevel(2);
    view.resetOrigin();
    editor.setTool(kNoTool);
    editor.document().replace(makeNewTemplate(), Replacement::Fresh);
    session.forgetProjectFile();
    session.dropRecoveryCopy();
}

} // namespace zw
