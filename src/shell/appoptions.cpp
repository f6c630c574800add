#include "appoptions.h"

#include <platform/clock.h>

AppOptions AppOptions::parse(const QStringList &arguments)
{
    AppOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments.at(i);
        const auto value = [&]() -> QString {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("%1 needs a value").arg(word);
                return {};
            }
            return arguments.at(++i);
        };
        if (word == QLatin1String("--screenshot")) {
            options.screenshotPath = value();
        } else if (word == QLatin1String("--now")) {
            const QString text = value();
            options.now = Clock::parseLocalTimestamp(text);
            if (!options.now && options.error.isEmpty())
                options.error = QStringLiteral("--now wants yyyy-MM-ddTHH:mm:ss, not \"%1\"").arg(text);
        } else if (word.startsWith(QLatin1String("--"))) {
            options.error = QStringLiteral("unknown option %1").arg(word);
        } else if (options.link.isEmpty()) {
            options.link = word;
        } else {
            options.error = QStringLiteral("only one link can be opened at a time");
        }
        if (!options.error.isEmpty())
            break;
    }
    return options;
}
