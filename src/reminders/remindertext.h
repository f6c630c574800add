#pragma once

#include <model/edate.h>

#include <QString>
#include <optional>

// What a reminder says, worked out when it is shown: the count of its event at that moment,
// in the person's language, with the plural that language gives the number.
namespace ReminderText {

// The days left until a count-down event, as its page counts them: 0 on the day itself;
// nothing once the day is over, or for an event that counts up. A yearly event's day is its
// next occurrence, so it is never over.
std::optional<qint64> daysLeft(const EDate &event);

// "Today is the day!" for 0 days, "1 day left", "3 days left" (translated).
QString body(qint64 daysLeft);

} // namespace ReminderText
