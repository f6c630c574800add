#include "groupdatehelper.h"

#include <model/calendarhelper.h>

QString GroupDateHelper::getDayCount(const QString &ddate, bool countdown) const
{
    return CalendarHelper::getDayCount(ddate, countdown);
}

QString GroupDateHelper::getRightDateFormat(const QString &text) const
{
    return CalendarHelper::getRightDateFormat(text);
}
