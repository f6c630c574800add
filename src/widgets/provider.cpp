#include "provider.h"

#include "widgetslog.h"

#include <intent/contentsfile.h>
#include <model/calendarhelper.h>
#include <platform/clock.h>

#include <QCoreApplication>
#include <QUuid>

#include <algorithm>


// The dumps of whole timelines are debug lines, off unless asked for
// (QT_LOGGING_RULES="tallowick.widgets.debug=true"): they come with every timeline.
Q_LOGGING_CATEGORY(lcWidgets, "tallowick.widgets", QtWarningMsg)

namespace {

// Noon of `now`'s day one calendar month on, as an event stores its date ("2027-01-08"), so
// the sample counts the month like any event (a long-style text would not parse, and the
// sample would read "YAY!"). Adding a month keeps the day where the next month has it and
// clamps it where it has not (31 -> 30).
QString dayOneMonthAfter(const QDateTime &now)
{
    const QDateTime noon(now.date().addMonths(1), QTime(12, 0));
    return CalendarHelper::formatStoredDate(noon);
}

// Configurations made before events had ids carry a page number as their identifier.
bool namesAnEventId(const QString &identifier)
{
    return !QUuid::fromString(identifier).isNull();
}

} // namespace

WidgetContent Provider::defaultEntry()
{
    // Made afresh: a sample made once would count down, in a home screen that runs for weeks,
    // to "YAY!" and below.
    return makeDefaultEntry(Clock::now());
}

WidgetContent Provider::makeDefaultEntry(const QDateTime &now)
{
    return WidgetContent{now,
                         dayOneMonthAfter(now),
                         QStringLiteral("FF7580"),
                         QStringLiteral("F7EDCC"),
                         QStringLiteral("FFECAF"),
                         //% "Your Event Title"
                         qtTrId("Widget.sampleTitle"),
                         true,
                         QStringLiteral("ThereelineBar"),
                         0,
                         QString()};
}

WidgetContent Provider::placeholder() const
{
    return defaultEntry();
}

WidgetContent Provider::getSnapshot() const
{
    return defaultEntry();
}

Provider::Timeline Provider::getTimeline(const SelectEventIntent &configuration) const
{
    const QList<WidgetContent> records = readPublishedContents(lcWidgets());
    qCDebug(lcWidgets).noquote() << describeContents(records);

    const WidgetContent *shown = nullptr;
    Timeline timeline;
    if (const auto &chosen = configuration.eventTitle) {
        const QString identifier = chosen->identifier();
        // A configuration saved before events had ids names a page ("0", "1", ...), never an
        // event, even should a hand-made record carry such an id.
        const bool byIdentifier = namesAnEventId(identifier);
        const auto byId = std::find_if(records.cbegin(), records.cend(),
                                       [&](const WidgetContent &r) { return byIdentifier && r.eventId == identifier; });
        if (byId != records.cend()) {
            shown = &*byId;
        } else if (!namesAnEventId(identifier)) {
            const auto byTitle = std::find_if(records.cbegin(), records.cend(),
                                              [&](const WidgetContent &r) { return r.dateTitle == chosen->displayString(); });
            if (byTitle != records.cend())
                shown = &*byTitle;
        }
        const QString shownId = shown ? shown->eventId.value_or(QString()) : QString();
        if (!shownId.isEmpty() && (shownId != identifier || shown->dateTitle != chosen->displayString()))
            timeline.configuration = SelectEventIntent{Event(shownId, shown->dateTitle)};
        if (!shown)
            qCDebug(lcWidgets).noquote() << "The event" << chosen->displayString() << "is gone; showing the first one";
    }
    if (!shown && !records.isEmpty())
        shown = &records.first();
    if (shown)
        timeline.entries.append(*shown);
    else if (!configuration.eventTitle)
        // Before the app first publishes, a sample beats a blank widget.
        timeline.entries.append(defaultEntry());
    qCDebug(lcWidgets).noquote() << describeContents(timeline.entries);
    return timeline;
}
