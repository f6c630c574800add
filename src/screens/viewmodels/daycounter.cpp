#include "daycounter.h"

#include <model/calendarhelper.h>
#include <platform/clock.h>

#include <unicode/datefmt.h>

#include <memory>

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

// The whole date, its year in four digits, as the language writes it in full.
QString wholeDate(const QString &ddate)
{
    const auto parsed = CalendarHelper::parse(ddate);
    if (!parsed)
        return ddate;
    std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(icu::DateFormat::kLong));
    if (!format)
        return ddate;
    icu::UnicodeString out;
    format->format(static_cast<UDate>(parsed->toMSecsSinceEpoch()), out);
    return QString(reinterpret_cast<const QChar *>(out.getBuffer()), out.length());
}

} // namespace

QString DayCounter::spokenPage(const QString &title, const QString &ddate, bool countdown) const
{
    const QString count = CalendarHelper::getDayCount(ddate, countdown);
    bool isNumber = false;
    const int days = count.toInt(&isNumber);
    if (!countdown)
        //% "%1, day %2 since %3"
        return qtTrId("a11y.countUp").arg(title, count, wholeDate(ddate));
    QString words;
    if (!isNumber)
        //% "today"
        words = qtTrId("a11y.today");
    else if (days >= 0)
        words = qtTrId("Notification.daysleft", days);
    else
        //% "%n day(s) ago"
        words = qtTrId("a11y.daysAgo", -days);
    //% "%1, %2, %3"
    return qtTrId("a11y.countDown").arg(title, wholeDate(ddate), words);
}

void DayCounter::scheduleNextTick()
{
    if (Clock::isFixed())
        return; // a fixed clock (tests, screenshots) never turns
    const qint64 now = Clock::nowMs();
    m_timer.start(int(60000 - now % 60000) + 5);
}
