// The main window: one casting from the button press to the report painted,
// and building the window up to its first paint. Runs on the offscreen
// platform unless another one is chosen (xcb under Xvfb, say).
#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QTest>

#include "main_window.h"
#include "report_view.h"

namespace {

ShellServices QuietServices() {
    ShellServices services = DesktopShellServices();
    services.openWebPage = [](const QUrl&) {};
    return services;
}

void CastingFromClickToPaintedReport(benchmark::State& state) {
    TForm1 form(QuietServices());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window not exposed");
    for (auto _ : state) {
        QTest::mouseClick(form.bsSkinButton1, Qt::LeftButton);
        form.bsSkinRichEdit1->repaint();  // paint now rather than at the next event-loop turn
    }
}
BENCHMARK(CastingFromClickToPaintedReport)->Unit(benchmark::kMillisecond);

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
