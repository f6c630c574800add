#include "clicontext.h"

#include <model/calendarhelper.h>
#include <store/eventrepository.h>
#include <store/linkrequest.h>

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// The event at INDEX in the list as saved now; nothing (after a usage error) when INDEX is
// no whole number or outside the list.
const EDate *eventAt(const CliContext &context, const QList<EDate> &events, const QString &text)
{
    const auto number = context.integer(text, QStringLiteral("INDEX"));
    if (!number)
        return nullptr;
    if (*number < 0 || *number >= events.size()) {
        context.usageError(QStringLiteral("index %1 is outside the list (0 to %2)").arg(*number).arg(events.size() - 1));
        return nullptr;
    }
    return &events.at(*number);
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
            object.insert(QStringLiteral("count"), CalendarHelper::getDayCount(event));
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
    const QList<EDate> events = repository.read().events;
    const EDate *event = eventAt(context, events, context.args.positional.at(0));
    if (!event)
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
    if (context.args.has(QStringLiteral("count-up")))
        change.countdown = false;
    if (context.args.has(QStringLiteral("count-down")))
        change.countdown = true;
    if (context.args.has(QStringLiteral("yearly")))
        change.yearly = true;
    if (context.args.has(QStringLiteral("once")))
        change.yearly = false;
    const EventRepository::Result result = repository.change(event->id, change);
    return result.outcome == StoreOutcome::Done ? CliOk : context.refused(result.outcome, result.reason);
}

int deleteCommand(const CliContext &context)
{
    EventRepository repository;
    const QList<EDate> events = repository.read().events;
    const EDate *event = eventAt(context, events, context.args.positional.at(0));
    if (!event)
        return CliUsage;
    const EventRepository::Result result = repository.remove(event->id);
    return result.outcome == StoreOutcome::Done ? CliOk : context.refused(result.outcome, result.reason);
}

int moveCommand(const CliContext &context)
{
    EventRepository repository;
    const QList<EDate> events = repository.read().events;
    const EDate *event = eventAt(context, events, context.args.positional.at(0));
    if (!event || !eventAt(context, events, context.args.positional.at(1)))
        return CliUsage;
    const EventRepository::Result result = repository.move(event->id, context.args.positional.at(1).toInt());
    return result.outcome == StoreOutcome::Done ? CliOk : context.refused(result.outcome, result.reason);
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
