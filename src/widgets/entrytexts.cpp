#include "entrytexts.h"

#include "groupdatehelper.h"

#include <model/calendarhelper.h>
#include <model/countspan.h>
#include <model/countwords.h>
#include <model/edate.h>

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

// The count in a larger unit: the number of the largest part that counts, the label its unit
// ("weeks left", "months ago", "years") and, where the view has room, the rest ("· 3 days").
// Nothing when the entry counts in days, or nothing counts in a larger unit yet.
std::optional<std::pair<QString, QString>> unitCount(const WidgetContent &entry, WidgetFamily family)
{
    if (entry.unit() == CountUnit::Days)
        return std::nullopt;
    EDate event;
    event.ddate = entry.ddate; // a yearly event's record holds the occurrence it counts to
    event.countdown = entry.countdown;
    event.countUnit = entry.countUnit;
    const CountSpans::EventCount count = CountSpans::ofEvent(event);
    const CountSpan parts = CountSpans::shownParts(count.span);
    if (parts.isEmpty())
        return std::nullopt;
    const QString word = CountSpans::unitWord(parts.first().unit, parts.first().amount);
    QString label = word;
    if (count.meaning.kind == Kind::DaysLeft) {
        //% "%1 left"
        label = qtTrId("unit.left").arg(word);
    } else if (count.meaning.kind == Kind::DaysAgo) {
        //% "%1 ago"
        label = qtTrId("unit.ago").arg(word);
    }
    if (parts.size() > 1 && family != WidgetFamily::SystemSmall)
        label += QStringLiteral(" · ") + CountSpans::text(parts.mid(1));
    return std::pair{QString::number(parts.first().amount), label};
}

} // namespace

EntryTexts entryTexts(const WidgetContent &entry, WidgetFamily family)
{
    const GroupDateHelper helper;
    // A yearly event's record counts to its next occurrence; the date says which one it is.
    QString date = helper.getRightDateFormat(entry.ddate);
    if (entry.repeatsYearly() && entry.occurrence && *entry.occurrence > 0 && *entry.occurrence < 10000)
        date += QStringLiteral(" · ") + CalendarHelper::occurrenceText(int(*entry.occurrence));
    if (const auto inUnit = unitCount(entry, family))
        return EntryTexts{entry.dateTitle, inUnit->first, date, inUnit->second};

    QString count = helper.getDayCount(entry.ddate, entry.countdown);
    const CountWords::Meaning meaning = CountWords::meaningOf(count, entry.ddate, entry.countdown);
    // The label says "ago": the number beside it is the days since, never a negative one.
    if (meaning.kind == Kind::DaysAgo)
        count = QString::number(meaning.days);
    return EntryTexts{entry.dateTitle, count, date, labelFor(meaning, entry.countdown, family)};
}
