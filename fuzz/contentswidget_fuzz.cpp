// The contents file as the widget reads it: the timeline for an unconfigured widget, for one
// configured by title (as before events had ids) and for one configured by an event's id, and
// the texts and colours the views would draw for each entry.
#include "fuzzsupport.h"

#include <model/hexcolor.h>
#include <model/widgetcontent.h>
#include <platform/clock.h>
#include <widgets/entrytexts.h>
#include <widgets/provider.h>

#include <QUuid>

namespace {

SelectEventIntent chosen(const QString &title)
{
    return SelectEventIntent{Event(QStringLiteral("0"), title)};
}

void checkDrawable(const WidgetContent &entry)
{
    const EntryTexts texts = entryTexts(entry, WidgetFamily::SystemSmall);
    FUZZ_REQUIRE(texts.title == entry.dateTitle, QStringLiteral("the title shown is not the record's"));
    FUZZ_REQUIRE(!texts.count.isEmpty(), QStringLiteral("no count for ") + entry.ddate);
    for (const QString &colour : {entry.bgColor, entry.fontColor, entry.circleColor})
        FUZZ_REQUIRE(hexColor(colour).isValid(), QStringLiteral("colour text \"%1\" gave no colour").arg(colour));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzz::bytes(data, size);
    fuzz::writeFile(widgetContentsPath(), input);
    const QList<WidgetContent> records = decodeWidgetContents(input).value_or(QList<WidgetContent>());
    const Provider provider;
    // One instant for the sample entries compared below.
    Clock::setFixed(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));

    // Unconfigured: the first record, or the sample entry before anything readable is published.
    const Provider::Timeline first = provider.getTimeline(SelectEventIntent{});
    FUZZ_REQUIRE(first.entries.size() == 1, QStringLiteral("%1 entries unconfigured").arg(first.entries.size()));
    FUZZ_REQUIRE(first.entries.first() == (records.isEmpty() ? Provider::defaultEntry() : records.first()),
                 QStringLiteral("the unconfigured entry is not the first record"));
    checkDrawable(first.entries.first());

    // Configured as before events had ids (a page number and a title): the first record of
    // that title, taken over by its id when it has one; the first record when none has it.
    QStringList titles;
    if (!records.isEmpty())
        titles << records.first().dateTitle << records.last().dateTitle;
    titles << QStringLiteral("no event has this title");
    for (const QString &title : titles) {
        const Provider::Timeline timeline = provider.getTimeline(chosen(title));
        const auto match = std::find_if(records.cbegin(), records.cend(), [&](const WidgetContent &r) { return r.dateTitle == title; });
        QList<WidgetContent> expected;
        if (match != records.cend())
            expected = {*match};
        else if (!records.isEmpty())
            expected = {records.first()};
        FUZZ_REQUIRE(timeline.entries == expected,
                     QStringLiteral("title \"%1\": %2 entries").arg(title).arg(timeline.entries.size()));
        // Taken over by the record's id, unless that id is the page number it was saved with.
        const QString matchId = match != records.cend() ? match->eventId.value_or(QString()) : QString();
        const bool takenOver = !matchId.isEmpty() && matchId != chosen(title).eventTitle->identifier();
        FUZZ_REQUIRE(bool(timeline.configuration) == takenOver, QStringLiteral("title \"%1\": configuration").arg(title));
        if (takenOver)
            FUZZ_REQUIRE(timeline.configuration->eventTitle->identifier() == matchId, QStringLiteral("taken-over id"));
        for (const WidgetContent &entry : timeline.entries)
            checkDrawable(entry);
    }

    // Configured by id: the record with that id, whatever its title; none with it, the first.
    for (const WidgetContent &record : records) {
        const QString id = record.eventId.value_or(QString());
        if (QUuid::fromString(id).isNull())
            continue;
        const Provider::Timeline timeline = provider.getTimeline(SelectEventIntent{Event(id, QStringLiteral("old title"))});
        const auto byId = std::find_if(records.cbegin(), records.cend(), [&](const WidgetContent &r) { return r.eventId == id; });
        FUZZ_REQUIRE(timeline.entries == QList<WidgetContent>{*byId}, QStringLiteral("by id ") + id);
    }
    Clock::useSystemTime();
    return 0;
}
