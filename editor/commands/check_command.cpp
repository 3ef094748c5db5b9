#include "editor/commands/check_command.h"

#include "check/check.h"

namespace zw {

bool checkAndReport(const TRmg& rmg, Services& services) {
    const auto problem = checkTemplate(rmg);
    if (!problem)
        return true;
    services.messageBox(*problem, MessageKind::Information, MessageButtons::Ok);
    return false;
}

void checkCommand(const TRmg& rmg, Services& services) {
    if (checkAndReport(rmg, services))
        services.messageBox(kNoErrorsFound, MessageKind::Information, MessageButtons::Ok);
}

} // namespace zw
