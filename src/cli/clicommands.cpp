#include "clicommands.h"

#include "cliarguments.h"

#include <model/calendarhelper.h>
#include <platform/clock.h>

#include <functional>
#include <map>

namespace {

const char kUsage[] = "usage: tallowick-cli [--now yyyy-MM-ddTHH:mm:ss] "
                      "count DATE [--count-up] | format DATE";

struct Command
{
    int positionalCount;
    QSet<QString> flags;
    QSet<QString> valueOptions;
    std::function<int(const CliArguments &, QTextStream &, QTextStream &)> run;
};

int countCommand(const CliArguments &args, QTextStream &out, QTextStream &)
{
    const std::optional<bool> countdown = args.has(QStringLiteral("count-up")) ? std::optional(false) : std::nullopt;
    out << CalendarHelper::getDayCount(args.positional.at(0), countdown) << '\n';
    return CliOk;
}

int formatCommand(const CliArguments &args, QTextStream &out, QTextStream &)
{
    out << CalendarHelper::getRightDateFormat(args.positional.at(0)) << '\n';
    return CliOk;
}

const std::map<QString, Command> &commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("count"), {1, {QStringLiteral("count-up")}, {}, countCommand}},
        {QStringLiteral("format"), {1, {}, {}, formatCommand}},
    };
    return table;
}

int usageError(QTextStream &err, const QString &message)
{
    err << "tallowick-cli: " << message << " (" << kUsage << ")\n";
    return CliUsage;
}

} // namespace

int runCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QSet<QString> valueOptions;
    for (const auto &[name, command] : commands())
        valueOptions.unite(command.valueOptions);
    const CliArguments args = CliArguments::parse(arguments, valueOptions);
    if (!args.error.isEmpty())
        return usageError(err, args.error);
    if (args.command.isEmpty())
        return usageError(err, QStringLiteral("no command given"));

    const auto found = commands().find(args.command);
    if (found == commands().end())
        return usageError(err, QStringLiteral("unknown command \"%1\"").arg(args.command));
    const Command &command = found->second;
    if (args.positional.size() != command.positionalCount)
        return usageError(err, QStringLiteral("%1 takes %2 argument(s)").arg(args.command).arg(command.positionalCount));
    for (const QString &flag : args.flags) {
        if (!command.flags.contains(flag))
            return usageError(err, QStringLiteral("%1 has no option --%2").arg(args.command, flag));
    }
    for (auto it = args.values.cbegin(); it != args.values.cend(); ++it) {
        if (!command.valueOptions.contains(it.key()))
            return usageError(err, QStringLiteral("%1 has no option --%2").arg(args.command, it.key()));
    }

    if (args.now)
        Clock::setFixed(*args.now);
    return command.run(args, out, err);
}
