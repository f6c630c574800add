#include "appoptions.h"

#include <QRegularExpression>

#include <platform/clock.h>

AppOptions AppOptions::parse(const QStringList &arguments)
{
    AppOptions options;
    for (qsizetype i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString &word = arguments.at(i);
        if (!word.startsWith(QLatin1Char('-'))) {
            if (options.link.isEmpty())
                options.link = word;
            else
                options.error = QStringLiteral("only one link can be opened at a time");
            continue;
        }
        QString name = word;
        std::optional<QString> inlineValue;
        if (const qsizetype equals = word.indexOf(QLatin1Char('=')); word.startsWith(QLatin1String("--")) && equals > 2) {
            inlineValue = word.mid(equals + 1);
            name.truncate(equals);
        }
        const auto value = [&]() -> QString {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("%1 needs a value").arg(name);
                return {};
            }
            return arguments.at(++i);
        };
        const bool isFlag = name == QLatin1String("-h") || name == QLatin1String("--help")
            || name == QLatin1String("--version") || name == QLatin1String("--verbose");
        if (isFlag && inlineValue) {
            options.error = QStringLiteral("%1 takes no value").arg(name);
        } else if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
            options.help = true;
            break;
        } else if (name == QLatin1String("--version")) {
            options.version = true;
            break;
        } else if (name == QLatin1String("--verbose")) {
            options.verbose = true;
        } else if (name == QLatin1String("--screenshot")) {
            options.screenshotPath = value();
            if (options.screenshotPath.isEmpty() && options.error.isEmpty())
                options.error = QStringLiteral("--screenshot needs a file name");
        } else if (name == QLatin1String("--size")) {
            // WIDTHxHEIGHT in points, at least the window's smallest size.
            static const QRegularExpression form(QStringLiteral("^(\\d{3,5})x(\\d{3,5})$"));
            const QString text = value();
            const QRegularExpressionMatch match = form.match(text);
            if (match.hasMatch() && match.captured(1).toInt() >= kMinimumWidth && match.captured(2).toInt() >= kMinimumHeight)
                options.size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
            else if (options.error.isEmpty())
                options.error = QStringLiteral("--size wants WIDTHxHEIGHT of at least %1x%2, not \"%3\"")
                                    .arg(kMinimumWidth).arg(kMinimumHeight).arg(text);
        } else if (name == QLatin1String("--now")) {
            const QString text = value();
            options.now = Clock::parseLocalTimestamp(text);
            if (!options.now && options.error.isEmpty())
                options.error = QStringLiteral("--now wants yyyy-MM-ddTHH:mm:ss, not \"%1\"").arg(text);
        } else {
            options.error = QStringLiteral("unknown option %1").arg(name);
        }
    }
    return options;
}

QString AppOptions::helpText()
{
    return QStringLiteral(
        "Usage: tallowick [OPTION]... [LINK]\n"
        "Tallowick, a personal day counter: a page for each of your events, with the days left\n"
        "until its date or the days since it.\n"
        "\n"
        "  LINK                  open this link: tallowick://open?pageNumber=N or\n"
        "                        https://tallowick.page.link?pageNumber=N opens a page; a link\n"
        "                        with ddate, countdown, dateTitle and colorIndex adds a shared\n"
        "                        event. A Tallowick already running is handed the link instead.\n"
        "      --screenshot FILE draw the settled page once, save it in FILE as PNG and exit\n"
        "                        (no display needed)\n"
        "      --size WIDTHxHEIGHT the window's size for this run (at least 320x560; without it\n"
        "                        the size it was left at, within the screen)\n"
        "      --now yyyy-MM-ddTHH:mm:ss\n"
        "                        set the clock to this local time; it runs on from there (a\n"
        "                        screenshot is of that moment)\n"
        "      --verbose         print diagnostics on standard error\n"
        "  -h, --help            print this help and exit\n"
        "      --version         print the version and exit\n"
        "\n"
        "Exit status: 0 done (or the link handed to the running Tallowick), 1 the window could not\n"
        "be made or the screenshot not saved, 2 the command line could not be read.\n"
        "\n"
        "See tallowick(1), tallowick-home(1) and tallowick-cli(1).\n");
}
