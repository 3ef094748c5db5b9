#include "cli/cli_services.h"

#include "cli/common.h"
#include "platform/process.h"

#include <filesystem>

namespace zw::cli {

MessageResult CliServices::messageBox(std::string_view text, MessageKind, MessageButtons buttons) {
    printError(messagePrefix + std::string(text));
    for (const std::string_view start : agreeTo)
        if (text.substr(0, start.size()) == start && buttons != MessageButtons::Ok)
            return MessageResult::Yes;
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageResult::Ok;
    case MessageButtons::YesNo:
        return MessageResult::No;
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageResult::Cancel;
}

void CliServices::fileError(std::string_view reason) {
    printError(reason);
}

std::string CliServices::executablePath() const {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

std::string CliServices::executableDir() const {
    return executableFolder();
}

} // namespace zw::cli
