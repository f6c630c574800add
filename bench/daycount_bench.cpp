// Day count with the per-thread cached formatters and calendar, next to the naive form that
// builds a fresh formatter and calendar for every call; and the count in a larger unit.
#include <model/calendarhelper.h>
#include <model/countspan.h>
#include <model/datecontext.h>
#include <model/edate.h>
#include <platform/clock.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

const QString kDates[] = {QStringLiteral("2026-12-25"), QStringLiteral("2024-02-29"), QStringLiteral("1999-01-01"),
                          QStringLiteral("2030-06-15")};

void cachedDayCount(benchmark::State &state)
{
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalendarHelper::getDayCount(kDates[i++ % 4], true));
    }
}
BENCHMARK(cachedDayCount);

void naiveDayCount(benchmark::State &state)
{
    size_t i = 0;
    for (auto _ : state) {
        DateContext fresh;
        benchmark::DoNotOptimize(dayCountText(fresh, static_cast<double>(Clock::nowMs()), kDates[i++ % 4], true));
    }
}
BENCHMARK(naiveDayCount);

void cachedDisplayDate(benchmark::State &state)
{
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(CalendarHelper::getRightDateFormat(kDates[i++ % 4]));
}
BENCHMARK(cachedDisplayDate);

// What a page or a row shows for an event counted in a larger unit, each minute: the span by
// the calendar and its words.
void countInUnit(benchmark::State &state, const char *unit)
{
    QList<EDate> events;
    for (const QString &date : kDates) {
        EDate event;
        event.ddate = date;
        event.countUnit = QString::fromLatin1(unit);
        events.append(event);
    }
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(CountSpans::shown(events.at(int(i++ % 4))));
}
BENCHMARK_CAPTURE(countInUnit, weeks, "weeks");
BENCHMARK_CAPTURE(countInUnit, years, "years");

void spanInYears(benchmark::State &state)
{
    size_t i = 0;
    const QDate today(2026, 12, 10);
    for (auto _ : state)
        benchmark::DoNotOptimize(CountSpans::between(today, QDate::fromString(kDates[i++ % 4], Qt::ISODate), CountUnit::Years));
}
BENCHMARK(spanInYears);

void spanWords(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CountSpans::text({{CountUnit::Months, 3}, {CountUnit::Days, 5}}));
}
BENCHMARK(spanWords);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
