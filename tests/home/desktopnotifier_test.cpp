#include "hometesting.h"

#include <home/desktopnotifier.h>

#include <support/testenvironment.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
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
        QString summary;
        QString body;
        QVariantMap hints;
    };
    QList<Shown> shown;

public slots:
    uint Notify(const QString &appName, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &hints, int)
    {
        shown.append({appName, summary, body, hints});
        return uint(shown.size());
    }
};

NotificationRequest request(const QString &title, const QString &body, bool sound = true)
{
    return NotificationRequest{QStringLiteral("id"), title, body, NotificationTrigger{}, sound};
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
        daemonProcess.start(daemon, {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork")});
        ASSERT_TRUE(daemonProcess.waitForStarted(10000));
        ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(socket); }));
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

TEST_F(PrivateBusTest, ShowsTheReminderThroughTheNotificationService)
{
    NotificationService service;
    QDBusConnection serviceBus = connect(QStringLiteral("service"));
    ASSERT_TRUE(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                          QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));

    DesktopNotifier notifier(connect(QStringLiteral("client")), console);
    notifier.show(request(QStringLiteral("Trip"), QStringLiteral("3 days left")));
    notifier.show(request(QStringLiteral("Exam"), QStringLiteral("Today"), false));
    ASSERT_TRUE(waitUntil([&] { return service.shown.size() == 2; }));

    EXPECT_EQ(service.shown.at(0).appName, QStringLiteral("Tallowick"));
    EXPECT_EQ(service.shown.at(0).summary, QStringLiteral("Trip"));
    EXPECT_EQ(service.shown.at(0).body, QStringLiteral("3 days left"));
    EXPECT_FALSE(service.shown.at(0).hints.contains(QStringLiteral("suppress-sound")));
    EXPECT_EQ(service.shown.at(1).hints.value(QStringLiteral("suppress-sound")), QVariant(true));
    EXPECT_TRUE(consoleText(console).isEmpty());
}

TEST_F(PrivateBusTest, PrintsTheReminderWhenNoServiceAnswers)
{
    DesktopNotifier notifier(connect(QStringLiteral("client")), console);
    notifier.show(request(QStringLiteral("Trip"), QStringLiteral("3 days left")));
    EXPECT_TRUE(waitUntil([&] { return !consoleText(console).isEmpty(); }));
    EXPECT_EQ(consoleText(console), QString::fromUtf8("Reminder: Trip \u2014 3 days left\n"));
}

TEST(DesktopNotifier, PrintsTheReminderWithoutASessionBus)
{
    std::FILE *console = std::tmpfile();
    DesktopNotifier notifier(QDBusConnection(QStringLiteral("not connected")), console);
    notifier.show(request(QStringLiteral("Trip"), QStringLiteral("Today")));
    EXPECT_EQ(consoleText(console), QString::fromUtf8("Reminder: Trip \u2014 Today\n"));
    std::fclose(console);
}

#include "desktopnotifier_test.moc"
