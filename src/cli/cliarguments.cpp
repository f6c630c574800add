#include "cliarguments.h"

#include <platform/clock.h>
#include <platform/commandline.h>

CliArguments CliArguments::parse(const QStringList &words, const QSet<QString> &valueOptions, const QSet<QString> &flagOptions)
{
    CliArguments result;
    const auto option = [&](const QString &name, const QString &value) -> QString {
        if (name == QLatin1String("verbose")) {
            result.verbose = true;
        } else if (name == QLatin1String("now")) {
            result.now = Clock::parseLocalTimestamp(value);
            if (!result.now)
                return QStringLiteral("--now wants yyyy-MM-ddTHH:mm:ss, not \"%1\"").arg(value);
        } else if (valueOptions.contains(name)) {
            result.values.insert(name, value);
        } else {
            result.flags.insert(name);
        }
        return {};
    };
    CommandLine line({.valueOptions = QStringList(valueOptions.cbegin(), valueOptions.cend()) << QStringLiteral("now"),
                      .flags = QStringList(flagOptions.cbegin(), flagOptions.cend()) << QStringLiteral("verbose"),
                      .separator = true,
                      .dashArguments = true,
                      .option = option});
    const CommandLine::Outcome outcome = line.read(words);
    // The words read before a fault still name the command: its own reading may accept them.
    result.positional = line.arguments();
    while (result.command.isEmpty() && !result.positional.isEmpty()) // empty words before it are dropped
        result.command = result.positional.takeFirst();
    result.help = outcome == CommandLine::Outcome::Help;
    result.version = outcome == CommandLine::Outcome::Version;
    if (outcome == CommandLine::Outcome::Failed)
        result.error = line.error();
    return result;
}
