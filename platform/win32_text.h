// UTF-8 <-> UTF-16 for the wide Windows APIs, and UTF-8 text written to a
// console or a file handle.
#pragma once
#ifdef _WIN32

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <windows.h>

namespace zw {

// nullopt when `utf8` is not valid UTF-8.
inline std::optional<std::wstring> toUtf16(std::string_view utf8) {
    if (utf8.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                      static_cast<int>(utf8.size()), nullptr, 0);
    if (n <= 0)
        return std::nullopt;
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        out.data(), n);
    return out;
}

inline std::string toUtf8(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n,
                            nullptr, nullptr);
    return out;
}

// For display: a sequence that is no valid UTF-8 becomes U+FFFD instead of
// losing the whole text.
inline std::wstring toUtf16Lossy(std::string_view utf8) {
    if (const auto exact = toUtf16(utf8))
        return *exact;
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

// True when `h` is a console rather than a file or a pipe.
inline bool isConsole(HANDLE h) {
    DWORD mode = 0;
    return GetConsoleMode(h, &mode) != 0;
}

// Writes UTF-8 text to `h`. A console gets it as UTF-16 through WriteConsoleW:
// bytes would be read in the console's code page and Cyrillic would come out
// garbled. A file or a pipe gets the bytes as they are. False when the
// handle refused part of it.
inline bool writeUtf8(HANDLE h, std::string_view utf8) {
    if (isConsole(h)) {
        const std::wstring text = toUtf16Lossy(utf8);
        size_t done = 0;
        while (done < text.size()) {
            // Small pieces: older consoles refuse long writes. A piece never
            // ends between the two halves of a surrogate pair.
            size_t piece = std::min<size_t>(text.size() - done, 8192);
            if (piece < text.size() - done && IS_HIGH_SURROGATE(text[done + piece - 1]))
                --piece;
            DWORD written = 0;
            if (!WriteConsoleW(h, text.data() + done, static_cast<DWORD>(piece), &written,
                               nullptr) ||
                written == 0)
                return false;
            done += written;
        }
        return true;
    }
    size_t done = 0;
    while (done < utf8.size()) {
        const DWORD piece = static_cast<DWORD>(std::min<size_t>(utf8.size() - done, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(h, utf8.data() + done, piece, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace zw

#endif
