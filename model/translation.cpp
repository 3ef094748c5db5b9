#include "model/translation.h"

#include <mutex>
#include <set>
#include <utility>

namespace zw {
namespace {

std::mutex& lookupMutex() {
    static std::mutex mutex;
    return mutex;
}

TranslationLookup& currentLookup() {
    static TranslationLookup lookup;
    return lookup;
}

} // namespace

void setTranslationLookup(TranslationLookup lookup) {
    std::lock_guard lock(lookupMutex());
    currentLookup() = std::move(lookup);
}

std::string translated(const char* context, const char* source) {
    TranslationLookup lookup;
    {
        std::lock_guard lock(lookupMutex());
        lookup = currentLookup();
    }
    if (lookup) {
        std::string text = lookup(context, source);
        if (!text.empty())
            return text;
    }
    return source;
}

std::string translated(const char* context, std::string_view source) {
    return translated(context, std::string(source).c_str());
}

std::string_view translatedView(const char* context, std::string_view source) {
    std::string text = translated(context, source);
    if (text == source)
        return source;
    // Every translation handed out is kept: a set's nodes never move, and the
    // texts are few (one per source text and language).
    static std::set<std::string, std::less<>> kept;
    std::lock_guard lock(lookupMutex());
    return *kept.insert(std::move(text)).first;
}

std::string countedText(const char* context, int64_t n, const char* one, const char* few,
                        const char* many) {
    const std::string count = std::to_string(n);
    const std::string oneTranslated = translated(context, one);
    if (oneTranslated != one)
        return withArguments(n == 1 ? oneTranslated : translated(context, many), {count});
    const int64_t lastTwo = (n < 0 ? -n : n) % 100;
    const int64_t last = lastTwo % 10;
    const char* form = lastTwo >= 11 && lastTwo <= 14 ? many
                       : last == 1                    ? one
                       : last >= 2 && last <= 4       ? few
                                                      : many;
    return withArguments(form, {count});
}

std::string withArguments(std::string_view pattern,
                          std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < arguments.size()) {
                text += *(arguments.begin() + index);
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

} // namespace zw
