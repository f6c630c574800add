#include <platform/notificationcenter.h>
#include <support/testenvironment.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <support/logcapture.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {


NotificationRequest reminder(const QString &identifier, int year, int month, int day, int hour = 10)
{
    NotificationRequest request;
    request.identifier = identifier;
    request.title = QStringLiteral("Trip");
    request.body = QStringLiteral("3 days left");
    request.trigger.year = year;
    request.trigger.month = month;
    request.trigger.day = day;
    request.trigger.hour = hour;
    return request;
}

QStringList identifiersOf(const QList<NotificationRequest> &requests)
{
    QStringList identifiers;
    for (const NotificationRequest &request : requests)
        identifiers.append(request.identifier);
    return identifiers;
}


class Notifications : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
};

} // namespace

TEST_F(Notifications, LivesUnderTheDataHomeAndStartsUndecidedAndEmpty)
{
    const NotificationCenter center;
    EXPECT_EQ(center.path(), home.dataHome() + QStringLiteral("/tallowick/notifications.json"));
    EXPECT_EQ(center.authorizationStatus(), AuthorizationStatus::NotDetermined);
    EXPECT_TRUE(center.pendingRequests().isEmpty());
    EXPECT_TRUE(center.due(localTime(2100, 1, 1)).isEmpty());
    EXPECT_FALSE(QFile::exists(center.path()));
}

TEST_F(Notifications, StatusAndRequestsSurviveInAnotherInstance)
{
    NotificationRequest silent = reminder(QStringLiteral("B 2026-12-24 0"), 2026, 12, 24);
    silent.defaultSound = false;
    silent.title.clear();
    NotificationRequest daily;
    daily.identifier = QStringLiteral("daily");
    daily.title = QStringLiteral("Trip ✈️ \"quoted\"");
    daily.body = QStringLiteral("line\nbreak");
    daily.trigger.hour = 7;
    daily.trigger.minute = 45;
    daily.trigger.repeats = true;
    {
        NotificationCenter writer;
        writer.setAuthorizationStatus(AuthorizationStatus::Denied);
        writer.add(reminder(QStringLiteral("A 2026-12-21 3"), 2026, 12, 21));
        writer.add(silent);
        writer.add(daily);
    }
    NotificationCenter reader;
    EXPECT_EQ(reader.authorizationStatus(), AuthorizationStatus::Denied);
    EXPECT_EQ(reader.pendingRequests(),
              (QList<NotificationRequest>{reminder(QStringLiteral("A 2026-12-21 3"), 2026, 12, 21), silent, daily}));

    reader.setAuthorizationStatus(AuthorizationStatus::Authorized);
    EXPECT_EQ(NotificationCenter().authorizationStatus(), AuthorizationStatus::Authorized);
    EXPECT_EQ(NotificationCenter().pendingRequests().size(), 3);
}

TEST_F(Notifications, AHandWrittenFileInTheDocumentedFormatIsRead)
{
    const NotificationCenter center;
    writeFile(center.path(), R"({"authorization": 3, "future": true, "pending": [
        {"identifier": "X 2026-12-21 3", "title": "Trip", "body": "3 days left", "sound": "none",
         "trigger": {"year": 2026, "month": 12, "day": 21, "hour": 10, "minute": 0, "repeats": false}},
        {"identifier": "Y", "title": "", "body": "", "sound": "default",
         "trigger": {"hour": 9, "minute": 30, "repeats": true}}]})");
    EXPECT_EQ(center.authorizationStatus(), AuthorizationStatus::Provisional);
    const QList<NotificationRequest> pending = center.pendingRequests();
    ASSERT_EQ(pending.size(), 2);
    NotificationRequest first = reminder(QStringLiteral("X 2026-12-21 3"), 2026, 12, 21);
    first.defaultSound = false;
    EXPECT_EQ(pending[0], first);
    EXPECT_FALSE(pending[1].trigger.year);
    EXPECT_EQ(pending[1].trigger.hour, 9);
    EXPECT_EQ(pending[1].trigger.minute, 30);
    EXPECT_TRUE(pending[1].trigger.repeats);
    EXPECT_TRUE(pending[1].defaultSound);
}

TEST_F(Notifications, TheSameIdentifierReplacesInPlaceAndNewOnesAppend)
{
    NotificationCenter center;
    center.add(reminder(QStringLiteral("a"), 2026, 1, 1));
    center.add(reminder(QStringLiteral("b"), 2026, 1, 2));
    center.add(reminder(QStringLiteral("c"), 2026, 1, 3));
    NotificationRequest newer = reminder(QStringLiteral("b"), 2027, 5, 5);
    newer.body = QStringLiteral("changed");
    center.add(newer);

    const QList<NotificationRequest> pending = center.pendingRequests();
    EXPECT_EQ(identifiersOf(pending), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(pending[1], newer);
}

TEST_F(Notifications, RemovalMatchesExactIdentifiersAndReplacementMatchesFragments)
{
    NotificationCenter center;
    for (const char *identifier : {"E1 2026-01-01 0", "E1 2026-01-02 1", "E1-LONG 2026-01-01 0", "E1", "F 2026-01-01 0"})
        center.add(reminder(QLatin1String(identifier), 2026, 1, 1));

    center.removePendingRequests({QStringLiteral("E1"), QStringLiteral("E1 2026-01-02"), QStringLiteral("nothing")});
    EXPECT_EQ(identifiersOf(center.pendingRequests()),
              (QStringList{QStringLiteral("E1 2026-01-01 0"), QStringLiteral("E1 2026-01-02 1"),
                           QStringLiteral("E1-LONG 2026-01-01 0"), QStringLiteral("F 2026-01-01 0")}));

    center.replaceContaining(QStringLiteral("E1"), {reminder(QStringLiteral("E1 2026-02-01 0"), 2026, 2, 1)});
    EXPECT_EQ(identifiersOf(center.pendingRequests()),
              (QStringList{QStringLiteral("F 2026-01-01 0"), QStringLiteral("E1 2026-02-01 0")}));

    // An event without an id must not clear everybody's reminders.
    center.replaceContaining(QString(), {});
    EXPECT_EQ(center.pendingRequests().size(), 2);
}

TEST_F(Notifications, DueRequestsAreThoseAtOrBeforeNowOldestFirstHoweverLate)
{
    NotificationCenter center;
    NotificationRequest undated;
    undated.identifier = QStringLiteral("undated");
    NotificationRequest nextMinute = reminder(QStringLiteral("next minute"), 2026, 12, 21);
    nextMinute.trigger.minute = 1;
    center.add(reminder(QStringLiteral("today"), 2026, 12, 21));
    center.add(nextMinute);
    center.add(undated);
    center.add(reminder(QStringLiteral("weeks late"), 2026, 11, 30));
    center.add(reminder(QStringLiteral("tomorrow"), 2026, 12, 22));

    EXPECT_TRUE(center.due(localTime(2026, 11, 30, 9, 59, 59)).isEmpty());
    EXPECT_EQ(identifiersOf(center.due(localTime(2026, 12, 21, 10, 0))),
              (QStringList{QStringLiteral("weeks late"), QStringLiteral("today")}));
    EXPECT_EQ(identifiersOf(center.due(localTime(2026, 12, 21, 10, 1))),
              (QStringList{QStringLiteral("weeks late"), QStringLiteral("today"), QStringLiteral("next minute")}));
    // The trigger names a wall-clock time: the same instant is not yet 10:00 in New York.
    const QDateTime seoulTen = localTime(2026, 12, 21, 10, 0).toUTC();
    ScopedTimeZone newYork("America/New_York");
    EXPECT_EQ(identifiersOf(center.due(seoulTen)), QStringList{QStringLiteral("weeks late")});
}

TEST_F(Notifications, DeliveredRequestsLeaveUnlessTheyCanFireAgain)
{
    NotificationCenter center;
    NotificationRequest daily;
    daily.identifier = QStringLiteral("daily");
    daily.trigger.repeats = true;
    NotificationRequest datedRepeat = reminder(QStringLiteral("dated repeat"), 2026, 1, 1);
    datedRepeat.trigger.repeats = true;
    center.add(reminder(QStringLiteral("a"), 2026, 1, 1));
    center.add(reminder(QStringLiteral("b"), 2026, 1, 1));
    center.add(daily);
    center.add(datedRepeat);

    center.markDelivered({QStringLiteral("a"), QStringLiteral("daily"), QStringLiteral("dated repeat"),
                          QStringLiteral("unknown")});
    EXPECT_EQ(identifiersOf(NotificationCenter().pendingRequests()),
              (QStringList{QStringLiteral("b"), QStringLiteral("daily")}));
}

TEST(NotificationTrigger, FiresAtItsWallClockTimeInTheProcessZone)
{
    NotificationTrigger trigger;
    trigger.year = 2026;
    trigger.month = 12;
    trigger.day = 21;
    EXPECT_EQ(trigger.description(), QStringLiteral("2026-12-21 10:00"));

    {
        ScopedTimeZone zone("Asia/Seoul");
        EXPECT_EQ(trigger.fireTime()->toUTC(), QDateTime(QDate(2026, 12, 21), QTime(1, 0), QTimeZone::utc()));
    }
    ScopedTimeZone zone("America/New_York");
    EXPECT_EQ(trigger.fireTime()->toUTC(), QDateTime(QDate(2026, 12, 21), QTime(15, 0), QTimeZone::utc()));

    trigger.day = 31;
    trigger.month = 2;
    EXPECT_FALSE(trigger.fireTime());
    trigger.year.reset();
    trigger.hour = 7;
    trigger.minute = 5;
    trigger.repeats = true;
    EXPECT_FALSE(trigger.fireTime());
    EXPECT_EQ(trigger.description(), QStringLiteral("07:05 repeats"));
}

TEST_F(Notifications, AnUnreadableFileIsKeptAsideAndReadsAsEmpty)
{
    const QByteArray valid = R"({"identifier": "a", "title": "", "body": "", "sound": "default",
        "trigger": {"year": 2026, "month": 1, "day": 1, "hour": 10, "minute": 0, "repeats": false}})";
    const QList<QByteArray> junk = {
        "not json at all",
        "[1, 2]",
        R"({"authorization": 9})",
        R"({"authorization": "2"})",
        R"({"reminderTime": "9:30"})",
        R"({"reminderTime": 570})",
        R"({"pending": {}})",
        R"({"pending": [)" + valid + "," + valid + "]}",
        R"({"pending": [{"identifier": "a", "title": "", "body": "", "sound": "default",
            "trigger": {"year": 2026, "hour": 10, "minute": 0, "repeats": false}}]})",
        R"({"pending": [{"identifier": "a", "title": "", "body": "", "sound": "loud",
            "trigger": {"hour": 10, "minute": 0, "repeats": false}}]})",
        R"({"pending": [{"identifier": "a", "title": "", "body": "", "sound": "default",
            "trigger": {"hour": 10.5, "minute": 0, "repeats": false}}]})",
    };
    NotificationCenter center;
    const QString folder = QFileInfo(center.path()).absolutePath();
    for (const QByteArray &bytes : junk) {
        QDir(folder).removeRecursively();
        writeFile(center.path(), bytes);
        LogCapture log;
        // Readers report it and leave it; the next change moves it aside before writing.
        EXPECT_TRUE(center.pendingRequests().isEmpty()) << bytes.constData();
        EXPECT_EQ(readFile(center.path()), bytes);
        center.setAuthorizationStatus(AuthorizationStatus::Denied);
        EXPECT_EQ(center.authorizationStatus(), AuthorizationStatus::Denied) << bytes.constData();
        const QStringList aside = QDir(folder).entryList({QStringLiteral("notifications.json.unreadable-*")}, QDir::Files);
        ASSERT_EQ(aside.size(), 1) << bytes.constData();
        EXPECT_EQ(readFile(folder + QLatin1Char('/') + aside.first()), bytes);
        ASSERT_FALSE(log.lines().isEmpty());
        for (const QString &line : log.lines())
            EXPECT_TRUE(line.startsWith(QStringLiteral("tallowick.platform: "))) << line.toStdString();
        EXPECT_TRUE(log.lines().constLast().contains(aside.first()));
    }

    // A change on an unreadable file starts afresh and keeps the old one aside too.
    writeFile(center.path(), "garbage");
    center.add(reminder(QStringLiteral("fresh"), 2026, 1, 1));
    EXPECT_EQ(identifiersOf(NotificationCenter().pendingRequests()), QStringList{QStringLiteral("fresh")});
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("notifications.json.unreadable-*")}, QDir::Files).size(), 2);
}

TEST_F(Notifications, TwoProcessesAddingAtOnceLoseNothing)
{
    constexpr int kPerProcess = 100;
    const QString path = NotificationCenter::defaultPath();
    int startPipe[2];
    ASSERT_EQ(::pipe(startPipe), 0);

    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = ::fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            ::close(startPipe[1]);
            char go = 0;
            // Both start together, once the parent closes its end.
            const bool started = ::read(startPipe[0], &go, 1) == 0;
            NotificationCenter center(path);
            for (int i = 0; i < kPerProcess; ++i)
                center.add(reminder(QStringLiteral("process %1 request %2").arg(child).arg(i), 2026, 1, 1));
            ::_exit(started ? 0 : 1);
        }
    }
    ::close(startPipe[0]);
    ::close(startPipe[1]);
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const QStringList identifiers = identifiersOf(NotificationCenter(path).pendingRequests());
    EXPECT_EQ(identifiers.size(), 2 * kPerProcess);
    for (int child = 0; child < 2; ++child) {
        for (int i = 0; i < kPerProcess; ++i)
            EXPECT_TRUE(identifiers.contains(QStringLiteral("process %1 request %2").arg(child).arg(i)))
                << child << " " << i;
    }
}

TEST_F(Notifications, TheFileAndItsFolderAreReachableOnlyByTheirUser)
{
    NotificationCenter center;
    center.setAuthorizationStatus(AuthorizationStatus::Authorized);
    EXPECT_EQ(permissionBits(center.path()), 0600);
    EXPECT_EQ(permissionBits(QFileInfo(center.path()).absolutePath()), 0700);
}
