#include "rmg/table_encoding.h"

#include "model/text.h"
#include "model/translation.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace zw {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The line (from 1) that holds byte `at` of `text`.
size_t lineOf(std::string_view text, size_t at) {
    return 1 + static_cast<size_t>(std::ranges::count(text.substr(0, at), '\n'));
}

TableRefusal unfitCharacter(std::string_view text, size_t at, size_t end, char32_t cp) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
    return {withArguments(ZW_TR("Rmg", "Таблица сохранена в кодировке UTF-8, и в строке %1 есть "
                                       "знак «%2» (%3), которого нет в Windows-1251. Сохраните "
                                       "таблицу в кодировке Windows-1251, заменив такие знаки."),
                          {std::to_string(lineOf(text, at)), text.substr(at, end - at), code})};
}

TableRefusal malformed(std::string_view text, size_t at) {
    return {withArguments(ZW_TR("Rmg", "Таблица помечена как UTF-8, но в строке %1 есть байты, "
                                       "которые не читаются как UTF-8. Сохраните таблицу в "
                                       "кодировке Windows-1251."),
                          {std::to_string(lineOf(text, at))})};
}

} // namespace

std::variant<Cp1251Table, TableRefusal> tableAsCp1251(std::string bytes) {
    std::string_view text = bytes;
    const bool marked = text.starts_with(kByteOrderMark);
    if (marked)
        text.remove_prefix(kByteOrderMark.size());
    else if (isAscii(text))
        return Cp1251Table{std::move(bytes), false};

    // One pass decodes and converts. Without the mark, the first malformed
    // sequence makes the table Windows-1251 (for Windows-1251 Cyrillic that is
    // at the first two letters in a row); the first character outside the
    // code page is only a refusal once the whole table has proved UTF-8.
    std::string converted;
    converted.reserve(text.size());
    std::optional<TableRefusal> unfit;
    size_t i = 0;
    while (i < text.size()) {
        // ASCII (the TABs, digits and line ends of most of a table) is itself.
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            if (!unfit)
                converted += text[i];
            ++i;
            continue;
        }
        const size_t at = i;
        const auto cp = decodeUtf8(text, i);
        if (!cp) {
            if (marked)
                return malformed(text, at);
            return Cp1251Table{std::move(bytes), false};
        }
        if (unfit)
            continue;
        const int b = codePointToCp1251(*cp);
        if (b < 0)
            unfit = unfitCharacter(text, at, i, *cp);
        else
            converted += static_cast<char>(b);
    }
    if (unfit)
        return std::move(*unfit);
    return Cp1251Table{std::move(converted), true};
}

std::variant<std::string, TableStop> tableForUse(std::string bytes, TableUse use,
                                                 Services& services) {
    auto table = tableAsCp1251(std::move(bytes));
    if (const auto* refusal = std::get_if<TableRefusal>(&table)) {
        services.messageBox(refusal->message, MessageKind::Error, MessageButtons::Ok);
        return TableStop::Refused;
    }
    auto& read = std::get<Cp1251Table>(table);
    if (read.fromUtf8) {
        if (use == TableUse::Rewrite) {
            if (services.messageBox(translated("Rmg", kUtf8TableQuestion),
                                    MessageKind::Confirmation,
                                    MessageButtons::YesNo) != MessageResult::Yes)
                return TableStop::Declined;
        } else {
            services.messageBox(translated("Rmg", kUtf8TableConverted), MessageKind::Information,
                                MessageButtons::Ok);
        }
    }
    return std::move(read.bytes);
}

} // namespace zw
