#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// The one source of "now" for every part of Tallowick. Tests and the --now options fix it.
namespace Clock {

// Milliseconds since 1970-01-01 UTC.
qint64 nowMs();
QDateTime now();

// Freezes the clock at the given instant until useSystemTime() is called.
void setFixed(const QDateTime &instant);
// Sets the clock to `instant` from which it runs on, as the system's time does: a program
// that lives for a while (the app, the home screen) meets the times after it, 10:00 say.
void startAt(const QDateTime &instant);
void useSystemTime();
// Frozen by setFixed().
bool isFixed();
// Neither frozen nor started at another time.
bool isSystemTime();

// Reads a --now value: local time "yyyy-MM-ddTHH:mm:ss" in the process's time zone.
std::optional<QDateTime> parseLocalTimestamp(const QString &text);

} // namespace Clock
