// Conversions between the program's single-byte Windows-1251 text and Unicode.
//
// Template names and rmg.txt tables are Windows-1251 bytes; the screen, the
// terminal, JSON and the project file's UTF-8 form use Unicode. These are the
// only places where text changes its encoding.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

// Unicode code point of a Windows-1251 byte (0x98, unassigned, maps to U+0098).
char32_t cp1251ToCodePoint(unsigned char b);
// Windows-1251 byte of a code point, or -1 when the code page cannot hold it.
int codePointToCp1251(char32_t cp);

std::string cp1251ToUtf8(std::string_view bytes);
// Characters Windows-1251 cannot hold, and malformed UTF-8 sequences, become '?'.
std::string utf8ToCp1251(std::string_view utf8);
// True when every character of the UTF-8 text exists in Windows-1251 and the text is well formed.
bool utf8FitsCp1251(std::string_view utf8);
// One character of UTF-8 starting at byte `i` (below the size), and `i`
// moved past it; nullopt, and `i` moved one byte on, where no well-formed
// character starts: a stray or cut-off sequence, an overlong form, a surrogate
// or a value beyond U+10FFFF.
std::optional<char32_t> decodeUtf8(std::string_view s, size_t& i);

// `units` UTF-16LE code units starting at `data`; unpaired surrogates and
// characters outside the code page become '?'.
std::string utf16leToCp1251(const uint8_t* data, size_t units);

bool isAscii(std::string_view bytes);

// Lowers the letters A to Z only; every other byte stays as it is.
std::string asciiLowercase(std::string_view bytes);

// The path with `extension` (".tpz") appended unless it already ends with
// it, in any case of the letters A to Z. An extension holds no separator, so
// whatever ends with it is a name with that extension: "C:\a.v2\map",
// "C:map" and "/maps/a.txt:b" all get it appended.
std::string withExtension(std::string_view path, std::string_view extension);

} // namespace zw
