#include "timechangewatch.h"

#include <platform/clock.h>

#include <QFileInfo>

#include <cstdlib>

namespace {

// Clock slewing by time synchronisation and the lateness of a minute timer stay well inside.
constexpr qint64 kToleranceMs = 30 * 1000;

} // namespace

TimeChangeWatch::TimeChangeWatch(QString zoneFile)
    : m_zoneFile(std::move(zoneFile))
{
    reset();
}

void TimeChangeWatch::reset()
{
    m_zone = zoneSignature();
    m_wallMs = Clock::nowMs();
    m_elapsed.start();
}

bool TimeChangeWatch::check()
{
    const qint64 wallPassed = Clock::nowMs() - m_wallMs;
    // The monotonic clock runs at the wall clock's pace but is never set, and stands still
    // while the machine sleeps: any difference means the wall clock was moved.
    const qint64 timePassed = m_elapsed.elapsed();
    const bool jumped = std::abs(wallPassed - timePassed) > kToleranceMs;
    const bool zoneChanged = zoneSignature() != m_zone;
    reset();
    return jumped || zoneChanged;
}

QString TimeChangeWatch::zoneSignature() const
{
    if (const char *tz = std::getenv("TZ"))
        return QStringLiteral("TZ=") + QString::fromLocal8Bit(tz);
    // A zone change replaces the link's target or the file itself.
    QFileInfo file(m_zoneFile);
    return QStringLiteral("%1|%2|%3")
        .arg(file.symLinkTarget())
        .arg(file.lastModified().toMSecsSinceEpoch())
        .arg(file.size());
}
