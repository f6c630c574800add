#include "midnighttimer.h"

#include <platform/clock.h>

#include <algorithm>

namespace {

// Long waits are cut short so that a wall clock set by hand is noticed within the hour even
// when nobody calls poll().
constexpr qint64 kLongestWaitMs = 60 * 60 * 1000;

} // namespace

MidnightTimer::MidnightTimer(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    // A coarse timer may be late by a twentieth of its interval: minutes, for an hour's wait.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &MidnightTimer::poll);
}

QDateTime MidnightTimer::nextMidnightAfter(const QDateTime &now)
{
    return now.toLocalTime().date().addDays(1).startOfDay();
}

void MidnightTimer::start()
{
    m_day = Clock::now().date();
    arm();
}

void MidnightTimer::stop()
{
    m_timer.stop();
    m_nextFire = QDateTime();
}

void MidnightTimer::poll()
{
    if (!m_nextFire.isValid())
        return;
    const QDate today = Clock::now().date();
    if (today != m_day) {
        m_day = today;
        Q_EMIT midnight();
    }
    arm();
}

void MidnightTimer::arm()
{
    const QDateTime now = Clock::now();
    m_nextFire = nextMidnightAfter(now);
    m_timer.start(int(std::clamp<qint64>(now.msecsTo(m_nextFire), 0, kLongestWaitMs)));
}
