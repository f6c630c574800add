#include "clock.h"

#include <atomic>
#include <cstdlib>
#include <limits>

namespace {
constexpr qint64 kSystemTime = std::numeric_limits<qint64>::min();
std::atomic<qint64> fixedMs{kSystemTime};

// A plug-in carries its own copy of this code; a clock fixed by its host reaches it through
// the process environment.
constexpr char kFixedEnv[] = "TALLOWICK_FIXED_NOW_MS";

qint64 fixedFromEnvironment()
{
    const char *value = std::getenv(kFixedEnv);
    if (!value || !*value)
        return kSystemTime;
    char *end = nullptr;
    const long long ms = std::strtoll(value, &end, 10);
    return *end == '\0' ? qint64(ms) : kSystemTime;
}
} // namespace

namespace Clock {

qint64 nowMs()
{
    qint64 fixed = fixedMs.load(std::memory_order_relaxed);
    if (fixed == kSystemTime)
        fixed = fixedFromEnvironment();
    return fixed == kSystemTime ? QDateTime::currentMSecsSinceEpoch() : fixed;
}

QDateTime now()
{
    return QDateTime::fromMSecsSinceEpoch(nowMs());
}

void setFixed(const QDateTime &instant)
{
    fixedMs.store(instant.toMSecsSinceEpoch(), std::memory_order_relaxed);
    qputenv(kFixedEnv, QByteArray::number(instant.toMSecsSinceEpoch()));
}

void useSystemTime()
{
    fixedMs.store(kSystemTime, std::memory_order_relaxed);
    qunsetenv(kFixedEnv);
}

bool isFixed()
{
    return fixedMs.load(std::memory_order_relaxed) != kSystemTime || fixedFromEnvironment() != kSystemTime;
}

std::optional<QDateTime> parseLocalTimestamp(const QString &text)
{
    const QDateTime parsed = QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!parsed.isValid())
        return std::nullopt;
    return parsed;
}

} // namespace Clock
