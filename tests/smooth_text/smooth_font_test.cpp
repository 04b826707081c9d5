// Rendering and measuring real text: smooth edges, the shadow's and the
// text's places, rotation, italic widening, and the drawer leaving the
// surface as it found it.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <cmath>

#include "gbk.h"
#include "smooth_text/smooth_font_ex.h"
#include "smooth_text/smooth_mask_cache.h"

namespace {

using testing_support::gbk;

struct FontFixture : testing::Test {
    QImage image{160, 80, QImage::Format_ARGB32_Premultiplied};
    TSmoothSurface surface;
    TSmoothFontEx font{&surface};
    const std::string text = gbk("甲子");

    FontFixture() {
        image.fill(Qt::white);
        surface.Image = &image;
        surface.Font = QFont("Noto Sans CJK SC");
        surface.Font.setPixelSize(24);
        surface.FontColor = 0x000000;
        surface.BrushStyle = bsClear;
        font.SetQuality(0);
    }

    // The box of the pixels that are exactly `color`.
    QRect boxOf(QColor color) const {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == color) box |= QRect(x, y, 1, 1);
        return box;
    }
};

TEST_F(FontFixture, EdgesGetIntermediateCoverageAtEveryLevel) {
    for (int level : {0, 1, 2}) {
        font.SetQuality(level);
        font.Mask().DrawMask(text);
        const TSmoothMask& mask = font.Mask();
        ASSERT_GT(mask.Width(), 0);
        int partial = 0, full = 0;
        for (int y = 0; y < mask.Height(); ++y)
            for (int x = 0; x < mask.Width(); ++x) {
                const int v = mask.ScanLine(y)[x];
                partial += v > 0 && v < 250;
                full += v >= 250;
            }
        EXPECT_GT(partial, 20) << "level " << level;
        EXPECT_GT(full, 10) << "level " << level;
    }
    font.SetQuality(3);  // no supersampling: only the two extremes
    font.Mask().DrawMask(text);
    for (int y = 0; y < font.Mask().Height(); ++y)
        for (int x = 0; x < font.Mask().Width(); ++x) {
            const int v = font.Mask().ScanLine(y)[x];
            ASSERT_TRUE(v == 0 || v == 255) << v;
        }
}

TEST_F(FontFixture, RememberedMasksAreThoseOfTheirOwnFontAndLevel) {
    const auto rendered = [&] {
        font.Mask().DrawMask(text);
        std::vector<int> values{font.Mask().Width(), font.Mask().Height()};
        for (int y = 0; y < font.Mask().Height(); ++y)
            values.insert(values.end(), font.Mask().ScanLine(y), font.Mask().ScanLine(y) + font.Mask().Width());
        return values;
    };
    ClearSmoothMaskCache();
    const auto fresh = rendered();
    EXPECT_EQ(rendered(), fresh);
    surface.Font.setBold(true);
    const auto bold = rendered();
    surface.Font.setBold(false);
    font.SetQuality(1);
    const auto level1 = rendered();
    font.SetQuality(0);
    EXPECT_NE(bold, fresh);
    EXPECT_NE(level1, fresh);
    EXPECT_EQ(rendered(), fresh);
    ClearSmoothMaskCache();
    EXPECT_EQ(rendered(), fresh);
}

TEST_F(FontFixture, TheShadowLiesAtItsOffsetFromTheTextInsideTheReportedBox) {
    font.TextOut(10, 10, text);
    const QRect plain = boxOf(Qt::black);
    ASSERT_FALSE(plain.isEmpty());
    const QSize plainExtent = font.TextExtent(text);

    struct Case {
        int dx, dy;
    };
    for (const Case c : {Case{2, 2}, Case{-3, 1}, Case{0, -4}}) {
        image.fill(Qt::white);
        TSmoothShadow& shadow = font.Effect().Shadow();
        shadow.SetEnabled(true);
        shadow.SetBlur(0);
        shadow.SetOffsetX(c.dx);
        shadow.SetOffsetY(c.dy);
        shadow.SetColor(0x0000FF);  // red
        shadow.SetAlpha(100);
        font.TextOut(10, 10, text);
        const QPoint textShift(std::max(-c.dx, 0), std::max(-c.dy, 0));
        const QPoint shadowShift(std::max(c.dx, 0), std::max(c.dy, 0));
        EXPECT_EQ(boxOf(Qt::black), plain.translated(textShift)) << c.dx << "," << c.dy;
        // Full shadow pixels that the text does not cover.
        const QRect shadowBox = boxOf(Qt::red);
        EXPECT_TRUE(plain.translated(shadowShift).contains(shadowBox)) << c.dx << "," << c.dy;
        EXPECT_GT(shadowBox.width(), plain.width() / 2);
        EXPECT_EQ(font.TextExtent(text), plainExtent + QSize(std::abs(c.dx), std::abs(c.dy)));
    }
}

TEST_F(FontFixture, TheShadowTakesBothAlphasAndItsDefaults) {
    font.Effect().SetAlpha(50);
    TSmoothShadow& shadow = font.Effect().Shadow();
    shadow.SetEnabled(true);
    shadow.SetBlur(0);
    font.TextOut(10, 10, text);
    // Alpha 70 × 50 / 100 = 35: a = 255 × 89 >> 8 = 88 of 0x44 over white.
    const int channel = 255 + (((0x44 - 255) * 88) >> 8);
    EXPECT_FALSE(boxOf(QColor(channel, channel, channel)).isEmpty());

    // With the defaults the blur spreads the shadow past the text's own box.
    font.Effect().SetAlpha(100);
    shadow.SetBlur(80);
    image.fill(Qt::white);
    font.TextOut(10, 10, text);
    QRect marked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) marked |= QRect(x, y, 1, 1);
    const QSize extent = font.TextExtent(text);
    EXPECT_TRUE(QRect(QPoint(10, 10), extent).contains(marked));
    EXPECT_GT(marked.right(), boxOf(Qt::black).right() + 1);
}

TEST_F(FontFixture, RotationAndItalicGrowTheMeasuredBox) {
    const QSize upright = font.TextExtent(text);
    // The corners are rounded from half sizes, halves to even: an odd side
    // of 2k + 1 turns into 2k or 2k + 2.
    const auto evenRounded = [](int side) { return 2 * static_cast<int>(std::nearbyint(side / 2.0)); };
    font.Effect().SetAngle(90);
    EXPECT_EQ(font.TextExtent(text), QSize(evenRounded(upright.height()), evenRounded(upright.width())));
    font.Effect().SetAngle(-180);
    EXPECT_EQ(font.TextExtent(text), QSize(evenRounded(upright.width()), evenRounded(upright.height())));
    font.Effect().SetAngle(45);
    const QSize turned = font.TextExtent(text);
    const double side = (upright.width() + upright.height()) / std::sqrt(2.0);
    EXPECT_NEAR(turned.width(), side, 2);
    EXPECT_NEAR(turned.height(), side, 2);
    EXPECT_EQ(surface.Escapement, 0);

    // A 90 degree text is drawn turned: its ink is taller than wide.
    font.Effect().SetAngle(90);
    font.TextOut(10, 0, text);
    const QRect ink = boxOf(Qt::black);
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_EQ(surface.Escapement, 0);

    // Monospaced, the italic advance is the upright one: 4 bytes widen by
    // Round(width / 4 × 0.3).
    font.Effect().SetAngle(0);
    surface.Font = QFont("DejaVu Sans Mono");
    surface.Font.setPixelSize(20);
    const int width = font.TextWidth("abcd");
    surface.Font.setItalic(true);
    EXPECT_EQ(font.TextWidth("abcd"), width + static_cast<int>(std::nearbyint(width / 4.0 * 0.3)));
    EXPECT_EQ(font.TextWidth(""), 0);
}

TEST_F(FontFixture, FallbacksAndBadInputDrawTheTextPlainlyOrNothing) {
    font.TextOut(10, 10, text);
    const QImage plain = image;
    const QRect plainBox = boxOf(Qt::black);

    // A texture without a picture, no gradient, no noise: the font colour.
    image.fill(Qt::white);
    font.Effect().Texture().SetEnabled(true);
    font.TextOut(10, 10, text);
    EXPECT_EQ(image, plain);

    // A texture picture of one colour paints the text in it.
    QImage green(3, 3, QImage::Format_RGB32);
    green.fill(Qt::green);
    font.Effect().Texture().Picture().SetImage(green);
    image.fill(Qt::white);
    font.TextOut(10, 10, text);
    EXPECT_EQ(boxOf(Qt::green), plainBox);

    image.fill(Qt::white);
    const QImage blank = image;
    font.TextOut(10, 10, "");
    EXPECT_EQ(image, blank);
    font.TextOut(-500, 300, text);  // wholly outside
    EXPECT_EQ(image, blank);
    // An absurd font size measures and draws without exhausting memory.
    surface.Font.setPixelSize(1 << 20);
    EXPECT_LE(font.TextExtent(text).height(), 8192);
    font.TextOut(0, 0, text);
    TSmoothFontEx unbound(nullptr);
    unbound.TextOut(0, 0, text);
    EXPECT_EQ(unbound.TextExtent(text), QSize(0, 0));
}

TEST_F(FontFixture, TheBrushStyleIsRestoredAfterTheShadow) {
    surface.BrushStyle = bsSolid;
    surface.BrushColor = 0xFFFF00;  // cyan
    font.Effect().Shadow().SetEnabled(true);
    font.TextOut(10, 10, text);
    EXPECT_EQ(surface.BrushStyle, bsSolid);
    // The solid brush filled the shadow's box only; the text did not paint
    // an opaque box over the shadow.
    const QRect filled = boxOf(Qt::cyan);
    EXPECT_EQ(filled.topLeft(), QPoint(12, 12));
    EXPECT_EQ(filled.size(), font.Mask().Width() > 0 ? font.TextExtent(text) - QSize(2, 2) : QSize());
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
}

}  // namespace
