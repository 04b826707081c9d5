// The main window: one casting from the button press to the report painted
// (as the event loop paints it, and with the whole report view repainted),
// and building the window up to its first paint. Runs on the offscreen
// platform unless another one is chosen (xcb under Xvfb, say).
#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QTest>

#include "main_window.h"
#include "paint_counter.h"
#include "report_view.h"

namespace {

ShellServices QuietServices() {
    ShellServices services = DesktopShellServices();
    services.openWebPage = [](const QUrl&) {};
    return services;
}

// Press, casting, and the paint the casting asked for, as the event loop's
// next turn does it; what that turn does after the paint (the news of the
// stored casting) runs untimed.
void CastingFromClickToPaintedReport(benchmark::State& state) {
    TForm1 form(QuietServices());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window not exposed");
    const testing_support::PaintCounter report{form.bsSkinRichEdit1->viewport()};
    for (auto _ : state) {
        QTest::mouseClick(form.bsSkinButton1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (report.paints < state.iterations()) state.SkipWithError("the report was not painted after every casting");
}
BENCHMARK(CastingFromClickToPaintedReport)->Unit(benchmark::kMillisecond);

// The same with the whole report view (frame, scroll bars and text)
// repainted after each casting, whatever the casting changed.
void CastingWithTheWholeReportViewRepainted(benchmark::State& state) {
    TForm1 form(QuietServices());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window not exposed");
    for (auto _ : state) {
        QTest::mouseClick(form.bsSkinButton1, Qt::LeftButton);
        form.bsSkinRichEdit1->repaint();  // paint now rather than at the next event-loop turn
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(CastingWithTheWholeReportViewRepainted)->Unit(benchmark::kMillisecond);

void WindowToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        TForm1 form(QuietServices());
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window not exposed");
        form.repaint();
    }
}
BENCHMARK(WindowToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
