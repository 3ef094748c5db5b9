#include "rmg/import_table.h"

#include "model/translation.h"
#include "platform/files.h"
#include "rmg/extended_table.h"
#include "rmg/import.h"
#include "rmg/table_encoding.h"
#include "rmg/table_hints.h"
#include "rmg/template_list.h"

#include <variant>

namespace zw {

std::optional<TRmg> importFromTable(const std::string& tablePath, Services& services,
                                    TemplateListRunner& list) {
    auto read = services.fileSystem().readWholeFile(tablePath);
    if (const auto* e = std::get_if<FileError>(&read)) {
        services.fileError(e->reason);
        return std::nullopt;
    }
    auto table = tableForUse(std::move(std::get<std::string>(read)), TableUse::Read, services);
    if (std::holds_alternative<TableStop>(table))
        return std::nullopt;
    std::string image = std::move(std::get<std::string>(table));
    if (const auto problem = tableLayoutProblem(image)) {
        services.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return std::nullopt;
    }
    if (splitTable(image).empty()) {
        services.messageBox(noTemplateFoundMessage(image), MessageKind::Error, MessageButtons::Ok);
        return std::nullopt;
    }

    TemplateListSession session(std::move(image), ListMode::Import, {}, services);
    const ListOutcome outcome = list.runTemplateList(session);
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
    return readTableTemplate(session.buffer(), session.entries()[static_cast<size_t>(chosen)]);
}

TRmg readTableTemplate(std::string_view buffer, const TTemplateInside& entry) {
    if (claimsExtendedLayout(buffer)) {
        auto read = ExtendedTable::read(buffer);
        if (const auto* table = std::get_if<ExtendedTable>(&read))
            for (size_t k = 0; k < table->templates().size(); ++k)
                if (table->templates()[k].start == entry.start)
                    return table->readTemplate(k);
        return makeNewTemplate();
    }
    return readTemplate(templateBlock(buffer, entry));
}

void layOutImported(TRmg& t, LayoutRandom& random, Services& services) {
    if (!layoutZones(t, random))
        services.messageBox(translated("Rmg", kLayoutFailed), MessageKind::Error,
                            MessageButtons::Ok);
}

} // namespace zw
