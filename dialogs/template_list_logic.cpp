#include "dialogs/template_list_logic.h"

#include "model/name_rules.h"
#include "model/text.h"
#include "platform/services.h"

namespace zw {

std::vector<KeptCell> packCellsShown(const TemplateListSession& session) {
    std::vector<KeptCell> out;
    for (const auto& [name, text] : session.packCells())
        out.push_back(KeptCell{name, text, std::nullopt, false});
    return out;
}

std::optional<ListOutcome> addTypedTemplate(TemplateListSession& session,
                                            std::string_view typedName, Services& services) {
    // Checked before the conversion: converting first would turn letters the
    // code page lacks into '?' and let the name through changed.
    if (const auto problem = typedTemplateNameProblem(typedName)) {
        services.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return std::nullopt;
    }
    session.nameField = utf8ToCp1251(typedName);
    return session.addTemplate();
}

} // namespace zw
