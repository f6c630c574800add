// The contents file as the event-selection intent reads it: one option per published record,
// numbered by its page, or none when the file does not decode. Also checks the writer and the
// reader agree: records that decode encode to a file that decodes to the same records.
#include "fuzzsupport.h"

#include <intent/evenprovider.h>
#include <intent/intenthandler.h>
#include <model/widgetcontent.h>

#include <cstdlib>

namespace {

void checkRoundTrip(const QList<WidgetContent> &records)
{
    const auto again = decodeWidgetContents(encodeWidgetContents(records));
    FUZZ_REQUIRE(again && again->size() == records.size(), QStringLiteral("re-encoded contents do not decode"));
    for (qsizetype i = 0; i < records.size(); ++i) {
        WidgetContent expected = records.at(i);
        const WidgetContent &read = again->at(i);
        // Dates travel as seconds in a double: at the edge of the accepted range a millisecond
        // or two of rounding is the format's, not a fault.
        FUZZ_REQUIRE(std::llabs(read.date.toMSecsSinceEpoch() - expected.date.toMSecsSinceEpoch()) <= 2,
                     QStringLiteral("record %1's date moved from %2 to %3")
                         .arg(i)
                         .arg(expected.date.toMSecsSinceEpoch())
                         .arg(read.date.toMSecsSinceEpoch()));
        expected.date = read.date;
        FUZZ_REQUIRE(read == expected, QStringLiteral("record %1 reads back different").arg(i));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzz::bytes(data, size);
    fuzz::writeFile(widgetContentsPath(), input);
    const auto records = decodeWidgetContents(input);

    const QList<EventDetails> details = EvenProvider::readContents();
    QList<Event> options;
    int completions = 0;
    IntentHandler().provideEventTitleOptionsCollectionForSelectEvent(
        SelectEventIntent{}, [&](const QList<Event> &collection, const QString &error) {
            ++completions;
            options = collection;
            FUZZ_REQUIRE(error.isEmpty(), QStringLiteral("the options came with an error: ") + error);
        });
    FUZZ_REQUIRE(completions == 1, QStringLiteral("the options completion ran %1 times").arg(completions));

    const QList<WidgetContent> expected = records.value_or(QList<WidgetContent>());
    FUZZ_REQUIRE(details.size() == expected.size() && options.size() == expected.size(),
                 QStringLiteral("%1 records gave %2 details and %3 options").arg(expected.size()).arg(details.size()).arg(options.size()));
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QString page = QString::number(expected.at(i).pageNumber.value_or(0));
        FUZZ_REQUIRE(details.at(i).pageNumber == page && details.at(i).eventTitle == expected.at(i).dateTitle,
                     QStringLiteral("detail %1").arg(i));
        // Identified by the event's id; by the page in contents written before events had ids.
        const QString id = expected.at(i).eventId.value_or(QString());
        const QString identifier = id.isEmpty() ? page : id;
        FUZZ_REQUIRE(details.at(i).eventId == id, QStringLiteral("detail %1's id").arg(i));
        FUZZ_REQUIRE(options.at(i).identifier() == identifier && options.at(i).displayString() == expected.at(i).dateTitle,
                     QStringLiteral("option %1").arg(i));
    }
    if (records)
        checkRoundTrip(*records);
    return 0;
}
