#include <model/hexcolor.h>
#include <model/resources.h>
#include <support/testenvironment.h>

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct AppRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

AppRun runApp(const QStringList &arguments, int timeoutMs = 60000)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALLOWICK_APP_PATH), arguments);
    process.waitForFinished(timeoutMs);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class App : public ::testing::Test
{
protected:
    TemporaryHome home;
    const QString now = QStringLiteral("2026-12-08T09:00:00");

    QImage screenshot(const QStringList &extra)
    {
        const QString path = home.root() + QStringLiteral("/shot.png");
        const AppRun run = runApp(QStringList{QStringLiteral("--screenshot"), path, QStringLiteral("--now"), now} + extra);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(path)) << run.out.toStdString();
        return QImage(path);
    }
};

bool nearColour(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 6 && std::abs(a.green() - b.green()) <= 6 && std::abs(a.blue() - b.blue()) <= 6;
}

int inkIn(const QImage &image, const QRect &area, const QColor &ink)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += nearColour(image.pixelColor(x, y), ink);
    }
    return count;
}

} // namespace

TEST_F(App, AScreenshotShowsTheFirstPageSettled)
{
    const QImage image = screenshot({});
    ASSERT_EQ(image.size(), QSize(390, 844));
    const EDate first = defaultEvents().at(0);
    // The page's background at a corner, its circle in the middle right.
    EXPECT_TRUE(nearColour(image.pixelColor(5, 5), hexColor(first.bgColor)));
    EXPECT_TRUE(nearColour(image.pixelColor(370, 300), hexColor(first.circleColor)));
    // Its title, date and count are drawn (the faces are in before the window is made).
    const QColor ink = hexColor(first.fontColor);
    EXPECT_GT(inkIn(image, QRect(35, 110, 250, 40), ink), 300); // title
    EXPECT_GT(inkIn(image, QRect(35, 155, 200, 22), ink), 60);  // date
    EXPECT_GT(inkIn(image, QRect(35, 620, 300, 100), ink), 2000); // count
}

TEST_F(App, HelpVersionAndUnknownOptionsAnswerWithoutAWindow)
{
    for (const QString &help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const AppRun run = runApp({help}, 10000);
        EXPECT_EQ(run.exitCode, 0) << help.toStdString();
        EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage: tallowick [OPTION]... [LINK]\n"))) << run.out.toStdString();
        for (const QString &option : {QStringLiteral("--screenshot FILE"), QStringLiteral("--now"), QStringLiteral("--verbose"),
                                      QStringLiteral("--version"), QStringLiteral("Exit status")})
            EXPECT_TRUE(run.out.contains(option)) << option.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
    const AppRun version = runApp({QStringLiteral("--version")}, 10000);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("tallowick " TALLOWICK_VERSION "\n"));

    // Nothing is drawn, nothing handed to a running app: one line, and the usage exit code.
    for (const QString &unknown : {QStringLiteral("-x"), QStringLiteral("--fullscreen")}) {
        const AppRun run = runApp({unknown}, 10000);
        EXPECT_EQ(run.exitCode, 2) << unknown.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err, QStringLiteral("tallowick: unknown option %1 (try --help)\n").arg(unknown));
    }
    EXPECT_FALSE(QFile::exists(home.runtimeDir() + QStringLiteral("/tallowick/app.socket")));
}

TEST_F(App, DiagnosticsShowOnlyWhenAskedFor)
{
    // A link the app cannot resolve is a diagnostic, not a warning.
    const QString link = QStringLiteral("https://example.com/?pageNumber=1");
    const QString path = home.root() + QStringLiteral("/shot.png");
    const AppRun quiet = runApp({QStringLiteral("--screenshot"), path, link});
    EXPECT_EQ(quiet.exitCode, 0) << quiet.err.toStdString();
    EXPECT_FALSE(quiet.err.contains(QStringLiteral("tallowick.shell:"))) << quiet.err.toStdString();

    const AppRun verbose = runApp({QStringLiteral("--verbose"), QStringLiteral("--screenshot"), path, link});
    EXPECT_EQ(verbose.exitCode, 0) << verbose.err.toStdString();
    EXPECT_TRUE(verbose.err.contains(QStringLiteral("tallowick.shell: found an error"))) << verbose.err.toStdString();
}

TEST_F(App, ALinkGivenAtStartOpensItsPage)
{
    const QImage image = screenshot({QStringLiteral("https://tallowick.page.link?pageNumber=2")});
    ASSERT_FALSE(image.isNull());
    const EDate third = defaultEvents().at(2);
    EXPECT_TRUE(nearColour(image.pixelColor(5, 5), hexColor(third.bgColor)));
    // The lower right of its circle, clear of its hearts.
    EXPECT_TRUE(nearColour(image.pixelColor(355, 510), hexColor(third.circleColor)));
}

TEST_F(App, ASecondStartHandsItsLinkToTheRunningApp)
{
    QProcess running;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tallowick.store.debug=true"));
    running.setProcessEnvironment(env);
    running.start(QStringLiteral(TALLOWICK_APP_PATH), {});
    ASSERT_TRUE(running.waitForStarted());
    // Wait for it to listen.
    const QString socket = home.runtimeDir() + QStringLiteral("/tallowick/app.socket");
    for (int i = 0; i < 300 && !QFile::exists(socket); ++i)
        QThread::msleep(20);
    ASSERT_TRUE(QFile::exists(socket)) << running.readAllStandardError().toStdString();

    const AppRun second = runApp({QStringLiteral("tallowick://share?ddate=2027-03-01&countdown=true&dateTitle=Handed%20over")}, 10000);
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();

    // The running app took the link: it offers the shared event for the person to confirm
    // (and says so on its debug log); nothing is added before that.
    QString log;
    for (int i = 0; i < 250 && !log.contains(QStringLiteral("Offering the shared event Handed over")); ++i) {
        running.waitForReadyRead(20);
        log += QString::fromUtf8(running.readAllStandardError());
    }
    EXPECT_TRUE(log.contains(QStringLiteral("Offering the shared event Handed over"))) << log.toStdString();
    QProcess list;
    list.start(QStringLiteral(TALLOWICK_CLI_PATH), {QStringLiteral("list")});
    ASSERT_TRUE(list.waitForFinished(10000));
    EXPECT_FALSE(QString::fromUtf8(list.readAllStandardOutput()).contains(QStringLiteral("Handed over")));

    running.terminate();
    running.waitForFinished(5000);
}

TEST_F(App, StartsAtTheSameMomentLeaveOneRunningAppWithEveryLink)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tallowick.store.debug=true"));
    constexpr int kStarts = 4;
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < kStarts; ++i) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(TALLOWICK_APP_PATH),
                       {QStringLiteral("tallowick://share?ddate=2027-03-0%1&countdown=true&dateTitle=Start%20%1").arg(i + 1)});
        starts.push_back(std::move(process));
    }
    for (const auto &process : starts)
        ASSERT_TRUE(process->waitForStarted());

    // All but one hand their link over and exit; a start that lost the race for the socket
    // must not stay beside the running app.
    const auto stillRunning = [&] {
        std::vector<QProcess *> left;
        for (const auto &process : starts) {
            if (process->state() != QProcess::NotRunning && !process->waitForFinished(20))
                left.push_back(process.get());
        }
        return left;
    };
    QElapsedTimer clock;
    clock.start();
    std::vector<QProcess *> left = stillRunning();
    while (left.size() > 1 && clock.elapsed() < 15000)
        left = stillRunning();
    QThread::msleep(500);
    left = stillRunning();
    ASSERT_EQ(left.size(), 1u) << "apps left running: " << left.size();
    QProcess *running = left.front();
    int handedOver = 0;
    for (const auto &process : starts) {
        if (process.get() != running) {
            EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
            ++handedOver;
        }
    }
    EXPECT_EQ(handedOver, kStarts - 1);

    // The running app has every start's link: its own, and those handed over.
    QString log;
    const auto offeredAll = [&] {
        for (int i = 1; i <= kStarts; ++i) {
            if (!log.contains(QStringLiteral("Offering the shared event Start %1").arg(i)))
                return false;
        }
        return true;
    };
    for (int i = 0; i < 250 && !offeredAll(); ++i) {
        running->waitForReadyRead(20);
        log += QString::fromUtf8(running->readAllStandardError());
    }
    EXPECT_TRUE(offeredAll()) << log.toStdString();

    running->terminate();
    running->waitForFinished(5000);
}
