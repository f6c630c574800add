// Processes killed (SIGKILL) in the middle of saving, dozens of times at different moments:
// the settings file and "contents.json" must always hold a whole list, the one before the
// interrupted change or the one after it, and the next start must work on what is left.

#include "programs.h"
#include "storefiles.h"
#include <support/testevents.h>

#include <store/userdata.h>
#include <support/testenvironment.h>

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace {

class CrashSafety : public ::testing::Test
{
protected:
    TemporaryHome home;
    const QDateTime now = localTime(2026, 12, 8, 9, 30);
    std::mt19937 random{20261208};

    qint64 between(qint64 low, qint64 high) { return std::uniform_int_distribution<qint64>(low, high)(random); }

    // Starts `program` and kills it `delayUs` microseconds later (unless it has ended by then).
    // Returns what it printed on stdout.
    QByteArray killAfter(const QString &program, const QStringList &arguments, qint64 delayUs)
    {
        QProcess process;
        process.setProcessEnvironment(Programs::environment());
        process.start(program, Programs::withClock(program, arguments, now));
        EXPECT_TRUE(process.waitForStarted(10000));
        QThread::usleep(static_cast<unsigned long>(delayUs));
        process.kill();
        process.waitForFinished(10000);
        return process.readAllStandardOutput();
    }

    // How long a whole run of `program` takes, in microseconds.
    qint64 runTimeUs(const QString &program, const QStringList &arguments)
    {
        QElapsedTimer timer;
        timer.start();
        const Programs::Run run = Programs::run(program, arguments, now);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return timer.nsecsElapsed() / 1000;
    }

    // Every list the settings file held: contents.json, written after the settings and
    // killed separately, may still show any of them, but never anything else.
    static bool isOneOf(const QStringList &titles, const QList<QStringList> &lists) { return lists.contains(titles); }
};

// The save loop's list after generation `generation` (see saveloop.cpp).
QStringList listAfter(const QStringList &start, qint64 generation)
{
    QStringList list = start;
    for (qint64 g = 0; g <= generation; ++g) {
        if (g % 2 == 0)
            list.prepend(QStringLiteral("g%1").arg(g));
        else
            list.removeLast();
    }
    return list;
}

qint64 lastGeneration(const QByteArray &out, qint64 fallback)
{
    const QList<QByteArray> lines = out.split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!line->isEmpty())
            return line->toLongLong();
    }
    return fallback;
}

} // namespace

TEST_F(CrashSafety, AKillDuringALongSeriesOfSavesLeavesTheOldListOrTheNewOne)
{
    const QStringList start{QStringLiteral("s0"), QStringLiteral("s1"), QStringLiteral("s2"), QStringLiteral("s3")};
    seedEvents(eventsTitled(start));
    UserData().writeWidgetContents(); // both files there before the first kill
    QList<QStringList> history{start};
    qint64 next = 0; // the generation the next run begins with
    int roundsWithSaves = 0, killedBetweenSaveAndReport = 0;

    // The first run is killed right after its first save, which times its start-up: the
    // other kills fall in the start-up (every fourth) or up to 100 ms into the loop of saves.
    qint64 startUpUs = 0;
    for (int round = 0; round < 40; ++round) {
        QByteArray out;
        if (round == 0) {
            QProcess loop;
            loop.setProcessEnvironment(Programs::environment());
            QElapsedTimer timer;
            timer.start();
            loop.start(Programs::saveLoop(), {QString::number(next)});
            ASSERT_TRUE(loop.waitForReadyRead(30000)) << loop.readAllStandardError().toStdString();
            startUpUs = timer.nsecsElapsed() / 1000;
            loop.kill();
            loop.waitForFinished(10000);
            out = loop.readAllStandardOutput();
        } else {
            const qint64 delayUs = round % 4 == 0 ? between(0, startUpUs) : between(startUpUs, startUpUs + 100000);
            out = killAfter(Programs::saveLoop(), {QString::number(next)}, delayUs);
        }
        const qint64 last = lastGeneration(out, next - 1);
        for (qint64 g = std::max<qint64>(next, 0); g <= last + 1; ++g)
            history.append(listAfter(start, g));

        const auto saved = savedListOnDisk();
        ASSERT_TRUE(saved.has_value()) << "round " << round << ": the settings file does not decode";
        const QStringList before = listAfter(start, last);
        const QStringList after = listAfter(start, last + 1);
        const QStringList titles = titlesOf(*saved);
        ASSERT_TRUE(titles == before || titles == after)
            << "round " << round << ", last reported generation " << last << ": " << titles.join(',').toStdString();

        const auto contents = contentsOnDisk();
        ASSERT_TRUE(contents.has_value()) << "round " << round << ": contents.json does not decode";
        EXPECT_TRUE(isOneOf(titlesOf(*contents), history)) << titlesOf(*contents).join(',').toStdString();

        roundsWithSaves += last >= next;
        killedBetweenSaveAndReport += titles == after;
        next = (titles == after ? last + 1 : last) + 1;
    }
    // Most kills fell into a series of saves, and no reader ever met a file it could not read.
    EXPECT_GE(roundsWithSaves, 20);
    EXPECT_TRUE(filesNamedLike(home.root(), QStringLiteral("unreadable")).isEmpty());
    std::printf("start-up %lld us; saves: %lld in %d of 40 runs; kills between a save and its report: %d; "
                "temporary files left: %lld\n",
                static_cast<long long>(startUpUs), static_cast<long long>(next), roundsWithSaves,
                killedBetweenSaveAndReport,
                static_cast<long long>(filesNamedLike(home.root(), QStringLiteral(".tmp-")).size()));

    // What the kills left reads cleanly (the whole list), and the app's next start makes
    // contents.json match it.
    const Programs::Run list = Programs::run(Programs::cli(), {QStringLiteral("list")}, now);
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(list.out).count(QLatin1Char('\n')), savedListOnDisk()->size());
    UserData app;
    EXPECT_EQ(titlesOf(contentsOnDisk().value()), titlesOf(savedListOnDisk().value()));
}

TEST_F(CrashSafety, CommandLineEditsKilledAtAnyMomentKeepAWholeList)
{
    seedEvents(eventsTitled({QStringLiteral("t0"), QStringLiteral("other"), QStringLiteral("third")}));
    UserData().writeWidgetContents();
    QList<QStringList> history{titlesOf(*savedListOnDisk())};
    // The kills fall anywhere from the start-up to the end of a run.
    const qint64 wholeRunUs = runTimeUs(Programs::cli(), {QStringLiteral("edit"), QStringLiteral("0"),
                                                          QStringLiteral("--title"), QStringLiteral("t0")});
    int landed = 0;
    for (int k = 1; k <= 40; ++k) {
        const QString title = QStringLiteral("t%1").arg(k);
        const QString previous = savedListOnDisk().value().at(0).dateTitle;
        killAfter(Programs::cli(), {QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--title"), title},
                  between(0, wholeRunUs));

        const auto saved = savedListOnDisk();
        ASSERT_TRUE(saved.has_value()) << "edit " << k;
        ASSERT_EQ(saved->size(), 3);
        EXPECT_TRUE(saved->at(0).dateTitle == previous || saved->at(0).dateTitle == title)
            << saved->at(0).dateTitle.toStdString();
        EXPECT_EQ(saved->at(1).dateTitle, QStringLiteral("other"));
        landed += saved->at(0).dateTitle == title;
        history.append(titlesOf(*saved));

        const auto contents = contentsOnDisk();
        ASSERT_TRUE(contents.has_value()) << "edit " << k;
        EXPECT_TRUE(isOneOf(titlesOf(*contents), history)) << titlesOf(*contents).join(',').toStdString();
    }
    std::printf("a whole edit takes %lld us; edits that landed before their kill: %d of 40\n",
                static_cast<long long>(wholeRunUs), landed);
    EXPECT_TRUE(filesNamedLike(home.root(), QStringLiteral("unreadable")).isEmpty());

    // A kill between the two files leaves the contents one change behind; reading changes
    // nothing, and the next start of the app makes them match.
    const Programs::Run list = Programs::run(Programs::cli(), {QStringLiteral("list")}, now);
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    UserData app;
    EXPECT_EQ(titlesOf(contentsOnDisk().value()), titlesOf(savedListOnDisk().value()));
}
