#include "model/translation.h"

#include <mutex>
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
