// The command-line parser in the interface's language: the labels of its help
// and its messages about a wrong command line, in Russian unless another
// language was chosen (--language).
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace zw::cli {

// Help labels, help flags, option groups and failure message in the
// interface's language for `app` and every command in it. Call once every
// command has been added.
void useInterfaceLanguage(CLI::App& app);

// The message about a wrong command line that `app` (the program's) failed to
// parse, in the interface's language, with a line on where to find help.
std::string parseFailureMessage(const CLI::App& app, const CLI::Error& e);

} // namespace zw::cli
