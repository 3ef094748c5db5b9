#include "model/text.h"

#include <array>

namespace zw {
namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::optional<char32_t> decodeUtf8(std::string_view s, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    size_t length = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    }
    bool valid = length != 0 && i + length <= s.size();
    for (size_t k = 1; valid && k < length; ++k) {
        valid = (byte(i + k) & 0xC0) == 0x80;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are no characters.
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!valid || cp < kSmallest[length] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        ++i;
        return std::nullopt;
    }
    i += length;
    return cp;
}

char32_t cp1251ToCodePoint(unsigned char b) {
    if (b < 0x80)
        return b;
    if (b >= 0xC0)
        return static_cast<char32_t>(0x0410 + (b - 0xC0));
    return kHigh[b - 0x80];
}

int codePointToCp1251(char32_t cp) {
    if (cp < 0x80)
        return static_cast<int>(cp);
    if (cp >= 0x0410 && cp <= 0x044F)
        return static_cast<int>(0xC0 + (cp - 0x0410));
    for (size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == cp)
            return static_cast<int>(0x80 + k);
    return -1;
}

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        appendUtf8(out, cp1251ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto cp = decodeUtf8(utf8, i);
        if (!cp) {
            out += '?';
            continue;
        }
        const int b = codePointToCp1251(*cp);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

bool utf8FitsCp1251(std::string_view utf8) {
    size_t i = 0;
    while (i < utf8.size()) {
        const auto cp = decodeUtf8(utf8, i);
        if (!cp || codePointToCp1251(*cp) < 0)
            return false;
    }
    return true;
}

std::string utf16leToCp1251(const uint8_t* data, size_t units) {
    std::string out;
    out.reserve(units);
    for (size_t k = 0; k < units; ++k) {
        char32_t u = static_cast<char32_t>(data[2 * k] | (data[2 * k + 1] << 8));
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
            const char32_t lo = static_cast<char32_t>(data[2 * k + 2] | (data[2 * k + 3] << 8));
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                ++k; // a pair outside the basic plane: never in the code page
                out += '?';
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            out += '?';
            continue;
        }
        const int b = codePointToCp1251(u);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

bool isAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::string withExtension(std::string_view path, std::string_view extension) {
    const bool has =
        path.size() >= extension.size() &&
        asciiLowercase(path.substr(path.size() - extension.size())) == asciiLowercase(extension);
    return has ? std::string(path) : std::string(path) + std::string(extension);
}

std::string asciiLowercase(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace zw
