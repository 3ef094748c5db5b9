#include "check/check.h"

#include "model/editor.h"

namespace zw {

std::optional<std::string> checkTemplate(const TRmg&) { return std::nullopt; }

bool Editor::chkerror() {
    const auto problem = checkTemplate(rmg_);
    if (!problem)
        return true;
    services_.messageBox(*problem, MessageKind::Information, MessageButtons::Ok);
    return false;
}

void Editor::checkCommand() {
    if (chkerror())
        services_.messageBox(kNoErrorsFound, MessageKind::Information, MessageButtons::Ok);
}

} // namespace zw
