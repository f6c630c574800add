#include "hometesting.h"

#include <home/desktopnotifier.h>

#include <support/testenvironment.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QTest>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariantMap>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

// A notification service that keeps what it is asked to show.
class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown
    {
        QString appName;
        uint replacesId;
        QString icon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int timeout;
    };
    QList<Shown> shown;
    QStringList capabilities{QStringLiteral("body"), QStringLiteral("actions")};

public Q_SLOTS:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &appName, uint replacesId, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        shown.append({appName, replacesId, icon, summary, body, actions, hints, timeout});
        return replacesId ? replacesId : uint(100 + shown.size());
    }
};

DueReminder reminder(const QString &title, const QString &body, const QString &eventId = QStringLiteral("EVENT-A"),
                     int page = 2)
{
    return DueReminder{eventId, title, body, page};
}

QString consoleText(std::FILE *console)
{
    std::rewind(console);
    QByteArray bytes;
    char buffer[256];
    while (const size_t size = std::fread(buffer, 1, sizeof(buffer), console))
        bytes.append(buffer, qsizetype(size));
    return QString::fromUtf8(bytes);
}

// A session bus of the test's own, started without any service to activate, so nothing on
// this machine answers but what the test registers.
class PrivateBusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        const QString socket = dir.path() + QStringLiteral("/bus");
        const QString config = dir.path() + QStringLiteral("/bus.conf");
        writeFile(config, QStringLiteral("<busconfig><type>session</type><listen>unix:path=%1</listen>"
                                         "<policy context=\"default\"><allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                                         "<allow own=\"*\"/>"
                                         "</policy></busconfig>")
                              .arg(socket)
                              .toUtf8());
        // The daemon prints its address once it takes connections; its socket file shows up
        // earlier, when a connection may still be refused.
        daemonProcess.start(daemon, {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                                     QStringLiteral("--print-address=1")});
        ASSERT_TRUE(daemonProcess.waitForStarted(10000));
        ASSERT_TRUE(waitUntil([&] {
            daemonProcess.waitForReadyRead(50);
            return daemonProcess.canReadLine();
        }));
        address = QStringLiteral("unix:path=") + socket;
        console = std::tmpfile();
    }

    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("service"));
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        if (console)
            std::fclose(console);
        daemonProcess.terminate();
        daemonProcess.waitForFinished(10000);
    }

    QDBusConnection connect(const QString &name) const { return QDBusConnection::connectToBus(address, name); }

    QTemporaryDir dir;
    QProcess daemonProcess;
    QString address;
    std::FILE *console = nullptr;
};

} // namespace

TEST_F(PrivateBusTest, ShowsTheReminderAsTallowicksOneNotificationPerEvent)
{
    NotificationService service;
    QDBusConnection serviceBus = connect(QStringLiteral("service"));
    ASSERT_TRUE(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                          QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));

    DesktopNotifier notifier(connect(QStringLiteral("client")), console);
    notifier.show(reminder(QStringLiteral("Trip"), QStringLiteral("3 days left")));
    ASSERT_TRUE(waitUntil([&] { return service.shown.size() == 1; }));
    const NotificationService::Shown first = service.shown.at(0);
    EXPECT_EQ(first.appName, QStringLiteral("Tallowick"));
    EXPECT_EQ(first.replacesId, 0u);
    EXPECT_EQ(first.icon, QStringLiteral("org.tallowick.Tallowick"));
    EXPECT_EQ(first.summary, QStringLiteral("Trip"));
    EXPECT_EQ(first.body, QStringLiteral("3 days left"));
    EXPECT_EQ(first.actions, (QStringList{QStringLiteral("default"), QStringLiteral("Open"), QStringLiteral("open"),
                                          QStringLiteral("Open")}));
    EXPECT_EQ(first.hints.value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("org.tallowick.Tallowick"));
    EXPECT_EQ(first.hints.value(QStringLiteral("urgency")).value<uchar>(), 1);
    EXPECT_EQ(first.timeout, -1);

    // The same event's next reminder takes the place of the one still shown; another event's
    // comes beside it.
    notifier.show(reminder(QStringLiteral("Trip"), QStringLiteral("2 days left")));
    notifier.show(reminder(QStringLiteral("Exam"), QStringLiteral("Today is the day!"), QStringLiteral("EVENT-B")));
    ASSERT_TRUE(waitUntil([&] { return service.shown.size() == 3; }));
    for (const NotificationService::Shown &shown : service.shown.mid(1))
        EXPECT_EQ(shown.replacesId, shown.summary == QStringLiteral("Trip") ? 101u : 0u) << shown.summary.toStdString();
    EXPECT_TRUE(consoleText(console).isEmpty());
}

TEST_F(PrivateBusTest, AClickOpensTheAppAtTheEventsPage)
{
    NotificationService service;
    QDBusConnection serviceBus = connect(QStringLiteral("service"));
    ASSERT_TRUE(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                          QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    DesktopNotifier notifier(connect(QStringLiteral("client")), console);
    QList<QUrl> opened;
    QStringList tokens;
    notifier.setLinkHandler([&](const QUrl &link, const QString &token) {
        opened.append(link);
        tokens.append(token);
    });
    notifier.show(reminder(QStringLiteral("Trip"), QStringLiteral("3 days left")));
    ASSERT_TRUE(waitUntil([&] { return service.shown.size() == 1; }));

    const auto invoke = [&](uint id, const QString &action) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                        QStringLiteral("org.freedesktop.Notifications"),
                                                        QStringLiteral("ActionInvoked"));
        signal << id << action;
        serviceBus.send(signal);
    };
    const auto sendToken = [&](uint id, const QString &token) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                        QStringLiteral("org.freedesktop.Notifications"),
                                                        QStringLiteral("ActivationToken"));
        signal << id << token;
        serviceBus.send(signal);
    };
    invoke(999, QStringLiteral("default")); // not ours
    // The service's token for the click comes before the action and goes with the link, once.
    sendToken(101, QStringLiteral("token-of-the-click"));
    invoke(101, QStringLiteral("default"));
    ASSERT_TRUE(waitUntil([&] { return opened.size() == 1; }));
    EXPECT_EQ(opened.at(0), QUrl(QStringLiteral("tallowick://open?pageNumber=2&eventId=EVENT-A")));
    EXPECT_EQ(tokens.at(0), QStringLiteral("token-of-the-click"));
    invoke(101, QStringLiteral("open"));
    EXPECT_TRUE(waitUntil([&] { return opened.size() == 2; }));
    EXPECT_EQ(tokens.at(1), QString());
}

TEST_F(PrivateBusTest, WithoutActionsTheNotificationOffersNone)
{
    NotificationService service;
    service.capabilities = {QStringLiteral("body")};
    QDBusConnection serviceBus = connect(QStringLiteral("service"));
    ASSERT_TRUE(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                          QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    DesktopNotifier notifier(connect(QStringLiteral("client")), console);
    notifier.show(reminder(QStringLiteral("Trip"), QStringLiteral("3 days left")));
    ASSERT_TRUE(waitUntil([&] { return service.shown.size() == 1; }));
    EXPECT_TRUE(service.shown.at(0).actions.isEmpty());
}

// Early in a login the service may come after the home screen: its reminders wait for it.
TEST_F(PrivateBusTest, AServiceThatComesLateIsWaitedFor)
{
    DesktopNotifier notifier(connect(QStringLiteral("client")), console);
    notifier.show(reminder(QStringLiteral("Trip"), QStringLiteral("3 days left")));
    QTest::qWait(300);
    EXPECT_TRUE(consoleText(console).isEmpty());

    NotificationService service;
    QDBusConnection serviceBus = connect(QStringLiteral("service"));
    ASSERT_TRUE(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                          QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    ASSERT_TRUE(waitUntil([&] { return service.shown.size() == 1; }));
    EXPECT_EQ(service.shown.at(0).summary, QStringLiteral("Trip"));
    EXPECT_TRUE(consoleText(console).isEmpty());
}

TEST(DesktopNotifier, PrintsTheReminderWithoutASessionBus)
{
    std::FILE *console = std::tmpfile();
    DesktopNotifier notifier(QDBusConnection(QStringLiteral("not connected")), console);
    notifier.show(reminder(QStringLiteral("Trip"), QStringLiteral("Today is the day!")));
    EXPECT_EQ(consoleText(console), QString::fromUtf8("Reminder: Trip \u2014 Today is the day!\n"));
    std::fclose(console);
}

#include "desktopnotifier_test.moc"
