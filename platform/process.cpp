#include "platform/process.h"

#include <cstdlib>

#ifdef _WIN32
#include "platform/win32_text.h"

#include <windows.h>
// windows.h first: the shell headers need its types.
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
#else
#include <filesystem>
#include <sys/types.h>
#include <system_error>
#include <unistd.h>
#endif

namespace zw {

namespace {
constexpr const char* kAppFolder = "zonewright";
} // namespace

std::vector<std::string> argumentsLeft(const std::vector<std::string>& full,
                                       const std::vector<std::string>& fullNarrow,
                                       const std::vector<std::string>& remaining) {
    std::vector<std::string> out;
    size_t next = 0; // the first wide argument not yet matched
    for (const std::string& arg : remaining) {
        size_t j = next;
        while (j < full.size() && (j >= fullNarrow.size() || fullNarrow[j] != arg))
            ++j;
        if (j < full.size()) {
            out.push_back(full[j]);
            next = j + 1;
        } else {
            out.push_back(arg);
        }
    }
    return out;
}

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

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    std::vector<std::string> remaining;
    for (int i = 1; i < argc; ++i)
        remaining.emplace_back(argv[i]);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return remaining;
    std::vector<std::string> full;
    std::vector<std::string> fullNarrow;
    for (int i = 1; i < count; ++i) {
        full.push_back(toUtf8(wide[i]));
        // The C runtime's argv is in the ANSI code page, with '?' for what it lacks.
        const int n = WideCharToMultiByte(CP_ACP, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string narrow(n > 0 ? static_cast<size_t>(n) : 0, '\0');
        if (n > 0)
            WideCharToMultiByte(CP_ACP, 0, wide[i], -1, narrow.data(), n, nullptr, nullptr);
        if (!narrow.empty())
            narrow.pop_back(); // the terminating zero
        fullNarrow.push_back(std::move(narrow));
    }
    LocalFree(wide);
    // Nothing taken out (the command-line tool): every wide argument as it is.
    if (full.size() == remaining.size())
        return full;
    return argumentsLeft(full, fullNarrow, remaining);
}

void useBinaryStandardStreams() {
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

ProcessId currentProcessId() {
    return static_cast<ProcessId>(::GetCurrentProcessId());
}

std::string userDataFolder() {
    PWSTR wide = nullptr;
    std::string folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &wide)) && wide) {
        const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        if (bytes > 1) {
            folder.resize(static_cast<size_t>(bytes));
            ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, folder.data(), bytes, nullptr, nullptr);
            folder.resize(static_cast<size_t>(bytes) - 1); // the terminator
        }
    }
    ::CoTaskMemFree(wide);
    if (folder.empty())
        return {};
    return folder + "\\" + kAppFolder;
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

ProcessId currentProcessId() {
    return static_cast<ProcessId>(::getpid());
}

std::string userDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    // Relative values are invalid by the base directory rules and ignored.
    if (xdg != nullptr && xdg[0] == '/')
        return std::string(xdg) + "/" + kAppFolder;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0')
        return {};
    return std::string(home) + "/.local/share/" + kAppFolder;
}

#endif

} // namespace zw
