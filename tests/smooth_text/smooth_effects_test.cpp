// The mask effects (blur, outline, spray, mirrors) and the foreground
// images (gradient, noise, texture) on synthetic data.
#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <vector>

#include "smooth_text/smooth_effects.h"
#include "smooth_text/smooth_fill.h"
#include "smooth_text/smooth_mask.h"
#include "smooth_text/smooth_random.h"

namespace {

using Rows = std::vector<std::vector<int>>;

TSmoothMask maskOf(const Rows& rows) {
    TSmoothMask mask;
    mask.Resize(rows.empty() ? 0 : static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x) mask.ScanLine(y)[x] = static_cast<std::uint8_t>(rows[y][x]);
    return mask;
}

Rows rowsOf(const TSmoothMask& mask) {
    Rows rows(mask.Height(), std::vector<int>(mask.Width()));
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x) rows[y][x] = mask.ScanLine(y)[x];
    return rows;
}

TSmoothMask dotIn(int width, int height, int x, int y) {
    TSmoothMask mask;
    mask.Resize(width, height);
    mask.ScanLine(y)[x] = 255;
    return mask;
}

TEST(SmoothBlur, StrengthMovesEachValueTowardTheFiveByFiveAverage) {
    struct Case {
        int strength;
        int centre, neighbour, outside;
    };
    const Case cases[] = {
        {100, 10, 10, 0},  // 255 / 25 rounded
        {80, 59, 7, 0},    // k = 204: 255 + (-245 × 204 >> 8), 0 + (10 × 204 >> 8)
        {0, 255, 0, 0},
        {-5, 255, 0, 0},
    };
    for (const Case& c : cases) {
        TSmoothMask mask = dotIn(11, 11, 5, 5);
        BlurMask(mask, c.strength);
        EXPECT_EQ(mask.ScanLine(5)[5], c.centre) << c.strength;
        EXPECT_EQ(mask.ScanLine(3)[7], c.neighbour) << c.strength;  // corner of the 5 × 5 window
        EXPECT_EQ(mask.ScanLine(2)[5], c.outside) << c.strength;
        EXPECT_EQ(mask.ScanLine(5)[8], c.outside) << c.strength;
    }
    // At the mask's corner the edge index repeats: the dot counts 3 × 3 times.
    TSmoothMask corner = dotIn(6, 6, 0, 0);
    BlurMask(corner, 100);
    EXPECT_EQ(corner.ScanLine(0)[0], 92);  // 9 × 255 / 25 = 91.8
    EXPECT_EQ(corner.ScanLine(2)[2], 10);
    EXPECT_EQ(corner.ScanLine(3)[0], 0);
    TSmoothMask empty;
    BlurMask(empty, 100);
}

TEST(SmoothOutline, InnerPixelsBecomeTheirEdgeStrengthAndTheBorderStays) {
    const Rows edge = {{0, 0, 255, 255}, {0, 0, 255, 255}, {0, 0, 255, 255}};
    TSmoothMask mask = maskOf(edge);
    OutlineMask(mask);
    // Across a vertical edge three of the four differences are full: 765 >> 2.
    EXPECT_EQ(rowsOf(mask), (Rows{{0, 0, 255, 255}, {0, 191, 191, 255}, {0, 0, 255, 255}}));
    TSmoothMask dot = dotIn(3, 3, 1, 1);
    OutlineMask(dot);
    EXPECT_EQ(rowsOf(dot), (Rows{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}));

    const Rows narrow = {{255, 0}, {0, 255}, {255, 0}};
    TSmoothMask small = maskOf(narrow);
    OutlineMask(small);
    EXPECT_EQ(rowsOf(small), narrow);
}

TEST(SmoothSpray, ASeededSprayRepeatsAndOnlyMovesExistingValues) {
    Rows stripes(12, std::vector<int>(12));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) stripes[y][x] = (x / 3) % 2 ? 255 : 0;
    TSmoothMask first = maskOf(stripes), second = maskOf(stripes), none = maskOf(stripes);
    SeedRandom(7);
    SprayMask(first, 4);
    SeedRandom(7);
    SprayMask(second, 4);
    SprayMask(none, 0);
    EXPECT_EQ(rowsOf(first), rowsOf(second));
    EXPECT_NE(rowsOf(first), stripes);
    EXPECT_EQ(rowsOf(none), stripes);
    std::set<int> values;
    for (const auto& row : rowsOf(first)) values.insert(row.begin(), row.end());
    EXPECT_EQ(values, (std::set<int>{0, 255}));
}

TEST(SmoothMirror, RowsAndRowOrderReverse) {
    TSmoothMask mask = maskOf({{1, 2, 3}, {4, 5, 6}});
    MirrorMaskHorizontally(mask);
    EXPECT_EQ(rowsOf(mask), (Rows{{3, 2, 1}, {6, 5, 4}}));
    MirrorMaskVertically(mask);
    EXPECT_EQ(rowsOf(mask), (Rows{{6, 5, 4}, {3, 2, 1}}));
}

// The red channel of a foreground image, row by row.
Rows redsOf(const QImage& image) {
    Rows rows(image.height(), std::vector<int>(image.width()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) rows[y][x] = image.pixelColor(x, y).red();
    return rows;
}

TEST(SmoothGradient, RampsStartAtTheirFirstColourAndMirrorForTheCentreStyles) {
    struct Case {
        TGradualStyle style;
        int width, height;
        Rows reds;
    };
    const Case cases[] = {
        {gsLeftToRight, 4, 2, {{255, 192, 128, 64}, {255, 192, 128, 64}}},
        {gsRightToLeft, 4, 1, {{0, 63, 127, 191}}},
        {gsCenterToLR, 5, 1, {{0, 85, 170, 85, 0}}},
        {gsCenterToLR, 4, 1, {{0, 127, 127, 0}}},
        {gsTopToBottom, 2, 4, {{255, 255}, {192, 192}, {128, 128}, {64, 64}}},
        {gsBottomToTop, 1, 2, {{0}, {127}}},
        {gsCenterToTB, 1, 3, {{0}, {127}, {0}}},
        {gsLeftToRight, 0, 3, {}},
    };
    for (const Case& c : cases) {
        const QImage image = GradientForeBmp(c.width, c.height, c.style, Qt::white, Qt::black);
        EXPECT_EQ(redsOf(image), c.reds) << "style " << c.style << " " << c.width << "x" << c.height;
        if (!image.isNull()) {
            EXPECT_EQ(image.format(), QImage::Format_BGR888);
        }
    }
}

TEST(SmoothNoise, NoiseIsCentredOnTheColourAndClampedToAByte) {
    SeedRandom(11);
    const QImage dark = NoisyColorForeBmp(40, 40, Qt::black, 200);
    QImage light = GradientForeBmp(40, 40, gsLeftToRight, Qt::white, Qt::white);
    AddNoise(light, 200);
    int darkZeros = 0, lightFull = 0, lowest = 255, highest = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40 * 3; ++x) {
            const int d = dark.constScanLine(y)[x], l = light.constScanLine(y)[x];
            darkZeros += d == 0;
            lightFull += l == 255;
            highest = std::max(highest, d);
            lowest = std::min(lowest, l);
        }
    // R(200) - 100 lies in -100 .. 99: about half the draws clamp.
    EXPECT_LE(highest, 99);
    EXPECT_GE(lowest, 155);
    EXPECT_GT(darkZeros, 4800 * 2 / 5);
    EXPECT_LT(darkZeros, 4800 * 3 / 5);
    EXPECT_GT(lightFull, 4800 * 2 / 5);
    EXPECT_LT(lightFull, 4800 * 3 / 5);
}

TEST(SmoothTexture, EachModePlacesThePictureOverTheFontColour) {
    QImage tile(2, 2, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    tile.setPixelColor(0, 0, Qt::red);
    tile.setPixelColor(1, 1, Qt::green);
    TSmoothPicture picture;
    picture.SetImage(tile);
    const QColor font = Qt::blue;
    struct Case {
        TTextureMode mode;
        QPoint red, green, fontColoured;
    };
    const Case cases[] = {
        {tmTiled, {4, 2}, {3, 3}, {1, 2}},
        {tmCenter, {1, 1}, {2, 2}, {0, 0}},
        {tmNormal, {0, 0}, {1, 1}, {2, 2}},
    };
    for (const Case& c : cases) {
        const QImage fore = TextureForeBmp(5, 4, font, picture, c.mode, Qt::black);
        EXPECT_EQ(fore.pixelColor(c.red), QColor(Qt::red)) << c.mode;
        EXPECT_EQ(fore.pixelColor(c.green), QColor(Qt::green)) << c.mode;
        EXPECT_EQ(fore.pixelColor(c.fontColoured), font) << c.mode;
    }
    // Stretched, an icon's transparent pixels show the window-text colour.
    picture.SetIcon(tile);
    const QImage icon = TextureForeBmp(4, 4, font, picture, tmStretched, Qt::yellow);
    EXPECT_EQ(icon.pixelColor(3, 0), QColor(Qt::yellow));
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(Qt::red));
    picture.SetImage(tile);
    EXPECT_EQ(TextureForeBmp(4, 4, font, picture, tmStretched, Qt::yellow).pixelColor(3, 0), font);
}

}  // namespace
