#include "cli/common.h"

#include "model/project_file.h"
#include "platform/files.h"
#include "platform/native_console.h"

namespace zw::cli {

std::string terminalText(std::string_view utf8) {
    std::string out(utf8);
    for (char& c : out)
        if (c == '\r')
            c = '\n';
    return out;
}

void printError(std::string_view utf8) {
    writeStandard(StandardStream::Error, "zonewright-cli: " + terminalText(utf8) + '\n');
}

void printLine(std::string_view utf8) {
    writeStandard(StandardStream::Output, terminalText(utf8) + '\n');
}

void printText(std::string_view utf8) {
    writeStandard(StandardStream::Output, utf8);
}

std::optional<std::string> readInput(const std::string& path) {
    auto bytes = readWholeFile(path);
    if (const auto* error = std::get_if<FileError>(&bytes)) {
        printError(error->reason);
        return std::nullopt;
    }
    return std::move(std::get<std::string>(bytes));
}

std::optional<TRmg> readProject(const std::string& path) {
    const auto bytes = readInput(path);
    if (!bytes)
        return std::nullopt;
    auto decoded = decodeProject(*bytes);
    if (const auto* failure = std::get_if<ProjectLoadFailure>(&decoded)) {
        printError(path + ": " + failure->message);
        return std::nullopt;
    }
    return std::move(std::get<TRmg>(decoded));
}

bool writeOutput(const std::string& path, std::string_view bytes) {
    const auto written = writeWholeFile(path, bytes);
    if (const auto* error = std::get_if<FileError>(&written)) {
        printError(error->reason);
        return false;
    }
    return true;
}

} // namespace zw::cli
