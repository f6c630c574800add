#include "clicommands.h"

#include "clicontext.h"

#include <model/calendarhelper.h>
#include <platform/appinfo.h>
#include <platform/clock.h>
#include <store/eventrules.h>
#include <platform/diagnostics.h>
#include <store/linkquery.h>

#include <map>

namespace {

const char kHelp[] =
    "Usage: tallowick-cli [OPTION]... COMMAND [ARGUMENT]...\n"
    "The command-line companion of Tallowick: works on the same events, reminders and files as the\n"
    "app, and can run beside it.\n"
    "\n"
    "Commands:\n"
    "  count DATE [--count-up]       the day-count text of a date (\"YAY!\", 10, -3)\n"
    "  format DATE                   the display date in your language (18.Dec.26)\n"
    "  list [--json]                 index, count, date and title of every event (--json: also\n"
    "                                its id, the count as a number of days, its direction, and\n"
    "                                the count in its unit as parts)\n"
    "  add TITLE DATE [--count-up] [--yearly] [--theme ID] [--unit UNIT]\n"
    "                                add an event at the front; --yearly: it comes back every\n"
    "                                year and counts down to its next occurrence\n"
    "  edit EVENT [--title T] [--date D] [--count-up | --count-down] [--yearly | --once]\n"
    "             [--theme ID] [--unit UNIT]\n"
    "                                change an event\n"
    "  delete EVENT                  delete an event (never the last one) and its reminders\n"
    "  move EVENT TO                 move an event to place TO (an index) in the list\n"
    "  open URL                      open a widget's or a shared event's link; prints the page\n"
    "  remind EVENT one|three|seven|off\n"
    "                                reminders on the day (one), and on the 3 or 7 days\n"
    "                                before (three, seven), or none (off)\n"
    "  notifications allow|deny|status|autostart|no-autostart\n"
    "                                whether Tallowick may send reminders; whether the session\n"
    "                                starts their delivery at login (the home screen's autostart\n"
    "                                entry, which the app sets up once)\n"
    "  notifications time HH:MM      the time of day reminders arrive (24-hour; 10:00 unless\n"
    "                                chosen); pending reminders move to it on their days\n"
    "  pending [--json]              reminders waiting to be delivered (--json: also the event's\n"
    "                                id, its day and the days before it)\n"
    "  export --ics FILE | --json FILE\n"
    "                                write the events as an iCalendar file for calendar programs,\n"
    "                                or as a backup of everything they hold (FILE - for standard\n"
    "                                output)\n"
    "  import FILE [--update]        add the events of an iCalendar file, or bring back those of a\n"
    "                                backup that the list lacks; prints what was added, skipped\n"
    "                                and refused, and why, and which fields of an event in the\n"
    "                                list the calendar has otherwise; --update takes the\n"
    "                                calendar's version of those\n"
    "  sync                          send this device's changes to the calendar server and bring\n"
    "                                in the other devices' (once sync setup is done)\n"
    "  sync status [--json]          the account, the last sync and its outcome, and the changes\n"
    "                                waiting to go up\n"
    "  sync setup URL --user NAME [--calendar NAME] [--password-stdin | --password-command CMD]\n"
    "                                sync the events through a CalDAV server (URL: the server or\n"
    "                                a calendar on it) in its calendar NAME (\"Tallowick\" unless\n"
    "                                told; made when missing). The password is kept in the\n"
    "                                desktop's keyring, read from standard input or asked for on\n"
    "                                the terminal; or CMD prints it at each sync (pass show dav)\n"
    "  sync off                      stop syncing: forget the account, its password and the sync\n"
    "                                state (the events stay)\n"
    "\n"
    "Options, for every command:\n"
    "      --now yyyy-MM-ddTHH:mm:ss fix the clock at this local time\n"
    "      --verbose                 print diagnostics on standard error\n"
    "  -h, --help                    print this help and exit\n"
    "      --version                 print the version and exit\n"
    "      --                        every word after it is an argument, even one starting with -\n"
    "\n"
    "DATE is 2026-12-25, a full timestamp 2026-12-25T09:00:00+0900, or the long date of your\n"
    "language with the year in full (December 25, 2026; 25. Dezember 2026). EVENT is an index\n"
    "counting from 0, as list shows, or an event's id (list --json), which names the same\n"
    "event whatever another program moves meanwhile. ID is a colour theme's number: 1 to 5\n"
    "(plain bars) or 1001 to 1009 (bars with a picture); a new event has 1003 unless told.\n"
    "UNIT is what the count is shown in: days (unless told), weeks (6 weeks 3 days), months\n"
    "(3 months 12 days) or years (2 years 3 months 5 days).\n"
    "\n"
    "Exit status: 0 done, 1 refused (the limit of 30 events, the last event, reminders not\n"
    "allowed, a server, keyring or password command that failed), 2 the command line or the\n"
    "file to import could not be read (nothing is changed).\n"
    "\n"
    "See tallowick-cli(1).\n";

struct Command
{
    CliShape shape;
    CliCommandFunction run;
};

// A command with a fixed number of positional words.
Command fixed(int positional, QSet<QString> flags, QSet<QString> valueOptions, CliCommandFunction run)
{
    return {{positional, positional, std::move(flags), std::move(valueOptions)}, run};
}

const std::map<QString, Command> &commands()
{
    const QString countUp = QStringLiteral("count-up");
    const QString json = QStringLiteral("json");
    const QString theme = QStringLiteral("theme");
    const QString yearly = QStringLiteral("yearly");
    const QString unit = QStringLiteral("unit");
    static const std::map<QString, Command> table = {
        {QStringLiteral("count"), fixed(1, {countUp}, {}, countCommand)},
        {QStringLiteral("format"), fixed(1, {}, {}, formatCommand)},
        {QStringLiteral("list"), fixed(0, {json}, {}, listCommand)},
        {QStringLiteral("add"), fixed(2, {countUp, yearly}, {theme, unit}, addCommand)},
        {QStringLiteral("edit"),
         fixed(1, {countUp, QStringLiteral("count-down"), yearly, QStringLiteral("once")},
               {QStringLiteral("title"), QStringLiteral("date"), theme, unit}, editCommand)},
        {QStringLiteral("delete"), fixed(1, {}, {}, deleteCommand)},
        {QStringLiteral("move"), fixed(2, {}, {}, moveCommand)},
        {QStringLiteral("open"), fixed(1, {}, {}, openCommand)},
        {QStringLiteral("remind"), fixed(2, {}, {}, remindCommand)},
        // "time" takes its HH:MM as a second word; the command checks the count itself.
        {QStringLiteral("notifications"), {{1, 2, {}, {}}, notificationsCommand}},
        {QStringLiteral("pending"), fixed(0, {json}, {}, pendingCommand)},
        {QStringLiteral("export"), fixed(0, {}, {QStringLiteral("ics"), json}, exportCommand)},
        {QStringLiteral("import"), fixed(1, {QStringLiteral("update")}, {}, importCommand)},
        // Its subcommands take their own words and options: it checks them itself.
        {QStringLiteral("sync"), {syncShape(), syncCommand}},
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

std::optional<int> CliContext::misfit(const QString &name, const CliShape &shape) const
{
    const qsizetype given = args.positional.size();
    if (given < shape.leastPositional || given > shape.mostPositional) {
        const int most = shape.mostPositional;
        const QString takes = shape.leastPositional == most
                                  ? QStringLiteral("%1 argument%2").arg(most).arg(most == 1 ? QString() : QStringLiteral("s"))
                                  : QStringLiteral("%1 to %2 arguments").arg(shape.leastPositional).arg(most);
        return usageError(QStringLiteral("%1 takes %2, not %3").arg(name, takes).arg(given));
    }
    for (const QString &flag : args.flags) {
        if (!shape.flags.contains(flag))
            return usageError(QStringLiteral("%1 has no option --%2").arg(name, flag));
    }
    for (auto it = args.values.cbegin(); it != args.values.cend(); ++it) {
        if (!shape.valueOptions.contains(it.key()))
            return usageError(QStringLiteral("%1 has no option --%2").arg(name, it.key()));
    }
    return std::nullopt;
}

int CliContext::refused(StoreOutcome outcome, const QString &reason) const
{
    if (reason.isEmpty())
        return refused(outcome);
    err << "tallowick-cli: " << reason << (outcome == StoreOutcome::NotPublished ? "\n" : "; nothing was changed\n");
    err.flush();
    return CliRefused;
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
    auto instant = CalendarHelper::parse(text);
    if (!instant)
        instant = CalendarHelper::parseLongDate(text);
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
    // The command's own options decide how the line reads: "--json" is a flag of list and a
    // file of export. A first reading, with every option any command knows, finds the command.
    QSet<QString> valueOptions;
    QSet<QString> flagOptions;
    for (const auto &[name, command] : commands()) {
        valueOptions.unite(command.shape.valueOptions);
        flagOptions.unite(command.shape.flags);
    }
    valueOptions.subtract(flagOptions);
    CliArguments args = CliArguments::parse(arguments, valueOptions, flagOptions);
    if (const auto known = commands().find(args.command); known != commands().end() && !args.help && !args.version) {
        // Read again as this command reads its options; the others' still parse, to be named.
        const Command &command = known->second;
        args = CliArguments::parse(arguments, (valueOptions - command.shape.flags).unite(command.shape.valueOptions),
                                   (flagOptions - command.shape.valueOptions).unite(command.shape.flags));
    }
    const CliContext context{args, out, err};
    if (!args.error.isEmpty())
        return context.usageError(args.error);
    if (args.help) {
        out << kHelp;
        out.flush();
        return CliOk;
    }
    if (args.version) {
        out << "tallowick-cli " << AppInfo::kVersion << '\n';
        out.flush();
        return CliOk;
    }
    if (args.verbose)
        Diagnostics::setVerbose(true);
    if (args.command.isEmpty())
        return context.usageError(QStringLiteral("no command given"));

    const auto found = commands().find(args.command);
    if (found == commands().end())
        return context.usageError(QStringLiteral("unknown command \"%1\"").arg(args.command));
    const Command &command = found->second;
    if (const auto code = context.misfit(args.command, command.shape))
        return *code;

    if (args.now)
        Clock::setFixed(*args.now);
    const int code = command.run(context);
    out.flush();
    err.flush();
    return code;
}
