#pragma once

// What the calendar and backup targets share: the list an import meets (the first input byte
// picks 3, 30, 29 or 1 numbered events), the import run in one repository step over it, and
// the checks every import owes: a file refused whole changes neither the list nor the calendar
// feed; what a file read leaves keeps the list's rules for an added event; the widget's
// contents and the feed say what the step left.
#include "fuzzsupport.h"

#include <calendar/calendarfeed.h>
#include <calendar/icalendarimport.h>
#include <model/widgetcontent.h>
#include <store/eventrepository.h>
#include <store/eventrules.h>
#include <store/transfersummary.h>

#include <QDate>
#include <optional>

namespace fuzz {

inline QList<EDate> numberedEvents(uint8_t pick)
{
    static const int kCounts[] = {3, 30, 29, 1};
    QList<EDate> events;
    for (int i = 0; i < kCounts[pick % 4]; ++i) {
        events.append(EDate{QDate(2024, 6, 1).addDays(i * 7).toString(Qt::ISODate), 1, QStringLiteral("FFF4E0"),
                            QStringLiteral("2B2D42"), QStringLiteral("FF7580"), QStringLiteral("FFB4A2"),
                            QStringLiteral("E%1").arg(i), QStringLiteral("FlatBar"), QStringLiteral("FF7580"), false,
                            std::nullopt, true, QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'))});
    }
    return events;
}

struct ImportStep
{
    TransferSummary summary;
    QList<EDate> saved;
};

// Saves `initial`, runs `import(repository)` over it and reads back what was saved. Nothing
// when the file was refused whole, after checking that the refusal changed nothing.
template <typename Import>
std::optional<ImportStep> importOnto(const QList<EDate> &initial, const QString &context, Import import)
{
    clearHome();
    const SettingsStore settings;
    FUZZ_REQUIRE(settings.setValue(EventRepository::kEventsKey, encodeEventList(initial)), QStringLiteral("seeding"));
    EventRepository repository(settings, NotificationCenter());
    repository.open();
    const QByteArray feedBefore = readFile(CalendarFeed::path());

    const TransferSummary summary = import(repository);
    const auto saved = decodeEventList(settings.value(EventRepository::kEventsKey).toByteArray());
    FUZZ_REQUIRE(saved.has_value(), context + QStringLiteral(": the settings do not decode"));
    if (!summary.fileRead()) {
        FUZZ_REQUIRE(*saved == initial, context + QStringLiteral(": a refused file changed the list"));
        FUZZ_REQUIRE(readFile(CalendarFeed::path()) == feedBefore, context + QStringLiteral(": a refused file changed the feed"));
        return std::nullopt;
    }
    const qsizetype added = summary.added.size();
    FUZZ_REQUIRE(saved->size() == initial.size() + added && saved->size() <= EventRules::kMaxEvents,
                 context + QStringLiteral(": %1 saved after %2 added").arg(saved->size()).arg(added));
    return ImportStep{summary, *saved};
}

// An added event is stored as every other way in stores one.
inline void requireStorable(const EDate &event, const QString &context)
{
    const QString what = context + QStringLiteral(": added \"%1\" on %2").arg(event.dateTitle, event.ddate);
    FUZZ_REQUIRE(EventRules::checkTitle(event.dateTitle) == EventRules::TitleCheck::Fine
                     && event.dateTitle == EventRules::storableTitle(event.dateTitle),
                 what + QStringLiteral(": title"));
    FUZZ_REQUIRE(EventRules::isStorableDay(QDate::fromString(event.ddate, Qt::ISODate)), what + QStringLiteral(": date"));
    FUZZ_REQUIRE(event.id == EventRules::eventIdFrom(event.id), what + QStringLiteral(": id ") + event.id);
    // The rules adding an event keeps: a known theme, a reminder choice of 0-3, repeating
    // only every year and only when counting down.
    FUZZ_REQUIRE(!event.colorIndex || EventRules::isKnownTheme(*event.colorIndex), what + QStringLiteral(": theme"));
    FUZZ_REQUIRE(!event.repeatNotification || (*event.repeatNotification >= 0 && *event.repeatNotification <= 3),
                 what + QStringLiteral(": reminder"));
    FUZZ_REQUIRE(!event.repeat || (*event.repeat == QLatin1String(EDate::kRepeatYearly) && event.countdown.value_or(true)),
                 what + QStringLiteral(": repeat"));
}

// What was published is what the step left.
inline void requirePublished(const QList<EDate> &saved, const QString &context)
{
    const auto published = decodeWidgetContents(readFile(widgetContentsPath()));
    FUZZ_REQUIRE(published && published->size() == saved.size(), context + QStringLiteral(": contents file"));
    // The feed read as a calendar program reads it (a title may hold any text, "BEGIN:VEVENT"
    // too): one event per saved event, by its id, in order.
    const ICalendarImport::Reading feed = ICalendarImport::read(readFile(CalendarFeed::path()));
    FUZZ_REQUIRE(feed.status == ICalendarImport::Reading::Status::Read && feed.entries.size() == saved.size(),
                 context + QStringLiteral(": feed"));
    for (qsizetype i = 0; i < saved.size(); ++i)
        FUZZ_REQUIRE(feed.entries.at(i).uid == saved.at(i).id, context + QStringLiteral(": feed event %1").arg(i));
}

} // namespace fuzz
