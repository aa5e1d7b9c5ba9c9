// Choosing the language from the environment, and installing the translators for it.
#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

namespace pennix {

namespace {

QString Variable(const char* name) {
    return QString::fromLocal8Bit(std::getenv(name));
}

// "de_DE.UTF-8@euro" is the language "de_DE".
QString WithoutCodeset(const QString& choice) {
    return choice.section(u'.', 0, 0).section(u'@', 0, 0);
}

QString LanguagePart(const QString& language) {
    return language.section(u'_', 0, 0);
}

struct Translators {
    QTranslator game;
    QTranslator qt;
    QString language;
};

Translators& Installed() {
    static Translators translators;
    return translators;
}

}  // namespace

// Whatever the build compiled in: a language is added in the build alone.
const QStringList& TranslatedLanguages() {
    static const QStringList languages = [] {
        QStringList found;
        for (const QString& file : QDir(":/i18n").entryList({"pennix_*.qm"}, QDir::Files)) {
            found << file.section(u'.', 0, 0).section(u'_', 1);
        }
        return found;
    }();
    return languages;
}

QString ChooseLanguage(const QStringList& choices) {
    for (const QString& choice : choices) {
        const QString language = WithoutCodeset(choice);
        if (language.isEmpty()) {
            continue;
        }
        if (language == "C" || language == "POSIX" || LanguagePart(language) == "en") {
            return {};
        }
        if (TranslatedLanguages().contains(language)) {
            return language;
        }
        for (const QString& translated : TranslatedLanguages()) {
            if (LanguagePart(translated) == LanguagePart(language)) {
                return translated;
            }
        }
    }
    return {};
}

// LANGUAGE is heeded even under the C locale, as Qt heeds it: a player who sets only LANGUAGE
// means it.
QString DesktopLanguage() {
    QStringList choices = Variable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = Variable(name);
        if (!locale.isEmpty()) {
            choices.append(locale);
            break;
        }
    }
    return ChooseLanguage(choices);
}

bool UseLanguage(const QString& language) {
    Translators& installed = Installed();
    QCoreApplication::removeTranslator(&installed.game);
    QCoreApplication::removeTranslator(&installed.qt);
    installed.language.clear();
    if (language.isEmpty()) {
        return true;
    }
    if (!installed.game.load(":/i18n/pennix_" + language)) {
        return false;
    }
    // Without Debian's Qt translations the game's own texts are still translated.
    if (installed.qt.load("qtbase_" + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&installed.qt);
    }
    QCoreApplication::installTranslator(&installed.game);
    installed.language = language;
    return true;
}

QString LanguageInUse() {
    return Installed().language;
}

}  // namespace pennix
