#include "calendarhelper.h"

#include "datecontext.h"

#include <platform/clock.h>

namespace {

QDateTime fromUDate(UDate instant)
{
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(instant));
}

} // namespace

QString dayCountText(DateContext &context, double nowMs, const QString &ddate, std::optional<bool> countdown)
{
    const auto start = context.startOfDayFor(ddate, nowMs);
    icu::Calendar *calendar = context.calendar();
    if (!start || !calendar)
        return ddate;

    // The calendar difference from now to the start of the target day in days, hours,
    // minutes and seconds, each carrying the sign of the difference. Days are calendar days
    // (now moved by whole days keeps its wall-clock time, so a 23- or 25-hour day is one day);
    // the rest is plain elapsed time. Worked out from day numbers rather than by searching,
    // which is what keeps a count cheap enough to redraw freely.
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(nowMs, status);
    qint64 days = qint64(start->julianDay) - calendar->get(UCAL_JULIAN_DAY, status);
    calendar->add(UCAL_DATE, static_cast<int32_t>(days), status);
    UDate moved = calendar->getTime(status);
    if (start->instant > nowMs && moved > start->instant) {
        // Now's time of day lies past midnight: the last whole day ends one day earlier.
        --days;
        calendar->add(UCAL_DATE, -1, status);
        moved = calendar->getTime(status);
    }
    if (U_FAILURE(status))
        return QStringLiteral("00");
    const qint64 remainderSeconds = static_cast<qint64>((start->instant - moved) / 1000.0);
    const qint64 hours = remainderSeconds / 3600;
    const qint64 minutes = (remainderSeconds % 3600) / 60;
    const qint64 seconds = remainderSeconds % 60;

    qint64 count = 0;
    if (countdown.value_or(true)) {
        // The target day itself, and its last minute before, are the day.
        if (days == 0 && hours <= 0 && minutes <= 0)
            return QStringLiteral("YAY!");
        // Any time left beyond whole days means a started day still to go.
        const bool partialDay = hours > 0 || minutes > 0 || seconds > 0;
        count = (days >= 0 && partialDay) ? days + 1 : days;
    } else {
        if (days == 0 && hours < 0)
            count = 1;
        else if (days > 0)
            count = days;
        else
            count = 1 - days;
    }
    return QString::number(count);
}

QString CalendarHelper::getDayCount(const QString &ddate, std::optional<bool> countdown)
{
    return dayCountText(DateContext::current(), static_cast<double>(Clock::nowMs()), ddate, countdown);
}

QDateTime CalendarHelper::toDate(const QString &text)
{
    return parse(text).value_or(Clock::now());
}

std::optional<QDateTime> CalendarHelper::parse(const QString &text)
{
    const auto parsed = DateContext::current().parseByLength(text);
    return parsed ? std::optional(fromUDate(*parsed)) : std::nullopt;
}

QDateTime CalendarHelper::toDayDate(const QString &text)
{
    const auto parsed = DateContext::current().parseDay(text);
    return parsed ? fromUDate(*parsed) : Clock::now();
}

QString CalendarHelper::getRightDateFormat(const QString &text)
{
    DateContext &context = DateContext::current();
    const auto parsed = context.parseByLength(text);
    if (!parsed)
        return text;
    return context.formatDisplay(*parsed);
}

QString CalendarHelper::longDate(const QString &text)
{
    DateContext &context = DateContext::current();
    const auto parsed = context.parseByLength(text);
    return parsed ? context.formatLong(*parsed) : text;
}

QString CalendarHelper::formatStoredDate(const QDateTime &instant)
{
    return DateContext::current().formatDay(static_cast<UDate>(instant.toMSecsSinceEpoch()));
}

void CalendarHelper::refreshSystemSettings()
{
    DateContext::invalidateAll();
}
