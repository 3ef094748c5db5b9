#include "app/language.h"

#include "app/settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace zw {
namespace {

constexpr auto kLanguageKey = "language";
constexpr std::string_view kOption = "--language";

// The toolkit's own texts (file dialogs, standard buttons) in the editor's
// language: Russian from the toolkit's translations, English as written.
void useToolkitTexts(Language language) {
    static std::unique_ptr<QTranslator> texts;
    if (texts) {
        QCoreApplication::removeTranslator(texts.get());
        texts.reset();
    }
    if (language != Language::Russian)
        return;
    auto t = std::make_unique<QTranslator>();
    if (t->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(t.get());
        texts = std::move(t);
    }
}

} // namespace

std::optional<Language> takeLanguageOption(std::vector<std::string>& args) {
    std::optional<Language> chosen;
    for (size_t i = 0; i < args.size();) {
        const std::string_view arg = args[i];
        if (arg == kOption) {
            if (i + 1 < args.size()) {
                chosen = languageFromCode(args[i + 1]);
                args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                           args.begin() + static_cast<std::ptrdiff_t>(i + 2));
            } else {
                args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
            }
            continue;
        }
        if (arg.size() > kOption.size() && arg.substr(0, kOption.size()) == kOption &&
            arg[kOption.size()] == '=') {
            chosen = languageFromCode(arg.substr(kOption.size() + 1));
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        ++i;
    }
    return chosen;
}

Language storedLanguage() {
    const QString code = openSettings()->value(kLanguageKey).toString();
    return languageFromCode(code.toStdString()).value_or(Language::Russian);
}

void storeLanguage(Language language) {
    const std::string_view code = languageCode(language);
    openSettings()->setValue(kLanguageKey,
                             QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
}

bool applyLanguage(Language language) {
    const std::string folder =
        translationsFolder(QCoreApplication::applicationDirPath().toUtf8().toStdString());
    if (!useLanguage(language, folder))
        return false;
    useToolkitTexts(language);
    return true;
}

Language otherLanguage(Language language) {
    return language == Language::English ? Language::Russian : Language::English;
}

std::string languageName(Language language) {
    return language == Language::English ? "English" : "Русский";
}

} // namespace zw
