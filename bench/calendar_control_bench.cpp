// The calendar control's layout (one UpdateLayout, font fitting and the
// festival measuring loop included) and its full repaint, at the default
// size and at four times its width and height, and a month change as the
// almanac window shows it. Runs in an offscreen Qt application.
#include <benchmark/benchmark.h>

#include <QImage>
#include <chrono>

#include "calendar_control/nong_calendar.h"
#include "data_script.h"

namespace {

void BM_UpdateLayout(benchmark::State& state) {
    TNongCalendar calendar;
    calendar.SetDate(calendar::DateTimeOf(std::chrono::sys_days{std::chrono::year{2010} / 9 / 13}));
    calendar.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    calendar.UpdateLayout();  // the fonts of every fitted size are loaded once
    for (auto _ : state) {
        calendar.UpdateLayout();
        benchmark::DoNotOptimize(calendar.FtvMaxLen());
    }
}
BENCHMARK(BM_UpdateLayout)->Args({300, 210})->Args({1200, 840})->Unit(benchmark::kMicrosecond);

// The first layout after the remembered text extents are gone: every fitted
// size is measured through Qt's font engines again.
void BM_UpdateLayoutUnmeasured(benchmark::State& state) {
    TNongCalendar calendar;
    calendar.SetDate(calendar::DateTimeOf(std::chrono::sys_days{std::chrono::year{2010} / 9 / 13}));
    calendar.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        calendar.Canvas().ClearExtentCache();
        calendar.UpdateLayout();
        benchmark::DoNotOptimize(calendar.FtvMaxLen());
    }
}
BENCHMARK(BM_UpdateLayoutUnmeasured)->Args({300, 210})->Args({1200, 840})->Unit(benchmark::kMicrosecond);

// One paint of the whole control into its canvas: title, weekday band, the
// month behind the grid and 42 cells with their engine look-ups.
void BM_FullPaint(benchmark::State& state) {
    TNongCalendar calendar;
    calendar.SetDate(calendar::DateTimeOf(std::chrono::sys_days{std::chrono::year{2010} / 9 / 13}));
    calendar.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    calendar.show();
    const QRegion whole(calendar.rect());
    calendar.Paint(whole);  // glyph caches warm
    for (auto _ : state) {
        calendar.Paint(whole);
        benchmark::DoNotOptimize(calendar.Canvas().Image().constBits());
    }
}
BENCHMARK(BM_FullPaint)->Args({300, 210})->Args({1200, 840})->Unit(benchmark::kMicrosecond);

// The same through Qt's paint event: the paint handler paints the canvas
// and copies it to the paint device (here an image, as a window's backing
// store would be).
void BM_FullRepaint(benchmark::State& state) {
    TNongCalendar calendar;
    calendar.SetDate(calendar::DateTimeOf(std::chrono::sys_days{std::chrono::year{2010} / 9 / 13}));
    calendar.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    calendar.show();
    QImage target(calendar.size(), QImage::Format_ARGB32_Premultiplied);
    calendar.render(&target);
    for (auto _ : state) {
        calendar.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_FullRepaint)->Args({300, 210})->Args({1200, 840})->Unit(benchmark::kMicrosecond);

// A month change in the almanac window: the date moves a month on, through
// every month of 1901..2100 in turn, and the whole control is painted. Its
// texts as written (0) or in Taiwan's traditional characters (1), each
// distinct text converted once and kept.
void BM_MonthChange(benchmark::State& state) {
    using namespace std::chrono;
    TNongCalendar calendar;
    calendar.resize(520, 380);
    calendar.show();
    if (state.range(0) == 1) {
        calendar.SetTextConversion(
            [](std::string_view gbk) { return TraditionalGbk(gbk, pipeline::TraditionalForm::Taiwan); });
    }
    const QRegion whole(calendar.rect());
    year_month_day day = year{1901} / 1 / 1;
    calendar.SetDate(calendar::DateTimeOf(sys_days{day}));
    calendar.Paint(whole);  // glyph caches warm, OpenCC's dictionaries loaded
    for (auto _ : state) {
        day = day.year() == year{2100} && day.month() == December ? year{1901} / 1 / 1 : day + months{1};
        calendar.SetDate(calendar::DateTimeOf(sys_days{day}));
        calendar.Paint(whole);
        benchmark::DoNotOptimize(calendar.Canvas().Image().constBits());
    }
}
BENCHMARK(BM_MonthChange)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
