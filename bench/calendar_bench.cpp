// Nanoseconds per call of the calendar engine's per-day operations, each
// cycling through every day that the lunar table covers.
#include <benchmark/benchmark.h>

#include "calendar/astronomical_calendar.h"
#include "calendar/festival_text.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"

namespace {

constexpr calendar::DateTime kFirstDay = 32.0;   // 1900-01-31
constexpr calendar::DateTime kEndDay = 73416.0;  // 2101-01-01

// The next day of the range, back to its first after its last.
calendar::DateTime nextDay(calendar::DateTime date) { return date + 1 < kEndDay ? date + 1 : kFirstDay; }

void BM_SolarToLunar(benchmark::State& state) {
    calendar::DateTime date = kFirstDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::SolarToLunar(date));
        date = nextDay(date);
    }
}
BENCHMARK(BM_SolarToLunar);

void BM_AstronomicalLunarDate(benchmark::State& state) {
    calendar::DateTime date = kFirstDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::AstronomicalLunarDate(date));
        date = nextDay(date);
    }
}
BENCHMARK(BM_AstronomicalLunarDate);

void BM_CycleIndicesOf(benchmark::State& state) {
    calendar::DateTime date = kFirstDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::CycleIndicesOf(date + 0.5));
        date = nextDay(date);
    }
}
BENCHMARK(BM_CycleIndicesOf);

void BM_FestivalText(benchmark::State& state) {
    const calendar::TFestivalList list;
    calendar::DateTime date = kFirstDay;
    std::int32_t colour;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::FestivalText(list, date, colour));
        date = nextDay(date);
    }
}
BENCHMARK(BM_FestivalText);

}  // namespace
