#include "platform/process.h"

#ifdef _WIN32
#include "platform/win32_text.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#else
#include <filesystem>
#include <system_error>
#endif

namespace zw {

#ifdef _WIN32

std::string executableFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return ".";
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        if (buffer.size() >= 32768)
            return ".";
        buffer.resize(buffer.size() * 2);
    }
    const size_t slash = buffer.find_last_of(L"\\/");
    return slash == std::wstring::npos ? "." : toUtf8(std::wstring_view(buffer).substr(0, slash));
}

std::vector<std::string> utf8Arguments(int, char**) {
    std::vector<std::string> out;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return out;
    for (int i = 1; i < count; ++i)
        out.push_back(toUtf8(wide[i]));
    LocalFree(wide);
    return out;
}

void useBinaryStandardStreams() {
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

#else

std::string executableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path())
        return ".";
    return exe.parent_path().string();
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    std::vector<std::string> out;
    for (int i = 1; i < argc; ++i)
        out.emplace_back(argv[i]);
    return out;
}

void useBinaryStandardStreams() {}

#endif

} // namespace zw
