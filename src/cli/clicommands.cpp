#include "clicommands.h"

#include "clicontext.h"

#include <model/calendarhelper.h>
#include <platform/clock.h>
#include <store/eventrules.h>
#include <store/linkquery.h>

#include <map>

namespace {

const char kUsage[] = "usage: tallowick-cli [--now yyyy-MM-ddTHH:mm:ss] COMMAND; commands: "
                      "count DATE [--count-up] | format DATE | list [--json] | "
                      "add TITLE DATE [--count-up] [--theme ID] | "
                      "edit INDEX [--title T] [--date D] [--count-up|--count-down] [--theme ID] | "
                      "delete INDEX | move FROM TO | open URL | remind INDEX one|three|seven|off | "
                      "notifications allow|deny|status | pending [--json]";

struct Command
{
    int positionalCount;
    QSet<QString> flags;
    QSet<QString> valueOptions;
    CliCommandFunction run;
};

const std::map<QString, Command> &commands()
{
    const QString countUp = QStringLiteral("count-up");
    const QString json = QStringLiteral("json");
    const QString theme = QStringLiteral("theme");
    static const std::map<QString, Command> table = {
        {QStringLiteral("count"), {1, {countUp}, {}, countCommand}},
        {QStringLiteral("format"), {1, {}, {}, formatCommand}},
        {QStringLiteral("list"), {0, {json}, {}, listCommand}},
        {QStringLiteral("add"), {2, {countUp}, {theme}, addCommand}},
        {QStringLiteral("edit"),
         {1, {countUp, QStringLiteral("count-down")}, {QStringLiteral("title"), QStringLiteral("date"), theme}, editCommand}},
        {QStringLiteral("delete"), {1, {}, {}, deleteCommand}},
        {QStringLiteral("move"), {2, {}, {}, moveCommand}},
        {QStringLiteral("open"), {1, {}, {}, openCommand}},
        {QStringLiteral("remind"), {2, {}, {}, remindCommand}},
        {QStringLiteral("notifications"), {1, {}, {}, notificationsCommand}},
        {QStringLiteral("pending"), {0, {json}, {}, pendingCommand}},
    };
    return table;
}

} // namespace

int CliContext::usageError(const QString &message) const
{
    err << "tallowick-cli: " << message << " (try --help)\n";
    err.flush();
    return CliUsage;
}

int CliContext::refused(StoreOutcome outcome) const
{
    if (isInvalidInput(outcome))
        return usageError(describeOutcome(outcome));
    switch (outcome) {
    case StoreOutcome::ListFull:
        //% "Can't add a new event"
        err << qtTrId("Can't add a new event") << ": "
            //% "You exceed the max number of events. "
            << qtTrId("You exceed the max number of events. ").trimmed() << '\n';
        break;
    case StoreOutcome::LastEvent:
        //% "You can't delete the last one"
        err << qtTrId("You can't delete the last one") << ": "
            //% "Please create a new one first"
            << qtTrId("Please create a new one first") << '\n';
        break;
    default:
        err << "tallowick-cli: " << describeOutcome(outcome) << '\n';
        break;
    }
    err.flush();
    return CliRefused;
}

std::optional<QDate> parseDayArgument(const QString &text)
{
    const auto instant = CalendarHelper::parse(text);
    if (!instant)
        return std::nullopt;
    const QDate day = instant->toLocalTime().date();
    return EventRules::isStorableDay(day) ? std::optional(day) : std::nullopt;
}

std::optional<qint64> CliContext::integer(const QString &text, const QString &what) const
{
    const auto number = parseLinkInteger(text);
    if (!number)
        usageError(QStringLiteral("%1 must be a whole number, not \"%2\"").arg(what, text));
    return number;
}

QString printableField(const QString &text)
{
    QString field = text;
    for (QChar &c : field) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
        else if (c.category() == QChar::Other_Control)
            c = QChar(QChar::ReplacementCharacter);
    }
    return field;
}

int runCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QSet<QString> valueOptions;
    for (const auto &[name, command] : commands())
        valueOptions.unite(command.valueOptions);
    const CliArguments args = CliArguments::parse(arguments, valueOptions);
    const CliContext context{args, out, err};
    if (!args.error.isEmpty())
        return context.usageError(args.error);
    if (args.command.isEmpty())
        return context.usageError(QStringLiteral("no command given"));

    const auto found = commands().find(args.command);
    if (found == commands().end())
        return context.usageError(QStringLiteral("unknown command \"%1\"").arg(args.command));
    const Command &command = found->second;
    if (args.positional.size() != command.positionalCount)
        return context.usageError(
            QStringLiteral("%1 takes %2 argument(s)").arg(args.command).arg(command.positionalCount));
    for (const QString &flag : args.flags) {
        if (!command.flags.contains(flag))
            return context.usageError(QStringLiteral("%1 has no option --%2").arg(args.command, flag));
    }
    for (auto it = args.values.cbegin(); it != args.values.cend(); ++it) {
        if (!command.valueOptions.contains(it.key()))
            return context.usageError(QStringLiteral("%1 has no option --%2").arg(args.command, it.key()));
    }

    if (args.now)
        Clock::setFixed(*args.now);
    const int code = command.run(context);
    out.flush();
    err.flush();
    return code;
}
