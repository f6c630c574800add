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

void loadStore(benchmark::State &state)
{
    Fixture fixture;
    for (auto _ : state)
        fixture.store->loadEvents();
}
BENCHMARK(loadStore)->Unit(benchmark::kMicrosecond);

void updateEvent(benchmark::State &state)
{
    Fixture fixture;
    const QDateTime date = CalendarHelper::toDate(QStringLiteral("2027-05-05"));
    int i = 0;
    for (auto _ : state)
        fixture.store->updateEvent(i++ % 30, date, QStringLiteral("Renamed"), true, 1003);
}
BENCHMARK(updateEvent)->Unit(benchmark::kMicrosecond);

void addThenDeleteEvent(benchmark::State &state)
{
    Fixture fixture;
    fixture.store->deleteEvent(0);
    const QDateTime date = CalendarHelper::toDate(QStringLiteral("2027-05-05"));
    for (auto _ : state) {
        fixture.store->addEvent(date, QStringLiteral("Added"), true, 1);
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

void setReminderCode(benchmark::State &state)
{
    Fixture fixture;
    qint64 code = 0;
    for (auto _ : state)
        fixture.store->setRepeatNotification(5, code++ % 4);
}
BENCHMARK(setReminderCode)->Unit(benchmark::kMicrosecond);

void publishWidgetContents(benchmark::State &state)
{
    Fixture fixture;
    for (auto _ : state)
        fixture.store->writeWidgetContents();
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
    QLoggingCategory::setFilterRules(QStringLiteral("tallowick.*.info=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
