#include "homeoptions.h"

#include <platform/clock.h>
#include <platform/commandline.h>

#include <QRegularExpression>

namespace {

const QStringList kValueOptions = {QStringLiteral("add"),    QStringLiteral("event"), QStringLiteral("at"),
                                   QStringLiteral("remove"), QStringLiteral("render"), QStringLiteral("out"),
                                   QStringLiteral("now"),    QStringLiteral("scale")};
const QStringList kFlags = {QStringLiteral("list"),              QStringLiteral("placeholder"),
                            QStringLiteral("install-autostart"), QStringLiteral("remove-autostart"),
                            QStringLiteral("verbose"),           QStringLiteral("background")};

// The scale is a factor of the widget's size in points; past this the picture is huge.
constexpr qreal kLargestScale = 16;

HomeOptions failed(const QString &message)
{
    HomeOptions options;
    options.error = message;
    return options;
}

} // namespace

QString HomeOptions::helpText()
{
    return QStringLiteral(
        "Usage: tallowick-home [OPTION]...\n"
        "The Tallowick home screen: shows your widgets on the desktop, redraws them at midnight and\n"
        "whenever Tallowick changes something, and delivers reminders as desktop notifications.\n"
        "Without a command it runs the home screen (with no widget yet, a window adds one; a home\n"
        "screen already running shows that window instead); a command does its work and exits.\n"
        "It ends by itself when it has no widget, no window and no reminder ahead.\n"
        "\n"
        "      --background      run the home screen without opening a window (the app and the\n"
        "                        session start it so, for the reminders); with one running, do\n"
        "                        nothing\n"
        "\n"
        "Commands:\n"
        "      --add small|medium|large [--event TITLE] [--at X,Y]\n"
        "                        add a widget (showing the event titled TITLE, at X,Y) and print\n"
        "                        its id\n"
        "      --list            print every widget: id, size, event and position\n"
        "      --remove ID       remove a widget\n"
        "      --render small|medium|large|extraLarge --out FILE.png [--event TITLE | --placeholder]\n"
        "               [--scale N]\n"
        "                        draw what a widget shows now into FILE.png (N times its size in\n"
        "                        points, 2 unless told; at most 16)\n"
        "      --install-autostart\n"
        "                        start the home screen with the session\n"
        "      --remove-autostart\n"
        "                        no longer start it with the session\n"
        "\n"
        "Options:\n"
        "      --now yyyy-MM-ddTHH:mm:ss\n"
        "                        set the clock to this local time (the running home screen's\n"
        "                        clock runs on from it)\n"
        "      --verbose         print diagnostics on standard error\n"
        "  -h, --help            print this help and exit\n"
        "      --version         print the version and exit\n"
        "\n"
        "Exit status: 0 done (or handed to the home screen already running), 1 refused (no such\n"
        "widget or event, a file that cannot be written, no widget plug-in), 2 the command line\n"
        "could not be read.\n"
        "\n"
        "See tallowick-home(1).\n");
}

HomeOptions HomeOptions::parse(const QStringList &arguments)
{
    CommandLine line({.valueOptions = kValueOptions,
                      .flags = kFlags,
                      .repeats = false,
                      .argument = [](const QString &word) {
                          return QStringLiteral("unexpected argument \"%1\"").arg(word);
                      }});
    const CommandLine::Outcome outcome = line.read(arguments);
    if (outcome == CommandLine::Outcome::Failed)
        return failed(line.error());
    if (outcome != CommandLine::Outcome::Read) {
        HomeOptions options;
        options.mode = outcome == CommandLine::Outcome::Version ? Mode::Version : Mode::Help;
        return options;
    }
    const auto given = [&line](const QString &name) { return line.isSet(name); };
    const auto value = [&line](const QString &name) { return line.value(name); };

    HomeOptions options;
    options.verbose = given(QStringLiteral("verbose"));
    QStringList modes;
    const auto modeOption = [&](const QString &name, Mode mode) {
        if (given(name)) {
            modes.append(QStringLiteral("--") + name);
            options.mode = mode;
        }
    };
    modeOption(QStringLiteral("add"), Mode::Add);
    modeOption(QStringLiteral("list"), Mode::List);
    modeOption(QStringLiteral("remove"), Mode::Remove);
    modeOption(QStringLiteral("render"), Mode::Render);
    modeOption(QStringLiteral("install-autostart"), Mode::InstallAutostart);
    modeOption(QStringLiteral("remove-autostart"), Mode::RemoveAutostart);
    if (modes.size() > 1)
        return failed(QStringLiteral("%1 cannot be combined").arg(modes.join(QStringLiteral(" and "))));

    // Every option that belongs to one mode only, with that mode.
    const QList<std::pair<QString, QList<Mode>>> belongs = {
        {QStringLiteral("event"), {Mode::Add, Mode::Render}}, {QStringLiteral("at"), {Mode::Add}},
        {QStringLiteral("out"), {Mode::Render}},               {QStringLiteral("scale"), {Mode::Render}},
        {QStringLiteral("placeholder"), {Mode::Render}},      {QStringLiteral("background"), {Mode::Run}},
    };
    for (const auto &[name, allowed] : belongs) {
        if (given(name) && !allowed.contains(options.mode))
            return failed(QStringLiteral("--%1 is not for this command").arg(name));
    }

    if (given(QStringLiteral("now"))) {
        options.now = Clock::parseLocalTimestamp(value(QStringLiteral("now")));
        if (!options.now)
            return failed(QStringLiteral("--now takes yyyy-MM-ddTHH:mm:ss"));
    }

    switch (options.mode) {
    case Mode::Add: {
        const QString name = value(QStringLiteral("add"));
        const auto family = widgetFamilyFromName(name);
        if (!family || *family == WidgetFamily::SystemExtraLarge)
            return failed(QStringLiteral("--add takes small, medium or large, not \"%1\"").arg(name));
        options.family = *family;
        if (given(QStringLiteral("at"))) {
            static const QRegularExpression point(QStringLiteral("^(-?\\d{1,9}),(-?\\d{1,9})$"));
            const auto match = point.match(value(QStringLiteral("at")));
            if (!match.hasMatch())
                return failed(QStringLiteral("--at takes X,Y in whole points"));
            options.at = QPoint(match.captured(1).toInt(), match.captured(2).toInt());
        }
        break;
    }
    case Mode::Remove:
        options.id = value(QStringLiteral("remove"));
        if (options.id.isEmpty())
            return failed(QStringLiteral("--remove needs a widget id"));
        break;
    case Mode::Render: {
        const QString name = value(QStringLiteral("render"));
        const auto family = widgetFamilyFromName(name);
        if (!family)
            return failed(QStringLiteral("--render takes small, medium, large or extraLarge, not \"%1\"").arg(name));
        options.family = *family;
        options.out = value(QStringLiteral("out"));
        if (options.out.isEmpty())
            return failed(QStringLiteral("--render needs --out FILE.png"));
        options.placeholder = given(QStringLiteral("placeholder"));
        if (options.placeholder && given(QStringLiteral("event")))
            return failed(QStringLiteral("--placeholder shows no event"));
        if (given(QStringLiteral("scale"))) {
            bool ok = false;
            options.scale = value(QStringLiteral("scale")).toDouble(&ok);
            if (!ok || !(options.scale > 0) || options.scale > kLargestScale)
                return failed(QStringLiteral("--scale takes a number above 0, at most %1").arg(kLargestScale));
        }
        break;
    }
    case Mode::Run:
    case Mode::List:
    case Mode::InstallAutostart:
    case Mode::RemoveAutostart:
    case Mode::Help:
    case Mode::Version:
        break;
    }
    if (given(QStringLiteral("event")))
        options.event = value(QStringLiteral("event"));
    options.background = given(QStringLiteral("background"));
    return options;
}
