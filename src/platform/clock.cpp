#include "clock.h"

#include <atomic>
#include <limits>

namespace {
constexpr qint64 kSystemTime = std::numeric_limits<qint64>::min();
std::atomic<qint64> fixedMs{kSystemTime};
// Added to the system's time while the clock runs from another start (startAt).
std::atomic<qint64> offsetMs{0};
} // namespace

namespace Clock {

qint64 nowMs()
{
    const qint64 fixed = fixedMs.load(std::memory_order_relaxed);
    return fixed == kSystemTime ? QDateTime::currentMSecsSinceEpoch() + offsetMs.load(std::memory_order_relaxed) : fixed;
}

QDateTime now()
{
    return QDateTime::fromMSecsSinceEpoch(nowMs());
}

void setFixed(const QDateTime &instant)
{
    fixedMs.store(instant.toMSecsSinceEpoch(), std::memory_order_relaxed);
}

void startAt(const QDateTime &instant)
{
    offsetMs.store(instant.toMSecsSinceEpoch() - QDateTime::currentMSecsSinceEpoch(), std::memory_order_relaxed);
    fixedMs.store(kSystemTime, std::memory_order_relaxed);
}

void useSystemTime()
{
    fixedMs.store(kSystemTime, std::memory_order_relaxed);
    offsetMs.store(0, std::memory_order_relaxed);
}

bool isFixed()
{
    return fixedMs.load(std::memory_order_relaxed) != kSystemTime;
}

bool isSystemTime()
{
    return !isFixed() && offsetMs.load(std::memory_order_relaxed) == 0;
}

std::optional<QDateTime> parseLocalTimestamp(const QString &text)
{
    const QDateTime parsed = QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!parsed.isValid())
        return std::nullopt;
    return parsed;
}

} // namespace Clock
