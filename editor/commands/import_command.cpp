#include "editor/commands/import_command.h"

#include "editor/commands/new_template.h"
#include "editor/editor.h"
#include "editor/tools/move_tool.h"
#include "platform/files.h"
#include "rmg/import.h"
#include "rmg/table_hints.h"
#include "rmg/template_list.h"

#include <variant>

namespace zw {

std::optional<TRmg> importFromTable(const std::string& tablePath, Services& services,
                                    PropertyDialogs& dialogs) {
    auto read = services.fileSystem().readWholeFile(tablePath);
    if (const auto* e = std::get_if<FileError>(&read)) {
        services.fileError(e->reason);
        return std::nullopt;
    }
    std::string image = std::move(std::get<std::string>(read));
    if (splitTable(image).empty()) {
        services.messageBox(noTemplateFoundMessage(image), MessageKind::Error, MessageButtons::Ok);
        return std::nullopt;
    }

    TemplateListSession session(std::move(image), ListMode::Import, {}, services);
    const ListOutcome outcome = dialogs.runTemplateList(session);
    if (outcome == ListOutcome::SaveEdited) {
        const auto written = services.fileSystem().writeWholeFile(tablePath, session.buffer());
        if (const auto* e = std::get_if<FileError>(&written))
            services.fileError(e->reason);
        return std::nullopt;
    }
    // Anything but proceed, a close without an outcome included, abandons; so
    // does a proceed without a chosen template of the current list.
    if (outcome != ListOutcome::Proceed)
        return std::nullopt;
    const int chosen = session.chosenIndex;
    if (chosen < 0 || static_cast<size_t>(chosen) >= session.entries().size())
        return std::nullopt;
    const std::string block(
        templateBlock(session.buffer(), session.entries()[static_cast<size_t>(chosen)]));
    session.takeBuffer();
    return readTemplate(block);
}

void layOutImported(TRmg& t, LayoutRandom& random, Services& services) {
    if (!layoutZones(t, random))
        services.messageBox(kLayoutFailed, MessageKind::Error, MessageButtons::Ok);
}

void importCommand(Editor& editor) {
    // Unsaved work is asked about before anything else, as the new template asks.
    if (!saveChangesFirst(editor))
        return;
    Services& services = editor.services();
    const auto path = services.openFileDialog(FileDialogId::OpenRmg, kRmgFilter, true);
    if (!path)
        return;
    auto imported = importFromTable(*path, services, editor.dialogs());
    if (!imported)
        return;
    // From here on the template is replaced whole, without a history step: an
    // imported template counts as unchanged. The view starts as for a new
    // template, at the origin.
    layOutImported(*imported, editor.layoutRandom(), services);
    ViewController& view = editor.viewController();
    view.setZoomLevel(2);
    view.resetOrigin();
    editor.document().replace(std::move(*imported), Replacement::Fresh);
    editor.forgetProjectFile();
    editor.dropRecoveryCopy();
    editor.setTool(kMoveTool);
}

} // namespace zw
