#include "editor/commands/start_up.h"

#include "editor/commands/load_project.h"
#include "editor/editor.h"
#include "platform/native_path.h"

namespace zw {

void startUp(Editor& editor) {
    editor.document().replace(makeNewTemplate(), Replacement::Fresh);
    Services& services = editor.services();
    services.writeFileAssociation();
    // Work an earlier editor left unsaved is offered first: a recovered
    // template is then asked about before the command-line file replaces it.
    editor.offerRecovery();
    const auto args = services.arguments();
    if (!args.empty()) {
        editor.setPendingLoadPath(commandLinePath(args.front()));
        loadProject(editor);
    }
}

} // namespace zw
