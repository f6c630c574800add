// tallowick-home itself, run as a separate process in a temporary home with the fake widget
// plug-in.

#include "hometesting.h"

#include <home/instancestore.h>

#include <platform/notificationcenter.h>
#include <reminders/notificationhelper.h>
#include <store/eventrepository.h>
#include <platform/widgetreload.h>

#include <support/testenvironment.h>

#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral(TALLOWICK_HOME_PATH);

struct ProgramRun
{
    int exitCode;
    QString out;
    QString err;
};

class HomeProgramTest : public ::testing::Test
{
protected:
    HomeProgramTest()
    {
        setUp(R"({
            "options": [{"identifier": "0", "displayString": "Trip"}, {"identifier": "1", "displayString": "Exam"}],
            "timelines": {
                "": [{"date": "2024-05-01T00:00:00", "color": "#3366cc"},
                     {"date": "2024-06-01T00:00:00", "color": "#33cc66"}],
                "Trip": [{"date": "2024-05-01T00:00:00", "color": "#cc3333"}]
            }
        })");
    }

    void setUp(const QByteArray &json) { writeFile(setupFile(), json); }
    QString setupFile() const { return home.root() + QStringLiteral("/fake.json"); }
    QString logFile() const { return home.root() + QStringLiteral("/fake.log"); }

    QProcessEnvironment environment() const
    {
        // The XDG folders are this test's (TemporaryHome set them in our environment).
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TALLOWICK_WIDGETS_PATH"), fakePluginDir());
        env.insert(QStringLiteral("FAKE_WIDGETS_FILE"), setupFile());
        env.insert(QStringLiteral("FAKE_WIDGETS_LOG"), logFile());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Seoul"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        // No session bus: reminders are printed, and the person's own bus is never reached.
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=%1/no-bus").arg(home.root()));
        return env;
    }

    ProgramRun run(const QStringList &arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(kProgram, arguments);
        process.waitForFinished(30000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // Starts a home screen that runs until the test stops it.
    std::unique_ptr<QProcess> start(const QStringList &arguments = {}) const
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment());
        process->start(kProgram, arguments);
        process->waitForStarted(10000);
        return process;
    }

    static void stop(QProcess &process)
    {
        process.terminate();
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished(10000);
        }
    }

    QStringList logLines() const { return QString::fromUtf8(readFile(logFile())).split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

    QImage renderPicture(const QStringList &arguments, const QString &name = QStringLiteral("w.png")) const
    {
        const QString out = home.root() + QLatin1Char('/') + name;
        const ProgramRun result = run(QStringList{QStringLiteral("--out"), out} + arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return QImage(out);
    }

    TemporaryHome home;
};

QColor centre(const QImage &picture)
{
    return picture.pixelColor(picture.width() / 2, picture.height() / 2);
}

} // namespace

TEST_F(HomeProgramTest, AddListAndRemoveEditTheWidgetFile)
{
    ProgramRun added = run({QStringLiteral("--add"), QStringLiteral("small")});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, QStringLiteral("1\n"));
    added = run({QStringLiteral("--add"), QStringLiteral("medium"), QStringLiteral("--event"), QStringLiteral("Exam"),
                 QStringLiteral("--at"), QStringLiteral("100,-20")});
    EXPECT_EQ(added.out, QStringLiteral("2\n"));

    EXPECT_EQ(run({QStringLiteral("--list")}).out, QStringLiteral("1\tsmall\t-\t40,40\n2\tmedium\tExam\t100,-20\n"));
    const QList<WidgetInstance> stored = InstanceStore().instances();
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored.at(1).configuration, (WidgetConfigurationOption{QStringLiteral("1"), QStringLiteral("Exam")}));
    EXPECT_EQ(stored.at(1).kind, QStringLiteral("FakeWidgets"));

    EXPECT_EQ(run({QStringLiteral("--remove"), QStringLiteral("1")}).exitCode, 0);
    EXPECT_EQ(run({QStringLiteral("--list")}).out, QStringLiteral("2\tmedium\tExam\t100,-20\n"));

    // Refusals: one line on standard error, exit code 1, nothing changed.
    const ProgramRun unknownId = run({QStringLiteral("--remove"), QStringLiteral("1")});
    EXPECT_EQ(unknownId.exitCode, 1);
    EXPECT_EQ(unknownId.err.count(QLatin1Char('\n')), 1);
    const ProgramRun unknownEvent = run({QStringLiteral("--add"), QStringLiteral("small"), QStringLiteral("--event"), QStringLiteral("Nope")});
    EXPECT_EQ(unknownEvent.exitCode, 1);
    EXPECT_TRUE(unknownEvent.err.contains(QStringLiteral("Nope")));
    EXPECT_EQ(InstanceStore().instances().size(), 1);
}

TEST_F(HomeProgramTest, UsageErrorsExitTwoWithOneLineAndChangeNothing)
{
    const QList<QStringList> bad = {
        {QStringLiteral("--add")},
        {QStringLiteral("--add"), QStringLiteral("huge")},
        {QStringLiteral("--list"), QStringLiteral("--remove"), QStringLiteral("1")},
        {QStringLiteral("--render"), QStringLiteral("small")},
        {QStringLiteral("--now"), QStringLiteral("noon"), QStringLiteral("--list")},
        {QStringLiteral("extra")},
    };
    for (const QStringList &arguments : bad) {
        const ProgramRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("tallowick-home: ")));
        EXPECT_TRUE(result.err.endsWith(QStringLiteral(" (try --help)\n"))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(InstanceStore::defaultPath()));
}

TEST_F(HomeProgramTest, HelpVersionAndUnknownOptions)
{
    for (const QString &help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const ProgramRun result = run({help});
        EXPECT_EQ(result.exitCode, 0) << help.toStdString();
        EXPECT_TRUE(result.out.startsWith(QStringLiteral("Usage: tallowick-home [OPTION]...\n"))) << result.out.toStdString();
        for (const QString &option : {QStringLiteral("--add small|medium|large"), QStringLiteral("--list"), QStringLiteral("--remove ID"),
                                      QStringLiteral("--render"), QStringLiteral("--install-autostart"), QStringLiteral("--remove-autostart"),
                                      QStringLiteral("--now"), QStringLiteral("--verbose"), QStringLiteral("--version")})
            EXPECT_TRUE(result.out.contains(option)) << option.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    }
    const ProgramRun version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("tallowick-home " TALLOWICK_VERSION "\n"));

    for (const QString &unknown : {QStringLiteral("-x"), QStringLiteral("--frobnicate")}) {
        const ProgramRun result = run({unknown});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_EQ(result.err, QStringLiteral("tallowick-home: unknown option %1 (try --help)\n").arg(unknown));
    }
    // Neither a home screen nor a widget file came of any of it.
    EXPECT_FALSE(QFileInfo::exists(WidgetReload::socketPath()));
    EXPECT_FALSE(QFileInfo::exists(InstanceStore::defaultPath()));
}

TEST_F(HomeProgramTest, RenderDrawsWhatTheWidgetWouldShowNow)
{
    const QStringList may = {QStringLiteral("--now"), QStringLiteral("2024-05-15T12:00:00")};
    const QImage small = renderPicture(QStringList{QStringLiteral("--render"), QStringLiteral("small")} + may);
    EXPECT_EQ(small.size(), QSize(340, 340));
    EXPECT_EQ(centre(small), QColor(0x33, 0x66, 0xcc));
    EXPECT_EQ(small.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(permissionBits(home.root() + QStringLiteral("/w.png")), 0600);

    // A later now shows the later entry.
    const QImage june = renderPicture({QStringLiteral("--render"), QStringLiteral("small"), QStringLiteral("--now"),
                                       QStringLiteral("2024-06-02T08:00:00")});
    EXPECT_EQ(centre(june), QColor(0x33, 0xcc, 0x66));

    const QImage trip = renderPicture(QStringList{QStringLiteral("--render"), QStringLiteral("medium"), QStringLiteral("--event"),
                                                  QStringLiteral("Trip"), QStringLiteral("--scale"), QStringLiteral("1")} + may);
    EXPECT_EQ(trip.size(), QSize(364, 170));
    EXPECT_EQ(centre(trip), QColor(0xcc, 0x33, 0x33));

    // Exam's timeline is empty: the placeholder.
    const QImage exam = renderPicture(QStringList{QStringLiteral("--render"), QStringLiteral("large"), QStringLiteral("--event"),
                                                  QStringLiteral("Exam"), QStringLiteral("--scale"), QStringLiteral("3")} + may);
    EXPECT_EQ(exam.size(), QSize(1092, 1146));
    EXPECT_EQ(centre(exam), QColor(0x80, 0x80, 0x80));
    // Before the first entry's date, the first entry.
    const QImage april = renderPicture({QStringLiteral("--render"), QStringLiteral("extraLarge"), QStringLiteral("--now"),
                                        QStringLiteral("2024-04-30T12:00:00")});
    EXPECT_EQ(april.size(), QSize(1430, 764));
    EXPECT_EQ(centre(april), QColor(0x33, 0x66, 0xcc));

    const QImage placeholder =
        renderPicture(QStringList{QStringLiteral("--render"), QStringLiteral("small"), QStringLiteral("--placeholder")} + may);
    EXPECT_EQ(centre(placeholder), QColor(0x80, 0x80, 0x80));
}

TEST_F(HomeProgramTest, InstallAutostartNamesThisProgramAndRemoveAutostartUndoesIt)
{
    const ProgramRun result = run({QStringLiteral("--install-autostart")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QString entry = home.configHome() + QStringLiteral("/autostart/tallowick-home.desktop");
    EXPECT_EQ(result.out, entry + QLatin1Char('\n'));
    EXPECT_TRUE(QString::fromUtf8(readFile(entry)).contains(QStringLiteral("\nExec=") + QFileInfo(kProgram).absoluteFilePath() + QStringLiteral(" --background\n")));
    EXPECT_EQ(permissionBits(entry), 0600);

    const ProgramRun removed = run({QStringLiteral("--remove-autostart")});
    EXPECT_EQ(removed.exitCode, 0) << removed.err.toStdString();
    EXPECT_EQ(removed.out, entry + QLatin1Char('\n'));
    EXPECT_FALSE(QFileInfo::exists(entry));
    EXPECT_TRUE(QFileInfo(home.configHome() + QStringLiteral("/autostart")).isDir());

    // Nothing left to remove: what was asked for holds, and a line says there was none.
    const ProgramRun again = run({QStringLiteral("--remove-autostart")});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.isEmpty());
    EXPECT_EQ(again.err, QStringLiteral("tallowick-home: no autostart entry at %1\n").arg(entry));
}

TEST_F(HomeProgramTest, ASecondStartBringsTheRunningOnesWindowForward)
{
    run({QStringLiteral("--add"), QStringLiteral("small")});
    QProcessEnvironment verbose = environment();
    verbose.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tallowick.home.info=true"));
    QProcess first;
    first.setProcessEnvironment(verbose);
    first.start(kProgram, {});
    const QString socket = WidgetReload::socketPath();
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(socket); })) << first.readAllStandardError().toStdString();
    EXPECT_EQ(permissionBits(socket), 0600);
    EXPECT_EQ(permissionBits(QFileInfo(socket).absolutePath()), 0700);
    // With a widget, the first start opens no window.
    QString log;
    const auto shown = [&] {
        log += QString::fromUtf8(first.readAllStandardError());
        return log.count(QStringLiteral("Showing the window that adds a widget"));
    };
    EXPECT_EQ(shown(), 0);

    // In the background a second start has nothing to do; from the menu it hands over.
    for (const QStringList &arguments : {QStringList{QStringLiteral("--background")}, QStringList{}}) {
        const ProgramRun second = run(arguments);
        EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
        EXPECT_TRUE(second.err.isEmpty()) << second.err.toStdString();
    }
    EXPECT_TRUE(waitUntil([&] { return shown() == 1; })) << log.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);
    stop(first);
}

TEST_F(HomeProgramTest, WithNothingToDoItEnds)
{
    // Started for the reminders with no widget and none ahead: it ends at once.
    auto idle = start({QStringLiteral("--background")});
    ASSERT_TRUE(idle->waitForFinished(20000)) << "still running";
    EXPECT_EQ(idle->exitCode(), 0) << idle->readAllStandardError().toStdString();
    EXPECT_FALSE(QFileInfo::exists(WidgetReload::socketPath()));

    // With a reminder ahead it stays, and says it.
    EventRepository events;
    const EventRepository::Result added = events.add(EventDraft{QStringLiteral("Trip"), QDate(2024, 5, 4)});
    events.setNotificationsAllowed(true);
    ASSERT_EQ(events.chooseReminder(added.id, NotiDays::one).outcome, ReminderOutcome::Scheduled);
    auto delivering = start({QStringLiteral("--background"), QStringLiteral("--now"), QStringLiteral("2024-05-02T09:00:00")});
    EXPECT_FALSE(delivering->waitForFinished(3000));
    EXPECT_EQ(delivering->state(), QProcess::Running);
    stop(*delivering);
}

// On a new machine the list shows the first-start events before anything published them for
// the widgets: --add finds them by title all the same (and --render, which writes nothing but
// its picture, after that).
TEST_F(HomeProgramTest, TheFirstStartEventsAreFoundByTitle)
{
    QProcessEnvironment real = environment();
    real.remove(QStringLiteral("TALLOWICK_WIDGETS_PATH"));
    const auto runReal = [&](const QStringList &arguments) {
        QProcess process;
        process.setProcessEnvironment(real);
        process.start(kProgram, arguments);
        process.waitForFinished(30000);
        return ProgramRun{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                          QString::fromUtf8(process.readAllStandardError())};
    };
    ASSERT_EQ(EventRepository().read().source, EventList::Source::Defaults);
    for (const EDate &event : EventRepository().read().events) {
        const ProgramRun added = runReal({QStringLiteral("--add"), QStringLiteral("medium"), QStringLiteral("--event"), event.dateTitle});
        EXPECT_EQ(added.exitCode, 0) << event.dateTitle.toStdString() << ": " << added.err.toStdString();
        const QString out = home.root() + QStringLiteral("/sample.png");
        const ProgramRun rendered = runReal({QStringLiteral("--render"), QStringLiteral("small"), QStringLiteral("--event"),
                                             event.dateTitle, QStringLiteral("--out"), out});
        EXPECT_EQ(rendered.exitCode, 0) << rendered.err.toStdString();
    }
    QStringList listed;
    for (const WidgetInstance &instance : InstanceStore().instances())
        listed.append(instance.configuration ? instance.configuration->displayString : QString());
    QStringList titles;
    for (const EDate &event : EventRepository().read().events)
        titles.append(event.dateTitle);
    EXPECT_EQ(listed, titles);
}

TEST_F(HomeProgramTest, TheRunningHomeScreenReloadsWhenAScriptAddsAWidget)
{
    run({QStringLiteral("--add"), QStringLiteral("small")});
    auto running = start();
    ASSERT_TRUE(waitUntil([&] { return logLines().contains(QStringLiteral("timeline small -")); }))
        << running->readAllStandardError().toStdString();

    const ProgramRun added = run({QStringLiteral("--add"), QStringLiteral("large"), QStringLiteral("--event"), QStringLiteral("Trip")});
    EXPECT_EQ(added.exitCode, 0);
    EXPECT_TRUE(waitUntil([&] { return logLines().contains(QStringLiteral("timeline large Trip")); }));
    stop(*running);
}

TEST_F(HomeProgramTest, RemindersDueWhileItWasNotRunningAreDeliveredOnceAtStart)
{
    const QDateTime now = localTime(2024, 5, 2, 9);
    // "three days before" for a trip on the 4th: the first fell due on the 1st, 23 hours ago.
    EventRepository events;
    const EventRepository::Result added = events.add(EventDraft{QStringLiteral("Trip"), QDate(2024, 5, 4)});
    ASSERT_EQ(added.outcome, StoreOutcome::Done);
    NotificationCenter center;
    NotificationHelper(center).addNotification(*EventRepository::find(added.list.events, added.id), NotiDays::three);

    auto running = start({QStringLiteral("--now"), now.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))});
    QString out;
    const bool delivered = waitUntil([&] {
        out += QString::fromUtf8(running->readAllStandardOutput());
        return center.pendingRequests().size() == 3;
    });
    stop(*running);
    out += QString::fromUtf8(running->readAllStandardOutput());
    ASSERT_TRUE(delivered) << running->readAllStandardError().toStdString();
    // Said as of now: two days are left.
    EXPECT_EQ(out, QString::fromUtf8("Reminder: Trip \u2014 2 days left\n"));
    // The plug-in was handed the home screen's clock.
    EXPECT_TRUE(logLines().contains(QStringLiteral("clock 2024-05-02T09:00:00"))) << logLines().join('\n').toStdString();
}
