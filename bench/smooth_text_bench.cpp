// The smooth text renderer: one TextOut of a two-character Chinese text at
// quality level 0, with and without the shadow; and a whole calendar paint
// with SmoothText on (and with ShadowFont on as well) at 300 × 210 and
// 1200 × 840. Each runs warm (the texts' masks remembered from an earlier
// paint, as on every repaint) and cold (masks forgotten before each run, as
// on the first paint at a new size). Runs in an offscreen Qt application.
#include <benchmark/benchmark.h>

#include <QImage>
#include <chrono>

#include "qt_text/gbk_qt.h"
#include "calendar_control/nong_calendar.h"
#include "smooth_text/smooth_font_ex.h"
#include "smooth_text/smooth_mask_cache.h"

namespace {

// One offscreen application with the calendar's fonts, made by the first
// benchmark that runs.
void BM_TextOut(benchmark::State& state) {
    QImage image(200, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    TSmoothSurface surface;
    surface.Image = &image;
    surface.Font = QFont("Noto Sans CJK SC");
    surface.Font.setPixelSize(static_cast<int>(state.range(0)));
    surface.BrushStyle = bsClear;
    TSmoothFontEx font(&surface);
    font.SetQuality(0);
    font.Effect().Shadow().SetEnabled(state.range(1) != 0);
    const std::string text = GbkFromQString(QString::fromUtf8("甲子"));
    const bool cold = state.range(2) != 0;
    font.TextOut(4, 4, text);  // glyph caches warm
    for (auto _ : state) {
        if (cold) ClearSmoothMaskCache();
        font.TextOut(4, 4, text);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TextOut)
    ->ArgNames({"px", "shadow", "cold"})
    ->ArgsProduct({{16, 40}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_SmoothFullPaint(benchmark::State& state) {
    TNongCalendar calendar;
    calendar.SetDate(calendar::DateTimeOf(std::chrono::sys_days{std::chrono::year{2010} / 9 / 13}));
    calendar.SetSmoothText(true);
    calendar.SetShadowFont(state.range(2) != 0);
    calendar.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    calendar.show();
    const QRegion whole(calendar.rect());
    const bool cold = state.range(3) != 0;
    calendar.Paint(whole);
    for (auto _ : state) {
        if (cold) ClearSmoothMaskCache();
        calendar.Paint(whole);
        benchmark::DoNotOptimize(calendar.Canvas().Image().constBits());
    }
}
BENCHMARK(BM_SmoothFullPaint)
    ->ArgNames({"w", "h", "shadow", "cold"})
    ->Args({300, 210, 0, 0})
    ->Args({1200, 840, 0, 0})
    ->Args({300, 210, 1, 0})
    ->Args({1200, 840, 1, 0})
    ->Args({300, 210, 0, 1})
    ->Args({1200, 840, 0, 1})
    // A paint's masks may be rendered on helper threads as well: CPU counts
    // the whole process, beside the wall time.
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
