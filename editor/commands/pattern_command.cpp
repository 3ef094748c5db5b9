#include "editor/commands/pattern_command.h"

#include "editor/commands/project_commands.h"
#include "editor/commands/selection_commands.h"
#include "editor/editor.h"
#include "pattern/generate.h"

namespace zw {

void newFromPattern(Editor& editor) {
    const auto settings = editor.dialogs().generateFromPattern();
    if (!settings || !saveChangesFirst(editor))
        return;
    TRmg generated = generateTemplate(*settings);
    editor.setTool(kNoTool);
    // The old template's recovery copy goes; the new one is unsaved work of
    // its own, kept from its first write on.
    editor.templateRenewed();
    editor.document().replace(std::move(generated), Replacement::FreshUnsaved);
    zoomToFit(editor.rmg(), editor.viewController());
}

} // namespace zw
