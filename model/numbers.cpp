#include "model/numbers.h"

#include <charconv>
#include <limits>

namespace zw {

std::optional<int64_t> parseInteger(std::string_view text, IntegerSyntax syntax) {
    size_t at = 0;
    size_t end = text.size();
    if (syntax.leadingSpaces)
        while (at < end && text[at] == ' ')
            ++at;
    if (syntax.trailingSpaces)
        while (end > at && text[end - 1] == ' ')
            --end;
    bool negative = false;
    if (syntax.sign && at < end && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (syntax.hexPrefixes) {
        if (at < end && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
            base = 16;
            ++at;
        } else if (at + 1 < end && text[at] == '0' &&
                   (text[at + 1] == 'x' || text[at + 1] == 'X')) {
            base = 16;
            at += 2;
        }
    }
    // std::from_chars takes digits only: no spaces, sign or prefix of its own.
    uint64_t magnitude = 0;
    const char* last = text.data() + end;
    const auto [stop, ec] = std::from_chars(text.data() + at, last, magnitude, base);
    if (stop != last || ec == std::errc::invalid_argument)
        return std::nullopt;
    constexpr uint64_t kMost = std::numeric_limits<int64_t>::max();
    const bool huge = ec == std::errc::result_out_of_range;
    if (negative)
        return huge || magnitude > kMost ? std::numeric_limits<int64_t>::min()
                                         : -static_cast<int64_t>(magnitude);
    return huge || magnitude > kMost ? std::numeric_limits<int64_t>::max()
                                     : static_cast<int64_t>(magnitude);
}

std::optional<int32_t> parseInt32(std::string_view text, IntegerSyntax syntax) {
    const auto v = parseInteger(text, syntax);
    if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(*v);
}

} // namespace zw
