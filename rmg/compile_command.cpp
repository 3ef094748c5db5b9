// The compile command: the template into an rmg.txt table.
#include "model/editor.h"
#include "model/name_rules.h"
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

} // namespace

void Editor::compile() {
    if (!checkAndReport())
        return;
    const auto chosen = services_.saveFileDialog(FileDialogId::SaveRmg, kRmgFilter);
    if (!chosen)
        return;
    const std::string path = withRmgExtension(*chosen);
    services_.setDialogPath(FileDialogId::SaveRmg, path);

    std::string buffer;
    std::string name = rmg_.name;
    if (services_.fileSystem().fileExists(path)) {
        auto read = services_.fileSystem().readWholeFile(path);
        if (const auto* e = std::get_if<FileError>(&read)) {
            services_.fileError(e->reason);
            return;
        }
        buffer = std::move(std::get<std::string>(read));
        if (!splitTable(buffer).empty()) {
            TemplateListSession session(std::move(buffer), ListMode::Adding, rmg_.name, services_);
            const ListOutcome outcome = dialogs_.runTemplateList(session);
            if (outcome == ListOutcome::SaveEdited) {
                writeOrReport(services_, path, session.buffer());
                return;
            }
            // Anything but proceed, a close without an outcome included, abandons.
            if (outcome != ListOutcome::Proceed)
                return;
            name = session.nameField;
            buffer = session.takeBuffer();
        }
    } else {
        std::string dir = services_.executableDir();
        if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
            dir += '/';
        auto read = services_.fileSystem().readWholeFile(dir + "header.txt");
        if (const auto* e = std::get_if<FileError>(&read)) {
            services_.fileError(e->reason);
            return;
        }
        buffer = std::move(std::get<std::string>(read));
    }

    // A name that would split or merge rows, or that the splitter could not
    // find again, is refused before anything changes.
    if (const auto problem = templateNameProblem(name)) {
        services_.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return;
    }
    // The refresh is stored into the template without a history step, once the
    // table has been written: a failed write leaves the template as it was.
    TRmg refreshed = rmg_;
    compileInto(buffer, refreshed, name);
    if (!writeOrReport(services_, path, buffer))
        return;
    rmg_ = std::move(refreshed);
    notifyRedraw();
}

} // namespace zw
