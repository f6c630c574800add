#include "localization.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <unicode/locid.h>

namespace {

const QString kTableFolder = QStringLiteral(":/i18n/");
const QString kEnglish = QStringLiteral("en");

QTranslator *installedTranslator = nullptr;
QString currentLanguage = kEnglish;
// Once setCurrentLocale has chosen, the environment no longer counts.
bool chosenInProcess = false;

QString environment(const char *name)
{
    return qEnvironmentVariable(name);
}

// "de_AT.UTF-8@euro" -> "de_AT"; "zh-TW" -> "zh_TW".
QString bareLocaleName(const QString &name)
{
    QString bare = name.trimmed();
    const qsizetype cut = bare.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        bare.truncate(cut);
    bare.replace(QLatin1Char('-'), QLatin1Char('_'));
    return bare;
}

bool isCLocale(const QString &bare)
{
    return bare.isEmpty() || bare == QLatin1String("C") || bare == QLatin1String("POSIX");
}

// The first of the variables that is set, as the C library picks a category's locale.
QString firstSet(std::initializer_list<const QString *> values)
{
    for (const QString *value : values) {
        if (!value->isEmpty())
            return *value;
    }
    return {};
}

void loadTable(QCoreApplication &app)
{
    if (installedTranslator) {
        app.removeTranslator(installedTranslator);
        delete installedTranslator;
        installedTranslator = nullptr;
    }
    auto *translator = new QTranslator(&app);
    if (translator->load(kTableFolder + QStringLiteral("tallowick_%1.qm").arg(currentLanguage))) {
        app.installTranslator(translator);
        installedTranslator = translator;
    } else {
        delete translator;
    }
}

void setFormatLocale(const QString &name)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale::createCanonical(name.toLatin1().constData()), status);
}

} // namespace

namespace Localization {

Settings Settings::fromEnvironment()
{
    return {environment("LANGUAGE"), environment("LC_ALL"), environment("LC_MESSAGES"), environment("LC_TIME"),
            environment("LANG")};
}

const QStringList &shippedLanguages()
{
    // The tables compiled into the program are the list: nothing to keep in step by hand.
    static const QStringList languages = [] {
        QStringList found;
        const QStringList tables = QDir(kTableFolder).entryList({QStringLiteral("tallowick_*.qm")}, QDir::Files);
        for (const QString &table : tables)
            found.append(table.mid(int(qstrlen("tallowick_")), table.size() - int(qstrlen("tallowick_.qm"))));
        if (!found.contains(kEnglish))
            found.append(kEnglish);
        return found;
    }();
    return languages;
}

QString shippedLanguageOf(const QString &name)
{
    const QString bare = bareLocaleName(name);
    if (isCLocale(bare))
        return {};
    const QStringList &shipped = shippedLanguages();
    for (const QString &table : shipped) {
        if (table.compare(bare, Qt::CaseInsensitive) == 0)
            return table;
    }
    const QString code = bare.section(QLatin1Char('_'), 0, 0).toLower();
    if (shipped.contains(code))
        return code;
    // A language whose one table is of a region ("pt" has Brazil's) reads that one rather
    // than English.
    for (const QString &table : shipped) {
        if (table.startsWith(code + QLatin1Char('_')))
            return table;
    }
    return {};
}

QString languageFor(const Settings &settings)
{
    const QString messages = firstSet({&settings.lcAll, &settings.lcMessages, &settings.lang});
    if (isCLocale(bareLocaleName(messages)))
        return kEnglish;
    for (const QString &wanted : settings.language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString table = shippedLanguageOf(wanted);
        if (!table.isEmpty())
            return table;
    }
    const QString table = shippedLanguageOf(messages);
    return table.isEmpty() ? kEnglish : table;
}

QString formatLocaleFor(const Settings &settings)
{
    const QString bare = bareLocaleName(firstSet({&settings.lcAll, &settings.lcTime, &settings.lang}));
    return isCLocale(bare) ? QString() : bare;
}

void installTranslations(QCoreApplication &app)
{
    if (!chosenInProcess) {
        const Settings settings = Settings::fromEnvironment();
        currentLanguage = languageFor(settings);
        // Without a time locale ICU keeps its own default (that of C: English); Qt's formats
        // follow it, as the C locale's own would give times with their seconds ("10:00:00").
        const QString formats = formatLocaleFor(settings);
        if (!formats.isEmpty())
            setFormatLocale(formats);
        else if (QLocale::system().language() == QLocale::C)
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    loadTable(app);
}

QString language()
{
    return currentLanguage;
}

bool isRightToLeft()
{
    return QLocale(currentLanguage).textDirection() == Qt::RightToLeft;
}

QString localeName()
{
    return QString::fromLatin1(icu::Locale::getDefault().getName());
}

QString languageCode()
{
    return QString::fromLatin1(icu::Locale::getDefault().getLanguage());
}

void setCurrentLocale(const QString &name)
{
    chosenInProcess = true;
    setFormatLocale(name);
    QLocale::setDefault(QLocale(name));
    const QString table = shippedLanguageOf(name);
    currentLanguage = table.isEmpty() ? kEnglish : table;
    if (auto *app = QCoreApplication::instance())
        loadTable(*app);
}

} // namespace Localization
