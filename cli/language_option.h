// --language en|ru: the language of every message of the command-line tool, its
// help included. It may stand anywhere on the line and is taken out of the
// arguments before the commands are built, since their help is written in the
// chosen language. Without it everything is Russian.
#pragma once

#include "translations/language.h"

#include <optional>
#include <string>
#include <vector>

namespace zw::cli {

struct LanguageChoice {
    std::optional<Language> language; // none: not given (Russian)
    std::string error;                // a wrong value: what to tell the user
};

// Removes every "--language X" and "--language=X" before a "--" from `args`
// (the arguments after the program name, in order); the last one counts.
LanguageChoice takeLanguageOption(std::vector<std::string>& args);

// Switches the texts to the chosen language, reading the translation files
// from `translations` (the folder beside the program). Returns false after
// saying why on stderr when the choice was wrong or its files are missing.
bool useChosenLanguage(const LanguageChoice& choice, const std::string& translations);

} // namespace zw::cli
