#include "remindertext.h"

#include <model/calendarhelper.h>
#include <model/countwords.h>

#include <QCoreApplication>

namespace ReminderText {

std::optional<qint64> daysLeft(const EDate &event)
{
    if (!event.countsDown())
        return std::nullopt;
    // A yearly event's count runs to its next occurrence.
    const QString count = CalendarHelper::getDayCount(event);
    if (count == QLatin1String("YAY!"))
        return 0;
    bool number = false;
    const qint64 days = count.toLongLong(&number);
    if (!number || days < 0)
        return std::nullopt;
    return days;
}

QString body(qint64 daysLeft)
{
    if (daysLeft == 0)
        //% "Today is the day!"
        return qtTrId("Notification.today");
    //% "%n day(s) left"
    return qtTrId("Notification.daysleft", CountWords::pluralNumber(daysLeft));
}

} // namespace ReminderText
