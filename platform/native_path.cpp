#include "platform/native_path.h"

#include "model/text.h"

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

} // namespace zw
