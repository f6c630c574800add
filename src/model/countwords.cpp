#include "countwords.h"

#include "calendarhelper.h"

#include <platform/clock.h>

#include <QCoreApplication>
#include <QLocale>

namespace CountWords {

int pluralNumber(qint64 days)
{
    return int(std::min<qint64>(days, std::numeric_limits<int>::max()));
}

Meaning meaningOf(const QString &count, const QString &ddate, std::optional<bool> countdown)
{
    if (count == QLatin1String("YAY!"))
        return {Meaning::Kind::Today, 0};
    bool isNumber = false;
    const qint64 number = count.toLongLong(&isNumber);
    // "00" (no calendar difference) or the raw date text is no count.
    if (!isNumber || count != QString::number(number))
        return {Meaning::Kind::Unknown, 0};
    if (countdown.value_or(true))
        return number < 0 ? Meaning{Meaning::Kind::DaysAgo, -number} : Meaning{Meaning::Kind::DaysLeft, number};
    const auto date = CalendarHelper::parse(ddate);
    if (date && date->date() > Clock::now().date())
        return {Meaning::Kind::DaysLeft, number};
    return {Meaning::Kind::DayNumber, number};
}

QString pageText(const QString &title, const QString &ddate, std::optional<bool> countdown, const QString &span)
{
    const QString count = CalendarHelper::getDayCount(ddate, countdown);
    const QString date = CalendarHelper::longDate(ddate);
    const Meaning meaning = meaningOf(count, ddate, countdown);
    switch (meaning.kind) {
    case Meaning::Kind::Today:
        //% "%1, %2, today"
        return qtTrId("page.countdownToday").arg(title, date);
    case Meaning::Kind::DaysLeft:
        if (!span.isEmpty()) {
            //% "%1, %2, %3 left"
            return qtTrId("page.countdownSpan").arg(title, date, span);
        }
        //% "%1, %2, %Ln day(s) left"
        return qtTrId("page.countdown", pluralNumber(meaning.days)).arg(title, date);
    case Meaning::Kind::DaysAgo:
        if (!span.isEmpty()) {
            //% "%1, %2, %3 ago"
            return qtTrId("page.countdownPastSpan").arg(title, date, span);
        }
        //% "%1, %2, %Ln day(s) ago"
        return qtTrId("page.countdownPast", pluralNumber(meaning.days)).arg(title, date);
    case Meaning::Kind::DayNumber:
        if (!span.isEmpty()) {
            //% "%1, %3 since %2"
            return qtTrId("page.countupSpan").arg(title, date, span);
        }
        //% "%1, day %3 since %2"
        return qtTrId("page.countup").arg(title, date, QLocale().toString(meaning.days));
    case Meaning::Kind::Unknown:
        break;
    }
    return QStringList{title, date, count}.join(QStringLiteral(", "));
}

} // namespace CountWords
