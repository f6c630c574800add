#include "cliarguments.h"

#include <platform/clock.h>

CliArguments CliArguments::parse(const QStringList &words, const QSet<QString> &valueOptions)
{
    CliArguments result;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (!word.startsWith(QLatin1String("--")) || word == QLatin1String("--")) {
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
        const bool wantsValue = name == QLatin1String("now") || valueOptions.contains(name);
        if (wantsValue && !hasValue) {
            if (i + 1 >= words.size()) {
                result.error = QStringLiteral("option --%1 needs a value").arg(name);
                return result;
            }
            value = words.at(++i);
            hasValue = true;
        }
        if (!wantsValue && hasValue) {
            result.error = QStringLiteral("option --%1 takes no value").arg(name);
            return result;
        }
        if (name == QLatin1String("now")) {
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
