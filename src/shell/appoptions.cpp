#include "appoptions.h"

#include <QRegularExpression>

#include <platform/clock.h>
#include <platform/commandline.h>

AppOptions AppOptions::parse(const QStringList &arguments)
{
    AppOptions options;
    const auto option = [&options](const QString &name, const QString &value) -> QString {
        if (name == QLatin1String("verbose")) {
            options.verbose = true;
        } else if (name == QLatin1String("screenshot")) {
            options.screenshotPath = value;
            if (value.isEmpty())
                return QStringLiteral("--screenshot needs a file name");
        } else if (name == QLatin1String("size")) {
            // WIDTHxHEIGHT in points, at least the window's smallest size.
            static const QRegularExpression form(QStringLiteral("^(\\d{3,5})x(\\d{3,5})$"));
            const QRegularExpressionMatch match = form.match(value);
            if (!match.hasMatch() || match.captured(1).toInt() < kMinimumWidth || match.captured(2).toInt() < kMinimumHeight)
                return QStringLiteral("--size wants WIDTHxHEIGHT of at least %1x%2, not \"%3\"")
                    .arg(kMinimumWidth).arg(kMinimumHeight).arg(value);
            options.size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
        } else if (name == QLatin1String("now")) {
            options.now = Clock::parseLocalTimestamp(value);
            if (!options.now)
                return QStringLiteral("--now wants yyyy-MM-ddTHH:mm:ss, not \"%1\"").arg(value);
        }
        return {};
    };
    const auto link = [&options](const QString &word) -> QString {
        if (!options.link.isEmpty())
            return QStringLiteral("only one link can be opened at a time");
        options.link = word;
        return {};
    };
    CommandLine line({.valueOptions = {QStringLiteral("screenshot"), QStringLiteral("size"), QStringLiteral("now")},
                      .flags = {QStringLiteral("verbose")},
                      .argument = link,
                      .option = option});
    const CommandLine::Outcome outcome = line.read(arguments);
    options.help = outcome == CommandLine::Outcome::Help;
    options.version = outcome == CommandLine::Outcome::Version;
    if (outcome == CommandLine::Outcome::Failed)
        options.error = line.error();
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
