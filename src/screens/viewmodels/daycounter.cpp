#include "daycounter.h"

#include <model/calendarhelper.h>
#include <model/countwords.h>
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

QString DayCounter::spokenPage(const QString &title, const QString &ddate, bool countdown) const
{
    return CountWords::pageText(title, ddate, countdown);
}

void DayCounter::scheduleNextTick()
{
    if (Clock::isFixed())
        return; // a fixed clock (tests, screenshots) never turns
    const qint64 now = Clock::nowMs();
    m_timer.start(int(60000 - now % 60000) + 5);
}
