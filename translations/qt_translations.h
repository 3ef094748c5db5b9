// The program's language: the translation files beside the program, loaded
// into the toolkit (for the windows' own texts) and installed as the core's
// lookup (model/translation.h), so every text follows one choice.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zw {

enum class Language { Russian, English };

// "ru" / "en" (the command line's and the settings' codes); anything else: none.
std::optional<Language> languageFromCode(std::string_view code);
std::string_view languageCode(Language language);

// Switches every text to `language`. Russian is the source language: it needs
// no file and removes any translation. Another language reads every
// zonewright_*_<code>.qm file in `folder` (the "translations" folder beside
// the program, see translationsFolder); when there is none, or one is
// unreadable, nothing changes and false is returned.
bool useLanguage(Language language, const std::string& folder);
Language currentLanguage();

// The folder of the translation files for a program living in `programDir`.
std::string translationsFolder(const std::string& programDir);

} // namespace zw
