#include "clicontext.h"

#include <model/calendarhelper.h>
#include <store/eventactions.h>
#include <store/linkdispatch.h>
#include <store/userdata.h>

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// The theme a new event starts with, as in the add form.
constexpr qint64 kDefaultThemeId = 1003;

std::optional<int> eventIndex(const CliContext &context, const UserData &store, const QString &text)
{
    const auto number = context.integer(text, QStringLiteral("INDEX"));
    if (!number)
        return std::nullopt;
    if (*number < 0 || *number >= store.count()) {
        context.usageError(QStringLiteral("index %1 is outside the list (0 to %2)").arg(*number).arg(store.count() - 1));
        return std::nullopt;
    }
    return int(*number);
}

std::optional<QDateTime> dateArgument(const CliContext &context, const QString &text)
{
    const auto date = CalendarHelper::parse(text);
    if (!date)
        context.usageError(QStringLiteral("\"%1\" is not a date (use yyyy-MM-dd)").arg(text));
    return date;
}

std::optional<qint64> themeArgument(const CliContext &context, qint64 fallback)
{
    const QString theme = context.args.values.value(QStringLiteral("theme"));
    if (!context.args.values.contains(QStringLiteral("theme")))
        return fallback;
    return context.integer(theme, QStringLiteral("--theme"));
}

void printAlert(const CliContext &context, const QString &title, const QString &copy)
{
    context.err << title << ": " << copy.trimmed() << '\n';
}

} // namespace

int listCommand(const CliContext &context)
{
    const UserData store;
    if (context.args.has(QStringLiteral("json"))) {
        QJsonArray array;
        for (int i = 0; i < store.count(); ++i) {
            const EDate &event = store.magicDates().at(i);
            QJsonObject object = event.toJson();
            object.insert(QStringLiteral("index"), i);
            object.insert(QStringLiteral("count"), CalendarHelper::getDayCount(event.ddate, event.countdown));
            array.append(object);
        }
        context.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return CliOk;
    }
    for (int i = 0; i < store.count(); ++i) {
        const EDate &event = store.magicDates().at(i);
        context.out << i << '\t' << printableField(CalendarHelper::getDayCount(event.ddate, event.countdown)) << '\t'
                    << printableField(event.ddate) << '\t' << printableField(event.dateTitle) << '\n';
    }
    return CliOk;
}

int addCommand(const CliContext &context)
{
    const QString title = context.args.positional.at(0);
    const auto date = dateArgument(context, context.args.positional.at(1));
    const auto theme = themeArgument(context, kDefaultThemeId);
    if (!date || !theme)
        return CliUsage;
    UserData store;
    // Checked in the same locked step as the add: another process may be adding too.
    if (store.addEventWithinLimit(*date, title, !context.args.has(QStringLiteral("count-up")), *theme, false)
        == UserData::AddOutcome::ListFull) {
        //% "Can't add a new event"
        printAlert(context, qtTrId("Can't add a new event"),
                   //% "You exceed the max number of events. "
                   qtTrId("You exceed the max number of events. "));
        return CliRefused;
    }
    context.out << store.magicDates().constFirst().id << '\n';
    return CliOk;
}

int editCommand(const CliContext &context)
{
    if (context.args.has(QStringLiteral("count-up")) && context.args.has(QStringLiteral("count-down")))
        return context.usageError(QStringLiteral("choose one of --count-up and --count-down"));
    UserData store;
    const auto index = eventIndex(context, store, context.args.positional.at(0));
    if (!index)
        return CliUsage;
    const EDate event = store.magicDates().at(*index);

    QString dateText = event.ddate;
    if (context.args.values.contains(QStringLiteral("date"))) {
        const auto date = dateArgument(context, context.args.values.value(QStringLiteral("date")));
        if (!date)
            return CliUsage;
        dateText = CalendarHelper::formatStoredDate(*date);
    }
    const auto theme = themeArgument(context, event.colorIndex.value_or(kDefaultThemeId));
    if (!theme)
        return CliUsage;
    bool countdown = event.countdown.value_or(true);
    if (context.args.has(QStringLiteral("count-up")))
        countdown = false;
    if (context.args.has(QStringLiteral("count-down")))
        countdown = true;
    const QString title = context.args.values.value(QStringLiteral("title"), event.dateTitle);
    store.updateEventWithDateText(*index, dateText, title, countdown, *theme);
    return CliOk;
}

int deleteCommand(const CliContext &context)
{
    UserData store;
    const auto index = eventIndex(context, store, context.args.positional.at(0));
    if (!index)
        return CliUsage;
    store.setCurrentPage(*index);
    if (deleteEventWithReminders(store, *index) == DeleteOutcome::RefusedLastEvent) {
        //% "You can't delete the last one"
        printAlert(context, qtTrId("You can't delete the last one"),
                   //% "Please create a new one first"
                   qtTrId("Please create a new one first"));
        return CliRefused;
    }
    return CliOk;
}

int moveCommand(const CliContext &context)
{
    UserData store;
    const auto from = eventIndex(context, store, context.args.positional.at(0));
    if (!from)
        return CliUsage;
    const auto to = eventIndex(context, store, context.args.positional.at(1));
    if (!to)
        return CliUsage;
    store.moveEvent(*from, *to);
    return CliOk;
}

int openCommand(const CliContext &context)
{
    UserData store;
    dispatchLink(store, context.args.positional.at(0));
    if (store.alertMaxEvent()) {
        printAlert(context, qtTrId(qPrintable(store.alertTitle())), qtTrId(qPrintable(store.alertCopy())));
        context.out << store.currentPage() << '\n';
        return CliRefused;
    }
    context.out << store.currentPage() << '\n';
    return CliOk;
}
