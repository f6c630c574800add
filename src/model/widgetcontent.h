#pragma once

#include "edate.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// One record of the contents file that the app publishes for its widget, "contents.json" in
// the shared container. The widget uses it as its timeline entry, `date` being the entry's.
struct WidgetContent
{
    QDateTime date;                    // when the record was written ("date")
    QString ddate;
    QString bgColor;
    QString fontColor;
    QString circleColor;               // holds the event's *line* colour: the file's format says so
    QString dateTitle;
    bool countdown = true;             // an event without a direction counts down
    QString barType;
    std::optional<qint64> pageNumber;  // the event's position in the app's list
    std::optional<QString> eventId;    // "id"; absent from files written before ids were
    // A yearly event's record counts to the occurrence that was next when it was written:
    // `ddate` holds that day (so a widget that knows nothing of repeating counts and shows the
    // right one), and these say which it is. Absent from records of other events.
    std::optional<QString> repeat = std::nullopt;      // "yearly"
    std::optional<QString> firstDate = std::nullopt;   // the event's own date
    std::optional<qint64> occurrence = std::nullopt;   // years since it, 0 on it
    // The unit the count is shown in, as the event stores it: absent for days.
    std::optional<QString> countUnit = std::nullopt;

    friend bool operator==(const WidgetContent &, const WidgetContent &) = default;

    bool repeatsYearly() const { return repeat == QLatin1String(EDate::kRepeatYearly); }
    CountUnit unit() const { return CountUnits::fromStored(countUnit); }

    // The record for `event` at list position `page`, written at `now` (which also picks a
    // yearly event's next occurrence).
    static WidgetContent fromEvent(const EDate &event, const QDateTime &now, qint64 page);
};

// The file's bytes: a compact UTF-8 JSON array with the nine keys per record, and the event's
// "id" as a tenth (readers that do not know it skip it); "date" counts seconds (with fraction)
// since 2001-01-01 00:00:00 UTC. A yearly event's record adds "repeat", "firstDate" and
// "occurrence", and one counted in a larger unit "countUnit"; the records of other events are
// exactly as before.
QByteArray encodeWidgetContents(const QList<WidgetContent> &records);

// Reads the file's bytes. "pageNumber", "id", "repeat", "firstDate", "occurrence" and
// "countUnit" may be missing or null; every other key is required with its type, and one bad
// record fails the whole file. Keys a later version adds are ignored.
std::optional<QList<WidgetContent>> decodeWidgetContents(const QByteArray &json);

// "contents.json" at the top of the shared container.
QString widgetContentsPath();
