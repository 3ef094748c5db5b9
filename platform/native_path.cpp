#include "platform/native_path.h"

#include "model/text.h"

#ifdef _WIN32
#include "platform/win32_text.h"
#endif

#include <cstddef>

namespace zw {

namespace {

constexpr std::string_view kVerbatimPrefix = "\\\\?\\";

// One character of UTF-8 starting at `i`, which is moved past it. A byte that
// does not start a valid sequence comes back as itself above the last code
// point, so it still compares (only) equal to the same byte.
char32_t nextCodePoint(std::string_view s, size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    return decodeUtf8(s, i).value_or(0x110000 + lead);
}

// In alphabets where each small letter follows its capital: `c` is one of the
// capitals first, first + 2, ... last.
bool capitalOfPair(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last && (c - first) % 2 == 0;
}

// The small letter of a capital, for the alphabets of the file names a map
// maker is likely to type; every other character as it is.
char32_t smallLetter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || // Latin, Latin-1
        (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||                          // Greek
        (c >= 0x410 && c <= 0x42F))                                          // Cyrillic А-Я
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) // Ѐ-Џ, Ё among them
        return c + 0x50;
    if (c == 0x178) // Ÿ
        return 0xFF;
    if (capitalOfPair(c, 0x100, 0x12E) || capitalOfPair(c, 0x132, 0x136) || // Latin Extended-A
        capitalOfPair(c, 0x139, 0x147) || capitalOfPair(c, 0x14A, 0x176) ||
        capitalOfPair(c, 0x179, 0x17D) || capitalOfPair(c, 0x460, 0x480) || // Cyrillic beyond Я
        capitalOfPair(c, 0x48A, 0x4BE) || capitalOfPair(c, 0x4C1, 0x4CD) ||
        capitalOfPair(c, 0x4D0, 0x52E))
        return c + 1;
    return c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size())
        if (smallLetter(nextCodePoint(a, i)) != smallLetter(nextCodePoint(b, j)))
            return false;
    return i == a.size() && j == b.size();
}

} // namespace

std::string nativePath(std::string_view utf8, PathStyle style) {
    std::string out(utf8);
    if (style == PathStyle::Windows && !utf8.starts_with(kVerbatimPrefix))
        for (char& c : out)
            if (c == '/')
                c = '\\';
    return out;
}

bool samePath(std::string_view a, std::string_view b, PathStyle style) {
    if (style == PathStyle::Posix)
        return a == b;
    return sameIgnoringCase(nativePath(a, style), nativePath(b, style));
}

#ifdef _WIN32
namespace {

// The full path the system makes of `path`; empty when it makes none.
std::wstring fullPath(const std::wstring& path) {
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    while (size > 0) {
        const DWORD n = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
        if (n == 0)
            break;
        if (n < size) {
            full.resize(n);
            return full;
        }
        size = n;
        full.resize(size);
    }
    return {};
}

bool folderExists(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace
#endif

std::string commandLinePath(std::string_view utf8) {
#ifdef _WIN32
    // The text as given, so that Wine still sees a Unix path's '/'. The full
    // path of a name that isn't valid UTF-8, or that the system can't make
    // one of, is left to the file functions, which report why.
    const auto wide = toUtf16(utf8);
    if (!wide || wide->empty())
        return nativePath(utf8);
    std::wstring full = fullPath(*wide);
    if (full.empty())
        return nativePath(utf8);
    // "/x/y" is below the current drive's root on Windows; Wine takes it for
    // a Unix path first, wherever that leads. The Unix file wins where its
    // folder is there, the current drive's otherwise.
    if (wide->size() > 1 && (*wide)[0] == L'/' && (*wide)[1] != L'/') {
        std::wstring rooted = *wide;
        for (wchar_t& c : rooted)
            if (c == L'/')
                c = L'\\';
        const std::wstring onDrive = fullPath(rooted);
        const size_t slash = full.find_last_of(L'\\');
        if (!onDrive.empty() && onDrive != full &&
            (slash == std::wstring::npos || !folderExists(full.substr(0, slash + 1))))
            full = onDrive;
    }
    return nativePath(toUtf8(full));
#else
    return nativePath(utf8);
#endif
}

} // namespace zw
