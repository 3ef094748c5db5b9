// Subcommands of zonewright-cli. Each unit registers its own; the command that
// runs stores its exit status in `result` (0 success, 1 refused by the
// template's rules, 2 usage error or unreadable/invalid input).
#pragma once

#include "model/translation.h"
#include "platform/native_path.h"

#include <CLI/CLI.hpp>
#include <string>

namespace zw::cli {

// A file argument, resolved as every command resolves one (commandLinePath):
// the same file whatever the form it is given in, and messages show it as the
// user's system writes paths.
inline CLI::Option* addPathOption(CLI::App* cmd, std::string name, std::string& path,
                                  std::string description) {
    return cmd->add_option(std::move(name), path, std::move(description))
        ->transform([](std::string given) { return commandLinePath(given); })
        ->type_name(ZW_TR("Cli", "ФАЙЛ"));
}

void addProjectCommands(CLI::App& app, int& result);  // new, dump, build, check
void addRmgCommands(CLI::App& app, int& result);      // compile, list, delete, import
void addRenderCommand(CLI::App& app, int& result);    // render
void addAnalyzeCommand(CLI::App& app, int& result);   // analyze
void addTransformCommand(CLI::App& app, int& result); // transform
void addGenerateCommand(CLI::App& app, int& result);  // generate

} // namespace zw::cli
