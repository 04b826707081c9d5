// The calendar control painting through the smooth text renderer.
#include <gtest/gtest.h>

#include <QImage>
#include <chrono>

#include "calendar_control/calendar_canvas.h"
#include "calendar_control/calendar_smooth_text.h"
#include "calendar_control/nong_calendar.h"
#include "gbk.h"
#include "smooth_text/smooth_font_ex.h"

namespace {

QImage paintOf(bool smooth, bool shadow, QRegion* partly = nullptr) {
    TNongCalendar calendar;
    calendar.SetDate(calendar::DateTimeOf(std::chrono::sys_days{std::chrono::year{2010} / 9 / 13}));
    calendar.resize(420, 300);
    calendar.SetSmoothText(smooth);
    calendar.SetShadowFont(shadow);
    calendar.show();
    calendar.Paint(QRegion(calendar.rect()));
    if (partly) {
        calendar.Canvas().Image().fill(Qt::magenta);
        calendar.Paint(*partly);
    }
    return calendar.Canvas().Image().copy();
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

TEST(CalendarSmoothText, SmoothTextAndItsShadowChangeThePaintedTexts) {
    const QImage plain = paintOf(false, false);
    const QImage smooth = paintOf(true, false);
    const QImage shadowed = paintOf(true, true);
    EXPECT_EQ(paintOf(false, true), plain);  // no shadow without smooth text
    EXPECT_GT(differingPixels(plain, smooth), 500);
    EXPECT_GT(differingPixels(smooth, shadowed), 500);
    // The shadow only adds: every text pixel of the smooth paint that is
    // the full font colour stays so (the text is drawn over its shadow).
    int kept = 0, black = 0;
    for (int y = 0; y < smooth.height(); ++y)
        for (int x = 0; x < smooth.width(); ++x)
            if (smooth.pixel(x, y) == qRgb(0, 0, 0)) {
                ++black;
                kept += shadowed.pixel(x, y) == qRgb(0, 0, 0);
            }
    EXPECT_GT(black, 100);
    EXPECT_EQ(kept, black);
}

// One text through the calendar's renderer, against the renderer set up by
// hand with the calendar's look: quality level 0 and the shadow offset by
// (2, 2) in 0x444444. Each of the three changed gives other pixels.
TEST(CalendarSmoothText, DrawsAtQualityZeroWithItsShadowOffsetAndColour) {
    const std::string text = testing_support::gbk("二零一零");
    QWidget owner;
    TCalendarCanvas canvas(owner);
    canvas.SetSize({140, 48});
    TCalFont font;
    font.name = testing_support::gbk("宋体");
    font.SetPixelHeight(24);
    canvas.SetFont(font);
    {
        TCalendarSmoothText calendarText(canvas, true);
        calendarText.TextOut(4, 4, text);
    }
    const auto byHand = [&](int quality, int offsetX, TColor shadowColour) {
        QImage image(canvas.Image().size(), canvas.Image().format());
        image.fill(Qt::white);
        TSmoothSurface surface;
        surface.Image = &image;
        surface.Font = ToQFont(font);
        surface.BrushStyle = bsClear;
        TSmoothFontEx renderer(&surface);
        renderer.SetQuality(quality);
        TSmoothShadow& shadow = renderer.Effect().Shadow();
        shadow.SetEnabled(true);
        shadow.SetOffsetX(offsetX);
        shadow.SetOffsetY(2);
        shadow.SetColor(shadowColour);
        renderer.TextOut(4, 4, text);
        return image;
    };
    EXPECT_EQ(canvas.Image(), byHand(0, 2, 0x444444));
    EXPECT_NE(canvas.Image(), byHand(1, 2, 0x444444));
    EXPECT_NE(canvas.Image(), byHand(0, 3, 0x444444));
    EXPECT_NE(canvas.Image(), byHand(0, 2, 0x000000));
}

TEST(CalendarSmoothText, APartialPaintDrawsSmoothTextsOnlyInsideItsRegion) {
    QRegion region(QRect(60, 120, 90, 60));
    const QImage image = paintOf(true, true, &region);
    int outside = 0, inside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool untouched = image.pixel(x, y) == QColor(Qt::magenta).rgb();
            if (region.contains(QPoint(x, y)))
                inside += !untouched;
            else
                outside += !untouched;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(inside, 90 * 60);
}

}  // namespace
