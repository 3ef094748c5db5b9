// The editor's settings store: recent files, the window's state and the
// language, in the user's configuration folder.
#pragma once

#include <memory>

class QSettings;

namespace zw {

std::unique_ptr<QSettings> openSettings();

} // namespace zw
