// The program's language, without the toolkit: the translation files beside
// the program (.qm, made by lrelease from translations/*.ts) are read here and
// installed as the core's lookup (model/translation.h). The command-line tool
// uses this alone; the editor adds the toolkit's own translators on top
// (qt_translations.h).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

enum class Language { Russian, English };

// "ru" / "en" (the command line's and the settings' codes); anything else: none.
std::optional<Language> languageFromCode(std::string_view code);
std::string_view languageCode(Language language);

// The folder of the translation files for a program living in `programDir`.
std::string translationsFolder(const std::string& programDir);

// The file parts of a language, zonewright_<part>_<code>.qm: one for the
// Qt-free core and the command-line tool, one for the windows.
inline constexpr std::string_view kTranslationParts[] = {"zonewright_core", "zonewright_windows"};

// Context and Russian source (joined by translationKey) -> translation, UTF-8.
using TranslationTable = std::map<std::string, std::string>;
std::string translationKey(std::string_view context, std::string_view source);

// The messages of a .qm file; none when the bytes are not one (a wrong
// signature, a block or a text running past the end). Entries without a
// translation are left out, so their Russian source is shown.
std::optional<TranslationTable> readQmFile(std::string_view bytes);

// Switches the core's texts to `language`. Russian needs no file and removes
// any translation. Another language reads its parts from `folder`; a part
// that is missing is skipped, but when none is there or one is unreadable
// nothing changes and false is returned.
bool useLanguage(Language language, const std::string& folder);
Language currentLanguage();

} // namespace zw
