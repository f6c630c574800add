// Each event-store operation on a list of 30 events, including its durable writes (the
// settings file and the widget's contents file, each written beside, flushed and renamed).
#include <model/calendarhelper.h>
#include <model/resources.h>
#include <store/userdata.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

QList<EDate> thirtyEvents()
{
    QList<EDate> events;
    for (int i = 0; i < UserData::kMaxEvents; ++i) {
        EDate event = defaultEvents().at(i % defaultEvents().size());
        event.dateTitle = QStringLiteral("Event %1").arg(i);
        event.id = QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'));
        events.append(event);
    }
    return events;
}

// A store holding 30 events in a private settings folder.
struct Fixture
{
    QTemporaryDir dir;
    std::unique_ptr<UserData> store;

    Fixture()
    {
        qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toUtf8());
        SettingsStore().setValue(UserData::kEventsKey, encodeEventList(thirtyEvents()));
        store = std::make_unique<UserData>();
    }
};

void openStore(benchmark::State &state)
{
    Fixture fixture;
    for (auto _ : state)
        UserData store;
    state.SetLabel("an app's start: read, and publish when the contents differ");
}
BENCHMARK(openStore)->Unit(benchmark::kMicrosecond);

void startWatching(benchmark::State &state)
{
    Fixture fixture;
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<UserData>();
        state.ResumeTiming();
        store->watchForChanges();
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.SetLabel("what following other programs adds to an app's start");
}
BENCHMARK(startWatching)->Unit(benchmark::kMicrosecond);

void readList(benchmark::State &state)
{
    Fixture fixture;
    const EventRepository repository;
    for (auto _ : state)
        benchmark::DoNotOptimize(repository.read());
    state.SetLabel("what every read-only command and each refresh costs");
}
BENCHMARK(readList)->Unit(benchmark::kMicrosecond);

void refreshUnchanged(benchmark::State &state)
{
    Fixture fixture;
    for (auto _ : state)
        fixture.store->refresh();
    state.SetLabel("the live app after a change of its own: nothing to take in");
}
BENCHMARK(refreshUnchanged)->Unit(benchmark::kMicrosecond);

void changeTitle(benchmark::State &state)
{
    Fixture fixture;
    const QString id = fixture.store->magicDates().at(5).id;
    int i = 0;
    for (auto _ : state)
        fixture.store->changeEvent(id, EventChange{QStringLiteral("Renamed %1").arg(i++ % 2), {}, {}, {}});
}
BENCHMARK(changeTitle)->Unit(benchmark::kMicrosecond);

void addThenDeleteEvent(benchmark::State &state)
{
    Fixture fixture;
    fixture.store->deleteEvent(0);
    const EventDraft draft{QStringLiteral("Added"), QDate(2027, 5, 5), true, 1};
    for (auto _ : state) {
        fixture.store->addEvent(draft);
        fixture.store->deleteEvent(0);
    }
    state.SetLabel("two operations per iteration");
}
BENCHMARK(addThenDeleteEvent)->Unit(benchmark::kMicrosecond);

void moveEvent(benchmark::State &state)
{
    Fixture fixture;
    for (auto _ : state)
        fixture.store->moveEvent(29, 0);
}
BENCHMARK(moveEvent)->Unit(benchmark::kMicrosecond);

void chooseReminder(benchmark::State &state)
{
    Fixture fixture;
    const QString id = fixture.store->magicDates().at(3).id; // counts down
    const NotiDays options[] = {NotiDays::one, NotiDays::three, NotiDays::seven, NotiDays::off};
    int i = 0;
    for (auto _ : state)
        fixture.store->chooseReminder(id, options[i++ % 4]);
    state.SetLabel("reminders not allowed: the choice is stored");
}
BENCHMARK(chooseReminder)->Unit(benchmark::kMicrosecond);

void publishWidgetContents(benchmark::State &state)
{
    Fixture fixture;
    for (auto _ : state)
        fixture.store->writeWidgetContents();
    state.SetLabel("the contents already show the list: read and compared");
}
BENCHMARK(publishWidgetContents)->Unit(benchmark::kMicrosecond);

void openPageLink(benchmark::State &state)
{
    Fixture fixture;
    const QList<QueryItem> items{{QStringLiteral("pageNumber"), QStringLiteral("17")}};
    for (auto _ : state)
        fixture.store->openPageFromLink(items);
}
BENCHMARK(openPageLink)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
        benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
