#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// How many days ahead of an event its reminders start.
enum class NotiDays { one, three, seven, off };

// The code an event stores in `repeatNotification`. The codes are saved with the event list,
// so they never change: one 1, three 2, seven 3, off 0.
qint64 notiDaysCode(NotiDays option);
// Reads a stored code back; an unknown code is `off`.
NotiDays notiDaysFromCode(qint64 code);

// The number of reminders an option schedules: the day itself plus the days before it.
int reminderCount(NotiDays option);

// The option's name on the command line: "one", "three", "seven" or "off".
QString notiDaysName(NotiDays option);
// Nothing for a name that is none of those.
std::optional<NotiDays> notiDaysFromName(const QString &name);
