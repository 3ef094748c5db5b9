#include "translations/language.h"

#include "model/translation.h"
#include "platform/files.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace zw {
namespace {

// The signature and the tags of the format lrelease writes.
constexpr unsigned char kQmMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                        0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
constexpr unsigned char kMessagesBlock = 0x69;
enum MessageTag : unsigned char {
    kEnd = 1,
    kSourceText16 = 2,
    kTranslation = 3,
    kContext16 = 4,
    kObsolete1 = 5,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
    kObsolete2 = 9,
};

// Reads big-endian numbers and length-prefixed texts, refusing to run past
// the end.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::optional<uint8_t> byte() {
        if (pos_ >= bytes_.size())
            return std::nullopt;
        return static_cast<uint8_t>(bytes_[pos_++]);
    }
    std::optional<uint32_t> number() {
        if (bytes_.size() - pos_ < 4)
            return std::nullopt;
        uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n = (n << 8) | static_cast<uint8_t>(bytes_[pos_++]);
        return n;
    }
    std::optional<std::string_view> bytes(uint32_t length) {
        if (bytes_.size() - pos_ < length)
            return std::nullopt;
        const std::string_view part = bytes_.substr(pos_, length);
        pos_ += length;
        return part;
    }
    // A length and that many bytes; 0xFFFFFFFF stands for no text.
    std::optional<std::string_view> text() {
        const auto length = number();
        if (!length)
            return std::nullopt;
        if (*length == 0xFFFFFFFFu)
            return std::string_view();
        return bytes(*length);
    }

  private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

// A translation is stored as UTF-16 (big-endian).
std::optional<std::string> utf8FromUtf16(std::string_view bytes) {
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>((static_cast<uint8_t>(bytes[i]) << 8) |
                                              static_cast<uint8_t>(bytes[i + 1])));
    std::string out;
    for (size_t i = 0; i < units.size(); ++i) {
        uint32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            return std::nullopt;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool readMessages(std::string_view block, TranslationTable& table) {
    Reader r(block);
    std::string context, source, translation;
    bool translated = false;
    while (!r.atEnd()) {
        const auto tag = r.byte();
        if (!tag)
            return false;
        switch (*tag) {
        case kEnd:
            if (translated && !translation.empty())
                table.insert_or_assign(translationKey(context, source), translation);
            context.clear(), source.clear(), translation.clear();
            translated = false;
            break;
        case kTranslation: {
            const auto text = r.text();
            const auto utf8 = text ? utf8FromUtf16(*text) : std::nullopt;
            if (!utf8)
                return false;
            // Plural forms come one translation each; the first is kept.
            if (!translated)
                translation = *utf8;
            translated = true;
            break;
        }
        case kSourceText:
        case kContext:
        case kComment: {
            const auto text = r.text();
            if (!text)
                return false;
            if (*tag == kSourceText)
                source = *text;
            else if (*tag == kContext)
                context = *text;
            break;
        }
        case kSourceText16:
        case kContext16:
        case kObsolete1: {
            if (!r.text())
                return false;
            break;
        }
        case kObsolete2:
            break;
        default:
            return false;
        }
    }
    return true;
}

struct Loaded {
    Language language = Language::Russian;
};

Loaded& loaded() {
    static Loaded state;
    return state;
}

} // namespace

std::optional<Language> languageFromCode(std::string_view code) {
    if (code == "ru")
        return Language::Russian;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

std::string_view languageCode(Language language) {
    return language == Language::English ? "en" : "ru";
}

std::string translationsFolder(const std::string& programDir) {
    return programDir + "/translations";
}

Language currentLanguage() {
    return loaded().language;
}

std::string translationKey(std::string_view context, std::string_view source) {
    std::string key(context);
    key += '\0';
    key += source;
    return key;
}

std::optional<TranslationTable> readQmFile(std::string_view bytes) {
    if (bytes.size() < sizeof kQmMagic ||
        bytes.substr(0, sizeof kQmMagic) !=
            std::string_view(reinterpret_cast<const char*>(kQmMagic), sizeof kQmMagic))
        return std::nullopt;
    Reader r(bytes.substr(sizeof kQmMagic));
    TranslationTable table;
    while (!r.atEnd()) {
        const auto tag = r.byte();
        const auto length = r.number();
        const auto block = length ? r.bytes(*length) : std::nullopt;
        if (!tag || !block)
            return std::nullopt;
        if (*tag == kMessagesBlock && !readMessages(*block, table))
            return std::nullopt;
    }
    return table;
}

bool useLanguage(Language language, const std::string& folder) {
    if (language == Language::Russian) {
        setTranslationLookup({});
        loaded().language = Language::Russian;
        return true;
    }
    auto table = std::make_shared<TranslationTable>();
    bool any = false;
    for (const std::string_view part : kTranslationParts) {
        const std::string path =
            folder + "/" + std::string(part) + "_" + std::string(languageCode(language)) + ".qm";
        if (!fileExists(path))
            continue;
        const auto bytes = readWholeFile(path);
        const auto* read = std::get_if<std::string>(&bytes);
        auto messages = read ? readQmFile(*read) : std::nullopt;
        if (!messages)
            return false;
        table->merge(*messages);
        any = true;
    }
    if (!any)
        return false;
    setTranslationLookup([table](const char* context, const char* source) {
        const auto found = table->find(translationKey(context, source));
        return found == table->end() ? std::string() : found->second;
    });
    loaded().language = language;
    return true;
}

} // namespace zw
