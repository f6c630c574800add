// Links arrive from anywhere on the web. The first input byte picks how many events the store
// holds before the link (3, 30, 29 or 1); the rest is the link as the app receives it.
// Checked: the query readers, the integer reader against the standard library, what the app's
// dispatch does to the page and what it offers, and what adding the offer does to the list,
// the settings file and the contents file.
#include "fuzzsupport.h"

#include <model/calendarhelper.h>
#include <model/widgetcontent.h>
#include <store/linkdispatch.h>
#include <store/linkquery.h>
#include <store/linkrequest.h>
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
    UserData store(EventRepository(settings, NotificationCenter()));
    FUZZ_REQUIRE(store.magicDates() == initial, QStringLiteral("the seeded list did not load"));
    QList<EventDraft> offered;
    QObject::connect(&store, &UserData::sharedEventOffered, [&](const EventDraft &draft) { offered.append(draft); });

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

    // The app: a link selects a page or offers an event; it never changes the list itself.
    const bool acted = dispatchLink(store, link);
    const QString context = QStringLiteral("link \"%1\" on %2 events").arg(link).arg(initial.size());
    const bool itemsRead = url.isValid() && items && !items->isEmpty();
    FUZZ_REQUIRE(acted == itemsRead, context);
    FUZZ_REQUIRE(store.magicDates() == initial, context + QStringLiteral(": the app changed the list"));
    FUZZ_REQUIRE(store.currentPage() >= 0 && store.currentPage() < std::max(1, store.count()), context);
    const auto request = readLink(link);
    FUZZ_REQUIRE(request.has_value() == (acted && (items->size() > 1 || pageRequest(*items))), context);
    FUZZ_REQUIRE(offered.size() == (request && request->kind == LinkRequest::Kind::SharedEvent ? 1 : 0), context);
    if (request && request->kind == LinkRequest::Kind::Page)
        FUZZ_REQUIRE(store.currentPage() == request->page.pageIn(initial), context + QStringLiteral(": page"));
    if (offered.isEmpty())
        return 0;

    // What is offered keeps the rules: a day of the calendar, a known theme, a stored title of
    // at most twenty characters taken from the link's title.
    const EventDraft &draft = offered.first();
    FUZZ_REQUIRE(EventRules::isStorableDay(draft.day), context + QStringLiteral(": day"));
    // Within the years every door (and the form's year wheel) shares.
    FUZZ_REQUIRE(draft.day.year() >= EventRules::kFirstYear && draft.day.year() <= EventRules::kLastYear,
                 context + QStringLiteral(": year %1").arg(draft.day.year()));
    FUZZ_REQUIRE(EventRules::isKnownTheme(draft.themeId), context + QStringLiteral(": theme"));
    FUZZ_REQUIRE(draft.countdown == (params.value(QStringLiteral("countdown")) == QLatin1String("true")), context);
    FUZZ_REQUIRE(EventRules::titleLength(draft.title) <= EventRules::kMaxTitleLength, context + QStringLiteral(": title length"));
    FUZZ_REQUIRE(draft.title == EventRules::storableTitle(draft.title), context + QStringLiteral(": title not as stored"));
    FUZZ_REQUIRE(EventRules::storableTitle(params.value(QStringLiteral("dateTitle"))).startsWith(draft.title),
                 context + QStringLiteral(": title \"%1\"").arg(draft.title));

    // Confirmed (or typed on the command line), it is added by the rules of the list.
    const EventRepository::Result added = store.repository().add(draft, true);
    const bool known = titlesOf(initial).contains(draft.title);
    StoreOutcome expected = StoreOutcome::Done;
    if (draft.title.isEmpty())
        expected = StoreOutcome::EmptyTitle;
    else if (known)
        expected = StoreOutcome::TitleTaken;
    else if (initial.size() >= UserData::kMaxEvents)
        expected = StoreOutcome::ListFull;
    FUZZ_REQUIRE(added.outcome == expected, context + QStringLiteral(": outcome %1").arg(int(added.outcome)));
    QList<EDate> expectedList = initial;
    if (expected == StoreOutcome::Done) {
        const EDate &event = added.list.events.first();
        FUZZ_REQUIRE(event.dateTitle == draft.title && event.colorIndex == draft.themeId
                         && event.ddate == draft.day.toString(QStringLiteral("yyyy-MM-dd")),
                     context + QStringLiteral(": added ") + event.dateTitle);
        expectedList.prepend(event);
    }
    FUZZ_REQUIRE(added.list.events == expectedList, context + QStringLiteral(": list ") + titlesOf(added.list.events).join(QLatin1Char('|')));

    // What was saved and published is what the step left.
    const auto saved = decodeEventList(settings.value(UserData::kEventsKey).toByteArray());
    FUZZ_REQUIRE(saved && *saved == expectedList,
                 context + QStringLiteral(": saved ") + titlesOf(saved.value_or(QList<EDate>())).join(QLatin1Char('|')));
    const auto published = decodeWidgetContents(fuzz::readFile(widgetContentsPath()));
    FUZZ_REQUIRE(published && published->size() == expectedList.size(), context + QStringLiteral(": contents file"));
    for (qsizetype i = 0; i < published->size(); ++i) {
        FUZZ_REQUIRE(published->at(i).dateTitle == expectedList.at(i).dateTitle && published->at(i).pageNumber == i
                         && published->at(i).eventId.value_or(QString()) == expectedList.at(i).id,
                     context + QStringLiteral(": contents record %1").arg(i));
    }
    return 0;
}
