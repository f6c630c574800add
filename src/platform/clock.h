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
void useSystemTime();
bool isFixed();

// Reads a --now value: local time "yyyy-MM-ddTHH:mm:ss" in the process's time zone.
std::optional<QDateTime> parseLocalTimestamp(const QString &text);

} // namespace Clock
