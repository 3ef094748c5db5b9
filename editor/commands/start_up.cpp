#include "editor/commands/start_up.h"

#include "editor/editor.h"
#include "model/text.h"
#include "platform/files.h"
#include "platform/native_path.h"

#include <variant>

namespace zw {

std::string besideExecutable(const Services& services, std::string_view name) {
    std::string dir = services.executableDir();
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
        dir += '/';
    return dir + std::string(name);
}

void openReadme(Services& services) {
    const std::string path = besideExecutable(services, kHelpFileName);
    if (services.shellOpen(path) || !services.fileSystem().fileExists(path))
        return;
    auto read = services.fileSystem().readWholeFile(path);
    if (const auto* error = std::get_if<FileError>(&read)) {
        services.fileError(error->reason);
        return;
    }
    services.showTextWindow(kHelpWindowCaption, cp1251ToUtf8(std::get<std::string>(read)));
}

void startUp(Editor& editor) {
    editor.document().replace(makeNewTemplate(), Replacement::Fresh);
    Services& services = editor.services();
    services.writeFileAssociation();
    // Work an earlier editor left unsaved is offered first: a recovered
    // template is then asked about before the command-line file replaces it.
    editor.offerRecovery();
    const auto args = services.arguments();
    if (!args.empty()) {
        editor.setPendingLoadPath(nativePath(args.front()));
        editor.load();
    }
}

} // namespace zw
