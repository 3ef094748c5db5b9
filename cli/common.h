// Helpers shared by the subcommands of zonewright-cli: reading a project,
// writing outputs, and text for the terminal (UTF-8, line feeds).
#pragma once

#include "model/records.h"

#include <optional>
#include <string>
#include <string_view>

namespace zw::cli {

// Exit statuses of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // the template's own rules refuse (a failed check)
inline constexpr int kExitBadInput = 2; // usage error, unreadable or invalid input, failed write

// "zonewright-cli: " + message + line feed on stderr. `utf8` may hold CR line breaks.
void printError(std::string_view utf8);
// The message and a line feed on stdout; CR line breaks become line feeds.
void printLine(std::string_view utf8);
// UTF-8 text on stdout as it is (readable on a Windows console too).
void printText(std::string_view utf8);

// A message box text (UTF-8, CR line breaks) as terminal text (line feeds).
std::string terminalText(std::string_view utf8);

// The whole file, or nullopt after reporting the system's reason on stderr.
std::optional<std::string> readInput(const std::string& path);
// Reads and decodes a project file; on failure reports why on stderr and
// returns nullopt (exit kExitBadInput).
std::optional<TRmg> readProject(const std::string& path);
// Writes the whole file atomically; on failure reports the system's reason and
// returns false (the old file stays as it was).
bool writeOutput(const std::string& path, std::string_view bytes);

} // namespace zw::cli
