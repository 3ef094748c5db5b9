#include "editor/commands/compile_command.h"

#include "editor/commands/check_command.h"
#include "editor/commands/readme_command.h"
#include "editor/editor.h"
#include "model/name_rules.h"
#include "model/text.h"
#include "platform/files.h"
#include "rmg/table.h"
#include "rmg/template_list.h"

#include <variant>

namespace zw {

namespace {

bool writeOrReport(Services& services, const std::string& path, std::string_view bytes) {
    const auto written = services.fileSystem().writeWholeFile(path, bytes);
    if (const auto* e = std::get_if<FileError>(&written)) {
        services.fileError(e->reason);
        return false;
    }
    return true;
}

std::optional<std::string> readOrReport(Services& services, const std::string& path) {
    auto read = services.fileSystem().readWholeFile(path);
    if (const auto* e = std::get_if<FileError>(&read)) {
        services.fileError(e->reason);
        return std::nullopt;
    }
    return std::move(std::get<std::string>(read));
}

} // namespace

CompileOutcome compileIntoTable(TRmg& t, const std::string& initialName,
                                const std::string& tablePath, const std::string& headerPath,
                                Services& services, PropertyDialogs& dialogs) {
    std::string buffer;
    std::string name = initialName;
    if (services.fileSystem().fileExists(tablePath)) {
        auto read = readOrReport(services, tablePath);
        if (!read)
            return CompileOutcome::FileFailed;
        buffer = std::move(*read);
        if (!splitTable(buffer).empty()) {
            TemplateListSession session(std::move(buffer), ListMode::Adding, name, services);
            const ListOutcome outcome = dialogs.runTemplateList(session);
            if (outcome == ListOutcome::SaveEdited)
                return writeOrReport(services, tablePath, session.buffer())
                           ? CompileOutcome::ListSaved
                           : CompileOutcome::FileFailed;
            // Anything but proceed, a close without an outcome included, abandons.
            if (outcome != ListOutcome::Proceed)
                return CompileOutcome::Abandoned;
            name = session.nameField;
            buffer = session.takeBuffer();
        }
    } else {
        auto read = readOrReport(services, headerPath);
        if (!read)
            return CompileOutcome::FileFailed;
        buffer = std::move(*read);
    }

    // A name that would split or merge rows, or that the splitter could not
    // find again, is refused before anything changes.
    if (const auto problem = templateNameProblem(name)) {
        services.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return CompileOutcome::NameRefused;
    }
    // The refresh is stored into the template once the table has been written:
    // a failed write leaves the template as it was.
    TRmg refreshed = t;
    compileInto(buffer, refreshed, name);
    if (!writeOrReport(services, tablePath, buffer))
        return CompileOutcome::FileFailed;
    t = std::move(refreshed);
    return CompileOutcome::Written;
}

void compileCommand(Editor& editor) {
    Services& services = editor.services();
    if (!checkAndReport(editor))
        return;
    const auto chosen = services.saveFileDialog(FileDialogId::SaveRmg, kRmgFilter);
    if (!chosen)
        return;
    const std::string path = withExtension(*chosen, kRmgExtension);
    services.setDialogPath(FileDialogId::SaveRmg, path);
    TRmg compiled = editor.document().rmg();
    const CompileOutcome outcome =
        compileIntoTable(compiled, compiled.name, path, besideExecutable(services, "header.txt"),
                         services, editor.dialogs());
    // The derived existence conditions are kept without a step.
    if (outcome == CompileOutcome::Written)
        editor.document().storeDerived(std::move(compiled));
}

} // namespace zw
