// Day count with the per-thread cached formatters and calendar, next to the naive form that
// builds a fresh formatter and calendar for every call.
#include <model/calendarhelper.h>
#include <model/datecontext.h>
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
