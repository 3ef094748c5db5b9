#include "cli/language_option.h"

#include "cli/common.h"
#include "model/translation.h"

#include <cstddef>
#include <string_view>

namespace zw::cli {

LanguageChoice takeLanguageOption(std::vector<std::string>& args) {
    constexpr std::string_view kOption = "--language";
    LanguageChoice choice;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        std::optional<std::string> value;
        if (a == kOption) {
            if (i + 1 < args.size())
                value = args[++i];
            else
                value = "";
        } else if (a.starts_with(std::string(kOption) + "=")) {
            value = a.substr(kOption.size() + 1);
        } else {
            rest.push_back(a);
            continue;
        }
        choice.language = languageFromCode(*value);
        choice.error.clear();
        if (!choice.language)
            choice.error =
                value->empty()
                    ? ZW_TR("Cli", "--language: не задано значение")
                    : withArguments(ZW_TR("Cli", "--language: недопустимое значение «%1», "
                                                 "ожидается en или ru"),
                                    {*value});
    }
    args = std::move(rest);
    return choice;
}

bool useChosenLanguage(const LanguageChoice& choice, const std::string& translations) {
    if (!choice.error.empty()) {
        printError(choice.error);
        return false;
    }
    if (!choice.language)
        return true;
    if (useLanguage(*choice.language, translations))
        return true;
    printError(withArguments(ZW_TR("Cli", "--language %1: не найдены файлы перевода в %2"),
                             {languageCode(*choice.language), translations}));
    return false;
}

} // namespace zw::cli
