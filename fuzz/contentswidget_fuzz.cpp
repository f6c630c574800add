// The contents file as the widget reads it: the timeline for an unconfigured widget and for
// one configured with a title, and the texts and colours the views would draw for each entry.
#include "fuzzsupport.h"

#include <model/hexcolor.h>
#include <model/widgetcontent.h>
#include <widgets/entrytexts.h>
#include <widgets/provider.h>

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

    // Unconfigured: the first record, or the sample entry before anything readable is published.
    const Provider::Timeline first = provider.getTimeline(SelectEventIntent{});
    FUZZ_REQUIRE(first.entries.size() == 1, QStringLiteral("%1 entries unconfigured").arg(first.entries.size()));
    FUZZ_REQUIRE(first.entries.first() == (records.isEmpty() ? Provider::defaultEntry() : records.first()),
                 QStringLiteral("the unconfigured entry is not the first record"));
    checkDrawable(first.entries.first());

    // Configured: every record of that title, in file order.
    QStringList titles;
    if (!records.isEmpty())
        titles << records.first().dateTitle << records.last().dateTitle;
    titles << QStringLiteral("no event has this title");
    for (const QString &title : titles) {
        const Provider::Timeline timeline = provider.getTimeline(chosen(title));
        QList<WidgetContent> matches;
        if (title == QLatin1String("0"))
            matches = first.entries;
        else
            std::copy_if(records.cbegin(), records.cend(), std::back_inserter(matches),
                         [&](const WidgetContent &r) { return r.dateTitle == title; });
        FUZZ_REQUIRE(timeline.entries == matches,
                     QStringLiteral("title \"%1\": %2 entries for %3 matches").arg(title).arg(timeline.entries.size()).arg(matches.size()));
        for (const WidgetContent &entry : timeline.entries)
            checkDrawable(entry);
    }
    return 0;
}
