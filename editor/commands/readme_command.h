// The readme button: the help text beside the executable.
#pragma once

#include "model/translation.h"
#include "platform/services.h"

#include <string>
#include <string_view>

namespace zw {

class Editor;

// The Russian help. Its name is a text of the interface: each language's
// translation names the help written in it ("Readme&help.en.txt").
inline constexpr std::string_view kHelpFileName = ZW_TR_NOOP("Editor", "Readme&help.txt");
// Caption of the editor's own window of the help text.
inline constexpr std::string_view kHelpWindowCaption = "Readme&help";

// `name` in the folder of the running executable.
std::string besideExecutable(const Services& services, std::string_view name);
// Opens the help of the current language beside the executable (the Russian
// one when that is missing) with the desktop's program for
// text files or, when there is none, shows it decoded from Windows-1251 in the
// editor's own read-only text window. A missing file then shows nothing, as
// before; one that exists but cannot be read shows the system's reason.
void openReadme(Editor& editor);

} // namespace zw
