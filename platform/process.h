// Facts about processes and the user's folders that the recovery store needs.
//
// The editor asks for its own process id once at start-up, checks whether the
// process that left a recovery file is still running before it offers that
// file, and keeps its recovery files in the user's data folder of the
// application. Qt-free; POSIX and Win32.
#pragma once

#include <cstdint>
#include <string>

namespace zw {

// A process id as the system gives it (pid_t on POSIX, DWORD on Windows).
using ProcessId = std::int64_t;

ProcessId currentProcessId();

// True while process `pid` exists (also when it belongs to another user and
// cannot be signalled). Only "no such process" counts as gone, so a live
// editor's files are never taken for orphans. Ids outside the system's range,
// zero and negative ids are never running.
bool processRunning(ProcessId pid);

// The application's folder for user data, UTF-8: POSIX "$XDG_DATA_HOME/zonewright"
// (only an absolute $XDG_DATA_HOME counts) or "$HOME/.local/share/zonewright";
// Windows "%LOCALAPPDATA%\zonewright". Empty when the system names no such
// place. The folder is not created here.
std::string userDataFolder();

} // namespace zw
