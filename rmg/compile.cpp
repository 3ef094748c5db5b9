#include "rmg/compile.h"

#include "model/name_rules.h"
#include "model/text.h"
#include "model/translation.h"
#include "platform/files.h"
#include "rmg/extended_table.h"
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

std::string dropKeptCellsQuestion(const std::vector<std::string>& names) {
    constexpr size_t kShown = 8;
    std::string list;
    for (size_t i = 0; i < names.size() && i < kShown; ++i)
        list += (i ? ", " : "") + cp1251ToUtf8(names[i]);
    if (names.size() > kShown)
        list += withArguments(ZW_TR("Rmg", " и ещё %1"), {std::to_string(names.size() - kShown)});
    return withArguments(ZW_TR("Rmg", "%1, которых нет в классической таблице: %2.\rЗаписать "
                                      "шаблон без них?"),
                         {translated("Rmg", kDropKeptCellsStart), list});
}

CompileOutcome compileIntoTable(TRmg& t, const std::string& initialName,
                                const std::string& tablePath, const std::string& headerPath,
                                Services& services, TemplateListRunner& list) {
    std::string buffer;
    std::string name = initialName;
    std::optional<size_t> replace;
    const bool exists = services.fileSystem().fileExists(tablePath);
    auto read = readOrReport(services, exists ? tablePath : headerPath);
    if (!read)
        return CompileOutcome::FileFailed;
    auto table = tableForUse(std::move(*read), TableUse::Rewrite, services);
    if (const auto* stop = std::get_if<TableStop>(&table))
        return *stop == TableStop::Declined ? CompileOutcome::Abandoned
                                            : CompileOutcome::TableRefused;
    buffer = std::move(std::get<std::string>(table));
    if (const auto problem = tableLayoutProblem(buffer)) {
        services.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return CompileOutcome::TableRefused;
    }
    if (!claimsExtendedLayout(buffer) && t.hasKeptCells() &&
        services.messageBox(dropKeptCellsQuestion(keptCellNames(t)), MessageKind::Confirmation,
                            MessageButtons::YesNo) != MessageResult::Yes)
        return CompileOutcome::Abandoned;
    if (exists && !splitTable(buffer).empty()) {
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
        replace = session.replaceIndex;
        buffer = session.takeBuffer();
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
    if (!compileInto(buffer, refreshed, name, replace))
        return CompileOutcome::TableRefused;
    if (!writeOrReport(services, tablePath, buffer))
        return CompileOutcome::FileFailed;
    t = std::move(refreshed);
    return CompileOutcome::Written;
}

} // namespace zw
