// Everything Tallowick makes on disk is its user's alone (folders 0700, files and sockets
// 0600), and the app's single-instance socket deals only with its own user at either end.

#include "programs.h"

#include <platform/userdirs.h>
#include <shell/singleinstance.h>
#include <support/testenvironment.h>

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

#include <grp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

// Points the XDG folders at `root`'s subfolders for the object's life, without making them:
// the programs must make them.
class UnmadeFolders
{
public:
    explicit UnmadeFolders(const QString &root)
    {
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            m_saved.insert(name, qgetenv(name));
        qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_DATA_HOME", (root + QStringLiteral("/share")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", (root + QStringLiteral("/run")).toUtf8());
    }
    ~UnmadeFolders()
    {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it)
            qputenv(it.key(), it.value());
    }

private:
    QMap<const char *, QByteArray> m_saved;
};

// The app's listening end, in a thread of its own so that this thread can wait for a child.
class ListeningApp : public QThread
{
public:
    explicit ListeningApp(QString socketPath) : m_socketPath(std::move(socketPath)) {}
    std::atomic<bool> listening{false};
    std::atomic<int> received{0};

protected:
    void run() override
    {
        SingleInstance instance(m_socketPath);
        listening = instance.listen();
        QObject::connect(&instance, &SingleInstance::activated, [this] { ++received; });
        exec();
    }

private:
    QString m_socketPath;
};

// In a forked child: become `nobody`, or stay who we are. Only async-signal-safe calls.
void becomeNobodyOrExit(bool nobody)
{
    if (nobody && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
        _exit(10);
}

sockaddr_un addressOf(const QByteArray &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

// A child that hands `link` to the socket at `path` as a second start would, written by hand.
// Exit codes: 0 the app said "ok", 3 it closed without a word, 2 no connection.
pid_t handOverFromChild(const QByteArray &path, const QByteArray &link, bool asNobody)
{
    const sockaddr_un address = addressOf(path);
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    becomeNobodyOrExit(asNobody);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0)
        _exit(2);
    // The app may have shut the door already: no SIGPIPE, just the answer that is missing.
    if (::send(fd, link.constData(), size_t(link.size()), MSG_NOSIGNAL) != link.size())
        _exit(3);
    pollfd wait{fd, POLLIN, 0};
    char answer[8] = {};
    if (::poll(&wait, 1, 5000) == 1 && ::read(fd, answer, sizeof(answer)) >= 2 && std::memcmp(answer, "ok", 2) == 0)
        _exit(0);
    _exit(3);
}

// A child that listens at `path` as a running app would, and tells by its exit code whether
// a second start sent it anything: 1 it got bytes, 0 the other end closed without a word.
pid_t listenInChild(const QByteArray &path, bool asNobody, int readyPipe)
{
    const sockaddr_un address = addressOf(path);
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    becomeNobodyOrExit(asNobody);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0 || ::listen(fd, 4) != 0)
        _exit(5);
    // A parent that never hears "ready" fails the test by its own timeout.
    if (::write(readyPipe, "r", 1) != 1)
        _exit(6);
    pollfd waitConnection{fd, POLLIN, 0};
    if (::poll(&waitConnection, 1, 10000) != 1)
        _exit(4);
    const int peer = ::accept(fd, nullptr, nullptr);
    pollfd waitData{peer, POLLIN, 0};
    char buffer[256];
    if (::poll(&waitData, 1, 5000) == 1 && ::read(peer, buffer, sizeof(buffer)) > 0) {
        (void)::send(peer, "ok\n", 3, MSG_NOSIGNAL);
        _exit(1);
    }
    _exit(0);
}

int exitCodeOf(pid_t child)
{
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

TEST(Access, EveryFolderFileAndSocketTheProgramsMakeIsTheirUsersAlone)
{
    TemporaryHome home;
    const QString made = home.root() + QStringLiteral("/made");
    UnmadeFolders folders(made);
    const QDateTime now = localTime(2026, 12, 8, 9, 30);

    for (const QStringList &command : {QStringList{QStringLiteral("notifications"), QStringLiteral("allow")},
                                       QStringList{QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2026-12-20")},
                                       QStringList{QStringLiteral("remind"), QStringLiteral("0"), QStringLiteral("three")}}) {
        const Programs::Run run = Programs::run(Programs::cli(), command, now);
        ASSERT_EQ(run.exitCode, 0) << command.join(' ').toStdString() << ": " << run.err.toStdString();
    }
    // The home screen first: the app, with reminders ahead, would start one of its own.
    Programs::Running homeScreen(Programs::home(), {}, now);
    const QString run = made + QStringLiteral("/run/tallowick/");
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(run + QStringLiteral("home.socket")); }, 30000))
        << homeScreen.output().toStdString();
    Programs::Running app(Programs::app(), {}, now);
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(run + QStringLiteral("app.socket")); }, 30000)) << app.output().toStdString();
    EXPECT_EQ(Programs::run(Programs::app(), {QStringLiteral("tallowick://share?ddate=2027-01-01&countdown=true&dateTitle=Shared")}, now)
                  .exitCode, 0);
    for (const QStringList &command : {QStringList{QStringLiteral("--add"), QStringLiteral("small")},
                                       QStringList{QStringLiteral("--install-autostart")},
                                       QStringList{QStringLiteral("--render"), QStringLiteral("small"), QStringLiteral("--out"),
                                                   made + QStringLiteral("/share/picture.png")}}) {
        const Programs::Run run = Programs::run(Programs::home(), command, now);
        ASSERT_EQ(run.exitCode, 0) << command.join(' ').toStdString() << ": " << run.err.toStdString();
    }

    // Walked while the app and the home screen run, their sockets in place.
    QMap<QString, int> modes;
    QDirIterator walk(made, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0);
        modes.insert(path.mid(made.size() + 1), int(info.st_mode));
    }
    app.stop();
    homeScreen.stop();

    for (auto it = modes.cbegin(); it != modes.cend(); ++it) {
        const int mode = it.value();
        const int wanted = S_ISDIR(mode) ? 0700 : 0600;
        EXPECT_TRUE(S_ISDIR(mode) || S_ISREG(mode) || S_ISSOCK(mode)) << it.key().toStdString();
        EXPECT_EQ(mode & 07777, wanted) << it.key().toStdString() << " is " << std::oct << (mode & 07777);
    }
    // The walk met everything there is to meet.
    for (const char *name : {"config", "config/tallowick/settings.plist", "config/tallowick/settings.plist.lock",
                             "config/tallowick-home/widgets.json", "config/tallowick-home/widgets.json.lock",
                             "config/autostart/tallowick-home.desktop", "share",
                             "share/group.Ostra.Ruru.contents/contents.json", "share/tallowick/events.ics",
                             "share/tallowick/notifications.json",
                             "share/tallowick/notifications.json.lock", "run", "run/tallowick/app.socket",
                             "run/tallowick/app.socket.lock", "run/tallowick/home.socket", "run/tallowick/home.socket.lock"})
        EXPECT_TRUE(modes.contains(QLatin1String(name))) << name;
}

TEST(Access, TheRunningAppTakesNoLinkFromAnotherUser)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run a child as another user";
    TemporaryHome home;
    // Under the shared temporary folder, so that another user can reach it once opened up.
    QTemporaryDir shared(QDir::tempPath() + QStringLiteral("/tallowick-access-XXXXXX"));
    const QString socket = shared.path() + QStringLiteral("/tallowick/app.socket");
    ListeningApp app(socket);
    app.start();
    ASSERT_TRUE(waitUntil([&] { return app.listening.load(); }));
    // Opened up for this test only: the folder and socket themselves would keep the other
    // user out before the app even looked.
    ::chmod(QFile::encodeName(shared.path()).constData(), 0755);
    ::chmod(QFile::encodeName(shared.path() + QStringLiteral("/tallowick")).constData(), 0755);
    ::chmod(QFile::encodeName(socket).constData(), 0666);

    const QByteArray path = QFile::encodeName(socket);
    const QByteArray link = "tallowick://share?ddate=2027-01-01&countdown=true&dateTitle=Sneaked\n";
    EXPECT_EQ(exitCodeOf(handOverFromChild(path, link, true)), 3); // connected, and shut out
    EXPECT_EQ(app.received.load(), 0);
    EXPECT_EQ(exitCodeOf(handOverFromChild(path, link, false)), 0); // the same, as the app's user
    EXPECT_TRUE(waitUntil([&] { return app.received.load() == 1; }));
    app.quit();
    app.wait();
}

TEST(Access, ASecondStartHandsNothingToAListenerOfAnotherUser)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run a child as another user";
    TemporaryHome home;
    QTemporaryDir shared(QDir::tempPath() + QStringLiteral("/tallowick-access-XXXXXX"));
    ::chmod(QFile::encodeName(shared.path()).constData(), 0777);
    for (const bool otherUser : {true, false}) {
        const QString socket = shared.path() + (otherUser ? QStringLiteral("/theirs.socket") : QStringLiteral("/ours.socket"));
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t listener = listenInChild(QFile::encodeName(socket), otherUser, ready[1]);
        char byte = 0;
        pollfd wait{ready[0], POLLIN, 0};
        ASSERT_EQ(::poll(&wait, 1, 10000), 1);
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);

        SingleInstance second(socket);
        const bool handed = second.handOver(QStringLiteral("tallowick://open?pageNumber=1"));
        EXPECT_EQ(handed, !otherUser) << (otherUser ? "theirs" : "ours");
        EXPECT_EQ(exitCodeOf(listener), otherUser ? 0 : 1) << (otherUser ? "theirs" : "ours");
    }
}

TEST(Access, AFolderAnotherUserMadeIsNeverTakenForOurs)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make a folder of another user";
    TemporaryHome home;
    // Without XDG_RUNTIME_DIR the sockets live in a folder of the user's own under the shared
    // temporary folder, where anybody could have made that folder first.
    QTemporaryDir sharedTemp;
    ::chmod(QFile::encodeName(sharedTemp.path()).constData(), 01777);
    const QByteArray savedTemp = qgetenv("TMPDIR");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", sharedTemp.path().toUtf8());
    qunsetenv("XDG_RUNTIME_DIR");
    const QString runtime = UserDirs::runtimeDir();
    EXPECT_TRUE(runtime.startsWith(sharedTemp.path() + QLatin1Char('/'))) << runtime.toStdString();
    ASSERT_EQ(::mkdir(QFile::encodeName(runtime).constData(), 0777), 0);
    ::chmod(QFile::encodeName(runtime).constData(), 0777);
    ASSERT_EQ(::chown(QFile::encodeName(runtime).constData(), kNobody, kNobody), 0);

    SingleInstance instance;
    EXPECT_FALSE(instance.listen());
    EXPECT_FALSE(QFile::exists(runtime + QStringLiteral("/tallowick")));
    EXPECT_EQ(permissionBits(runtime), 0777); // neither used nor taken from its owner
    qputenv("TMPDIR", savedTemp);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}
