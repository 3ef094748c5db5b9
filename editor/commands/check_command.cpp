#include "editor/commands/check_command.h"

#include "check/check.h"
#include "editor/editor.h"

namespace zw {

bool checkAndReport(Editor& editor) {
    const auto problem = checkTemplate(editor.document().rmg());
    if (!problem)
        return true;
    editor.services().messageBox(*problem, MessageKind::Information, MessageButtons::Ok);
    return false;
}

void checkCommand(Editor& editor) {
    if (checkAndReport(editor))
        editor.services().messageBox(kNoErrorsFound, MessageKind::Information, MessageButtons::Ok);
}

} // namespace zw
