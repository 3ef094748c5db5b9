#include "editor/commands/readme_command.h"

#include "editor/editor.h"
#include "model/text.h"
#include "platform/files.h"

#include <variant>

namespace zw {

std::string besideExecutable(const Services& services, std::string_view name) {
    std::string dir = services.executableDir();
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
        dir += '/';
    return dir + std::string(name);
}

void openReadme(Editor& editor) {
    Services& services = editor.services();
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

} // namespace zw
