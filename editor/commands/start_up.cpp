#include "editor/commands/start_up.h"

#include "editor/editor.h"

namespace zw {

std::string besideExecutable(const Services& services, std::string_view name) {
    std::string dir = services.executableDir();
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
        dir += '/';
    return dir + std::string(name);
}

void openReadme(Services& services) {
    services.shellOpen(besideExecutable(services, "Readme&help.txt"));
}

void startUp(Editor& editor) {
    editor.notifyRedraw();
    resetTemplate(editor.rmgMutable());
    editor.notifyCaption();
    Services& services = editor.services();
    services.writeFileAssociation();
    const auto args = services.arguments();
    if (!args.empty()) {
        editor.setPendingLoadPath(args.front());
        editor.load();
    }
}

} // namespace zw
