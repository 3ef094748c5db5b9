// The template settings command.
#include "editor/commands/template_settings.h"
#include "model/translation.h"

#include "editor/editor.h"
#include "editor/step_names.h"

namespace zw {

void editTemplateSettings(Editor& editor) {
    const auto result = editor.dialogs().editTemplate(editor.document().rmg());
    if (!result)
        return;
    editor.document().edit(translated("Editor", kTemplateSettingsStep), [&](TRmg& t) {
        t.name = result->name;
        t.header.minSize = result->minSize;
        t.header.maxSize = result->maxSize;
        t.header.playerCountIndex = result->playerCountIndex;
        t.kinds = result->kinds;
        if (result->keptCells)
            t.kept.cells = *result->keptCells;
    });
}

} // namespace zw
