#include "localization.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <unicode/locid.h>

namespace {

QTranslator *installedTranslator = nullptr;

QString tableFor(const QString &language)
{
    static const QStringList translated = {QStringLiteral("ko"), QStringLiteral("ja"), QStringLiteral("zh")};
    const QString chosen = translated.contains(language) ? language : QStringLiteral("en");
    return QStringLiteral(":/i18n/tallowick_%1.qm").arg(chosen);
}

} // namespace

namespace Localization {

void installTranslations(QCoreApplication &app)
{
    if (installedTranslator) {
        app.removeTranslator(installedTranslator);
        delete installedTranslator;
        installedTranslator = nullptr;
    }
    auto *translator = new QTranslator(&app);
    if (translator->load(tableFor(languageCode()))) {
        app.installTranslator(translator);
        installedTranslator = translator;
    } else {
        delete translator;
    }
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
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale::createCanonical(name.toLatin1().constData()), status);
    QLocale::setDefault(QLocale(name));
    if (auto *app = QCoreApplication::instance())
        installTranslations(*app);
}

} // namespace Localization
