#include "provider.h"

#include "widgetslog.h"

#include <intent/contentsfile.h>
#include <model/calendarhelper.h>
#include <platform/clock.h>


// The dumps of whole timelines are debug lines, off unless asked for
// (QT_LOGGING_RULES="tallowick.widgets.debug=true"): they come with every timeline.
Q_LOGGING_CATEGORY(lcWidgets, "tallowick.widgets", QtWarningMsg)

namespace {

// The title a widget asks for before anyone configured it; an event that is really titled
// "0" therefore shows like an unconfigured widget.
const QString kUnconfiguredTitle = QStringLiteral("0");

// Noon of `now`'s day one calendar month on, as an event stores its date ("2027-01-08"), so
// the sample counts the month like any event (a long-style text would not parse, and the
// sample would read "YAY!"). Adding a month keeps the day where the next month has it and
// clamps it where it has not (31 -> 30).
QString dayOneMonthAfter(const QDateTime &now)
{
    const QDateTime noon(now.date().addMonths(1), QTime(12, 0));
    return CalendarHelper::formatStoredDate(noon);
}

} // namespace

const WidgetContent &Provider::defaultEntry()
{
    static const WidgetContent entry = makeDefaultEntry(Clock::now());
    return entry;
}

WidgetContent Provider::makeDefaultEntry(const QDateTime &now)
{
    return WidgetContent{now,
                         dayOneMonthAfter(now),
                         QStringLiteral("FF7580"),
                         QStringLiteral("F7EDCC"),
                         QStringLiteral("FFECAF"),
                         QStringLiteral("Your Event Title"),
                         true,
                         QStringLiteral("ThereelineBar"),
                         0};
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
    // The widget finds its event by title: the identifier (a page number) goes stale as soon
    // as the app reorders its events.
    const QString title = configuration.eventTitle ? configuration.eventTitle->displayString() : kUnconfiguredTitle;
    qCInfo(lcWidgets).noquote() << title;

    const QList<WidgetContent> records = readPublishedContents(lcWidgets());
    qCDebug(lcWidgets).noquote() << describeContents(records);

    Timeline timeline;
    if (title == kUnconfiguredTitle) {
        if (!records.isEmpty())
            timeline.entries.append(records.first());
        else
            // Before the app first publishes, a sample beats a blank widget.
            timeline.entries.append(defaultEntry());
    } else {
        for (const WidgetContent &record : records) {
            if (record.dateTitle == title)
                timeline.entries.append(record);
        }
    }
    qCDebug(lcWidgets).noquote() << describeContents(timeline.entries);
    return timeline;
}
