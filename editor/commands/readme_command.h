// The readme button: the help text beside the executable.
#pragma once

#include "platform/services.h"

#include <string>
#include <string_view>

namespace zw {

class Editor;

inline constexpr std::string_view kHelpFileName = "Readme&help.txt";
// Caption of the editor's own window of the help text.
inline constexpr std::string_view kHelpWindowCaption = "Readme&help";

// `name` in the folder of the running executable.
std::string besideExecutable(const Services& services, std::string_view name);
// Opens "Readme&help.txt" beside the executable with the desktop's program for
// text files or, when there is none, shows it decoded from Windows-1251 in the
// editor's own read-only text window. A missing file then shows nothing, as
// before; one that exists but cannot be read shows the system's reason.
void openReadme(Editor& editor);

} // namespace zw
