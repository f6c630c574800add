#include <shell/singleinstance.h>
#include <support/testenvironment.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QThread>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The running app, listening in a thread of its own so this thread can play a second start.
class RunningApp : public QThread
{
public:
    explicit RunningApp(QString socketPath) : m_socketPath(std::move(socketPath)) {}
    QStringList received;
    QList<Activation> activations;
    std::atomic<bool> listening{false};

protected:
    void run() override
    {
        SingleInstance instance(m_socketPath);
        listening = instance.listen();
        QObject::connect(&instance, &SingleInstance::activated, [this](const QString &link, const Activation &activation) {
            received.append(link);
            activations.append(activation);
            if (received.size() == 2)
                quit();
        });
        exec();
    }

private:
    QString m_socketPath;
};

} // namespace

TEST(SingleInstance, ALaterStartHandsItsLinkToTheRunningApp)
{
    TemporaryHome home;
    const QString socket = SingleInstance::defaultSocketPath();
    RunningApp app(socket);
    app.start();
    for (int i = 0; i < 200 && !app.listening; ++i)
        QThread::msleep(10);
    ASSERT_TRUE(app.listening);
    EXPECT_EQ(permissionBits(socket), 0600);
    EXPECT_EQ(permissionBits(home.runtimeDir() + QStringLiteral("/tallowick")), 0700);

    SingleInstance second(socket);
    EXPECT_TRUE(second.handOver(QStringLiteral("https://tallowick.page.link?pageNumber=2")));
    EXPECT_TRUE(second.handOver(QString()));
    ASSERT_TRUE(app.wait(5000));
    EXPECT_EQ(app.received, (QStringList{QStringLiteral("https://tallowick.page.link?pageNumber=2"), QString()}));
}

TEST(SingleInstance, WithNothingRunningTheFirstStartListens)
{
    TemporaryHome home;
    SingleInstance first;
    EXPECT_FALSE(first.handOver(QStringLiteral("x://y?pageNumber=1")));
    EXPECT_TRUE(first.listen());
}

// What the desktop gave a later start to raise a window with reaches the running app with its
// link: Wayland's activation token and X11's startup id, read from the start's environment.
TEST(SingleInstance, TheActivationTokenOfALaterStartReachesTheRunningApp)
{
    TemporaryHome home;
    RunningApp app(SingleInstance::defaultSocketPath());
    app.start();
    ASSERT_TRUE(waitUntil([&] { return app.listening.load(); }, 2000));

    qputenv("XDG_ACTIVATION_TOKEN", "wayland-token-1");
    qputenv("DESKTOP_STARTUP_ID", "launcher-1_TIME42");
    const Activation withToken = Activation::fromEnvironment(QStringLiteral("tallowick://open?pageNumber=2"));
    qunsetenv("XDG_ACTIVATION_TOKEN");
    qunsetenv("DESKTOP_STARTUP_ID");
    SingleInstance second(SingleInstance::defaultSocketPath());
    EXPECT_TRUE(second.handOver(withToken));
    // Without one, as from a terminal: the link alone, sent as earlier starts send it.
    EXPECT_TRUE(second.handOver(Activation::fromEnvironment(QString())));
    ASSERT_TRUE(app.wait(5000));
    ASSERT_EQ(app.activations.size(), 2);
    EXPECT_EQ(app.activations.at(0), (Activation{QStringLiteral("tallowick://open?pageNumber=2"),
                                                  QStringLiteral("wayland-token-1"), QStringLiteral("launcher-1_TIME42")}));
    EXPECT_EQ(app.activations.at(1), Activation{});
    EXPECT_EQ(app.received.at(0), QStringLiteral("tallowick://open?pageNumber=2"));
}

// Connections held open until the app's descriptors run out must not end its listening: a
// later start would otherwise become a second app.
TEST(SingleInstance, KeepsListeningThroughConnectionsThatUseUpItsDescriptors)
{
    TemporaryHome home;
    const QString socket = SingleInstance::defaultSocketPath();
    RunningApp app(socket);
    app.start();
    for (int i = 0; i < 200 && !app.listening; ++i)
        QThread::msleep(10);
    ASSERT_TRUE(app.listening);

    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    const qsizetype open = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size();
    rlimit tight = saved;
    tight.rlim_cur = rlim_t(open + 60);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socket);
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    QList<int> held;
    for (int i = 0; i < 200; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            QThread::msleep(20); // the app takes the rest of the descriptors meanwhile
            continue;
        }
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0)
            held.append(fd);
        else
            ::close(fd);
    }
    QThread::msleep(500);
    for (const int fd : held)
        ::close(fd);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
    EXPECT_GT(held.size(), 20);

    SingleInstance second(socket);
    bool handed = false;
    for (int i = 0; i < 40 && !handed; ++i) {
        handed = second.handOver(QStringLiteral("x://y?pageNumber=1"));
        if (!handed)
            QThread::msleep(100);
    }
    EXPECT_TRUE(handed);
    EXPECT_TRUE(second.handOver(QString()));
    ASSERT_TRUE(app.wait(5000));
    EXPECT_EQ(app.received.value(0), QStringLiteral("x://y?pageNumber=1"));
}
