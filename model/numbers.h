// Integers read from text: typed into fields, found in table cells, file
// names and arguments. One reader for all; each place names its syntax.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zw {

// How an integer may be written around its decimal digits.
struct IntegerSyntax {
    bool leadingSpaces = false;  // spaces before it
    bool trailingSpaces = false; // spaces after it
    bool sign = false;           // one '+' or '-' first
    // Hexadecimal digits after "$", "x", "X", "0x" or "0X" (behind the sign).
    bool hexPrefixes = false;
};

// Digits only: file names, zone lists.
inline constexpr IntegerSyntax kDigitsOnly{};
// A number given on the command line: a sign, nothing around it.
inline constexpr IntegerSyntax kSignedNumber{.sign = true};
// A number typed into a field: spaces around it and a sign.
inline constexpr IntegerSyntax kTypedNumber{
    .leadingSpaces = true, .trailingSpaces = true, .sign = true};
// A number in a cell of the game's table: spaces before it, a sign, and the
// hexadecimal prefixes of the game's own reader.
inline constexpr IntegerSyntax kTableNumber{
    .leadingSpaces = true, .sign = true, .hexPrefixes = true};

// The integer the whole of `text` writes in `syntax`, or nullopt. Leading
// zeros are allowed. A value beyond 64 bits reads as the nearer of INT64_MIN
// and INT64_MAX, so that a huge number is still told from no number.
std::optional<int64_t> parseInteger(std::string_view text, IntegerSyntax syntax = kDigitsOnly);
// The same, nullopt outside the 32-bit range.
std::optional<int32_t> parseInt32(std::string_view text, IntegerSyntax syntax = kDigitsOnly);

} // namespace zw
