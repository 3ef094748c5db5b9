// Facts about the running program and other processes that the core needs
// without Qt: the executable's folder, the command line as UTF-8, the process
// id that names the recovery file, and the user's data folder. POSIX and Win32.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zw {

// The folder of the running executable (for header.txt and the help text),
// without a trailing separator; "." when it cannot be found.
std::string executableFolder();

// The command-line arguments after the program name, as UTF-8. On Windows they
// are read from the UTF-16 command line, so a file with a Cyrillic name that
// Explorer hands over arrives intact; elsewhere they are argv as given. argv
// may be what the toolkit left after taking its own options (-platform X):
// on Windows only the wide arguments that remain in argv are returned.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// The arguments of `full` (wide, as UTF-8, without the program name) that are
// left in `remaining` (argv's narrow form, in order), found by comparing each
// one's narrow form (`narrowOf`) in order: the toolkit removes options from
// argv but not from the wide command line. A remaining argument with no match
// is kept in its narrow form.
std::vector<std::string> argumentsLeft(const std::vector<std::string>& full,
                                       const std::vector<std::string>& fullNarrow,
                                       const std::vector<std::string>& remaining);

// Makes standard output and error write bytes as given: on Windows they would
// otherwise turn every LF into CR LF.
void useBinaryStandardStreams();

// A process id as the system gives it (pid_t on POSIX, DWORD on Windows).
using ProcessId = std::int64_t;

ProcessId currentProcessId();

// The application's folder for user data, UTF-8: POSIX "$XDG_DATA_HOME/zonewright"
// (only an absolute $XDG_DATA_HOME counts) or "$HOME/.local/share/zonewright";
// Windows "%LOCALAPPDATA%\zonewright". Empty when the system names no such
// place. The folder is not created here.
std::string userDataFolder();

} // namespace zw
