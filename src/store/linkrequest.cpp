#include "linkrequest.h"

#include <model/calendarhelper.h>

#include <algorithm>

namespace {

const QString kPageNumber = QStringLiteral("pageNumber");
const QString kEventId = QStringLiteral("eventId");

std::optional<QString> firstValue(const QList<QueryItem> &items, const QString &name)
{
    const auto item = std::find_if(items.cbegin(), items.cend(), [&](const QueryItem &i) { return i.name == name; });
    return item == items.cend() ? std::nullopt : item->value;
}

} // namespace

int PageRequest::pageIn(const QList<EDate> &events) const
{
    if (!eventId.isEmpty()) {
        if (const qsizetype at = EventRepository::indexOf(events, eventId); at >= 0)
            return int(at);
    }
    return int(std::clamp<qint64>(pageNumber, 0, std::max<qint64>(0, events.size() - 1)));
}

std::optional<PageRequest> pageRequest(const QList<QueryItem> &items)
{
    const bool withId = items.size() == 2 && items.at(0).name != items.at(1).name
        && std::all_of(items.cbegin(), items.cend(),
                       [](const QueryItem &i) { return i.name == kPageNumber || i.name == kEventId; });
    if (items.size() != 1 && !withId)
        return std::nullopt;
    const auto page = firstValue(items, kPageNumber);
    if (!page)
        return std::nullopt;
    return PageRequest{parseLinkInteger(*page).value_or(0), firstValue(items, kEventId).value_or(QString())};
}

std::optional<EventDraft> sharedEventDraft(const QUrl &url, const QList<QueryItem> &items)
{
    const QHash<QString, QString> params = queryParameters(url);
    const auto dateText = firstValue(items, QStringLiteral("ddate"));
    if (!dateText || !params.contains(QStringLiteral("countdown")) || !params.contains(QStringLiteral("dateTitle")))
        return std::nullopt;
    // Any web page can send such a link: a date that is no date adds nothing (rather than an
    // event dated now).
    const auto date = CalendarHelper::parse(*dateText);
    if (!date)
        return std::nullopt;
    EventDraft draft;
    draft.day = date->toLocalTime().date();
    // The days every other way in takes, and the form can show.
    if (!EventRules::isStorableDay(draft.day))
        return std::nullopt;
    draft.countdown = params.value(QStringLiteral("countdown")) == QLatin1String("true");
    // Optional: a link without it shares an event that happens once, as links always did. A
    // count-up event counts from its one day, so the item means nothing on one.
    draft.yearly = draft.countdown && params.value(QStringLiteral("repeat")) == QLatin1String(EDate::kRepeatYearly);
    // Optional too: the unit its count is shown in; days for none, or one this version does
    // not know.
    draft.unit = CountUnits::fromName(params.value(QStringLiteral("unit"))).value_or(CountUnit::Days);
    // Cut to the longest title there may be.
    draft.title = EventRules::fittedTitle(params.value(QStringLiteral("dateTitle")));
    const auto themeId = parseLinkInteger(params.value(QStringLiteral("colorIndex")));
    draft.themeId = themeId && EventRules::isKnownTheme(*themeId) ? *themeId : EventRules::kSharedEventThemeId;
    return draft;
}

std::optional<LinkRequest> readLink(const QString &link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    const auto items = queryItems(url);
    if (!items || items->isEmpty())
        return std::nullopt;
    LinkRequest request;
    if (const auto page = pageRequest(*items)) {
        request.kind = LinkRequest::Kind::Page;
        request.page = *page;
    } else if (items->size() == 1) {
        // A single item of another name, or a page number without a value: nothing to do,
        // and never an event to add.
        return std::nullopt;
    } else if (const auto draft = sharedEventDraft(url, *items)) {
        request.kind = LinkRequest::Kind::SharedEvent;
        request.draft = *draft;
    } else {
        for (qsizetype i = 0; i < items->size() && request.repeatedItem.isEmpty(); ++i) {
            for (qsizetype j = i + 1; j < items->size(); ++j) {
                if (items->at(i).name == items->at(j).name) {
                    request.repeatedItem = items->at(i).name;
                    break;
                }
            }
        }
    }
    return request;
}
