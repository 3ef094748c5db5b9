// Subcommands of zonewright-cli. Each unit registers its own; the command that
// runs stores its exit status in `result` (0 success, 1 refused by the
// template's rules, 2 usage error or unreadable/invalid input).
#pragma once

#include <CLI/CLI.hpp>

namespace zw::cli {

void addProjectCommands(CLI::App& app, int& result);  // new, dump, build, check
void addRmgCommands(CLI::App& app, int& result);      // compile, list, delete, import
void addRenderCommand(CLI::App& app, int& result);    // render
void addAnalyzeCommand(CLI::App& app, int& result);   // analyze
void addTransformCommand(CLI::App& app, int& result); // transform
void addGenerateCommand(CLI::App& app, int& result);  // generate

} // namespace zw::cli
