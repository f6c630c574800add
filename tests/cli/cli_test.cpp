#include <support/testenvironment.h>

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode;
    QString out;
    QString err;
};

CliRun runCli(const QStringList &arguments, const QString &zone = QStringLiteral("Asia/Seoul"),
           const QString &language = QStringLiteral("en_US.UTF-8"))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TZ"), zone);
    env.insert(QStringLiteral("LC_ALL"), language);
    env.insert(QStringLiteral("LANG"), language);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALLOWICK_CLI_PATH), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class Cli : public ::testing::Test
{
protected:
    TemporaryHome home;
};

} // namespace

TEST_F(Cli, CountPrintsOnlyTheCountText)
{
    CliRun run = runCli({QStringLiteral("--now"), QStringLiteral("2024-05-01T09:00:30"), QStringLiteral("count"), QStringLiteral("2024-05-11")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("10\n"));

    run = runCli({QStringLiteral("count"), QStringLiteral("2024-05-11"), QStringLiteral("--count-up"), QStringLiteral("--now=2024-05-01T09:00:30")});
    EXPECT_EQ(run.out, QStringLiteral("9\n"));

    run = runCli({QStringLiteral("count"), QStringLiteral("2024-05-02"), QStringLiteral("--now"), QStringLiteral("2024-05-01T23:59:30")});
    EXPECT_EQ(run.out, QStringLiteral("YAY!\n"));
}

TEST_F(Cli, CountUsesTheProcessTimeZone)
{
    // The same timestamp falls on 1 May in Seoul and on 30 April in New York.
    const QStringList args{QStringLiteral("--now"), QStringLiteral("2024-05-01T10:00:00"), QStringLiteral("count"),
                           QStringLiteral("2024-05-01T09:00:00+0900")};
    EXPECT_EQ(runCli(args).out, QStringLiteral("YAY!\n"));
    EXPECT_EQ(runCli(args, QStringLiteral("America/New_York")).out, QStringLiteral("-1\n"));
}

TEST_F(Cli, FormatFollowsTheProcessLanguage)
{
    EXPECT_EQ(runCli({QStringLiteral("format"), QStringLiteral("2024-05-01")}).out, QStringLiteral("1.May.24\n"));
    EXPECT_EQ(runCli({QStringLiteral("format"), QStringLiteral("2024-05-01")}, QStringLiteral("Asia/Seoul"), QStringLiteral("ko_KR.UTF-8")).out,
              QString::fromUtf8("2024년 5월 1일\n"));
    EXPECT_EQ(runCli({QStringLiteral("format"), QStringLiteral("whenever")}).out, QStringLiteral("whenever\n"));
}

TEST_F(Cli, UsageErrorsExitTwoWithOneLine)
{
    const QList<QStringList> bad = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("count")},
        {QStringLiteral("count"), QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("count"), QStringLiteral("2024-05-01"), QStringLiteral("--sideways")},
        {QStringLiteral("--now"), QStringLiteral("yesterday"), QStringLiteral("count"), QStringLiteral("2024-05-01")},
        {QStringLiteral("count"), QStringLiteral("2024-05-01"), QStringLiteral("--now")},
    };
    for (const QStringList &args : bad) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
    }
}
