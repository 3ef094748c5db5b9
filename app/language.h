// The editor's language: the choice kept in the settings store between runs,
// the command line's "--language en|ru" that overrides it for one run, and the
// switch of every text, the toolkit's own (file dialogs) included.
#pragma once

#include "translations/language.h"

#include <optional>
#include <string>
#include <vector>

namespace zw {

// Takes "--language CODE" or "--language=CODE" out of `args` (the rest are
// files to open) and answers the language it names: nullopt when there is no
// such option or the code is unknown.
std::optional<Language> takeLanguageOption(std::vector<std::string>& args);

// The language chosen in an earlier run; Russian when none was chosen, whatever
// the system's locale.
Language storedLanguage();
void storeLanguage(Language language);

// Switches every text of the program to `language`, reading the translation
// files beside the program. When a file is missing nothing changes and false
// is returned.
bool applyLanguage(Language language);

// The language the toolbar's language button switches to, and its caption,
// written in that language ("English" / "Русский").
Language otherLanguage(Language language);
std::string languageName(Language language);

} // namespace zw
