// Paths in the form the system shows them, and whether two spellings name the
// same file. Paths are UTF-8 on every system.
#pragma once

#include <string>
#include <string_view>

namespace zw {

// How a system writes paths: POSIX keeps every byte of a name as it is (a '\'
// is an ordinary character there); Windows separates folders with '\', takes
// '/' for it too, and ignores the case of letters.
enum class PathStyle { Posix, Windows };

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

// The path as the system writes it, for everything the user sees: on Windows
// every '/' becomes '\' ("Z:/maps/a.tpz" is "Z:\maps\a.tpz"), except in the
// "\\?\" form, where the system itself takes '/' literally. POSIX paths stay as
// they are.
std::string nativePath(std::string_view utf8, PathStyle style = kNativePathStyle);

// True when the two spellings name the same file as far as their text tells:
// their native forms are equal, on Windows without regard to the case of
// Latin, Greek and Cyrillic letters. Links, "." and ".." are not resolved.
bool samePath(std::string_view a, std::string_view b, PathStyle style = kNativePathStyle);

} // namespace zw
