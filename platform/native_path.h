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

// A path given on a command line, as every command takes it. On Windows it is
// the full path the system makes of it, in the system's form: a drive path, a
// path relative to the current folder and one rooted at the current drive
// ("/maps/a.tpz") all name the file the file functions would open. Under Wine
// a path starting with one '/' may also be a Unix path ("/tmp/a.tpz", which
// Wine finds only while its slashes are '/'): it is taken as one where its
// folder exists there, else as rooted at the current drive. Elsewhere the
// path is kept as given: the system resolves it alike for every call.
std::string commandLinePath(std::string_view utf8);

} // namespace zw
