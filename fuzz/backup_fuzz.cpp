// Backups are files a person picks, from another machine, a mail or a web page. The first input
// byte picks how many events the list holds before the restore (3, 30, 29 or 1); the rest is
// the file.
// Checked: a file refused whole changes nothing; a file read accounts for each of its records
// once (added, skipped or refused); the events that were there all stay, unchanged and in
// their order, with the added ones among them; the list keeps its rules (at most 30 events,
// ids unique, titles and dates as every other way in stores them); the settings, the widget's
// contents and the calendar feed say what the step left.
#include "importstep.h"

#include <store/eventbackup.h>
#include <store/eventtransfer.h>

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QList<EDate> initial = fuzz::numberedEvents(data[0]);
    const QByteArray file = fuzz::bytes(data + 1, size - 1);
    const QString context = QStringLiteral("a backup of %1 bytes on %2 events").arg(file.size()).arg(initial.size());

    const EventBackup::Reading reading = EventBackup::decode(file);
    const auto step = fuzz::importOnto(initial, context, [&](EventRepository &repository) {
        return EventTransfer::importBackupText(repository, file);
    });
    if (!step) {
        FUZZ_REQUIRE(reading.status != EventBackup::Reading::Status::Read, context + QStringLiteral(": read, then refused"));
        return 0;
    }
    const TransferSummary &summary = step->summary;
    const QList<EDate> &saved = step->saved;
    FUZZ_REQUIRE(reading.status == EventBackup::Reading::Status::Read, context);
    const qsizetype accounted = summary.added.size() + summary.skipped.size() + summary.refused.size();
    FUZZ_REQUIRE(accounted == reading.records.size(),
                 context + QStringLiteral(": %1 records, %2 accounted for").arg(reading.records.size()).arg(accounted));

    // Every event that was there, unchanged and in its order; the others are the added ones.
    QSet<QString> ids;
    QList<EDate> kept;
    qsizetype next = 0;
    for (const EDate &event : saved) {
        ids.insert(event.id);
        if (next < initial.size() && event == initial.at(next)) {
            kept.append(event);
            ++next;
            continue;
        }
        fuzz::requireStorable(event, context);
        FUZZ_REQUIRE(event.bgColor.size() <= EventBackup::kMaxTextLength && event.barType.size() <= EventBackup::kMaxTextLength,
                     context + QStringLiteral(": the texts of ") + event.dateTitle);
    }
    FUZZ_REQUIRE(kept == initial, context + QStringLiteral(": an event that was there changed or moved"));
    FUZZ_REQUIRE(ids.size() == saved.size(), context + QStringLiteral(": two events share an id"));
    fuzz::requirePublished(saved, context);
    return 0;
}
