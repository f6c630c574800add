// Calendar files come from any program and any web page. The first input byte picks how many
// events the list holds before the import (3, 30, 29 or 1); the rest is the file.
// Checked: a file refused whole changes nothing; a file read accounts for each of its events
// once (added, skipped or refused); what is added keeps the list's rules; the events that were
// there all stay, in their order; the settings, the widget's contents and the calendar feed
// say what the step left.
#include "fuzzsupport.h"

#include <calendar/calendarfeed.h>
#include <calendar/icalendarimport.h>
#include <model/widgetcontent.h>
#include <store/eventtransfer.h>

#include <QDate>
#include <QSet>

namespace {

const int kCounts[] = {3, 30, 29, 1};

QList<EDate> numberedEvents(int count)
{
    QList<EDate> events;
    for (int i = 0; i < count; ++i) {
        events.append(EDate{QDate(2024, 6, 1).addDays(i * 7).toString(Qt::ISODate), 1, QStringLiteral("FFF4E0"),
                            QStringLiteral("2B2D42"), QStringLiteral("FF7580"), QStringLiteral("FFB4A2"),
                            QStringLiteral("E%1").arg(i), QStringLiteral("FlatBar"), QStringLiteral("FF7580"), false,
                            std::nullopt, true, QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'))});
    }
    return events;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QList<EDate> initial = numberedEvents(kCounts[data[0] % 4]);
    const QByteArray file = fuzz::bytes(data + 1, size - 1);

    fuzz::clearHome();
    const SettingsStore settings;
    FUZZ_REQUIRE(settings.setValue(EventRepository::kEventsKey, encodeEventList(initial)), QStringLiteral("seeding"));
    EventRepository repository(settings, NotificationCenter());
    repository.open();
    const QByteArray feedBefore = fuzz::readFile(CalendarFeed::path());
    const QString context = QStringLiteral("a calendar of %1 bytes on %2 events").arg(file.size()).arg(initial.size());

    const ICalendarImport::Reading reading = ICalendarImport::read(file);
    const TransferSummary summary = EventTransfer::importCalendarText(repository, file);
    const auto saved = decodeEventList(settings.value(EventRepository::kEventsKey).toByteArray());
    FUZZ_REQUIRE(saved.has_value(), context + QStringLiteral(": the settings do not decode"));

    if (!summary.fileRead()) {
        FUZZ_REQUIRE(reading.status != ICalendarImport::Reading::Status::Read, context + QStringLiteral(": read, then refused"));
        FUZZ_REQUIRE(*saved == initial, context + QStringLiteral(": a refused file changed the list"));
        FUZZ_REQUIRE(fuzz::readFile(CalendarFeed::path()) == feedBefore, context + QStringLiteral(": a refused file changed the feed"));
        return 0;
    }
    FUZZ_REQUIRE(reading.status == ICalendarImport::Reading::Status::Read, context);
    const qsizetype accounted = summary.added.size() + summary.skipped.size() + summary.refused.size();
    FUZZ_REQUIRE(accounted == reading.entries.size(),
                 context + QStringLiteral(": %1 events, %2 accounted for").arg(reading.entries.size()).arg(accounted));

    // The added ones at the front, everything that was there behind them, as it was.
    const qsizetype added = summary.added.size();
    FUZZ_REQUIRE(saved->size() == initial.size() + added && saved->size() <= EventRules::kMaxEvents,
                 context + QStringLiteral(": %1 saved after %2 added").arg(saved->size()).arg(added));
    FUZZ_REQUIRE(saved->mid(added) == initial, context + QStringLiteral(": an event that was there changed"));
    QSet<QString> ids;
    for (const EDate &event : *saved)
        ids.insert(event.id);
    FUZZ_REQUIRE(ids.size() == saved->size(), context + QStringLiteral(": two events share an id"));
    for (qsizetype i = 0; i < added; ++i) {
        const EDate &event = saved->at(i);
        const QString what = context + QStringLiteral(": added \"%1\" on %2").arg(event.dateTitle, event.ddate);
        FUZZ_REQUIRE(EventRules::checkTitle(event.dateTitle) == EventRules::TitleCheck::Fine
                         && event.dateTitle == EventRules::storableTitle(event.dateTitle),
                     what + QStringLiteral(": title"));
        FUZZ_REQUIRE(EventRules::isStorableDay(QDate::fromString(event.ddate, Qt::ISODate)), what + QStringLiteral(": date"));
        FUZZ_REQUIRE(event.countdown == std::optional(true) && (!event.repeat || event.repeatsYearly()), what);
        FUZZ_REQUIRE(event.id.size() == 36 && event.id == event.id.toUpper(), what + QStringLiteral(": id ") + event.id);
        FUZZ_REQUIRE(summary.added.at(i).title == event.dateTitle && summary.added.at(i).date == event.ddate,
                     what + QStringLiteral(": the summary says another event"));
    }

    // What was published is what the step left.
    const auto published = decodeWidgetContents(fuzz::readFile(widgetContentsPath()));
    FUZZ_REQUIRE(published && published->size() == saved->size(), context + QStringLiteral(": contents file"));
    FUZZ_REQUIRE(fuzz::readFile(CalendarFeed::path()).count("BEGIN:VEVENT") == saved->size(), context + QStringLiteral(": feed"));
    return 0;
}
