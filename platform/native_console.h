// Text for the terminal: UTF-8 in, shown as the system's console shows text.
#pragma once

#include <string_view>

namespace zw {

enum class StandardStream { Output, Error };

// Writes UTF-8 text to standard output or standard error. A Windows console
// gets it through the wide console API, so Cyrillic reads right whatever the
// console's code page; a file or a pipe, and every stream on POSIX, gets the
// bytes as they are. What the C and C++ streams hold is written first, so the
// order of the text is kept. False when the stream refused the text.
bool writeStandard(StandardStream stream, std::string_view utf8);

} // namespace zw
