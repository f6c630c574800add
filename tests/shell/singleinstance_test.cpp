#include <shell/singleinstance.h>
#include <support/testenvironment.h>

#include <QDir>
#include <QSignalSpy>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
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

namespace {

sockaddr_un addressOf(const QByteArray &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

// A child that, once `go` is readable, opens `count` connections to the socket at `path` and
// holds them, silent, until it is killed.
pid_t connectOnCue(const QByteArray &path, int count, int go)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    char cue = 0;
    if (::read(go, &cue, 1) != 1)
        _exit(1);
    const sockaddr_un address = addressOf(path);
    for (int i = 0; i < count; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd >= 0)
            ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address));
    }
    ::pause();
    _exit(0);
}

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System).size());
}

} // namespace

// Others holding connections open, or no descriptor left for a moment, never make the running
// app stop listening: the next start still hands its link over instead of becoming a second app.
TEST(SingleInstance, ConnectionsHeldOpenOrNoDescriptorsLeftNeverStopItListening)
{
    TemporaryHome home;
    const QString socket = SingleInstance::defaultSocketPath();
    RunningApp app(socket);
    app.start();
    ASSERT_TRUE(waitUntil([&] { return app.listening.load(); }, 2000));
    int cues[2][2];
    ASSERT_EQ(::pipe(cues[0]), 0);
    ASSERT_EQ(::pipe(cues[1]), 0);
    // Made before this process's descriptors are limited, which they would inherit.
    const pid_t holder = connectOnCue(QFile::encodeName(socket), 200, cues[0][0]);
    const pid_t knocker = connectOnCue(QFile::encodeName(socket), 3, cues[1][0]);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit tight = saved;

    // Two hundred silent connections against a process with room for forty more descriptors.
    tight.rlim_cur = rlim_t(openDescriptors() + 40);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    ASSERT_EQ(::write(cues[0][1], "x", 1), 1);
    QThread::msleep(1500);
    EXPECT_TRUE(SingleInstance(socket).handOver(QStringLiteral("tallowick://open?pageNumber=1")));

    // No descriptor left at all while a start knocks: its accept fails, which ends Qt's server.
    tight.rlim_cur = rlim_t(openDescriptors());
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    ASSERT_EQ(::write(cues[1][1], "x", 1), 1);
    QThread::msleep(500);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    for (const pid_t child : {holder, knocker}) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    EXPECT_TRUE(waitUntil(
        [&] { return SingleInstance(socket).handOver(QStringLiteral("tallowick://open?pageNumber=2")); }, 10000));
    ASSERT_TRUE(app.wait(5000));
    EXPECT_EQ(app.received.value(1), QStringLiteral("tallowick://open?pageNumber=2"));
}
