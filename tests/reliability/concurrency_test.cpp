// The app, the command line and the home screen at work on one person's files at the same
// time, hundreds of changes through all three: afterwards every change is there, the
// contents file matches the list, and no pending reminder belongs to a deleted event.

#include "programs.h"
#include "storefiles.h"
#include <support/testevents.h>

#include <platform/notificationcenter.h>
#include <support/testenvironment.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QThread>
#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <random>

namespace {

// Bounds on the number of events while processes change it at once, so that no add meets the
// limit of thirty and no delete meets the last event: then every change must succeed, and the
// count at the end must be exact.
class EventCount
{
public:
    explicit EventCount(int start) : m_atMost(start), m_atLeast(start) {}

    // Before an add is sent: waits for room.
    void addStarting()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_atMost < 30; });
        ++m_atMost;
    }
    // Once an add is known to be saved.
    void addSaved()
    {
        std::lock_guard lock(m_mutex);
        ++m_atLeast;
        m_changed.notify_all();
    }
    // Once an add is known to have failed.
    void addFailed()
    {
        std::lock_guard lock(m_mutex);
        --m_atMost;
        m_changed.notify_all();
    }
    // Before a delete is sent: waits until at least three events are surely there, and gives
    // how many are surely there.
    int deleteStarting()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_atLeast >= 3; });
        return m_atLeast--;
    }
    void deleteSaved()
    {
        std::lock_guard lock(m_mutex);
        --m_atMost;
        m_changed.notify_all();
    }
    // How many events are surely there now.
    int atLeast()
    {
        std::lock_guard lock(m_mutex);
        return m_atLeast;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_atMost;
    int m_atLeast;
};

// What went wrong in a worker thread, reported by the test's own thread.
class Problems
{
public:
    void add(const QString &what)
    {
        std::lock_guard lock(m_mutex);
        m_list.append(what);
    }
    // The first few, enough to tell what went wrong.
    QStringList list()
    {
        std::lock_guard lock(m_mutex);
        return m_list.mid(0, 8);
    }

private:
    std::mutex m_mutex;
    QStringList m_list;
};

QString describe(const QString &what, const Programs::Run &run)
{
    return QStringLiteral("%1: exit %2, %3").arg(what).arg(run.exitCode).arg(QString::fromUtf8(run.err).trimmed());
}

// Lines in which a reader admits it met a file it could not read whole.
bool admitsABrokenFile(const QByteArray &output)
{
    return output.contains("Can't decode contents") || output.contains("Can't read contents")
        || output.contains("unreadable");
}

class Concurrency : public ::testing::Test
{
protected:
    TemporaryHome home;
    // Half a second before a minute: the home screen's once-a-minute work (delivering due
    // reminders) comes within a second of its start, amid the first changes (its clock runs
    // on from this time).
    const QDateTime now = localTime(2026, 12, 8, 9, 29, 59).addMSecs(500);

    Programs::Run run(const QString &program, const QStringList &arguments)
    {
        Programs::Run result = Programs::run(program, arguments, now);
        if (admitsABrokenFile(result.err) || admitsABrokenFile(result.out))
            problems.add(describe(QStringLiteral("a reader met a broken file in %1 %2").arg(program, arguments.join(' ')), result));
        return result;
    }

    Problems problems;
};

} // namespace

TEST_F(Concurrency, AppCommandLineAndHomeScreenChangingAtOnceLoseNothing)
{
    // Every program runs several times slower in the sanitizer build: there the test makes
    // about half the changes, to stay well under a minute on two cores.
#ifdef TALLOWICK_SANITIZED_BUILD
    constexpr int kAppAdds = 15, kCliAdds = 25, kDeletes = 40, kHomeRounds = 8;
#else
    constexpr int kAppAdds = 50, kCliAdds = 40, kDeletes = 90, kHomeRounds = 20;
#endif
    constexpr int kStart = 10;
    QStringList seeds;
    for (int i = 0; i < kStart; ++i)
        seeds.append(QStringLiteral("seed-%1").arg(i));
    seedEvents(eventsTitled(seeds));
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);

    // The home screen first: the app, with reminders ahead, would start one of its own.
    Programs::Running homeScreen(Programs::home(), {}, now);
    const QString runtime = home.runtimeDir() + QStringLiteral("/tallowick/");
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(runtime + QStringLiteral("home.socket")); }, 30000))
        << homeScreen.output().toStdString();
    Programs::Running app(Programs::app(), {}, now);
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(runtime + QStringLiteral("app.socket")); }, 30000)) << app.output().toStdString();

    EventCount count(kStart);
    std::atomic<int> otherCliChanges{0}, raceRefusals{0}, homeChanges{0};
    QSet<QString> addedWidgets, removedWidgets;
    std::mutex widgetsMutex;

    // Shared-event links, typed on the command line (which adds them at once; the running app
    // asks the person first), and now and then a page link handed over to the running app,
    // which meanwhile follows every change the others save.
    auto appWorker = [&] {
        for (int i = 0; i < kAppAdds; ++i) {
            count.addStarting();
            // Some dates so near that reminders chosen for them are due at once.
            const QString date = i % 3 ? QStringLiteral("2027-0%1-1%2").arg(1 + i % 9).arg(i % 10)
                                       : QStringLiteral("2026-12-%1").arg(9 + i % 2, 2, 10, QLatin1Char('0'));
            const QString link = QStringLiteral("tallowick://share?ddate=%1&countdown=true&dateTitle=app-%2&colorIndex=%3")
                                     .arg(date).arg(i).arg(i % 2 ? 1003 : 1);
            const Programs::Run opened = run(Programs::cli(), {QStringLiteral("open"), link});
            if (opened.exitCode != 0)
                problems.add(describe(QStringLiteral("opening %1").arg(link), opened));
            count.addSaved();
            if (i % 5 == 4) {
                const Programs::Run handed = run(Programs::app(), {QStringLiteral("tallowick://open?pageNumber=%1").arg(i % 7)});
                if (handed.exitCode != 0)
                    problems.add(describe(QStringLiteral("handing over a page link"), handed));
            }
        }
        const Programs::Run last = run(Programs::app(), {});
        if (last.exitCode != 0)
            problems.add(describe(QStringLiteral("the last hand-over"), last));
    };

    // The command line: adds, and edits, reminders and moves of whatever is at an index.
    auto cliWorker = [&] {
        std::mt19937 random(7);
        for (int i = 0; i < kCliAdds; ++i) {
            count.addStarting();
            const QString date = i % 2 ? QStringLiteral("2027-03-%1").arg(10 + i % 18) : QStringLiteral("2026-12-%1").arg(9 + i % 2, 2, 10, QLatin1Char('0'));
            const Programs::Run added = run(Programs::cli(), {QStringLiteral("add"), QStringLiteral("cli-%1").arg(i), date});
            if (added.exitCode != 0) {
                problems.add(describe(QStringLiteral("adding cli-%1").arg(i), added));
                count.addFailed();
                continue;
            }
            count.addSaved();

            // An index that is there unless the deleter took the events after it meanwhile.
            const int surely = count.atLeast();
            const QString index = QString::number(std::uniform_int_distribution<int>(0, std::max(0, surely - 2))(random));
            QStringList change;
            switch (i % 3) {
            case 0: // a date near enough for some of its reminders to be due already
                change = {QStringLiteral("edit"), index, QStringLiteral("--date"), QStringLiteral("2026-12-1%1").arg(i % 3),
                          QStringLiteral("--theme"), QString::number(i % 2 ? 1 : 1003)};
                break;
            case 1:
                change = {QStringLiteral("remind"), index, QStringLiteral("three")};
                break;
            case 2:
                change = {QStringLiteral("move"), index, QStringLiteral("0")};
                break;
            }
            const Programs::Run changed = run(Programs::cli(), change);
            if (changed.exitCode == 0)
                ++otherCliChanges;
            else if ((changed.exitCode == 2 && changed.err.contains("outside the list"))
                     || (changed.exitCode == 1 && changed.err.contains("deleted meanwhile")))
                ++raceRefusals; // the event at that index went first: a refusal, not a fault
            else
                problems.add(describe(QStringLiteral("cli %1").arg(change.join(' ')), changed));
        }
    };

    // The command line again: every delete, by index, one at a time.
    auto deleteWorker = [&] {
        std::mt19937 random(11);
        for (int i = 0; i < kDeletes; ++i) {
            const int surely = count.deleteStarting();
            const QString index = QString::number(std::uniform_int_distribution<int>(0, surely - 1)(random));
            const Programs::Run deleted = run(Programs::cli(), {QStringLiteral("delete"), index});
            if (deleted.exitCode != 0)
                problems.add(describe(QStringLiteral("deleting %1").arg(index), deleted));
            count.deleteSaved();
        }
    };

    // The home screen: widgets added and removed by its command line (the running one reloads
    // for each), and pictures drawn from the contents file while it is being replaced.
    auto homeWorker = [&] {
        for (int i = 0; i < kHomeRounds; ++i) {
            const Programs::Run added = run(Programs::home(), {QStringLiteral("--add"), QStringLiteral("small")});
            const QString id = QString::fromUtf8(added.out).trimmed();
            if (added.exitCode != 0 || id.isEmpty()) {
                problems.add(describe(QStringLiteral("adding a widget"), added));
                continue;
            }
            ++homeChanges;
            {
                std::lock_guard lock(widgetsMutex);
                addedWidgets.insert(id);
            }
            const Programs::Run configured =
                run(Programs::home(), {QStringLiteral("--add"), QStringLiteral("medium"), QStringLiteral("--event"), seeds.at(i % kStart)});
            if (configured.exitCode == 0) {
                ++homeChanges;
                std::lock_guard lock(widgetsMutex);
                addedWidgets.insert(QString::fromUtf8(configured.out).trimmed());
            } else if (!configured.err.contains("no event titled")) { // deleted meanwhile: refused
                problems.add(describe(QStringLiteral("adding a configured widget"), configured));
            }
            const QString picture = home.root() + QStringLiteral("/widget-%1.png").arg(i);
            const Programs::Run drawn = run(Programs::home(), {QStringLiteral("--render"), QStringLiteral("medium"),
                                                                QStringLiteral("--out"), picture});
            if (drawn.exitCode != 0)
                problems.add(describe(QStringLiteral("drawing a widget"), drawn));
            if (i % 2 == 0) {
                const Programs::Run removed = run(Programs::home(), {QStringLiteral("--remove"), id});
                if (removed.exitCode != 0) {
                    problems.add(describe(QStringLiteral("removing widget %1").arg(id), removed));
                } else {
                    ++homeChanges;
                    std::lock_guard lock(widgetsMutex);
                    removedWidgets.insert(id);
                }
            }
        }
    };

    std::vector<std::unique_ptr<QThread>> workers;
    workers.emplace_back(QThread::create(appWorker));
    workers.emplace_back(QThread::create(cliWorker));
    workers.emplace_back(QThread::create(deleteWorker));
    workers.emplace_back(QThread::create(homeWorker));
    for (auto &worker : workers)
        worker->start();
    for (auto &worker : workers)
        ASSERT_TRUE(worker->wait(QDeadlineTimer(170000)));
    // A last minute of the home screen: the reminders due now are delivered.
    QThread::msleep(700);
    app.stop();
    homeScreen.stop();
    const QByteArray appOutput = app.output();
    const QByteArray homeOutput = homeScreen.output();

    EXPECT_EQ(problems.list(), QStringList());
    EXPECT_FALSE(admitsABrokenFile(appOutput)) << appOutput.toStdString();
    EXPECT_FALSE(admitsABrokenFile(homeOutput)) << homeOutput.toStdString();
    EXPECT_TRUE(filesNamedLike(home.root(), QStringLiteral("unreadable")).isEmpty());
    std::printf("changes: %d shared links, %d command-line adds, %d deletes, %d other command-line changes "
                "(%d refused after a race), %d widget changes; %lld reminders delivered\n",
                kAppAdds, kCliAdds, kDeletes, otherCliChanges.load(), raceRefusals.load(), homeChanges.load(),
                static_cast<long long>(homeOutput.count("Reminder:") + homeOutput.count("Dropped a reminder")));

    // Every add is there but those deleted: exactly as many as were deleted are missing, none
    // twice, nothing from nowhere.
    const auto saved = savedListOnDisk();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->size(), kStart + kAppAdds + kCliAdds - kDeletes);
    QSet<QString> known(seeds.cbegin(), seeds.cend());
    for (int i = 0; i < kAppAdds; ++i)
        known.insert(QStringLiteral("app-%1").arg(i));
    for (int i = 0; i < kCliAdds; ++i)
        known.insert(QStringLiteral("cli-%1").arg(i));
    QSet<QString> titles, ids;
    for (const EDate &event : *saved) {
        EXPECT_TRUE(known.contains(event.dateTitle)) << event.dateTitle.toStdString();
        EXPECT_FALSE(titles.contains(event.dateTitle)) << event.dateTitle.toStdString();
        titles.insert(event.dateTitle);
        ids.insert(event.id);
    }
    EXPECT_EQ(ids.size(), saved->size());

    // The contents file is the list, record for record.
    const auto contents = contentsOnDisk();
    ASSERT_TRUE(contents.has_value());
    ASSERT_EQ(contents->size(), saved->size());
    for (qsizetype i = 0; i < saved->size(); ++i) {
        const WidgetContent expected = WidgetContent::fromEvent(saved->at(i), contents->at(i).date, i);
        EXPECT_EQ(contents->at(i), expected) << "record " << i;
    }

    // No reminder is left for an event that is gone.
    for (const NotificationRequest &request : NotificationCenter().pendingRequests())
        EXPECT_TRUE(ids.contains(request.identifier.left(36))) << request.identifier.toStdString();

    // The widgets added and not removed are the home screen's widgets.
    QSet<QString> widgets;
    const QJsonArray instances =
        QJsonDocument::fromJson(readFile(home.configHome() + QStringLiteral("/tallowick-home/widgets.json")))
            .object().value(QStringLiteral("widgets")).toArray();
    for (const QJsonValue &instance : instances)
        widgets.insert(instance.toObject().value(QStringLiteral("id")).toString());
    EXPECT_EQ(widgets, addedWidgets - removedWidgets);
}

TEST_F(Concurrency, TheLimitOfThirtyHoldsWhenProcessesAddAtOnce)
{
    QStringList seeds;
    for (int i = 0; i < 26; ++i)
        seeds.append(QStringLiteral("seed-%1").arg(i));
    seedEvents(eventsTitled(seeds));
    Programs::Running app(Programs::app(), {}, now);
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(home.runtimeDir() + QStringLiteral("/tallowick/app.socket")); }, 30000))
        << app.output().toStdString();

    // Four places left, twenty-four processes trying to take one, through the command line's
    // add and through shared-event links (the app's and the command line's own).
    std::atomic<int> added{0}, refused{0};
    std::vector<std::unique_ptr<QThread>> workers;
    for (int w = 0; w < 3; ++w) {
        workers.emplace_back(QThread::create([&, w] {
            for (int i = 0; i < 6; ++i) {
                const QString title = QStringLiteral("w%1-%2").arg(w).arg(i);
                const Programs::Run result =
                    i % 2 ? run(Programs::cli(), {QStringLiteral("add"), title, QStringLiteral("2027-01-01")})
                          : run(Programs::cli(), {QStringLiteral("open"),
                                                  QStringLiteral("x://h?ddate=2027-01-01&countdown=true&dateTitle=%1").arg(title)});
                if (result.exitCode == 0)
                    ++added;
                else if (result.exitCode == 1 && result.err.contains("max number of events"))
                    ++refused;
                else if (result.exitCode != 0)
                    problems.add(describe(title, result));
            }
        }));
    }
    workers.emplace_back(QThread::create([&] {
        for (int i = 0; i < 6; ++i) {
            const Programs::Run handed = run(Programs::app(), {QStringLiteral(
                "tallowick://share?ddate=2027-01-01&countdown=true&dateTitle=app-%1").arg(i)});
            if (handed.exitCode != 0)
                problems.add(describe(QStringLiteral("handing over"), handed));
        }
        run(Programs::app(), {}); // answered once the running app has taken in every link
    }));
    for (auto &worker : workers)
        worker->start();
    for (auto &worker : workers)
        ASSERT_TRUE(worker->wait(QDeadlineTimer(120000)));
    app.stop();

    EXPECT_EQ(problems.list(), QStringList());
    const auto saved = savedListOnDisk();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->size(), 30);
    EXPECT_EQ(titlesOf(*saved).mid(4), seeds);
    // The command line's own runs: those that did not get a place heard so.
    EXPECT_EQ(added + refused, 18);
    EXPECT_LE(added.load(), 4);
}
