#include "editor/commands/pattern_command.h"

#include "editor/commands/new_template.h"
#include "editor/commands/view_commands.h"
#include "editor/editor.h"
#include "editor/session.h"
#include "pattern/generate.h"

namespace zw {

void newFromPattern(Session& session) {
    Editor& editor = session.editor();
    const auto settings = editor.dialogs().generateFromPattern();
    if (!settings || !saveChangesFirst(session))
        return;
    TRmg generated = generateTemplate(*settings);
    editor.setTool(kNoTool);
    // The old template's recovery copy goes; the new one is unsaved work of
    // its own, kept from its first write on.
    session.dropRecoveryCopy();
    editor.document().replace(std::move(generated), Replacement::FreshUnsaved);
    session.forgetProjectFile();
    zoomToFit(editor);
}

} // namespace zw
