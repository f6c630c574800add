#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The process's language and formats, as a desktop program takes them from the person's
// settings. Texts are looked up by key (qtTrId) in the table of the first language Tallowick
// has among LANGUAGE's list, then the messages locale (LC_ALL, LC_MESSAGES, LANG), English
// otherwise. Dates and numbers follow the time locale (LC_ALL, LC_TIME, LANG).
namespace Localization {

// What the person's settings say: the environment variables a desktop program reads.
struct Settings
{
    QString language;    // LANGUAGE: a colon-separated list of languages, best first
    QString lcAll;
    QString lcMessages;
    QString lcTime;
    QString lang;

    static Settings fromEnvironment();
};

// The languages that have a table of texts, by the table's name ("en", "de", "pt_BR" ...).
const QStringList &shippedLanguages();

// The table that `settings` ask for. As gettext does, LANGUAGE counts only when the messages
// locale is not C (or POSIX): a C locale means untranslated, English, texts.
QString languageFor(const Settings &settings);
// The locale (an ICU name, "de_DE") that formats dates for `settings`; empty when they name
// none, or only C.
QString formatLocaleFor(const Settings &settings);

// The table a locale or language name ("de_AT.UTF-8", "pt", "zh-TW") is shown in: its own,
// else the one of its language; nothing when Tallowick has no table of that language.
QString shippedLanguageOf(const QString &name);

// Takes the language and the time locale from the person's settings, unless setCurrentLocale
// chose them, and loads the language's table into the application.
void installTranslations(QCoreApplication &app);

// The language texts are shown in: the name of its table ("pt_BR").
QString language();
// Whether that language is written from right to left.
bool isRightToLeft();

// The time locale's identifier ("ko_KR") and language code ("ko"): dates follow these.
QString localeName();
QString languageCode();

// Switches this process to `name` for texts and formats alike (ICU, Qt and the table).
// For tests and for the rare caller that must follow a new system language without restart.
void setCurrentLocale(const QString &name);

} // namespace Localization
