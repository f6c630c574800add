#include "daycounter.h"

#include <model/calendarhelper.h>
#include <model/countspan.h>
#include <model/countwords.h>
#include <model/edate.h>
#include <platform/clock.h>

DayCounter::DayCounter(QObject *parent)
    : QObject(parent)
    , m_minute(Clock::nowMs() / 60000)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // A change of zone or clock shows at the next minute at the latest.
        CalendarHelper::refreshSystemSettings();
        m_minute = Clock::nowMs() / 60000;
        Q_EMIT minuteChanged();
        scheduleNextTick();
    });
    scheduleNextTick();
}

QString DayCounter::getDayCount(const QString &ddate, const QVariant &countdown) const
{
    const std::optional<bool> direction =
        countdown.isValid() && !countdown.isNull() ? std::optional(countdown.toBool()) : std::nullopt;
    return CalendarHelper::getDayCount(ddate, direction);
}

QString DayCounter::getRightDateFormat(const QString &ddate) const
{
    return CalendarHelper::getRightDateFormat(ddate);
}

namespace {

// The occurrence a yearly event counts to; none for any other event.
std::optional<EventOccurrence> nextOccurrenceOf(const QString &ddate, bool yearly)
{
    return yearly ? CalendarHelper::nextOccurrence(ddate, Clock::now()) : std::nullopt;
}

QString countedDateOf(const QString &ddate, const std::optional<EventOccurrence> &occurrence)
{
    return occurrence ? occurrence->day.toString(Qt::ISODate) : ddate;
}

QString occurrenceTextOf(const std::optional<EventOccurrence> &occurrence)
{
    return occurrence ? CalendarHelper::occurrenceText(occurrence->ordinal) : QString();
}

// The fields of an event that its count depends on.
EDate countedEvent(const QString &ddate, bool countdown, bool yearly, const QString &unit)
{
    EDate event;
    event.ddate = ddate;
    event.countdown = countdown;
    if (yearly)
        event.repeat = QString::fromLatin1(EDate::kRepeatYearly);
    event.countUnit = CountUnits::toStored(CountUnits::fromName(unit).value_or(CountUnit::Days));
    return event;
}

} // namespace

QString DayCounter::countedDate(const QString &ddate, bool yearly) const
{
    return countedDateOf(ddate, nextOccurrenceOf(ddate, yearly));
}

QString DayCounter::occurrenceText(const QString &ddate, bool yearly) const
{
    return occurrenceTextOf(nextOccurrenceOf(ddate, yearly));
}

QString DayCounter::eventDate(const QString &ddate, bool yearly) const
{
    const auto occurrence = nextOccurrenceOf(ddate, yearly);
    const QString date = CalendarHelper::getRightDateFormat(countedDateOf(ddate, occurrence));
    const QString which = occurrenceTextOf(occurrence);
    return which.isEmpty() ? date : date + QStringLiteral(" · ") + which;
}

QString DayCounter::spokenPage(const QString &title, const QString &ddate, bool countdown, bool yearly,
                               const QString &unit) const
{
    const QString span = CountSpans::spokenSpan(countedEvent(ddate, countdown, yearly, unit));
    if (!yearly)
        return CountWords::pageText(title, ddate, countdown, span);
    // A yearly event counts down to its next occurrence, and says which one it is.
    const auto occurrence = nextOccurrenceOf(ddate, true);
    const QString page = CountWords::pageText(title, countedDateOf(ddate, occurrence), true, span);
    const QString which = occurrenceTextOf(occurrence);
    return which.isEmpty() ? page : page + QStringLiteral(", ") + which;
}

QVariantMap DayCounter::shownCount(const QString &ddate, bool countdown, bool yearly, const QString &unit) const
{
    const CountSpans::Shown shown = CountSpans::shown(countedEvent(ddate, countdown, yearly, unit));
    return {{QStringLiteral("number"), shown.number}, {QStringLiteral("beneath"), shown.beneath}};
}

void DayCounter::scheduleNextTick()
{
    if (Clock::isFixed())
        return; // a fixed clock (tests, screenshots) never turns
    const qint64 now = Clock::nowMs();
    m_timer.start(int(60000 - now % 60000) + 5);
}
