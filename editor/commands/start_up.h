// The readme button and the editor's start-up.
#pragma once

#include "platform/services.h"

#include <string>
#include <string_view>

namespace zw {

class Editor;

// `name` in the folder of the running executable.
std::string besideExecutable(const Services& services, std::string_view name);
// Opens "Readme&help.txt" beside the executable.
void openReadme(Services& services);
// Run once the main window is shown: the new template, the file association,
// and the project named on the command line.
void startUp(Editor& editor);

} // namespace zw
