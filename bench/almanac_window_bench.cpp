// The almanac window (查询 › 万年历…): opening it up to its first paint, and
// a change of month (Page Down or Page Up) up to the month painted. Runs on
// the offscreen platform unless another one is chosen (xcb under Xvfb, say).
#include <benchmark/benchmark.h>

#include <QTest>

#include "almanac_window.h"
#include "calendar_control/nong_calendar.h"
#include "paint_counter.h"

namespace {

const QDate kOpenedOn(2024, 2, 10);

// Built, shown and painted, as the menu command opens it.
void AlmanacWindowToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        AlmanacWindow window(calendar::CalendarRule::Table, kOpenedOn);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
        window.repaint();
    }
}
BENCHMARK(AlmanacWindowToFirstPaint)->Unit(benchmark::kMillisecond);

// The key, the day's almanac and hours written anew, and the event loop's
// turn that lays out and paints what changed (the hours' table lays itself
// out on a zero timer of that turn). The months go forward and back in
// turn, so every step is a whole new grid.
void MonthChangeToPaintedMonth(benchmark::State& state) {
    AlmanacWindow window(calendar::CalendarRule::Table, kOpenedOn);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
    const testing_support::PaintCounter month{window.calendar};
    bool forward = true;
    for (auto _ : state) {
        QTest::keyClick(window.calendar, forward ? Qt::Key_PageDown : Qt::Key_PageUp);
        QCoreApplication::processEvents();
        forward = !forward;
    }
    if (month.paints < state.iterations()) state.SkipWithError("the month was not painted after every change");
    if (window.Day().month() != kOpenedOn.month() && window.Day().month() != kOpenedOn.month() + 1) {
        state.SkipWithError("the keys did not move by a month");
    }
}
BENCHMARK(MonthChangeToPaintedMonth)->Unit(benchmark::kMillisecond);

}  // namespace
