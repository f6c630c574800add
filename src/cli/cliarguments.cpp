#include "cliarguments.h"

#include <platform/clock.h>

namespace {

// "-x" but not "-1" or "-": negative numbers and a lone dash are words, not options.
bool isShortOption(const QString &word)
{
    return word.size() >= 2 && word.at(0) == QLatin1Char('-') && word.at(1).isLetter();
}

} // namespace

CliArguments CliArguments::parse(const QStringList &words, const QSet<QString> &valueOptions, const QSet<QString> &flagOptions)
{
    CliArguments result;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (!optionsEnded && word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && word == QLatin1String("-h")) {
            result.help = true;
            return result;
        }
        if (!optionsEnded && isShortOption(word)) {
            result.error = QStringLiteral("unknown option %1").arg(word);
            return result;
        }
        if (optionsEnded || !word.startsWith(QLatin1String("--"))) {
            if (result.command.isEmpty())
                result.command = word;
            else
                result.positional.append(word);
            continue;
        }
        QString name = word.mid(2);
        QString value;
        bool hasValue = false;
        if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq >= 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
            hasValue = true;
        }
        const bool global = name == QLatin1String("help") || name == QLatin1String("version") || name == QLatin1String("verbose");
        const bool wantsValue = name == QLatin1String("now") || valueOptions.contains(name);
        if (!wantsValue && !global && !flagOptions.contains(name)) {
            result.error = QStringLiteral("unknown option --%1").arg(name);
            return result;
        }
        if (wantsValue && !hasValue) {
            if (i + 1 >= words.size()) {
                result.error = QStringLiteral("--%1 needs a value").arg(name);
                return result;
            }
            value = words.at(++i);
            hasValue = true;
        }
        if (!wantsValue && hasValue) {
            result.error = QStringLiteral("--%1 takes no value").arg(name);
            return result;
        }
        if (name == QLatin1String("help")) {
            result.help = true;
            return result;
        }
        if (name == QLatin1String("version")) {
            result.version = true;
            return result;
        }
        if (name == QLatin1String("verbose")) {
            result.verbose = true;
        } else if (name == QLatin1String("now")) {
            result.now = Clock::parseLocalTimestamp(value);
            if (!result.now) {
                result.error = QStringLiteral("--now wants yyyy-MM-ddTHH:mm:ss, not \"%1\"").arg(value);
                return result;
            }
        } else if (wantsValue) {
            result.values.insert(name, value);
        } else {
            result.flags.insert(name);
        }
    }
    return result;
}
