#include "calendarhelper.h"

#include "datecontext.h"
#include "edate.h"

#include <platform/clock.h>
#include <platform/localization.h>

#include <QCoreApplication>

#include <unicode/rbnf.h>

namespace {

QDateTime fromUDate(UDate instant)
{
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(instant));
}

// The local calendar day of an instant, as Qt numbers days (the Julian day numbers of ICU and
// Qt agree).
std::optional<QDate> localDay(DateContext &context, double instant)
{
    const auto start = context.startOfDay(instant);
    return start ? std::optional(QDate::fromJulianDay(start->julianDay)) : std::nullopt;
}

// The day an event's date text names. The "yyyy-MM-dd" the store writes is read as written:
// ICU's calendar would take a date before 1583 for a Julian one, and move its anniversaries.
std::optional<QDate> eventDay(DateContext &context, const QString &ddate)
{
    if (ddate.size() == 10) {
        const QDate written = QDate::fromString(ddate, Qt::ISODate);
        if (written.isValid())
            return written;
    }
    const auto parsed = context.parseByLength(ddate);
    return parsed ? localDay(context, *parsed) : std::nullopt;
}

std::optional<EventOccurrence> occurrenceAt(DateContext &context, double nowMs, const QString &ddate)
{
    const auto first = eventDay(context, ddate);
    const auto today = localDay(context, nowMs);
    if (!first || !today)
        return std::nullopt;
    return ::nextOccurrence(*first, *today);
}

QString storedText(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
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

QString eventDayCountText(DateContext &context, double nowMs, const EDate &event)
{
    if (event.repeatsYearly()) {
        if (const auto occurrence = occurrenceAt(context, nowMs, event.ddate))
            return dayCountText(context, nowMs, storedText(occurrence->day), true);
    }
    return dayCountText(context, nowMs, event.ddate, event.countdown);
}

QString CalendarHelper::getDayCount(const QString &ddate, std::optional<bool> countdown)
{
    return dayCountText(DateContext::current(), static_cast<double>(Clock::nowMs()), ddate, countdown);
}

QString CalendarHelper::getDayCount(const EDate &event)
{
    return eventDayCountText(DateContext::current(), static_cast<double>(Clock::nowMs()), event);
}

std::optional<EventOccurrence> CalendarHelper::nextOccurrence(const EDate &event)
{
    if (!event.repeatsYearly())
        return std::nullopt;
    return occurrenceAt(DateContext::current(), static_cast<double>(Clock::nowMs()), event.ddate);
}

std::optional<EventOccurrence> CalendarHelper::nextOccurrence(const QString &ddate, const QDateTime &now)
{
    return occurrenceAt(DateContext::current(), static_cast<double>(now.toMSecsSinceEpoch()), ddate);
}

QString CalendarHelper::countedDate(const EDate &event)
{
    const auto occurrence = nextOccurrence(event);
    return occurrence ? storedText(occurrence->day) : event.ddate;
}

QString CalendarHelper::occurrenceText(int ordinal)
{
    if (ordinal <= 0)
        return QString();
    // The ordinal number in the person's language ("10th", "10번째", "第10"), for the table's
    // phrase around it: one rule for every language, the ones added later included.
    UErrorCode status = U_ZERO_ERROR;
    const icu::RuleBasedNumberFormat format(icu::URBNF_ORDINAL, icu::Locale(Localization::localeName().toUtf8().constData()),
                                            status);
    QString number = QString::number(ordinal);
    if (U_SUCCESS(status)) {
        icu::UnicodeString text;
        format.format(int32_t(ordinal), text);
        number = QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
    }
    // Where ICU has no ordinals of a language it writes "10." (its fallback); Russian writes
    // "10-й", and Arabic puts the number after the word with no mark.
    const QString language = Localization::localeName().section(QLatin1Char('_'), 0, 0);
    if (number.endsWith(QLatin1Char('.')) && (language == QLatin1String("ru") || language == QLatin1String("ar"))) {
        number.chop(1);
        if (language == QLatin1String("ru"))
            number += QStringLiteral("-й");
    }
    //% "%1 year"
    return qtTrId("Occurrence.year").arg(number);
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

std::optional<QDateTime> CalendarHelper::parseLongDate(const QString &text)
{
    const auto parsed = DateContext::current().parseLongDate(text);
    return parsed ? std::optional(fromUDate(*parsed)) : std::nullopt;
}

std::optional<QDate> CalendarHelper::dayOf(const QString &ddate)
{
    return eventDay(DateContext::current(), ddate);
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
