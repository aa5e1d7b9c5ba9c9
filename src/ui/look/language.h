// The language the desktop asks for, and the game's and Qt's translations into it.
#pragma once

#include <QString>
#include <QStringList>

namespace pennix {

// The languages the game speaks besides English, as its translation files name them: "de", "pt_BR".
const QStringList& TranslatedLanguages();

// The translated language that `choices` (LANGUAGE's list, then the locale of LC_ALL, LC_MESSAGES
// or LANG) asks for first: a choice of English or of the C locale, or none the game speaks, means
// English, the empty text. "de_AT.UTF-8" finds German, "pt" or "pt_PT" the Brazilian translation.
QString ChooseLanguage(const QStringList& choices);

// The desktop's choice, from the environment as gettext and Qt read it.
QString DesktopLanguage();

// Installs the game's translation into `language` and Qt's own (its buttons' Yes, No, OK), in
// place of any installed before; English installs none. Widgets made afterwards speak it. False,
// and English, when the game's translation cannot be loaded.
bool UseLanguage(const QString& language);

// The language installed by UseLanguage; empty for English.
QString LanguageInUse();

}  // namespace pennix
