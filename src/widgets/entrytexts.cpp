#include "entrytexts.h"

#include "groupdatehelper.h"

#include <model/calendarhelper.h>
#include <model/countwords.h>

#include <QCoreApplication>

namespace {

using Kind = CountWords::Meaning::Kind;

QString labelFor(const CountWords::Meaning &meaning, bool countdown, WidgetFamily family)
{
    const int n = CountWords::pluralNumber(meaning.days);
    if (meaning.kind == Kind::Today) {
        //% "today"
        return qtTrId("Event.today");
    }
    // The medium size has keys of its own, so its wording can differ where a language needs it.
    const bool medium = family == WidgetFamily::SystemMedium;
    if (!countdown) {
        //% "days"
        return medium ? qtTrId("Event.days", n) : qtTrId("days", n);
    }
    // A count-down whose day went by counts the days since, never "days left".
    if (meaning.kind == Kind::DaysAgo) {
        //% "days ago"
        return medium ? qtTrId("Event.daysAgo", n) : qtTrId("days ago", n);
    }
    //% "days left"
    return medium ? qtTrId("Event.daysLeft", n) : qtTrId("days left", n);
}

} // namespace

EntryTexts entryTexts(const WidgetContent &entry, WidgetFamily family)
{
    const GroupDateHelper helper;
    QString count = helper.getDayCount(entry.ddate, entry.countdown);
    const CountWords::Meaning meaning = CountWords::meaningOf(count, entry.ddate, entry.countdown);
    // The label says "ago": the number beside it is the days since, never a negative one.
    if (meaning.kind == Kind::DaysAgo)
        count = QString::number(meaning.days);
    // A yearly event's record counts to its next occurrence; the date says which one it is.
    QString date = helper.getRightDateFormat(entry.ddate);
    if (entry.repeatsYearly() && entry.occurrence && *entry.occurrence > 0 && *entry.occurrence < 10000)
        date += QStringLiteral(" · ") + CalendarHelper::occurrenceText(int(*entry.occurrence));
    return EntryTexts{entry.dateTitle, count, date, labelFor(meaning, entry.countdown, family)};
}
