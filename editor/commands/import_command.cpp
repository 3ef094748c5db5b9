#include "editor/commands/import_command.h"

#include "editor/commands/new_template.h"
#include "editor/editor.h"
#include "editor/session.h"
#include "editor/tools/move_tool.h"
#include "model/translation.h"
#include "rmg/import_table.h"

namespace zw {

void importCommand(Session& session) {
    // Unsaved work is asked about before anything else, as the new template asks.
    if (!saveChangesFirst(session))
        return;
    Editor& editor = session.editor();
    Services& services = editor.services();
    const auto path =
        services.openFileDialog(FileDialogId::OpenRmg, translated("Platform", kRmgFilter), true);
    if (!path)
        return;
    auto imported = importFromTable(*path, services, editor.dialogs());
    if (!imported)
        return;
    // From here on the template is replaced whole, without a history step: an
    // imported template counts as unchanged. The view starts as for a new
    // template, at the origin.
    layOutImported(*imported, session.layoutRandom(), services);
    ViewController& view = editor.viewController();
    view.setZoomLevel(2);
    view.resetOrigin();
    editor.document().replace(std::move(*imported), Replacement::Fresh);
    session.forgetProjectFile();
    session.dropRecoveryCopy();
    editor.setTool(kMoveTool);
}

} // namespace zw
