#include "entrytexts.h"

#include "groupdatehelper.h"

#include <QCoreApplication>

namespace {

QString labelFor(bool countdown, WidgetFamily family)
{
    // The medium size has keys of its own, so its wording can differ where a language needs it.
    if (family == WidgetFamily::SystemMedium) {
        if (countdown) {
            //% "days left"
            return qtTrId("Event.daysLeft");
        }
        //% "days"
        return qtTrId("Event.days");
    }
    if (countdown) {
        //% "days left"
        return qtTrId("days left");
    }
    //% "days"
    return qtTrId("days");
}

} // namespace

EntryTexts entryTexts(const WidgetContent &entry, WidgetFamily family)
{
    const GroupDateHelper helper;
    return EntryTexts{entry.dateTitle, helper.getDayCount(entry.ddate, entry.countdown),
                      helper.getRightDateFormat(entry.ddate), labelFor(entry.countdown, family)};
}
