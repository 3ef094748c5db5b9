#include "editor/commands/compile_command.h"

#include "editor/commands/check_command.h"
#include "editor/commands/readme_command.h"
#include "editor/editor.h"
#include "model/text.h"
#include "model/translation.h"
#include "rmg/compile.h"
#include "rmg/table.h"

namespace zw {

void compileCommand(Editor& editor) {
    Services& services = editor.services();
    if (!checkBeforeCompile(editor))
        return;
    const auto chosen =
        services.saveFileDialog(FileDialogId::SaveRmg, translated("Platform", kRmgFilter));
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
