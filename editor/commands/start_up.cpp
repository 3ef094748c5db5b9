#include "editor/commands/start_up.h"

#include "editor/commands/load_project.h"
#include "editor/editor.h"
#include "editor/session.h"
#include "platform/native_path.h"

namespace zw {

void startUp(Session& session) {
    Editor& editor = session.editor();
    editor.document().replace(makeNewTemplate(), Replacement::Fresh);
    Services& services = editor.services();
    services.writeFileAssociation();
    // Work an earlier editor left unsaved is offered first: a recovered
    // template is then asked about before the command-line file replaces it.
    session.offerRecovery();
    const auto args = services.arguments();
    if (!args.empty()) {
        session.setPendingLoadPath(commandLinePath(args.front()));
        loadProject(session);
    }
}

} // namespace zw
