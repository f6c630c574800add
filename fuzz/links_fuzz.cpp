// Links arrive from anywhere on the web. The first input byte picks how many events the store
// holds before the link (3, 30, 29 or 1); the rest is the link as the app receives it.
// Checked: the query readers, the integer reader against the standard library, and what
// dispatching does to the page, the list, the settings file and the contents file.
#include "fuzzsupport.h"

#include <model/calendarhelper.h>
#include <model/widgetcontent.h>
#include <store/linkdispatch.h>
#include <store/linkquery.h>
#include <store/userdata.h>

#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>

namespace {

const int kCounts[] = {3, 30, 29, 1};

QList<EDate> numberedEvents(int count)
{
    QList<EDate> events;
    for (int i = 0; i < count; ++i) {
        events.append(EDate{QDate(2024, 6, 1).addDays(i * 7).toString(Qt::ISODate), 1, QStringLiteral("FFF4E0"),
                            QStringLiteral("2B2D42"), QStringLiteral("FF7580"), QStringLiteral("FFB4A2"),
                            QStringLiteral("E%1").arg(i), QStringLiteral("FlatBar"), QStringLiteral("FF7580"), false,
                            std::nullopt, i % 2 == 0, QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'))});
    }
    return events;
}

// The integer reader agrees with std::from_chars on texts of optional sign and ASCII digits,
// and refuses everything else.
void checkInteger(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("\\A[+-]?[0-9]+\\z"));
    const auto parsed = parseLinkInteger(text);
    const bool wellFormed = form.match(text).hasMatch();
    const QByteArray digits = text.toLatin1().mid(text.startsWith(QLatin1Char('+')) ? 1 : 0);
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.cbegin(), digits.cend(), value);
    const bool fits = wellFormed && error == std::errc() && end == digits.cend();
    FUZZ_REQUIRE(parsed.has_value() == fits, QStringLiteral("parseLinkInteger(\"%1\")").arg(text));
    if (parsed)
        FUZZ_REQUIRE(*parsed == value, QStringLiteral("parseLinkInteger(\"%1\") = %2").arg(text).arg(*parsed));
}

QStringList titlesOf(const QList<EDate> &events)
{
    QStringList titles;
    for (const EDate &event : events)
        titles.append(event.dateTitle);
    return titles;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QList<EDate> initial = numberedEvents(kCounts[data[0] % 4]);
    const QString link = fuzz::text(data + 1, size - 1);

    fuzz::clearHome();
    const SettingsStore settings;
    FUZZ_REQUIRE(settings.setValue(UserData::kEventsKey, encodeEventList(initial)), QStringLiteral("seeding"));
    UserData store(settings, NotificationCenter());
    FUZZ_REQUIRE(store.magicDates() == initial, QStringLiteral("the seeded list did not load"));

    const QUrl url(link, QUrl::StrictMode);
    const auto items = queryItems(url);
    const QHash<QString, QString> params = queryParameters(url);
    if (items) {
        for (const QueryItem &item : *items) {
            if (item.value)
                checkInteger(*item.value);
        }
    }
    for (const QString &value : params)
        checkInteger(value);

    const bool acted = dispatchLink(store, link);
    const QString context = QStringLiteral("link \"%1\" on %2 events").arg(link).arg(initial.size());
    const bool itemsRead = url.isValid() && items && !items->isEmpty();
    FUZZ_REQUIRE(acted == itemsRead, context);

    QList<EDate> expected = initial;
    int expectedPage = 0;
    if (acted && items->size() == 1) {
        const QueryItem &item = items->first();
        if (item.name == QLatin1String("pageNumber") && item.value) {
            const qint64 requested = parseLinkInteger(*item.value).value_or(0);
            expectedPage = int(std::clamp<qint64>(requested, 0, std::max<qint64>(0, initial.size() - 1)));
        }
    } else if (acted) {
        const auto dateItem = std::find_if(items->cbegin(), items->cend(),
                                           [](const QueryItem &i) { return i.name == QLatin1String("ddate"); });
        const bool complete = dateItem != items->cend() && dateItem->value && params.contains(QStringLiteral("countdown"))
            && params.contains(QStringLiteral("dateTitle"));
        // The settings file cannot hold U+0000 in a text: the store keeps it visible as U+FFFD.
        const QString title =
            params.value(QStringLiteral("dateTitle")).replace(QChar(u'\0'), QChar(QChar::ReplacementCharacter));
        const bool known = titlesOf(initial).contains(title);
        if (complete && !known && initial.size() >= UserData::kMaxEvents)
            FUZZ_REQUIRE(store.alertMaxEvent(), context + QStringLiteral(": a full list raises the alert"));
        if (complete && !known && initial.size() < UserData::kMaxEvents) {
            FUZZ_REQUIRE(store.count() == initial.size() + 1, context);
            const EDate &added = store.magicDates().first();
            FUZZ_REQUIRE(added.dateTitle == title, context + QStringLiteral(": title \"%1\", expected \"%2\"").arg(added.dateTitle, title));
            FUZZ_REQUIRE(added.countdown == (params.value(QStringLiteral("countdown")) == QLatin1String("true")), context);
            FUZZ_REQUIRE(added.colorIndex == parseLinkInteger(params.value(QStringLiteral("colorIndex"))).value_or(1),
                         context);
            FUZZ_REQUIRE(added.ddate == CalendarHelper::formatStoredDate(CalendarHelper::toDate(*dateItem->value)),
                         context + QStringLiteral(": date ") + added.ddate);
            expected.prepend(added);
        }
    }
    FUZZ_REQUIRE(store.magicDates() == expected,
                 context + QStringLiteral(": list ") + titlesOf(store.magicDates()).join(QLatin1Char('|')));
    FUZZ_REQUIRE(store.currentPage() == expectedPage, context + QStringLiteral(": page %1").arg(store.currentPage()));
    FUZZ_REQUIRE(store.currentPage() >= 0 && store.currentPage() < std::max(1, store.count()), context);

    // What was saved and published is what the store holds.
    const auto saved = decodeEventList(settings.value(UserData::kEventsKey).toByteArray());
    FUZZ_REQUIRE(saved && *saved == store.magicDates(),
                 context + QStringLiteral(": saved ") + titlesOf(saved.value_or(QList<EDate>())).join(QLatin1Char('|')));
    const auto published = decodeWidgetContents(fuzz::readFile(widgetContentsPath()));
    FUZZ_REQUIRE(published && published->size() == store.count(), context + QStringLiteral(": contents file"));
    for (qsizetype i = 0; i < published->size(); ++i) {
        FUZZ_REQUIRE(published->at(i).dateTitle == store.magicDates().at(i).dateTitle
                         && published->at(i).pageNumber == i,
                     context + QStringLiteral(": contents record %1").arg(i));
    }
    return 0;
}
