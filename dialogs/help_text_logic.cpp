#include "dialogs/help_text_logic.h"

#include "model/text.h"
#include "platform/files.h"
#include "platform/services.h"

#include <variant>

namespace zw {

std::string helpFilePath(std::string_view dir) {
    std::string path(dir);
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += '/';
    path += kHelpFileName;
    return path;
}

void openHelpText(Services& services, const std::string& path) {
    if (services.shellOpen(path) || !fileExists(path))
        return;
    auto read = readWholeFile(path);
    if (const auto* error = std::get_if<FileError>(&read)) {
        services.fileError(error->reason);
        return;
    }
    services.showTextWindow(kHelpWindowCaption, cp1251ToUtf8(std::get<std::string>(read)));
}

} // namespace zw
