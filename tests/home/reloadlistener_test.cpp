#include "hometesting.h"

#include <home/reloadlistener.h>

#include <platform/homeprocess.h>
#include <platform/widgetreload.h>

#include <support/testenvironment.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class ReloadListenerTest : public ::testing::Test
{
protected:
    TemporaryHome home;
};

// Leaves a socket file behind as a crashed home screen would: bound, then closed.
void leaveStaleSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
}

} // namespace

TEST_F(ReloadListenerTest, TheSocketIsReachableOnlyByTheUser)
{
    ReloadListener listener;
    ASSERT_EQ(listener.listen(), ReloadListener::Status::Listening) << listener.errorString().toStdString();
    EXPECT_EQ(listener.socketPath(), home.runtimeDir() + QStringLiteral("/tallowick/home.socket"));
    EXPECT_EQ(permissionBits(listener.socketPath()), 0600);
    EXPECT_EQ(permissionBits(home.runtimeDir() + QStringLiteral("/tallowick")), 0700);
}

TEST_F(ReloadListenerTest, ARequestArrivesAndABurstGivesOneReload)
{
    ReloadListener listener;
    ASSERT_EQ(listener.listen(), ReloadListener::Status::Listening);
    QSignalSpy reloads(&listener, &ReloadListener::reloadRequested);

    WidgetReload::reloadAllTimelines();
    ASSERT_TRUE(reloads.wait(5000));

    // Sent before the listener gets to read any of them: read together, answered once.
    for (int i = 0; i < 20; ++i)
        WidgetReload::reloadAllTimelines();
    ASSERT_TRUE(reloads.wait(5000));
    QTest::qWait(4 * ReloadListener::kCoalesceMs);
    EXPECT_EQ(reloads.count(), 2);
}

TEST_F(ReloadListenerTest, ASecondListenerIsRefusedAndTheFirstKeepsTheSocket)
{
    auto first = std::make_unique<ReloadListener>();
    ASSERT_EQ(first->listen(), ReloadListener::Status::Listening);
    QSignalSpy reloads(first.get(), &ReloadListener::reloadRequested);

    ReloadListener second;
    EXPECT_EQ(second.listen(), ReloadListener::Status::AlreadyRunning);
    EXPECT_FALSE(second.errorString().isEmpty());

    WidgetReload::reloadAllTimelines();
    EXPECT_TRUE(reloads.wait(5000));

    // Once the first is gone its socket goes with it, and the next one may listen.
    first.reset();
    EXPECT_FALSE(QFileInfo::exists(second.socketPath()));
    ReloadListener third;
    EXPECT_EQ(third.listen(), ReloadListener::Status::Listening);
}

TEST_F(ReloadListenerTest, AStaleSocketIsReplaced)
{
    const QString path = WidgetReload::socketPath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    leaveStaleSocket(path);
    ASSERT_TRUE(QFileInfo::exists(path));
    // With nobody bound, a request is dropped at once.
    WidgetReload::reloadAllTimelines();

    ReloadListener listener;
    ASSERT_EQ(listener.listen(), ReloadListener::Status::Listening) << listener.errorString().toStdString();
    QSignalSpy reloads(&listener, &ReloadListener::reloadRequested);
    WidgetReload::reloadAllTimelines();
    EXPECT_TRUE(reloads.wait(5000));
}

TEST_F(ReloadListenerTest, SomethingElseInTheSocketsPlaceIsLeftAlone)
{
    const QString path = WidgetReload::socketPath();
    writeFile(path, "a person's file");
    ReloadListener listener;
    EXPECT_EQ(listener.listen(), ReloadListener::Status::Failed);
    EXPECT_EQ(readFile(path), QByteArray("a person's file"));
}

TEST_F(ReloadListenerTest, ASecondStartAsksForTheWindowWithItsToken)
{
    EXPECT_FALSE(HomeProcess::isRunning());
    EXPECT_FALSE(ReloadListener::requestActivation(QStringLiteral("token")));
    auto listener = std::make_unique<ReloadListener>();
    ASSERT_EQ(listener->listen(), ReloadListener::Status::Listening);
    EXPECT_TRUE(HomeProcess::isRunning());
    QSignalSpy activations(listener.get(), &ReloadListener::activationRequested);
    QSignalSpy reloads(listener.get(), &ReloadListener::reloadRequested);

    // A token is passed on as it came; none, or one that is no single printable word, as none.
    const QStringList sent = {QStringLiteral("kwin-5_TIME1234"), QString(), QStringLiteral("two words"),
                              QString(600, QLatin1Char('x'))};
    for (const QString &token : sent)
        EXPECT_TRUE(ReloadListener::requestActivation(token));
    EXPECT_TRUE(waitUntil([&] { return activations.count() == sent.size(); }));
    QStringList received;
    for (const QList<QVariant> &arguments : std::as_const(activations))
        received.append(arguments.at(0).toString());
    EXPECT_EQ(received, (QStringList{QStringLiteral("kwin-5_TIME1234"), QString(), QString(), QString()}));
    EXPECT_EQ(reloads.count(), 0);

    // A crashed home screen's socket does not count as a running one.
    listener.reset();
    leaveStaleSocket(WidgetReload::socketPath());
    EXPECT_FALSE(HomeProcess::isRunning());
}
