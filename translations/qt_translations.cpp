#include "translations/qt_translations.h"

#include "model/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

namespace zw {
namespace {

// The files of a language: zonewright_<part>_<code>.qm, today one for the
// Qt-free core and the command-line tool and one for the windows.
QStringList languageFiles(Language language, const QString& folder) {
    const std::string_view code = languageCode(language);
    return QDir(folder).entryList(
        {QStringLiteral("zonewright_*_") +
         QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())) +
         QStringLiteral(".qm")},
        QDir::Files, QDir::Name);
}

struct Loaded {
    Language language = Language::Russian;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

Loaded& loaded() {
    static Loaded state;
    return state;
}

void uninstall(Loaded& state) {
    setTranslationLookup({});
    if (QCoreApplication::instance())
        for (auto& t : state.translators)
            QCoreApplication::removeTranslator(t.get());
    state.translators.clear();
    state.language = Language::Russian;
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

bool useLanguage(Language language, const std::string& folder) {
    Loaded& state = loaded();
    if (language == Language::Russian) {
        uninstall(state);
        return true;
    }
    const QString dir = QString::fromUtf8(folder.data(), static_cast<qsizetype>(folder.size()));
    const QStringList files = languageFiles(language, dir);
    if (files.isEmpty())
        return false;
    std::vector<std::unique_ptr<QTranslator>> translators;
    for (const QString& file : files) {
        auto t = std::make_unique<QTranslator>();
        if (!t->load(file, dir))
            return false;
        translators.push_back(std::move(t));
    }
    uninstall(state);
    state.translators = std::move(translators);
    state.language = language;
    if (QCoreApplication::instance())
        for (auto& t : state.translators)
            QCoreApplication::installTranslator(t.get());
    // The core asks the same files directly: the command-line tool may run
    // without an application object.
    std::vector<QTranslator*> lookups;
    for (auto& t : state.translators)
        lookups.push_back(t.get());
    setTranslationLookup([lookups](const char* context, const char* source) {
        for (QTranslator* t : lookups) {
            const QString text = t->translate(context, source);
            if (!text.isEmpty())
                return text.toStdString();
        }
        return std::string();
    });
    return true;
}

} // namespace zw
