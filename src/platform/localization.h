#pragma once

#include <QString>

class QCoreApplication;

// The process's language: user-visible texts are looked up by key (qtTrId) in the table of
// the current locale's language (English, Korean, Japanese or Chinese; English otherwise).
// The current locale comes from LC_ALL / LC_MESSAGES / LANG, as ICU and Qt both read them.
namespace Localization {

// Loads the translation table of the current language into the application.
void installTranslations(QCoreApplication &app);

// The current locale's identifier ("ko_KR") and language code ("ko").
QString localeName();
QString languageCode();

// Switches the current locale of this process (ICU and Qt together) and reloads the table.
// For tests and for the rare caller that must follow a new system language without restart.
void setCurrentLocale(const QString &name);

} // namespace Localization
