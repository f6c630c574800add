// Calendar files come from any program and any web page. The first input byte picks how many
// events the list holds before the import (3, 30, 29 or 1); the rest is the file.
// Checked: a file refused whole changes nothing; a file read accounts for each of its events
// once (added, skipped or refused); what is added keeps the list's rules; the events that were
// there all stay, in their order; the settings, the widget's contents and the calendar feed
// say what the step left.
#include "importstep.h"

#include <calendar/icalendarimport.h>
#include <store/eventtransfer.h>

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QList<EDate> initial = fuzz::numberedEvents(data[0]);
    const QByteArray file = fuzz::bytes(data + 1, size - 1);
    const QString context = QStringLiteral("a calendar of %1 bytes on %2 events").arg(file.size()).arg(initial.size());

    const ICalendarImport::Reading reading = ICalendarImport::read(file);
    const auto step = fuzz::importOnto(initial, context, [&](EventRepository &repository) {
        return EventTransfer::importCalendarText(repository, file);
    });
    if (!step) {
        FUZZ_REQUIRE(reading.status != ICalendarImport::Reading::Status::Read, context + QStringLiteral(": read, then refused"));
        return 0;
    }
    const TransferSummary &summary = step->summary;
    const QList<EDate> &saved = step->saved;
    FUZZ_REQUIRE(reading.status == ICalendarImport::Reading::Status::Read, context);
    const qsizetype accounted = summary.added.size() + summary.skipped.size() + summary.refused.size();
    FUZZ_REQUIRE(accounted == reading.entries.size(),
                 context + QStringLiteral(": %1 events, %2 accounted for").arg(reading.entries.size()).arg(accounted));

    // The added ones at the front, everything that was there behind them, as it was.
    const qsizetype added = summary.added.size();
    FUZZ_REQUIRE(saved.mid(added) == initial, context + QStringLiteral(": an event that was there changed"));
    QSet<QString> ids;
    for (const EDate &event : saved)
        ids.insert(event.id);
    FUZZ_REQUIRE(ids.size() == saved.size(), context + QStringLiteral(": two events share an id"));
    for (qsizetype i = 0; i < added; ++i) {
        const EDate &event = saved.at(i);
        fuzz::requireStorable(event, context);
        FUZZ_REQUIRE(event.countdown == std::optional(true) && (!event.repeat || event.repeatsYearly()),
                     context + QStringLiteral(": the direction or repeat of ") + event.dateTitle);
        FUZZ_REQUIRE(summary.added.at(i).title == event.dateTitle && summary.added.at(i).date == event.ddate,
                     context + QStringLiteral(": the summary says another event than ") + event.dateTitle);
    }
    fuzz::requirePublished(saved, context);
    return 0;
}
