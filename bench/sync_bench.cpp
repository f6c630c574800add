// A sync against a Radicale of the benchmark's own on this machine: a round with nothing to
// do (how many requests it sends, and how long it takes) and the first sync of a full list.
#include "../tests/sync/radicaleserver.h"

#include <model/resources.h>
#include <store/eventrepository.h>
#include <store/eventrules.h>
#include <sync/davdiscovery.h>
#include <sync/syncengine.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

const QDateTime kStamp(QDate(2026, 12, 1), QTime(9, 30), Qt::UTC);

QList<EDate> fullList()
{
    QList<EDate> events;
    EDate event = defaultEvents().constFirst();
    for (int i = 0; i < EventRules::kMaxEvents; ++i) {
        event.dateTitle = QStringLiteral("Event %1").arg(i);
        event.ddate = QDate(2030, 1, 1).addDays(i).toString(Qt::ISODate);
        event.id = QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'));
        events.append(event);
    }
    return events;
}

// A device with a full list, and a calendar of its own on a fresh server.
struct Fixture
{
    QTemporaryDir dir;
    RadicaleServer server;
    DavTransport transport{QStringLiteral("alice"), QStringLiteral("alicepw")};
    std::optional<DavCalendar> calendar;
    EventRepository repository{SettingsStore(dir.path() + QStringLiteral("/settings.plist")),
                               NotificationCenter(dir.path() + QStringLiteral("/notifications.json"))};

    explicit Fixture(const QString &calendarName)
    {
        qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toUtf8());
        const DavDiscovery::Found found = DavDiscovery::calendar(transport, server.root(), calendarName);
        calendar.emplace(transport, found.calendar);
        repository.replaceSynced(repository.read(), fullList());
    }
};

void idleRound(benchmark::State &state)
{
    Fixture fixture(QStringLiteral("Idle"));
    SyncState synced;
    SyncEngine::run(fixture.repository, *fixture.calendar, synced, kStamp);
    quint64 requests = 0;
    for (auto _ : state) {
        const quint64 before = DavTransport::requestCount();
        const SyncEngine::Result result = SyncEngine::run(fixture.repository, *fixture.calendar, synced, kStamp);
        requests += DavTransport::requestCount() - before;
        if (!result.outcome.ok() || result.summary.up + result.summary.down != 0)
            state.SkipWithError("the idle round did something");
    }
    state.counters["requests"] = benchmark::Counter(double(requests), benchmark::Counter::kAvgIterations);
    state.SetLabel("30 events, nothing changed on either side");
}
BENCHMARK(idleRound)->Unit(benchmark::kMillisecond);

void firstSyncOfThirty(benchmark::State &state)
{
    int run = 0;
    for (auto _ : state) {
        // Timed by hand: the server's start and stop are not the sync's.
        Fixture fixture(QStringLiteral("First %1").arg(++run));
        SyncState fresh;
        QElapsedTimer timer;
        timer.start();
        const SyncEngine::Result result = SyncEngine::run(fixture.repository, *fixture.calendar, fresh, kStamp);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (result.summary.up != EventRules::kMaxEvents)
            state.SkipWithError("not every event went up");
    }
    state.SetLabel("30 events up to an empty calendar");
}
BENCHMARK(firstSyncOfThirty)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!RadicaleServer::installed()) {
        fprintf(stderr, "Debian's radicale is not installed (scripts/install-deps.sh installs it)\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
