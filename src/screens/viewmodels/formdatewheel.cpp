#include "formdatewheel.h"

#include <platform/localization.h>

#include <QDate>
#include <QLocale>

namespace {

bool readsYearFirst(const QString &language)
{
    return language == QLatin1String("ko") || language == QLatin1String("ja") || language == QLatin1String("zh");
}

} // namespace

FormDateWheel::FormDateWheel(QObject *parent)
    : QObject(parent)
    , m_language(Localization::languageCode())
    , m_columns(columnsFor(m_language))
{
    const QLocale locale(Localization::localeName());
    for (int month = 1; month <= 12; ++month) {
        if (m_language == QLatin1String("ko"))
            m_monthNames.append(QStringLiteral("%1월").arg(month));
        else if (readsYearFirst(m_language))
            m_monthNames.append(QStringLiteral("%1月").arg(month));
        else
            m_monthNames.append(locale.standaloneMonthName(month, QLocale::LongFormat));
    }
}

QStringList FormDateWheel::columnsFor(const QString &language)
{
    if (readsYearFirst(language))
        return {QStringLiteral("year"), QStringLiteral("month"), QStringLiteral("day")};
    return {QStringLiteral("day"), QStringLiteral("month"), QStringLiteral("year")};
}

QString FormDateWheel::dayText(int day) const
{
    if (m_language == QLatin1String("ko"))
        return QStringLiteral("%1일").arg(day);
    if (readsYearFirst(m_language))
        return QStringLiteral("%1日").arg(day);
    return QString::number(day);
}

QString FormDateWheel::yearText(int year) const
{
    if (m_language == QLatin1String("ko"))
        return QStringLiteral("%1년").arg(year);
    if (readsYearFirst(m_language))
        return QStringLiteral("%1年").arg(year);
    return QString::number(year);
}

int FormDateWheel::daysInMonth(int year, int month) const
{
    const QDate first(year, month, 1);
    return first.isValid() ? first.daysInMonth() : 31;
}
