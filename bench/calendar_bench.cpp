// Time per day of the calendar engine's per-day operations, each run over
// every day the lunar table covers so that every part of the range weighs
// the same.
#include <benchmark/benchmark.h>
#include <time.h>

#include "calendar/astronomical_calendar.h"
#include "calendar/festival_text.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"

namespace {

constexpr calendar::DateTime kFirstDay = 32.0;   // 1900-01-31
constexpr calendar::DateTime kEndDay = 73416.0;  // 2101-01-01
constexpr double kDays = kEndDay - kFirstDay;

// `operation` applied to every day of the range.
template <typename Operation>
void forEveryDay(Operation operation) {
    for (calendar::DateTime date = kFirstDay; date < kEndDay; ++date) benchmark::DoNotOptimize(operation(date));
}

// Seconds per day, shown beside the time of a whole sweep.
benchmark::Counter perDay() {
    return benchmark::Counter(kDays, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// CPU time of the calling thread: the machine is shared, and time spent
// waiting for a core must not count against either side of a comparison.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <typename Operation>
double threadSecondsOf(Operation operation) {
    const double start = threadSeconds();
    operation();
    return threadSeconds() - start;
}

// The table lookup against the reference walk, alternating within each
// iteration so that both meet the same load; nanoseconds a day for each and
// how many times faster the lookup is.
void BM_SolarToLunar(benchmark::State& state) {
    double lookup = 0, walk = 0;
    for (auto _ : state) {
        lookup += threadSecondsOf([] { forEveryDay([](calendar::DateTime date) { return calendar::SolarToLunar(date); }); });
        walk += threadSecondsOf([] { forEveryDay(calendar::ReferenceSolarToLunar); });
    }
    const double calls = static_cast<double>(state.iterations()) * kDays;
    state.counters["lookup_ns"] = lookup / calls * 1e9;
    state.counters["walk_ns"] = walk / calls * 1e9;
    state.counters["walk/lookup"] = walk / lookup;
}
BENCHMARK(BM_SolarToLunar)->Unit(benchmark::kMillisecond);

void BM_AstronomicalLunarDate(benchmark::State& state) {
    for (auto _ : state) forEveryDay(calendar::AstronomicalLunarDate);
    state.counters["per_day"] = perDay();
}
BENCHMARK(BM_AstronomicalLunarDate)->Unit(benchmark::kMillisecond);

void BM_CycleIndicesOf(benchmark::State& state) {
    for (auto _ : state) forEveryDay([](calendar::DateTime date) { return calendar::CycleIndicesOf(date + 0.5); });
    state.counters["per_day"] = perDay();
}
BENCHMARK(BM_CycleIndicesOf)->Unit(benchmark::kMillisecond);

void BM_FestivalText(benchmark::State& state) {
    const calendar::TFestivalList list;
    std::int32_t colour;
    for (auto _ : state) {
        forEveryDay([&](calendar::DateTime date) { return calendar::FestivalText(list, date, colour); });
    }
    state.counters["per_day"] = perDay();
}
BENCHMARK(BM_FestivalText)->Unit(benchmark::kMillisecond);

}  // namespace
