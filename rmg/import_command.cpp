// The import command: one template of an rmg.txt table into the editor.
#include "model/editor.h"
#include "platform/files.h"
#include "rmg/graph.h"
#include "rmg/import.h"
#include "rmg/template_list.h"

#include <variant>

namespace zw {

void Editor::importRmg() {
    const auto path = services_.openFileDialog(FileDialogId::OpenRmg, kRmgFilter, true);
    if (!path)
        return;
    auto read = services_.fileSystem().readWholeFile(*path);
    if (const auto* e = std::get_if<FileError>(&read)) {
        services_.fileError(e->reason);
        return;
    }
    std::string image = std::move(std::get<std::string>(read));
    if (splitTable(image).empty()) {
        services_.messageBox(kNoTemplateFound, MessageKind::Error, MessageButtons::Ok);
        return;
    }

    TemplateListSession session(std::move(image), ListMode::Import, {}, services_);
    const ListOutcome outcome = dialogs_.runTemplateList(session);
    if (outcome == ListOutcome::SaveEdited) {
        const auto written = services_.fileSystem().writeWholeFile(*path, session.buffer());
        if (const auto* e = std::get_if<FileError>(&written))
            services_.fileError(e->reason);
        return;
    }
    // Anything but proceed, a close without an outcome included, abandons; so
    // does a proceed without a chosen template of the current list.
    if (outcome != ListOutcome::Proceed)
        return;
    const int chosen = session.chosenIndex;
    if (chosen < 0 || static_cast<size_t>(chosen) >= session.entries().size())
        return;
    const std::string block(
        templateBlock(session.buffer(), session.entries()[static_cast<size_t>(chosen)]));
    session.takeBuffer();

    TRmg imported = readTemplate(block);
    // From here on the template is replaced whole, without a question and
    // without a history step.
    clearHistory();
    newTemplate();
    rmg_ = std::move(imported);
    notifyCaption();
    if (!layoutZones(rmg_, layoutRandom_))
        services_.messageBox(kLayoutFailed, MessageKind::Error, MessageButtons::Ok);
    setOrigin(0, 0);
    setTool(Tool::Move);
    updateScrollBars();
}

} // namespace zw
