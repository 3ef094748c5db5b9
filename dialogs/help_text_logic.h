// The readme command: the help text beside the executable, opened by the
// desktop's program for text files or, when there is none, shown in the
// editor's own read-only text window.
#pragma once

#include <string>
#include <string_view>

namespace zw {

class Services;

inline constexpr std::string_view kHelpFileName = "Readme&help.txt";
// Caption of the editor's own window of the help text.
inline constexpr std::string_view kHelpWindowCaption = "Readme&help";

// The help file's path in the folder `dir` (with or without a final separator).
std::string helpFilePath(std::string_view dir);

// Asks the desktop to open the file at `path`. When no program can, the file
// is read, decoded from Windows-1251 and shown in the editor's text window. A
// missing file then shows nothing, as before; one that exists but cannot be
// read shows the system's reason in the standard error box.
void openHelpText(Services& services, const std::string& path);

} // namespace zw
