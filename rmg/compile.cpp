#include "rmg/compile.h"

#include "model/name_rules.h"
#include "platform/files.h"
#include "rmg/table.h"
#include "rmg/table_encoding.h"
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
                                Services& services, TemplateListRunner& list) {
    std::string buffer;
    std::string name = initialName;
    if (services.fileSystem().fileExists(tablePath)) {
        auto read = readOrReport(services, tablePath);
        if (!read)
            return CompileOutcome::FileFailed;
        auto table = tableForUse(std::move(*read), TableUse::Rewrite, services);
        if (const auto* stop = std::get_if<TableStop>(&table))
            return *stop == TableStop::Declined ? CompileOutcome::Abandoned
                                                : CompileOutcome::FileFailed;
        buffer = std::move(std::get<std::string>(table));
        if (!splitTable(buffer).empty()) {
            TemplateListSession session(std::move(buffer), ListMode::Adding, name, services);
            const ListOutcome outcome = list.runTemplateList(session);
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

} // namespace zw
