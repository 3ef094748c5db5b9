#include "editor/commands/check_command.h"

#include "check/check.h"
#include "editor/editor.h"
#include "model/translation.h"

namespace zw {

bool checkAndReport(Editor& editor) {
    const TRmg& t = editor.document().rmg();
    const auto problem = checkTemplate(t);
    if (!problem)
        return true;
    // The extended table's own options may settle what the check finds.
    editor.services().messageBox(*problem,
                                 t.hasKeptCells() ? MessageKind::Warning : MessageKind::Information,
                                 MessageButtons::Ok);
    return false;
}

bool checkBeforeCompile(Editor& editor) {
    const TRmg& t = editor.document().rmg();
    if (!t.hasKeptCells())
        return checkAndReport(editor);
    const auto problem = checkTemplate(t);
    return !problem || editor.services().messageBox(
                           *problem + "\r" + translated("Editor", kWriteAnyway),
                           MessageKind::Warning, MessageButtons::YesNo) == MessageResult::Yes;
}

void checkCommand(Editor& editor) {
    if (checkAndReport(editor))
        editor.services().messageBox(translated("Check", kNoErrorsFound), MessageKind::Information,
                                     MessageButtons::Ok);
}

} // namespace zw
