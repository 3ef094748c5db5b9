// The template settings command.
#include "editor/commands/project_commands.h"

namespace zw {

void editTemplateSettings(Document& document, PropertyDialogs& dialogs) {
    const auto result = dialogs.editTemplate(document.rmg());
    if (!result)
        return;
    document.pushSnapshot();
    TRmg& rmg = document.rmgMutable();
    rmg.name = result->name;
    rmg.header.minSize = result->minSize;
    rmg.header.maxSize = result->maxSize;
    rmg.header.playerCountIndex = result->playerCountIndex;
    rmg.kinds = result->kinds;
    // Announced once everything is stored: what follows the name (the caption,
    // the analysis, the recovery copy) sees the whole change.
    document.changed(DocumentChange::Name);
}

} // namespace zw
