#include <support/testenvironment.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct CliRun
{
    int exitCode;
    QString out;
    QString err;
};

CliRun runCli(const QStringList &arguments, const QString &zone = QStringLiteral("Asia/Seoul"),
           const QString &language = QStringLiteral("en_US.UTF-8"), int asUser = -1)
{
    QProcess process;
    // Run as another (unprivileged) user, for what root's rights would otherwise hide.
    if (asUser >= 0)
        process.setChildProcessModifier([asUser] {
            if (::setgid(asUser) != 0 || ::setuid(asUser) != 0)
                ::_exit(99);
        });
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TZ"), zone);
    env.insert(QStringLiteral("LC_ALL"), language);
    env.insert(QStringLiteral("LANG"), language);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALLOWICK_CLI_PATH), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A run in a session whose language settings are `settings` ("LANGUAGE=de:en", ...), and
// only those.
CliRun runCliWithLanguage(const QStringList &arguments, const QStringList &settings)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_TIME", "LANG"})
        env.remove(QLatin1String(name));
    for (const QString &setting : settings)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALLOWICK_CLI_PATH), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class Cli : public ::testing::Test
{
protected:
    TemporaryHome home;
};

} // namespace

TEST_F(Cli, CountPrintsOnlyTheCountText)
{
    CliRun run = runCli({QStringLiteral("--now"), QStringLiteral("2024-05-01T09:00:30"), QStringLiteral("count"), QStringLiteral("2024-05-11")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("10\n"));

    run = runCli({QStringLiteral("count"), QStringLiteral("2024-05-11"), QStringLiteral("--count-up"), QStringLiteral("--now=2024-05-01T09:00:30")});
    EXPECT_EQ(run.out, QStringLiteral("9\n"));

    run = runCli({QStringLiteral("count"), QStringLiteral("2024-05-02"), QStringLiteral("--now"), QStringLiteral("2024-05-01T23:59:30")});
    EXPECT_EQ(run.out, QStringLiteral("YAY!\n"));
}

TEST_F(Cli, CountUsesTheProcessTimeZone)
{
    // The same timestamp falls on 1 May in Seoul and on 30 April in New York.
    const QStringList args{QStringLiteral("--now"), QStringLiteral("2024-05-01T10:00:00"), QStringLiteral("count"),
                           QStringLiteral("2024-05-01T09:00:00+0900")};
    EXPECT_EQ(runCli(args).out, QStringLiteral("YAY!\n"));
    EXPECT_EQ(runCli(args, QStringLiteral("America/New_York")).out, QStringLiteral("-1\n"));
}

TEST_F(Cli, FormatFollowsTheProcessLanguage)
{
    EXPECT_EQ(runCli({QStringLiteral("format"), QStringLiteral("2024-05-01")}).out, QStringLiteral("1.May.24\n"));
    EXPECT_EQ(runCli({QStringLiteral("format"), QStringLiteral("2024-05-01")}, QStringLiteral("Asia/Seoul"), QStringLiteral("ko_KR.UTF-8")).out,
              QString::fromUtf8("2024년 5월 1일\n"));
    // One stop after the German month's own, not two.
    EXPECT_EQ(runCli({QStringLiteral("format"), QStringLiteral("2026-12-18")}, QStringLiteral("Asia/Seoul"), QStringLiteral("de_DE.UTF-8")).out,
              QStringLiteral("18. Dez. 26\n"));
}

TEST_F(Cli, ADateThatIsNoDateIsRefusedNotCountedAsToday)
{
    for (const QString &command : {QStringLiteral("count"), QStringLiteral("format")}) {
        for (const QString &date : {QStringLiteral("whenever"), QStringLiteral("2026-02-30"), QStringLiteral("tomorrow"), QString()}) {
            const CliRun run = runCli({command, date});
            EXPECT_EQ(run.exitCode, 2) << command.toStdString() << ' ' << date.toStdString();
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(QStringLiteral("is not a date"))) << run.err.toStdString();
        }
    }
}

TEST_F(Cli, UsageErrorsExitTwoWithOneLine)
{
    const QList<QStringList> bad = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("count")},
        {QStringLiteral("count"), QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("count"), QStringLiteral("2024-05-01"), QStringLiteral("--sideways")},
        {QStringLiteral("--now"), QStringLiteral("yesterday"), QStringLiteral("count"), QStringLiteral("2024-05-01")},
        {QStringLiteral("count"), QStringLiteral("2024-05-01"), QStringLiteral("--now")},
    };
    for (const QStringList &args : bad) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
        // The line names what is wrong and where to read more, with no usage dump.
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("tallowick-cli: "))) << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith(QStringLiteral(" (try --help)\n"))) << run.err.toStdString();
        EXPECT_LT(run.err.size(), 120) << run.err.toStdString();
    }
}

TEST_F(Cli, UnknownOptionsAreNamed)
{
    const struct
    {
        QStringList args;
        const char *line;
    } cases[] = {
        {{QStringLiteral("--foo")}, "tallowick-cli: unknown option --foo (try --help)\n"},
        {{QStringLiteral("list"), QStringLiteral("--foo=1")}, "tallowick-cli: unknown option --foo (try --help)\n"},
        {{QStringLiteral("list"), QStringLiteral("-x")}, "tallowick-cli: unknown option -x (try --help)\n"},
        {{QStringLiteral("list"), QStringLiteral("--count-up")}, "tallowick-cli: list has no option --count-up (try --help)\n"},
        {{QStringLiteral("list"), QStringLiteral("--json=yes")}, "tallowick-cli: --json takes no value (try --help)\n"},
        {{QStringLiteral("add"), QStringLiteral("T"), QStringLiteral("--theme")}, "tallowick-cli: --theme needs a value (try --help)\n"},
        {{QStringLiteral("move"), QStringLiteral("1")}, "tallowick-cli: move takes 2 arguments, not 1 (try --help)\n"},
    };
    for (const auto &c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err, QString::fromUtf8(c.line));
    }
}

TEST_F(Cli, HelpAndVersion)
{
    for (const QStringList &args : QList<QStringList>{{QStringLiteral("--help")},
                                                      {QStringLiteral("-h")},
                                                      {QStringLiteral("list"), QStringLiteral("--help")},
                                                      {QStringLiteral("frobnicate"), QStringLiteral("-h")}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 0) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage: tallowick-cli [OPTION]... COMMAND [ARGUMENT]...\n")));
        for (const char *command : {"count DATE", "format DATE", "list [--json]", "add TITLE DATE", "edit EVENT", "delete EVENT",
                                    "move EVENT TO", "open URL", "remind EVENT one|three|seven|off",
                                    "notifications allow|deny|status|autostart|no-autostart", "pending [--json]", "--now", "--verbose", "--version"})
            EXPECT_TRUE(run.out.contains(QLatin1String(command))) << command;
    }
    const CliRun version = runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("tallowick-cli " TALLOWICK_VERSION "\n"));
    EXPECT_TRUE(version.err.isEmpty());
}

namespace {

QJsonArray listJson()
{
    return QJsonDocument::fromJson(runCli({QStringLiteral("list"), QStringLiteral("--json")}).out.toUtf8()).array();
}

QStringList listedTitles()
{
    QStringList titles;
    for (const QJsonValue &event : listJson())
        titles.append(event.toObject().value(QStringLiteral("dateTitle")).toString());
    return titles;
}

QByteArray settingsBytes(const TemporaryHome &home)
{
    QFile file(home.configHome() + QStringLiteral("/tallowick/settings.plist"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kNow = QStringLiteral("--now=2026-12-08T09:00:00");

} // namespace

// A DATE may be the long date of the process's language, with its year in full; the short
// display date (two-digit year) is refused rather than given a guessed century.
TEST_F(Cli, ALongLocalDateIsTakenAsTheDayItNames)
{
    const struct
    {
        const char *language;
        const char *date;
        const char *count; // nullptr: refused
    } cases[] = {
        {"en_US.UTF-8", "December 25, 2026", "17"},
        {"de_DE.UTF-8", "25. Dezember 2026", "17"},
        {"en_US.UTF-8", "December 25, 26", nullptr},
        {"en_US.UTF-8", "25.Dec.26", nullptr},
        {"en_US.UTF-8", "25. Dezember 2026", nullptr},
    };
    for (const auto &c : cases) {
        const CliRun run = runCli({kNow, QStringLiteral("count"), QString::fromUtf8(c.date)}, QStringLiteral("Asia/Seoul"),
                                  QString::fromUtf8(c.language));
        EXPECT_EQ(run.exitCode, c.count ? 0 : 2) << c.date << ' ' << run.err.toStdString();
        EXPECT_EQ(run.out, c.count ? QString::fromUtf8(c.count) + QLatin1Char('\n') : QString()) << c.date;
    }
    ASSERT_EQ(runCli({kNow, QStringLiteral("add"), QStringLiteral("Xmas"), QStringLiteral("25. Dezember 2026")}, QStringLiteral("Asia/Seoul"),
                     QStringLiteral("de_DE.UTF-8"))
                  .exitCode,
              0);
    EXPECT_EQ(listJson().at(0).toObject().value(QStringLiteral("ddate")).toString(), QStringLiteral("2026-12-25"));
}


// The first start's events come in the person's language, chosen as desktop programs choose
// it, and stay as saved whatever language a later run has.
TEST_F(Cli, TheFirstEventsAreInThePersonsLanguage)
{
    const QStringList german{QStringLiteral("LANGUAGE=de:en"), QStringLiteral("LANG=en_US.UTF-8")};
    CliRun run = runCliWithLanguage({kNow, QStringLiteral("list")}, german);
    EXPECT_EQ(run.out, QStringLiteral("0\t24\t2027-01-01\tNeujahr\n1\t228\t2027-07-24\tSommerurlaub\n"
                                      "2\t1029\t2024-02-14\tZusammen\n"));
    // Read-only: nothing was saved, so an English run still starts in English.
    EXPECT_EQ(runCliWithLanguage({QStringLiteral("list"), QStringLiteral("--json")}, {QStringLiteral("LANG=en_US.UTF-8")})
                  .out.count(QStringLiteral("New Year")),
              1);
    // The first change saves them in the language of that run (LC_MESSAGES over LANG here).
    ASSERT_EQ(runCliWithLanguage({QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--theme"), QStringLiteral("1004")},
                                 {QStringLiteral("LC_MESSAGES=ru_RU.UTF-8"), QStringLiteral("LANG=de_DE.UTF-8")})
                  .exitCode,
              0);
    EXPECT_EQ(listedTitles(), (QStringList{QStringLiteral("Новый год"), QStringLiteral("Летняя поездка"), QStringLiteral("Вместе")}));
}



TEST_F(Cli, KeepsEventsFromAddToDelete)
{
    // A first run shows the packaged events.
    const QJsonArray defaults = listJson();
    ASSERT_GE(defaults.size(), 2);
    EXPECT_TRUE(defaults.at(0).toObject().contains(QStringLiteral("count")));
    EXPECT_EQ(defaults.at(0).toObject().value(QStringLiteral("index")).toInt(), 0);

    CliRun run = runCli({kNow, QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2026-12-18")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = runCli({kNow, QStringLiteral("list")});
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("0\t10\t2026-12-18\tTrip\n"))) << run.out.toStdString();

    const QJsonObject trip = listJson().at(0).toObject();
    EXPECT_EQ(trip.value(QStringLiteral("colorIndex")).toInt(), 1003);
    EXPECT_FALSE(trip.contains(QStringLiteral("repeatNotification")));

    ASSERT_EQ(runCli({QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--title"), QStringLiteral("Rome"),
                      QStringLiteral("--count-up"), QStringLiteral("--theme"), QStringLiteral("1004")})
                  .exitCode,
              0);
    const QJsonObject rome = listJson().at(0).toObject();
    EXPECT_EQ(rome.value(QStringLiteral("dateTitle")).toString(), QStringLiteral("Rome"));
    EXPECT_EQ(rome.value(QStringLiteral("ddate")).toString(), QStringLiteral("2026-12-18"));
    EXPECT_FALSE(rome.value(QStringLiteral("countdown")).toBool());
    EXPECT_EQ(rome.value(QStringLiteral("id")), trip.value(QStringLiteral("id")));

    const int last = int(listJson().size()) - 1;
    ASSERT_EQ(runCli({QStringLiteral("move"), QString::number(last), QStringLiteral("0")}).exitCode, 0);
    EXPECT_EQ(listedTitles().at(1), QStringLiteral("Rome"));

    while (listJson().size() > 1)
        ASSERT_EQ(runCli({QStringLiteral("delete"), QStringLiteral("0")}).exitCode, 0);
    run = runCli({QStringLiteral("delete"), QStringLiteral("0")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("You can't delete the last one")));
    EXPECT_EQ(listJson().size(), 1);

    // The widget's file follows every change.
    QFile contents(home.dataHome() + QStringLiteral("/group.Ostra.Ruru.contents/contents.json"));
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(contents.readAll()).array().size(), 1);
}

TEST_F(Cli, YearlyEventsListTheirNextOccurrence)
{
    const QString now = QStringLiteral("--now=2026-05-02T09:00:00");
    ASSERT_EQ(runCli({now, QStringLiteral("add"), QStringLiteral("Mum"), QStringLiteral("2016-05-01"), QStringLiteral("--yearly")}).exitCode, 0);
    CliRun run = runCli({now, QStringLiteral("list")});
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("0\t364\t2027-05-01\tMum\n"))) << run.out.toStdString();
    run = runCli({QStringLiteral("--now=2027-05-01T09:00:00"), QStringLiteral("list"), QStringLiteral("--json")});
    const QJsonObject mum = QJsonDocument::fromJson(run.out.toUtf8()).array().at(0).toObject();
    EXPECT_EQ(mum.value(QStringLiteral("count")).toString(), QStringLiteral("YAY!"));
    EXPECT_EQ(mum.value(QStringLiteral("ddate")).toString(), QStringLiteral("2016-05-01"));
    EXPECT_EQ(mum.value(QStringLiteral("repeat")).toString(), QStringLiteral("yearly"));
    EXPECT_EQ(mum.value(QStringLiteral("next")).toString(), QStringLiteral("2027-05-01"));
    EXPECT_EQ(mum.value(QStringLiteral("occurrence")).toInt(), 11);

    ASSERT_EQ(runCli({now, QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--once")}).exitCode, 0);
    run = runCli({now, QStringLiteral("list")});
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("0\t-3653\t2016-05-01\tMum\n"))) << run.out.toStdString();
    ASSERT_EQ(runCli({now, QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--yearly")}).exitCode, 0);
    // A shared event's link may carry the repeat too.
    run = runCli({now, QStringLiteral("open"),
                  QStringLiteral("tallowick://add?ddate=2020-02-29&countdown=true&dateTitle=Leap&repeat=yearly")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = runCli({now, QStringLiteral("list")});
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("0\t302\t2027-02-28\tLeap\n1\t364\t2027-05-01\tMum\n"))) << run.out.toStdString();
}

TEST_F(Cli, TheCalendarFeedFollowsEveryChange)
{
    const QString feed = home.dataHome() + QStringLiteral("/tallowick/events.ics");
    runCli({kNow, QStringLiteral("list")});
    EXPECT_FALSE(QFile::exists(feed)); // reading writes nothing, the feed neither
    ASSERT_EQ(runCli({kNow, QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2026-12-18")}).exitCode, 0);
    EXPECT_TRUE(readFile(feed).contains("SUMMARY:Trip\r\n"));
    ASSERT_EQ(runCli({kNow, QStringLiteral("open"),
                      QStringLiteral("https://tallowick.page.link?ddate=2016-05-01&countdown=true&dateTitle=Mum&repeat=yearly")})
                  .exitCode,
              0);
    EXPECT_TRUE(readFile(feed).contains("SUMMARY:Mum\r\nTRANSP:TRANSPARENT\r\nRRULE:FREQ=YEARLY\r\n"));
    ASSERT_EQ(runCli({kNow, QStringLiteral("delete"), QStringLiteral("1")}).exitCode, 0);
    EXPECT_FALSE(readFile(feed).contains("SUMMARY:Trip"));
    EXPECT_EQ(readFile(feed).count("BEGIN:VEVENT"), listJson().size());
}

TEST_F(Cli, ImportSaysWhatBecameOfEachEventAndRefusesAFileThatIsNoCalendar)
{
    const QString birthdays = QStringLiteral(TALLOWICK_CALENDAR_FILES "/birthdays-google.ics");
    CliRun run = runCli({kNow, QStringLiteral("import"), birthdays});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << run.out.toStdString();
    EXPECT_EQ(lines.at(0), QStringLiteral("3 added, 1 skipped, 2 refused"));
    EXPECT_EQ(lines.at(1), QStringLiteral("added\t1990-05-15\tMum's birthday"));
    EXPECT_EQ(lines.at(4), QStringLiteral("skipped\t1990-05-15\tMum's birthday (party)\tit changes one occurrence of a series"));
    EXPECT_EQ(lines.at(5), QStringLiteral("refused\t2010-05-09\tMother's Day\tit repeats in a way Tallowick cannot follow"));
    EXPECT_EQ(listedTitles().mid(0, 3), (QStringList{"Mum's birthday", "Dad", "Leap baby"}));

    const QByteArray before = settingsBytes(home);
    const QString damaged = home.root() + QStringLiteral("/cut.ics");
    writeFile(damaged, readFile(birthdays).left(300));
    run = runCli({kNow, QStringLiteral("import"), damaged});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, QStringLiteral("tallowick-cli: The file is no calendar, or it is damaged: %1\n").arg(damaged));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(settingsBytes(home), before);
}

TEST_F(Cli, ABackupBringsBackALostEventWithItsPlaceAndReminders)
{
    ASSERT_EQ(runCli({kNow, QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2027-03-01")}).exitCode, 0);
    ASSERT_EQ(runCli({kNow, QStringLiteral("add"), QStringLiteral("Mum"), QStringLiteral("2016-02-29"), QStringLiteral("--yearly")}).exitCode, 0);
    runCli({QStringLiteral("notifications"), QStringLiteral("allow")});
    ASSERT_EQ(runCli({kNow, QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("three")}).exitCode, 0);
    runCli({kNow, QStringLiteral("move"), QStringLiteral("0"), QStringLiteral("1")});
    const QJsonArray before = listJson();
    const QString pending = runCli({QStringLiteral("pending"), QStringLiteral("--json")}).out;
    const QString backup = home.root() + QStringLiteral("/backup.json");
    CliRun run = runCli({kNow, QStringLiteral("export"), QStringLiteral("--json"), backup});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject document = QJsonDocument::fromJson(readFile(backup)).object();
    EXPECT_EQ(document.value(QStringLiteral("format")).toString(), QStringLiteral("tallowick-backup"));
    EXPECT_EQ(document.value(QStringLiteral("events")).toArray().size(), before.size());
    EXPECT_EQ(QJsonDocument::fromJson(runCli({kNow, QStringLiteral("export"), QStringLiteral("--json"), QStringLiteral("-")}).out.toUtf8())
                  .object().value(QStringLiteral("events")), document.value(QStringLiteral("events")));

    ASSERT_EQ(runCli({kNow, QStringLiteral("delete"), QStringLiteral("1")}).exitCode, 0);
    EXPECT_TRUE(runCli({QStringLiteral("pending")}).out.isEmpty());
    run = runCli({kNow, QStringLiteral("import"), backup});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), before.size() + 1) << run.out.toStdString();
    EXPECT_EQ(lines.at(0), QStringLiteral("1 added, %1 skipped, 0 refused").arg(before.size() - 1));
    EXPECT_EQ(lines.at(1), QStringLiteral("added\t2016-02-29\tMum"));
    EXPECT_EQ(listJson(), before); // in its place, yearly, with its reminder choice
    EXPECT_EQ(runCli({QStringLiteral("pending"), QStringLiteral("--json")}).out, pending);

    const QByteArray settings = settingsBytes(home);
    writeFile(backup, readFile(backup).chopped(10));
    run = runCli({kNow, QStringLiteral("import"), backup});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, QStringLiteral("tallowick-cli: The file is no Tallowick backup, or it is damaged: %1\n").arg(backup));
    EXPECT_EQ(settingsBytes(home), settings);
    EXPECT_EQ(runCli({QStringLiteral("export"), QStringLiteral("--json"), QStringLiteral("a"), QStringLiteral("--ics"), QStringLiteral("b")})
                  .exitCode,
              2);
}

TEST_F(Cli, BadInputChangesNothing)
{
    runCli({QStringLiteral("list")});
    const QByteArray before = settingsBytes(home);
    const QList<QStringList> bad = {
        {QStringLiteral("delete"), QStringLiteral("7")},
        {QStringLiteral("delete"), QStringLiteral("-1")},
        {QStringLiteral("edit"), QStringLiteral("x"), QStringLiteral("--title"), QStringLiteral("A")},
        {QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--date"), QStringLiteral("2026-13-45")},
        {QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--count-up"), QStringLiteral("--count-down")},
        {QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--yearly"), QStringLiteral("--once")},
        {QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--yearly"), QStringLiteral("--count-up")},
        {QStringLiteral("add"), QStringLiteral("T"), QStringLiteral("2026-12-24"), QStringLiteral("--yearly"), QStringLiteral("--count-up")},
        {QStringLiteral("add"), QStringLiteral("T"), QStringLiteral("tomorrow")},
        {QStringLiteral("add"), QStringLiteral("T"), QStringLiteral("2026-12-24"), QStringLiteral("--theme"), QStringLiteral("blue")},
        {QStringLiteral("move"), QStringLiteral("0"), QStringLiteral("9")},
        {QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("daily")},
        {QStringLiteral("notifications"), QStringLiteral("maybe")},
    };
    for (const QStringList &args : bad) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
    }
    EXPECT_EQ(settingsBytes(home), before);
}

TEST_F(Cli, WordsAfterADoubleDashAreArguments)
{
    const CliRun run = runCli({kNow, QStringLiteral("add"), QStringLiteral("--"), QStringLiteral("-5 kg by summer"), QStringLiteral("2027-06-01")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(listedTitles().at(0), QStringLiteral("-5 kg by summer"));
    const CliRun dashed = runCli({QStringLiteral("add"), QStringLiteral("--"), QStringLiteral("-h"), QStringLiteral("2027-06-01")});
    EXPECT_EQ(dashed.exitCode, 0) << dashed.err.toStdString();
    EXPECT_EQ(listedTitles().at(0), QStringLiteral("-h"));
}

TEST_F(Cli, DiagnosticsShowOnlyWhenAskedFor)
{
    runCli({kNow, QStringLiteral("add"), QStringLiteral("Exam"), QStringLiteral("2026-12-20")});
    ASSERT_EQ(runCli({QStringLiteral("notifications"), QStringLiteral("allow")}).exitCode, 0);

    const CliRun quiet = runCli({kNow, QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("three")});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_FALSE(quiet.err.contains(QStringLiteral("tallowick.reminders:"))) << quiet.err.toStdString();

    const CliRun verbose = runCli({kNow, QStringLiteral("--verbose"), QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("one")});
    EXPECT_EQ(verbose.exitCode, 0);
    EXPECT_TRUE(verbose.err.contains(QStringLiteral("tallowick.reminders: [addNotification] for # of Days --- - 1")))
        << verbose.err.toStdString();
    // The results on standard output are the same either way.
    EXPECT_EQ(verbose.out, quiet.out);
}

TEST_F(Cli, AddStopsAtThirtyEvents)
{
    while (listJson().size() < 30)
        ASSERT_EQ(runCli({QStringLiteral("add"), QStringLiteral("Filler"), QStringLiteral("2027-01-01")}).exitCode, 0);
    const CliRun run = runCli({QStringLiteral("add"), QStringLiteral("One too many"), QStringLiteral("2027-01-01")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Can't add a new event")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("You exceed the max number of events.")));
    EXPECT_EQ(listJson().size(), 30);
}

TEST_F(Cli, OpensPageAndSharedEventLinks)
{
    EXPECT_EQ(runCli({QStringLiteral("open"), QStringLiteral("https://ruru.page.link/?pageNumber=1")}).out, QStringLiteral("1\n"));
    EXPECT_EQ(runCli({QStringLiteral("open"), QStringLiteral("https://ruru.page.link/?pageNumber=400")}).out,
              QStringLiteral("%1\n").arg(listJson().size() - 1));
    const CliRun run = runCli({QStringLiteral("open"),
                               QStringLiteral("https://ruru.page.link/?ddate=2027-02-14&countdown=true&dateTitle=Shared%20day&colorIndex=1001")});
    EXPECT_EQ(run.out, QStringLiteral("0\n"));
    EXPECT_EQ(listedTitles().at(0), QStringLiteral("Shared day"));
}

TEST_F(Cli, AutostartEntryComesAndGoesOnRequest)
{
    const QString entry = home.configHome() + QStringLiteral("/autostart/tallowick-home.desktop");
    CliRun run = runCli({QStringLiteral("notifications"), QStringLiteral("autostart")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, entry + QLatin1Char('\n'));
    // The home screen beside this program, in the background.
    EXPECT_TRUE(readFile(entry).contains("/tallowick-home --background\n")) << readFile(entry).toStdString();

    run = runCli({QStringLiteral("notifications"), QStringLiteral("no-autostart")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, entry + QLatin1Char('\n'));
    EXPECT_FALSE(QFile::exists(entry));
    run = runCli({QStringLiteral("notifications"), QStringLiteral("no-autostart")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QStringLiteral("tallowick-cli: no autostart entry at %1\n").arg(entry));
}

TEST_F(Cli, RemindersFollowThePermission)
{
    runCli({kNow, QStringLiteral("add"), QStringLiteral("Exam"), QStringLiteral("2026-12-20")});
    EXPECT_EQ(runCli({QStringLiteral("notifications"), QStringLiteral("status")}).out,
              QStringLiteral("notDetermined\nreminders at 10:00\n"));

    CliRun run = runCli({QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("three")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("notifications allow")));
    EXPECT_EQ(listJson().at(0).toObject().value(QStringLiteral("repeatNotification")).toInt(), 2);
    EXPECT_EQ(runCli({QStringLiteral("pending")}).out, QString());

    runCli({QStringLiteral("notifications"), QStringLiteral("deny")});
    run = runCli({QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("one")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Notifications are off")));

    EXPECT_EQ(runCli({QStringLiteral("notifications"), QStringLiteral("allow")}).out, QStringLiteral("authorized\n"));
    ASSERT_EQ(runCli({QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("three")}).exitCode, 0);
    const QJsonArray pending = QJsonDocument::fromJson(runCli({QStringLiteral("pending"), QStringLiteral("--json")}).out.toUtf8()).array();
    ASSERT_EQ(pending.size(), 4);
    const QString id = listJson().at(0).toObject().value(QStringLiteral("id")).toString();
    QStringList triggers;
    for (const QJsonValue &request : pending) {
        EXPECT_TRUE(request.toObject().value(QStringLiteral("identifier")).toString().startsWith(id));
        EXPECT_EQ(request.toObject().value(QStringLiteral("title")).toString(), QStringLiteral("Exam"));
        triggers.append(request.toObject().value(QStringLiteral("trigger")).toString());
    }
    triggers.sort();
    EXPECT_EQ(triggers, (QStringList{QStringLiteral("2026-12-17 10:00"), QStringLiteral("2026-12-18 10:00"),
                                     QStringLiteral("2026-12-19 10:00"), QStringLiteral("2026-12-20 10:00")}));

    // Deleting the event takes its reminders with it.
    runCli({QStringLiteral("delete"), QStringLiteral("0")});
    EXPECT_EQ(runCli({QStringLiteral("pending")}).out, QString());
}

TEST_F(Cli, NotificationsTimeMovesEveryPendingReminderAndTheCalendarsAlarms)
{
    runCli({kNow, QStringLiteral("add"), QStringLiteral("Exam"), QStringLiteral("2026-12-20")});
    runCli({kNow, QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2026-12-30")});
    runCli({QStringLiteral("notifications"), QStringLiteral("allow")});
    runCli({QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("three")});
    runCli({QStringLiteral("remind"), QStringLiteral("1"), QStringLiteral("three")});
    const QString file = home.dataHome() + QStringLiteral("/tallowick/notifications.json");

    const QStringList bad[] = {
        {QStringLiteral("notifications"), QStringLiteral("time")},
        {QStringLiteral("notifications"), QStringLiteral("time"), QStringLiteral("8:30")},
        {QStringLiteral("notifications"), QStringLiteral("time"), QStringLiteral("24:00")},
        {QStringLiteral("notifications"), QStringLiteral("time"), QStringLiteral("08:60")},
        {QStringLiteral("notifications"), QStringLiteral("time"), QStringLiteral("0830")},
        {QStringLiteral("notifications"), QStringLiteral("time"), QStringLiteral("08:30:00")},
        {QStringLiteral("notifications"), QStringLiteral("time"), QStringLiteral("8:30 PM")},
        {QStringLiteral("notifications"), QStringLiteral("time"), QStringLiteral("\u0660\u0668:\u0663\u0660")},
        {QStringLiteral("notifications"), QStringLiteral("status"), QStringLiteral("08:30")},
    };
    const QByteArray before = readFile(file);
    for (const QStringList &args : bad) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
        EXPECT_EQ(readFile(file), before) << args.join(QLatin1Char(' ')).toStdString();
    }

    CliRun run = runCli({QStringLiteral("notifications"), QStringLiteral("time"), QStringLiteral("21:45")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("reminders at 21:45\n"));
    EXPECT_TRUE(runCli({QStringLiteral("notifications"), QStringLiteral("status")}).out.endsWith(QStringLiteral("reminders at 21:45\n")));
    QStringList triggers;
    for (const QJsonValue &request : QJsonDocument::fromJson(runCli({QStringLiteral("pending"), QStringLiteral("--json")}).out.toUtf8()).array())
        triggers.append(request.toObject().value(QStringLiteral("trigger")).toString());
    triggers.sort();
    EXPECT_EQ(triggers, (QStringList{QStringLiteral("2026-12-17 21:45"), QStringLiteral("2026-12-18 21:45"),
                                     QStringLiteral("2026-12-19 21:45"), QStringLiteral("2026-12-20 21:45"),
                                     QStringLiteral("2026-12-27 21:45"), QStringLiteral("2026-12-28 21:45"),
                                     QStringLiteral("2026-12-29 21:45"), QStringLiteral("2026-12-30 21:45")}));
    // A choice made afterwards is made at the new time too.
    runCli({QStringLiteral("remind"), QStringLiteral("1"), QStringLiteral("seven")});
    const QString pending = runCli({QStringLiteral("pending")}).out;
    EXPECT_EQ(pending.count(QStringLiteral(" 21:45")), 12) << pending.toStdString();

    // The export and the live feed carry the time: on the day and on the days before.
    const QString exported = runCli({QStringLiteral("export"), QStringLiteral("--ics"), QStringLiteral("-")}).out;
    const QString feed = QString::fromUtf8(readFile(home.dataHome() + QStringLiteral("/tallowick/events.ics")));
    for (const QString &calendar : {exported, feed}) {
        EXPECT_EQ(calendar.count(QStringLiteral("TRIGGER;VALUE=DURATION:PT21H45M")) + calendar.count(QStringLiteral("TRIGGER:PT21H45M")), 2)
            << calendar.toStdString();
        EXPECT_TRUE(calendar.contains(QStringLiteral("-P2DT2H15M"))) << calendar.toStdString();
        EXPECT_FALSE(calendar.contains(QStringLiteral("PT10H"))) << calendar.toStdString();
    }
}

TEST_F(Cli, TwoProcessesAddingAtOnceLoseNothing)
{
    runCli({QStringLiteral("list")});
    const int before = int(listJson().size());
    QList<QProcess *> writers;
    for (const char *who : {"a", "b"}) {
        auto *process = new QProcess;
        process->start(QStringLiteral("/bin/sh"),
                       {QStringLiteral("-c"), QStringLiteral("for i in 1 2 3 4 5 6 7 8 9 10; do \"$0\" add %1$i 2027-01-01 || exit 1; done")
                                                  .arg(QLatin1String(who)),
                        QStringLiteral(TALLOWICK_CLI_PATH)});
        writers.append(process);
    }
    for (QProcess *process : writers) {
        ASSERT_TRUE(process->waitForFinished(120000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        delete process;
    }
    const QStringList titles = listedTitles();
    EXPECT_EQ(titles.size(), before + 20);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_TRUE(titles.contains(QStringLiteral("a%1").arg(i)));
        EXPECT_TRUE(titles.contains(QStringLiteral("b%1").arg(i)));
    }
}

namespace {

// The lines of standard error, for checks that a failure is told in exactly one.
QStringList errorLines(const CliRun &run)
{
    return run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

const QStringList kChanges[] = {
    {QStringLiteral("add"), QStringLiteral("Lost"), QStringLiteral("2030-01-01")},
    {QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("seven")},
    {QStringLiteral("notifications"), QStringLiteral("deny")},
    {QStringLiteral("delete"), QStringLiteral("0")},
};

} // namespace

TEST_F(Cli, AChangeThatCannotTakeItsLockIsRefusedAndChangesNothing)
{
    ASSERT_EQ(runCli({QStringLiteral("notifications"), QStringLiteral("allow")}).exitCode, 0);
    const QString lock = home.configHome() + QStringLiteral("/tallowick/settings.plist.lock");
    const QString pointed = home.root() + QStringLiteral("/pointed");
    // Root may open any file: the read-only lock is tried as an unprivileged user.
    const int nobody = ::geteuid() == 0 ? 65534 : -1;
    const struct
    {
        const char *what;
        std::function<void()> plant;
        int asUser;
    } cases[] = {
        {"a folder", [&] { QFile::remove(lock); QDir().mkdir(lock); }, -1},
        {"a link planted by someone", [&] { QDir().rmdir(lock); QFile::link(pointed, lock); }, -1},
        {"a read-only file", [&] {
             QFile::remove(lock);
             writeFile(lock, QByteArray());
             QFile::setPermissions(lock, QFile::ReadOwner);
             if (nobody >= 0)
                 QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), home.root()});
         }, nobody},
        // Root's own run in a settings folder another user owns: refused, no lock made there.
        {"in another user's folder", [&] {
             QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("0:0"), home.root()});
             QFile::remove(lock);
             QProcess::execute(QStringLiteral("chown"), {QStringLiteral("65534:65534"), QFileInfo(lock).absolutePath()});
         }, -1},
    };
    for (const auto &planted : cases) {
        if (nobody < 0 && planted.asUser == -1 && QLatin1String(planted.what) == QLatin1String("in another user's folder"))
            continue; // only root can give a folder to another user
        planted.plant();
        const QByteArray settings = settingsBytes(home);
        const QByteArray reminders = readFile(home.dataHome() + QStringLiteral("/tallowick/notifications.json"));
        for (const QStringList &change : kChanges) {
            const CliRun run = runCli(change, QStringLiteral("Asia/Seoul"), QStringLiteral("en_US.UTF-8"), planted.asUser);
            const std::string where = std::string(planted.what) + ": " + change.join(QLatin1Char(' ')).toStdString();
            EXPECT_EQ(run.exitCode, 1) << where;
            // The folder check warns on its own first (as it does for every use of the folder).
            const bool folderWarns = QLatin1String(planted.what) == QLatin1String("in another user's folder");
            EXPECT_EQ(errorLines(run).size(), folderWarns ? 2 : 1) << where << '\n' << run.err.toStdString();
            EXPECT_TRUE(errorLines(run).value(errorLines(run).size() - 1).contains(QStringLiteral("lock"))) << where << run.err.toStdString();
            EXPECT_EQ(settingsBytes(home), settings) << where;
            EXPECT_EQ(readFile(home.dataHome() + QStringLiteral("/tallowick/notifications.json")), reminders) << where;
        }
        EXPECT_FALSE(QFileInfo::exists(pointed)) << "the lock followed " << planted.what;
    }
    if (nobody >= 0) {
        EXPECT_FALSE(QFileInfo::exists(lock)) << "a lock was made in another user's folder";
    }
}

TEST_F(Cli, AFullDiskIsReportedAndNoReminderChoiceIsLeftWithoutItsReminders)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small full file system for the data folder needs root";
    ASSERT_EQ(runCli({kNow, QStringLiteral("add"), QStringLiteral("Exam"), QStringLiteral("2026-12-20")}).exitCode, 0);
    ASSERT_EQ(runCli({QStringLiteral("notifications"), QStringLiteral("allow")}).exitCode, 0);
    const QString data = home.dataHome();
    const QString kept = home.root() + QStringLiteral("/data-before");
    ASSERT_TRUE(QDir().rename(data, kept));
    ASSERT_TRUE(QDir().mkpath(data));
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(data).constData(), "tmpfs", 0, "size=64k"), 0);
    struct Unmount
    {
        QByteArray path;
        ~Unmount() { ::umount(path.constData()); }
    } unmount{QFile::encodeName(data)};
    // The same files as before, then the disk filled to its last block.
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), kept + QStringLiteral("/."), data});
    const QString calendar = home.root() + QStringLiteral("/concert.ics");
    writeFile(calendar, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:concert\r\n"
                        "DTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20270301\r\nSUMMARY:Concert\r\nEND:VEVENT\r\n"
                        "END:VCALENDAR\r\n");
    QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("cat /dev/zero > \"$0\"/fill 2>/dev/null"), data});

    const struct
    {
        QStringList change;
        const char *names;
    } cases[] = {
        {{kNow, QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2027-01-01")}, "contents.json"},
        {{kNow, QStringLiteral("remind"), QStringLiteral("1"), QStringLiteral("seven")}, "reminders"},
        {{QStringLiteral("notifications"), QStringLiteral("deny")}, "notifications.json"},
        {{kNow, QStringLiteral("import"), calendar}, "contents.json"},
    };
    for (const auto &step : cases) {
        const CliRun run = runCli(step.change);
        EXPECT_EQ(run.exitCode, 1) << step.change.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(errorLines(run).size(), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(step.names))) << run.err.toStdString();
    }
    // The reminder choice was not kept without its reminders, and the permission stands.
    QJsonObject exam;
    for (const QJsonValue &event : listJson()) {
        if (event.toObject().value(QStringLiteral("dateTitle")).toString() == QLatin1String("Exam"))
            exam = event.toObject();
    }
    ASSERT_FALSE(exam.isEmpty());
    EXPECT_FALSE(exam.contains(QStringLiteral("repeatNotification"))) << QJsonDocument(exam).toJson().toStdString();
    EXPECT_EQ(runCli({QStringLiteral("notifications"), QStringLiteral("status")}).out,
              QStringLiteral("authorized\nreminders at 10:00\n"));
}

TEST_F(Cli, ExportWritesOnlyPlainFiles)
{
    const QString dir = home.root() + QStringLiteral("/out");
    QDir().mkpath(dir + QStringLiteral("/folder"));
    const QString target = dir + QStringLiteral("/target");
    writeFile(target, "kept");
    QFile::link(target, dir + QStringLiteral("/link"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + QStringLiteral("/fifo")).constData(), 0600), 0);
    // A private device node where root may make one (a copy of /dev/null's numbers).
    const bool device = ::mknod(QFile::encodeName(dir + QStringLiteral("/device")).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    const struct
    {
        const char *name;
        const char *says;
    } refused[] = {{"folder", "It is a folder"}, {"link", "symbolic link"}, {"fifo", "no plain file"}, {"device", "no plain file"}};
    for (const auto &node : refused) {
        if (QLatin1String(node.name) == QLatin1String("device") && !device)
            continue;
        const QString path = dir + QLatin1Char('/') + QLatin1String(node.name);
        const QFileInfo before(path);
        for (const char *format : {"--ics", "--json"}) {
            const CliRun run = runCli({QStringLiteral("export"), QLatin1String(format), path});
            EXPECT_EQ(run.exitCode, 1) << node.name << ' ' << format;
            EXPECT_EQ(errorLines(run).size(), 1) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(QLatin1String(node.says))) << run.err.toStdString();
            const QFileInfo after(path);
            EXPECT_EQ(after.isSymLink(), before.isSymLink()) << node.name;
            EXPECT_EQ(after.isFile() && !after.isSymLink(), false) << node.name << " was replaced by a file";
        }
    }
    EXPECT_EQ(readFile(target), QByteArray("kept"));
    // A plain file is replaced; a missing one made.
    for (const QString &path : {target, dir + QStringLiteral("/new.ics")}) {
        EXPECT_EQ(runCli({QStringLiteral("export"), QStringLiteral("--ics"), path}).exitCode, 0);
        EXPECT_TRUE(readFile(path).startsWith("BEGIN:VCALENDAR")) << path.toStdString();
    }
}

TEST_F(Cli, EveryDoorTakesTheSameDaysOfTheProlepticGregorianCalendar)
{
    // Before the Gregorian reform too, a day is the day ISO 8601 names, whichever door it
    // comes in by; the same range everywhere, and one clear line for what is outside.
    ASSERT_EQ(runCli({kNow, QStringLiteral("add"), QStringLiteral("Old"), QStringLiteral("1500-03-01")}).exitCode, 0);
    ASSERT_EQ(runCli({kNow, QStringLiteral("open"),
                      QStringLiteral("tallowick://add?ddate=1200-02-29&countdown=false&dateTitle=Linked")}).exitCode, 0);
    const QString calendar = home.root() + QStringLiteral("/old.ics");
    writeFile(calendar, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//EN\r\n"
                        "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Imported\r\nDTSTART;VALUE=DATE:15000301\r\nEND:VEVENT\r\n"
                        "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Damaged time\r\nDTSTART:20270101T999999Z\r\nEND:VEVENT\r\n"
                        "BEGIN:VTIMEZONE\r\nTZID:Far\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                        "TZOFFSETFROM:+9959\r\nTZOFFSETTO:+9959\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
                        "BEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Far offset\r\nDTSTART;TZID=Far:20270101T100000\r\nEND:VEVENT\r\n"
                        "END:VCALENDAR\r\n");
    const CliRun imported = runCli({kNow, QStringLiteral("import"), calendar});
    EXPECT_TRUE(imported.out.startsWith(QStringLiteral("1 added, 0 skipped, 2 refused\n"))) << imported.out.toStdString();
    EXPECT_TRUE(imported.out.contains(QStringLiteral("refused\t\tDamaged time\tit has no date Tallowick can count")))
        << imported.out.toStdString();
    QStringList days;
    for (const QJsonValue &event : listJson())
        days.append(event.toObject().value(QStringLiteral("ddate")).toString());
    EXPECT_EQ(days.mid(0, 3), (QStringList{QStringLiteral("1500-03-01"), QStringLiteral("1200-02-29"), QStringLiteral("1500-03-01")}));

    // 1 January of year 1 is counted, as import takes it (Python's proleptic date agrees).
    const CliRun first = runCli({kNow, QStringLiteral("count"), QStringLiteral("0001-01-01")});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, QStringLiteral("-739957\n"));

    const CliRun fiveDigits = runCli({kNow, QStringLiteral("open"),
                                      QStringLiteral("tallowick://add?ddate=20240-6-01&countdown=true&dateTitle=Far")});
    EXPECT_EQ(fiveDigits.exitCode, 2);
    const CliRun twice = runCli({QStringLiteral("open"), QStringLiteral("tallowick://open?pageNumber=0&pageNumber=1")});
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_TRUE(twice.err.contains(QStringLiteral("names pageNumber more than once"))) << twice.err.toStdString();
}

namespace {

// The id of the listed event with this title.
QString idOf(const QString &title)
{
    for (const QJsonValue &event : listJson()) {
        if (event.toObject().value(QStringLiteral("dateTitle")).toString() == title)
            return event.toObject().value(QStringLiteral("id")).toString();
    }
    return QString();
}

} // namespace

// An id names the same event however another process reorders the list meanwhile.
TEST_F(Cli, AnIdActsOnItsEventWhileAnotherProcessReorders)
{
    for (const char *title : {"a", "b", "c", "d", "e"})
        ASSERT_EQ(runCli({QStringLiteral("add"), QString::fromLatin1(title), QStringLiteral("2027-01-01")}).exitCode, 0);
    const QStringList before = listedTitles();
    const QString target = idOf(QStringLiteral("c"));
    ASSERT_FALSE(target.isEmpty());

    QProcess mover;
    mover.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("i=0; while [ $i -lt 40 ]; do \"$0\" move 0 $(( i % 7 )) || exit 1; i=$((i+1)); done"),
                 QStringLiteral(TALLOWICK_CLI_PATH)});
    ASSERT_TRUE(mover.waitForStarted());
    for (int i = 0; i < 8; ++i) {
        // Lower case too: ids are UUIDs.
        const CliRun run = runCli({QStringLiteral("edit"), i % 2 ? target.toLower() : target, QStringLiteral("--title"),
                                   QStringLiteral("c%1").arg(i)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    ASSERT_EQ(runCli({QStringLiteral("remind"), target.toLower(), QStringLiteral("off")}).exitCode, 0);
    ASSERT_TRUE(mover.waitForFinished(120000));
    EXPECT_EQ(mover.exitCode(), 0) << mover.readAllStandardError().toStdString();

    QStringList expected = before;
    expected.replace(expected.indexOf(QStringLiteral("c")), QStringLiteral("c7"));
    QStringList titles = listedTitles();
    EXPECT_EQ(idOf(QStringLiteral("c7")), target);
    titles.sort();
    expected.sort();
    EXPECT_EQ(titles, expected);

    ASSERT_EQ(runCli({QStringLiteral("move"), target, QStringLiteral("0")}).exitCode, 0);
    EXPECT_EQ(listedTitles().at(0), QStringLiteral("c7"));
    ASSERT_EQ(runCli({QStringLiteral("delete"), target}).exitCode, 0);
    expected.removeOne(QStringLiteral("c7"));
    titles = listedTitles();
    titles.sort();
    EXPECT_EQ(titles, expected);

    // Gone now: an id no event has is a usage error, in one line, for every command.
    const QByteArray saved = settingsBytes(home);
    for (const QStringList &args : QList<QStringList>{{QStringLiteral("edit"), target, QStringLiteral("--title"), QStringLiteral("x")},
                                                     {QStringLiteral("delete"), target},
                                                     {QStringLiteral("move"), target, QStringLiteral("0")},
                                                     {QStringLiteral("remind"), target, QStringLiteral("off")}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err, QStringLiteral("tallowick-cli: no event has the id \"%1\" (try --help)\n").arg(target));
    }
    EXPECT_EQ(settingsBytes(home), saved);
}

// list --json gives the count as a number with its direction and, in the event's unit, the
// time between today and its date as parts; pending --json the parts of each reminder.
TEST_F(Cli, JsonGivesDaysDirectionUnitPartsAndReminderParts)
{
    const struct
    {
        const char *title;
        const char *date;
        bool countUp;
        const char *unit;  // --unit, or none
        const char *count;
        int days;
        const char *parts;
    } cases[] = {
        {"ahead", "2026-12-18", false, nullptr, "10", 10, R"({"days":10})"},
        {"past", "2026-12-01", false, nullptr, "-7", -7, R"({"days":-7})"},
        {"today", "2026-12-08", false, "years", "YAY!", 0, R"({"years":0,"months":0,"days":0})"},
        // A count-up's date is its day 1: its parts are the days gone since.
        {"since", "2026-12-01", true, nullptr, "8", 8, R"({"days":7})"},
        {"since today", "2026-12-08", true, nullptr, "1", 1, R"({"days":0})"},
        {"in weeks", "2027-01-20", false, "weeks", "43", 43, R"({"weeks":6,"days":1})"},
        {"in months", "2026-09-01", false, "months", "-98", -98, R"({"months":-3,"days":-7})"},
        {"together", "2024-02-14", true, "years", "1029", 1029, R"({"years":2,"months":9,"days":24})"},
    };
    for (const auto &c : cases) {
        QStringList args{kNow, QStringLiteral("add"), QString::fromLatin1(c.title), QString::fromLatin1(c.date)};
        if (c.countUp)
            args.append(QStringLiteral("--count-up"));
        if (c.unit)
            args << QStringLiteral("--unit") << QString::fromLatin1(c.unit);
        ASSERT_EQ(runCli(args).exitCode, 0);
    }
    const QJsonArray listed = QJsonDocument::fromJson(runCli({kNow, QStringLiteral("list"), QStringLiteral("--json")}).out.toUtf8()).array();
    for (const auto &c : cases) {
        const auto found = std::find_if(listed.begin(), listed.end(), [&](const QJsonValue &v) {
            return v.toObject().value(QStringLiteral("dateTitle")).toString() == QLatin1String(c.title);
        });
        ASSERT_NE(found, listed.end()) << c.title;
        const QJsonObject event = found->toObject();
        EXPECT_EQ(event.value(QStringLiteral("count")).toString(), QLatin1String(c.count)) << c.title;
        EXPECT_TRUE(event.value(QStringLiteral("days")).isDouble()) << c.title;
        EXPECT_EQ(event.value(QStringLiteral("days")).toInt(), c.days) << c.title;
        EXPECT_EQ(event.value(QStringLiteral("direction")).toString(), QLatin1String(c.countUp ? "up" : "down")) << c.title;
        EXPECT_EQ(event.value(QStringLiteral("unit")).toString(), QLatin1String(c.unit ? c.unit : "days")) << c.title;
        EXPECT_EQ(event.value(QStringLiteral("parts")).toObject(), QJsonDocument::fromJson(c.parts).object()) << c.title;
        // The record stores a unit only when it is not days.
        EXPECT_EQ(event.contains(QStringLiteral("countUnit")), c.unit != nullptr) << c.title;
    }

    // The unit changes by id or index, back to days too (the key goes); a word that is no unit
    // is a usage error and changes nothing.
    const QString weeks = idOf(QStringLiteral("in weeks"));
    ASSERT_EQ(runCli({QStringLiteral("edit"), weeks, QStringLiteral("--unit"), QStringLiteral("months")}).exitCode, 0);
    const QByteArray saved = settingsBytes(home);
    const CliRun wrong = runCli({QStringLiteral("edit"), weeks, QStringLiteral("--unit"), QStringLiteral("fortnights")});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err, QStringLiteral("tallowick-cli: \"fortnights\" is no unit (use days, weeks, months or years) (try --help)\n"));
    EXPECT_EQ(settingsBytes(home), saved);
    const auto listedAs = [&](const QString &id) {
        const QJsonArray all = QJsonDocument::fromJson(runCli({kNow, QStringLiteral("list"), QStringLiteral("--json")}).out.toUtf8()).array();
        for (const QJsonValue &v : all) {
            if (v.toObject().value(QStringLiteral("id")).toString() == id)
                return v.toObject();
        }
        return QJsonObject();
    };
    EXPECT_EQ(listedAs(weeks).value(QStringLiteral("unit")).toString(), QStringLiteral("months"));
    ASSERT_EQ(runCli({QStringLiteral("edit"), weeks, QStringLiteral("--unit"), QStringLiteral("days")}).exitCode, 0);
    EXPECT_EQ(listedAs(weeks).value(QStringLiteral("unit")).toString(), QStringLiteral("days"));
    EXPECT_FALSE(listedAs(weeks).contains(QStringLiteral("countUnit")));

    ASSERT_EQ(runCli({QStringLiteral("notifications"), QStringLiteral("allow")}).exitCode, 0);
    const QString ahead = idOf(QStringLiteral("ahead"));
    ASSERT_EQ(runCli({kNow, QStringLiteral("remind"), ahead, QStringLiteral("three")}).exitCode, 0);
    const QJsonArray pending = QJsonDocument::fromJson(runCli({QStringLiteral("pending"), QStringLiteral("--json")}).out.toUtf8()).array();
    ASSERT_EQ(pending.size(), 4);
    QList<int> before;
    for (const QJsonValue &value : pending) {
        const QJsonObject reminder = value.toObject();
        EXPECT_EQ(reminder.value(QStringLiteral("eventId")).toString(), ahead);
        EXPECT_EQ(reminder.value(QStringLiteral("eventDay")).toString(), QStringLiteral("2026-12-18"));
        const int days = reminder.value(QStringLiteral("daysBefore")).toInt(-1);
        // The reminder's own day is the event's day less the days before it.
        EXPECT_TRUE(reminder.value(QStringLiteral("trigger")).toString().startsWith(
            QDate(2026, 12, 18).addDays(-days).toString(QStringLiteral("yyyy-MM-dd"))));
        before.append(days);
    }
    std::sort(before.begin(), before.end());
    EXPECT_EQ(before, (QList<int>{0, 1, 2, 3}));
}

// An event another calendar program changed: import names what differs and changes nothing;
// import --update takes the file's version.
TEST_F(Cli, AReimportNamesChangedFieldsAndUpdateTakesThem)
{
    ASSERT_EQ(runCli({kNow, QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2027-01-01")}).exitCode, 0);
    const QString id = idOf(QStringLiteral("Trip"));
    const QString file = home.root() + QStringLiteral("/edited.ics");
    ASSERT_EQ(runCli({kNow, QStringLiteral("export"), QStringLiteral("--ics"), file}).exitCode, 0);
    QByteArray text = readFile(file);
    ASSERT_TRUE(text.contains("SUMMARY:Trip\r\n") && text.contains("DTSTART;VALUE=DATE:20270101\r\n"));
    text.replace("SUMMARY:Trip\r\n", "SUMMARY:Journey\r\n").replace("DTSTART;VALUE=DATE:20270101\r\n", "DTSTART;VALUE=DATE:20270303\r\n");
    writeFile(file, text);

    const QByteArray before = settingsBytes(home);
    CliRun run = runCli({kNow, QStringLiteral("import"), file});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("skipped\t2027-03-03\tJourney\tin the list, but the file has another version\ttitle,date\n")))
        << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("--update"))) << run.err.toStdString();
    EXPECT_EQ(settingsBytes(home), before);

    run = runCli({kNow, QStringLiteral("import"), QStringLiteral("--update"), file});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("updated\t2027-03-03\tJourney\ttitle,date\n"))) << run.out.toStdString();
    EXPECT_EQ(idOf(QStringLiteral("Journey")), id);
    EXPECT_EQ(listJson().at(0).toObject().value(QStringLiteral("ddate")).toString(), QStringLiteral("2027-03-03"));
    EXPECT_FALSE(runCli({kNow, QStringLiteral("import"), QStringLiteral("--update"), file}).out.contains(QStringLiteral("updated")));
}
