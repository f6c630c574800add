// Getting 30 events in and out: the iCalendar export and import, the JSON backup and restore,
// and the live calendar's rewrite, with their durable writes (written beside, flushed,
// renamed) where they make any.
#include <calendar/calendarfeed.h>
#include <calendar/icalendarexport.h>
#include <calendar/icalendarimport.h>
#include <model/resources.h>
#include <platform/clock.h>
#include <store/eventbackup.h>
#include <store/eventtransfer.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

// 30 events of every kind: yearly ones (a 29 February among them), one counting up, and
// reminder choices, so that the calendar has rules and alarms to write and read.
QList<EDate> thirtyEvents(const QString &titlePrefix = QStringLiteral("Event"))
{
    QList<EDate> events;
    for (int i = 0; i < EventRules::kMaxEvents; ++i) {
        EDate event = defaultEvents().at(i % defaultEvents().size());
        event.dateTitle = QStringLiteral("%1 %2").arg(titlePrefix).arg(i);
        event.id = QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'));
        event.ddate = QDate(2016, 2, 29).addDays(i * 37).toString(Qt::ISODate);
        event.countdown = i != 7;
        if (i % 3 == 0)
            event.repeat = QLatin1String(EDate::kRepeatYearly);
        event.repeatNotification = i % 4;
        events.append(event);
    }
    return events;
}

// Private XDG folders, the list in the settings file.
struct Fixture
{
    QTemporaryDir dir;

    explicit Fixture(const QList<EDate> &events = thirtyEvents())
    {
        qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", (dir.path() + QStringLiteral("/runtime")).toUtf8());
        seed(events);
    }
    static void seed(const QList<EDate> &events)
    {
        SettingsStore().setValue(EventRepository::kEventsKey, encodeEventList(events));
    }
    QString file(const char *name) const { return dir.filePath(QLatin1String(name)); }
};

void calendarText(benchmark::State &state)
{
    const QList<EDate> events = thirtyEvents();
    const QDateTime now = Clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(ICalendarExport::calendar(events, now));
    state.SetLabel("30 events as iCalendar text, libical");
}
BENCHMARK(calendarText)->Unit(benchmark::kMicrosecond);

void exportCalendar(benchmark::State &state)
{
    Fixture fixture;
    const EventRepository repository;
    const QString path = fixture.file("export.ics");
    for (auto _ : state)
        EventTransfer::exportCalendar(repository, path);
    state.SetLabel("tallowick-cli export --ics: read the list, write the file");
}
BENCHMARK(exportCalendar)->Unit(benchmark::kMicrosecond);

void readCalendar(benchmark::State &state)
{
    const QByteArray text = ICalendarExport::calendar(thirtyEvents(), Clock::now());
    for (auto _ : state)
        benchmark::DoNotOptimize(ICalendarImport::read(text));
    state.SetLabel("a calendar of 30 events parsed, libical");
}
BENCHMARK(readCalendar)->Unit(benchmark::kMicrosecond);

void importCalendar(benchmark::State &state)
{
    const QList<EDate> one = thirtyEvents(QStringLiteral("Own")).mid(0, 1);
    QList<EDate> others = thirtyEvents();
    for (EDate &event : others)
        event.id.replace(0, 8, QStringLiteral("11111111"));
    const QByteArray text = ICalendarExport::calendar(others, Clock::now());
    Fixture fixture(one);
    EventRepository repository;
    for (auto _ : state) {
        state.PauseTiming();
        Fixture::seed(one);
        state.ResumeTiming();
        const TransferSummary summary = EventTransfer::importCalendarText(repository, text);
        if (summary.added.size() != 29)
            state.SkipWithError("the import did not add 29 events");
    }
    state.SetLabel("30 events into a list of 1: parse, 29 added in one step, files written");
}
BENCHMARK(importCalendar)->Unit(benchmark::kMicrosecond);

void exportBackup(benchmark::State &state)
{
    Fixture fixture;
    const EventRepository repository;
    const QString path = fixture.file("backup.json");
    for (auto _ : state)
        EventTransfer::exportBackup(repository, path);
    state.SetLabel("tallowick-cli export --json: read the list, write the file");
}
BENCHMARK(exportBackup)->Unit(benchmark::kMicrosecond);

void readBackup(benchmark::State &state)
{
    const QByteArray text = EventBackup::encode(thirtyEvents(), Clock::now());
    for (auto _ : state)
        benchmark::DoNotOptimize(EventBackup::decode(text));
    state.SetLabel("a backup of 30 events parsed");
}
BENCHMARK(readBackup)->Unit(benchmark::kMicrosecond);

void restoreBackup(benchmark::State &state)
{
    const QByteArray text = EventBackup::encode(thirtyEvents(), Clock::now());
    Fixture fixture(defaultEvents());
    EventRepository repository;
    for (auto _ : state) {
        state.PauseTiming();
        Fixture::seed(defaultEvents());
        state.ResumeTiming();
        const TransferSummary summary = EventTransfer::importBackupText(repository, text);
        if (summary.added.size() != 30)
            state.SkipWithError("the restore did not add 30 events");
    }
    state.SetLabel("30 events onto a new machine: parse, restored in one step, files written");
}
BENCHMARK(restoreBackup)->Unit(benchmark::kMicrosecond);

void rewriteFeed(benchmark::State &state)
{
    Fixture fixture;
    const QList<EDate> lists[] = {thirtyEvents(), thirtyEvents(QStringLiteral("Renamed"))};
    const QDateTime now = Clock::now();
    int i = 0;
    for (auto _ : state) {
        if (!CalendarFeed::update(lists[i++ % 2], now))
            state.SkipWithError("the feed was not rewritten");
    }
    state.SetLabel("the live calendar after a change: compared, written beside, flushed, renamed");
}
BENCHMARK(rewriteFeed)->Unit(benchmark::kMicrosecond);

void feedUnchanged(benchmark::State &state)
{
    Fixture fixture;
    const QList<EDate> events = thirtyEvents();
    CalendarFeed::update(events, Clock::now());
    for (auto _ : state) {
        if (CalendarFeed::update(events, Clock::now()))
            state.SkipWithError("an unchanged feed was rewritten");
    }
    state.SetLabel("what the feed adds to an app's start: the calendar made and compared, nothing written");
}
BENCHMARK(feedUnchanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
