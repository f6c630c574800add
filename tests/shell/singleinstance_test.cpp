#include <shell/singleinstance.h>
#include <support/testenvironment.h>

#include <QSignalSpy>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// The running app, listening in a thread of its own so this thread can play a second start.
class RunningApp : public QThread
{
public:
    explicit RunningApp(QString socketPath) : m_socketPath(std::move(socketPath)) {}
    QStringList received;
    std::atomic<bool> listening{false};

protected:
    void run() override
    {
        SingleInstance instance(m_socketPath);
        listening = instance.listen();
        QObject::connect(&instance, &SingleInstance::activated, [this](const QString &link) {
            received.append(link);
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
