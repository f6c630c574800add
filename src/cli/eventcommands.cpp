#include "clicontext.h"

#include <model/calendarhelper.h>
#include <model/countspan.h>
#include <store/eventrepository.h>
#include <store/linkquery.h>
#include <store/linkrequest.h>

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// The id the store is to act on for an EVENT argument: an index is looked up in the list as
// saved now; any other text is taken as an event's id as it stands, and the store finds it
// (in either letter case) in its own locked step, so a reorder made meanwhile by another
// process cannot make it act on another event. Nothing (after a usage error) for an index
// outside the list.
std::optional<QString> eventArgument(const CliContext &context, const EventRepository &repository, const QString &text)
{
    const auto number = parseLinkInteger(text);
    if (!number)
        return text.trimmed();
    const QList<EDate> events = repository.read().events;
    if (*number < 0 || *number >= events.size()) {
        context.usageError(QStringLiteral("index %1 is outside the list (0 to %2)").arg(*number).arg(events.size() - 1));
        return std::nullopt;
    }
    return events.at(*number).id;
}

// A store refusal for an EVENT argument: an id no event has is a usage error.
int refusedFor(const CliContext &context, const QString &text, const EventRepository::Result &result)
{
    if (result.outcome == StoreOutcome::Gone && !parseLinkInteger(text))
        return context.usageError(QStringLiteral("no event has the id \"%1\"").arg(printableField(text)));
    return context.refused(result.outcome, result.reason);
}

// The count as a number for scripts: the days left (negative after the day) or the day
// number since it; 0 on the day ("YAY!"). Null when the count is no number (a date that
// cannot be counted).
QJsonValue signedDays(const QString &count)
{
    if (count == QLatin1String("YAY!"))
        return 0;
    bool number = false;
    const qint64 days = count.toLongLong(&number);
    return number ? QJsonValue(days) : QJsonValue(QJsonValue::Null);
}

// The count in the event's unit, part by part ({"weeks": 6, "days": 3}): the span between
// today and the day counted, each part signed as "days" is (negative after a count-down's
// day); for a count-up the days gone since its date. All zero on the day itself; null when the
// count is no number.
QJsonValue countParts(const EDate &event)
{
    const CountSpans::EventCount count = CountSpans::ofEvent(event);
    if (count.span.isEmpty())
        return QJsonValue::Null;
    const bool negative = count.meaning.kind == CountWords::Meaning::Kind::DaysAgo;
    QJsonObject parts;
    for (const SpanPart &part : count.span)
        parts.insert(CountUnits::name(part.unit), negative ? -part.amount : part.amount);
    return parts;
}

std::optional<CountUnit> unitArgument(const CliContext &context)
{
    const QString text = context.args.values.value(QStringLiteral("unit"));
    const auto unit = CountUnits::fromName(text);
    if (!unit)
        context.usageError(QStringLiteral("\"%1\" is no unit (use days, weeks, months or years)").arg(printableField(text)));
    return unit;
}

std::optional<QDate> dayArgument(const CliContext &context, const QString &text)
{
    const auto day = parseDayArgument(text);
    if (!day)
        context.usageError(QStringLiteral("\"%1\" is not a date (use yyyy-MM-dd)").arg(text));
    return day;
}

std::optional<qint64> themeArgument(const CliContext &context)
{
    return context.integer(context.args.values.value(QStringLiteral("theme")), QStringLiteral("--theme"));
}

} // namespace

int listCommand(const CliContext &context)
{
    const QList<EDate> events = EventRepository().read().events;
    if (context.args.has(QStringLiteral("json"))) {
        QJsonArray array;
        for (qsizetype i = 0; i < events.size(); ++i) {
            const EDate &event = events.at(i);
            QJsonObject object = event.toJson();
            object.insert(QStringLiteral("index"), i);
            const QString count = CalendarHelper::getDayCount(event);
            object.insert(QStringLiteral("count"), count);
            object.insert(QStringLiteral("days"), signedDays(count));
            object.insert(QStringLiteral("direction"), event.countsDown() ? QStringLiteral("down") : QStringLiteral("up"));
            object.insert(QStringLiteral("unit"), CountUnits::name(event.unit()));
            object.insert(QStringLiteral("parts"), countParts(event));
            if (const auto next = CalendarHelper::nextOccurrence(event)) {
                object.insert(QStringLiteral("next"), next->day.toString(QStringLiteral("yyyy-MM-dd")));
                object.insert(QStringLiteral("occurrence"), next->ordinal);
            }
            array.append(object);
        }
        context.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return CliOk;
    }
    for (qsizetype i = 0; i < events.size(); ++i) {
        const EDate &event = events.at(i);
        // A yearly event shows the occurrence it counts to.
        context.out << i << '\t' << printableField(CalendarHelper::getDayCount(event)) << '\t'
                    << printableField(CalendarHelper::countedDate(event)) << '\t' << printableField(event.dateTitle) << '\n';
    }
    return CliOk;
}

int addCommand(const CliContext &context)
{
    const auto day = dayArgument(context, context.args.positional.at(1));
    if (!day)
        return CliUsage;
    EventDraft draft{context.args.positional.at(0), *day, !context.args.has(QStringLiteral("count-up"))};
    draft.yearly = context.args.has(QStringLiteral("yearly"));
    if (context.args.values.contains(QStringLiteral("theme"))) {
        const auto theme = themeArgument(context);
        if (!theme)
            return CliUsage;
        draft.themeId = *theme;
    }
    if (context.args.values.contains(QStringLiteral("unit"))) {
        const auto unit = unitArgument(context);
        if (!unit)
            return CliUsage;
        draft.unit = *unit;
    }
    const EventRepository::Result result = EventRepository().add(draft);
    if (result.outcome != StoreOutcome::Done)
        return context.refused(result.outcome, result.reason);
    context.out << result.id << '\n';
    return CliOk;
}

int editCommand(const CliContext &context)
{
    if (context.args.has(QStringLiteral("count-up")) && context.args.has(QStringLiteral("count-down")))
        return context.usageError(QStringLiteral("choose one of --count-up and --count-down"));
    if (context.args.has(QStringLiteral("yearly")) && context.args.has(QStringLiteral("once")))
        return context.usageError(QStringLiteral("choose one of --yearly and --once"));
    EventRepository repository;
    const QString which = context.args.positional.at(0);
    const auto id = eventArgument(context, repository, which);
    if (!id)
        return CliUsage;

    // Only what the line names changes: another process may be changing the event's other
    // fields at the same moment.
    EventChange change;
    if (context.args.values.contains(QStringLiteral("title")))
        change.title = context.args.values.value(QStringLiteral("title"));
    if (context.args.values.contains(QStringLiteral("date"))) {
        change.day = dayArgument(context, context.args.values.value(QStringLiteral("date")));
        if (!change.day)
            return CliUsage;
    }
    if (context.args.values.contains(QStringLiteral("theme"))) {
        change.themeId = themeArgument(context);
        if (!change.themeId)
            return CliUsage;
    }
    if (context.args.values.contains(QStringLiteral("unit"))) {
        change.unit = unitArgument(context);
        if (!change.unit)
            return CliUsage;
    }
    if (context.args.has(QStringLiteral("count-up")))
        change.countdown = false;
    if (context.args.has(QStringLiteral("count-down")))
        change.countdown = true;
    if (context.args.has(QStringLiteral("yearly")))
        change.yearly = true;
    if (context.args.has(QStringLiteral("once")))
        change.yearly = false;
    const EventRepository::Result result = repository.change(*id, change);
    return result.outcome == StoreOutcome::Done ? CliOk : refusedFor(context, which, result);
}

int deleteCommand(const CliContext &context)
{
    EventRepository repository;
    const QString which = context.args.positional.at(0);
    const auto id = eventArgument(context, repository, which);
    if (!id)
        return CliUsage;
    const EventRepository::Result result = repository.remove(*id);
    return result.outcome == StoreOutcome::Done ? CliOk : refusedFor(context, which, result);
}

int moveCommand(const CliContext &context)
{
    EventRepository repository;
    const QString which = context.args.positional.at(0);
    const auto id = eventArgument(context, repository, which);
    if (!id)
        return CliUsage;
    // TO is a position in the list, never an id.
    const auto to = context.integer(context.args.positional.at(1), QStringLiteral("TO"));
    if (!to)
        return CliUsage;
    if (const qsizetype size = repository.read().events.size(); *to < 0 || *to >= size)
        return context.usageError(QStringLiteral("index %1 is outside the list (0 to %2)").arg(*to).arg(size - 1));
    const EventRepository::Result result = repository.move(*id, int(*to));
    return result.outcome == StoreOutcome::Done ? CliOk : refusedFor(context, which, result);
}

int openCommand(const CliContext &context)
{
    const auto request = readLink(context.args.positional.at(0));
    if (!request)
        return context.usageError(QStringLiteral("\"%1\" is not a Tallowick link").arg(context.args.positional.at(0)));
    EventRepository repository;
    switch (request->kind) {
    case LinkRequest::Kind::Page:
        // A page link only selects a page: nothing is written.
        context.out << request->page.pageIn(repository.read().events) << '\n';
        return CliOk;
    case LinkRequest::Kind::Incomplete:
        if (!request->repeatedItem.isEmpty())
            return context.usageError(QStringLiteral("the link names %1 more than once").arg(request->repeatedItem));
        return context.usageError(QStringLiteral("the link lacks a date, a direction or a title, or its date is no date"));
    case LinkRequest::Kind::SharedEvent:
        break;
    }
    // The person typed the link: the event is added at once, as long as the list has no event
    // of that title yet.
    const EventRepository::Result result = repository.add(request->draft, true);
    if (result.outcome != StoreOutcome::Done)
        return context.refused(result.outcome, result.reason);
    context.out << EventRepository::indexOf(result.list.events, result.id) << '\n';
    return CliOk;
}
