#include "platform/native_console.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include "platform/win32_text.h"
#endif

namespace zw {

bool writeStandard(StandardStream stream, std::string_view utf8) {
    const bool error = stream == StandardStream::Error;
    std::ostream& cpp = error ? std::cerr : std::cout;
    std::FILE* c = error ? stderr : stdout;
    cpp.flush();
#ifdef _WIN32
    std::fflush(c);
    const HANDLE h = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (h == nullptr || h == INVALID_HANDLE_VALUE)
        return false;
    return writeUtf8(h, utf8);
#else
    return std::fwrite(utf8.data(), 1, utf8.size(), c) == utf8.size() && std::fflush(c) == 0;
#endif
}

} // namespace zw
