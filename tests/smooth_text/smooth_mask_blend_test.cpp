// The coverage mask's block reduction and row access, and the blender's
// channel arithmetic, on synthetic samples and images.
#include <gtest/gtest.h>

#include <QImage>
#include <utility>
#include <vector>

#include "smooth_text/smooth_blend.h"
#include "smooth_text/smooth_font.h"
#include "smooth_text/smooth_mask.h"

namespace {

// A supersampled image of one block with the listed samples lit, grey or
// 32-bit as the renderer draws it.
QImage blockOf(int scale, const std::vector<std::pair<int, int>>& lit, QImage::Format format) {
    QImage samples(scale, scale, format);
    samples.fill(Qt::black);
    for (auto [row, column] : lit) samples.setPixelColor(column, row, Qt::white);
    return samples;
}

std::vector<std::pair<int, int>> wholeBlock(int scale) {
    std::vector<std::pair<int, int>> all;
    for (int r = 0; r < scale; ++r)
        for (int c = 0; c < scale; ++c) all.emplace_back(r, c);
    return all;
}

TEST(SmoothMask, EachLevelReducesABlockWithItsOwnWeights) {
    struct Case {
        int level;
        std::vector<std::pair<int, int>> lit;
        int expected;
    };
    const Case cases[] = {
        {0, wholeBlock(4), 255},
        {0, {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 1}, {1, 2}, {1, 3}}, 127},
        {0, {{3, 3}}, 15},
        {1, wholeBlock(3), (7 * 255 + 2 * 127) >> 3},
        {1, {{0, 2}}, 15},  // top-right counts half
        {1, {{2, 0}}, 15},  // bottom-left counts half
        {1, {{2, 2}}, 31},  // bottom-right counts whole
        {2, {{0, 1}, {1, 0}}, 127},
        {2, wholeBlock(2), 255},
        {3, {{0, 0}}, 255},
    };
    for (const Case& c : cases)
        for (QImage::Format format : {QImage::Format_Grayscale8, QImage::Format_RGB32}) {
            TSmoothMask mask;
            mask.SetQuality(c.level);
            mask.Reduce(blockOf(mask.Scale(), c.lit, format), QSize(1, 1));
            EXPECT_EQ(mask.ScanLine(0)[0], c.expected) << "level " << c.level << " format " << format;
        }
}

// 32-bit samples are reduced by their own (vectorised) path: for any blue
// values, any width (whole groups of four pixels and the rest) and the
// other channels' bytes ignored, they must give what the same values as
// grey samples give.
TEST(SmoothMask, ThirtyTwoBitSamplesReduceAsTheirBlueBytesInGrey) {
    std::uint32_t seed = 12345;
    const auto next = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 24; };
    for (int level = 0; level <= 3; ++level)
        for (int width : {1, 3, 4, 5, 8, 11, 17}) {
            TSmoothMask grey, wide;
            grey.SetQuality(level);
            wide.SetQuality(level);
            QImage greySamples(width * grey.Scale(), 3 * grey.Scale(), QImage::Format_Grayscale8);
            QImage wideSamples(greySamples.size(), QImage::Format_RGB32);
            for (int y = 0; y < greySamples.height(); ++y)
                for (int x = 0; x < greySamples.width(); ++x) {
                    const std::uint32_t blue = next();
                    greySamples.scanLine(y)[x] = static_cast<std::uint8_t>(blue);
                    reinterpret_cast<QRgb*>(wideSamples.scanLine(y))[x] = (next() << 24) | (next() << 8) | blue;
                }
            grey.Reduce(greySamples, QSize(width, 3));
            wide.Reduce(wideSamples, QSize(width, 3));
            EXPECT_EQ(wide.Snapshot(), grey.Snapshot()) << "level " << level << " width " << width;
        }
}

TEST(SmoothMask, RowsAreReachedTopFirstAndOnlyInsideTheMask) {
    TSmoothMask mask;
    mask.SetQuality(2);
    QImage samples(2 * 5, 2 * 3, QImage::Format_Grayscale8);
    samples.fill(0);
    samples.scanLine(0)[0] = samples.scanLine(0)[1] = samples.scanLine(1)[0] = samples.scanLine(1)[1] = 255;
    mask.Reduce(samples, QSize(5, 3));
    EXPECT_EQ(mask.Stride(), 8);
    EXPECT_EQ(mask.ImageStride(), 12);
    EXPECT_EQ(mask.ScanLine(0)[0], 255);
    EXPECT_EQ(mask.ScanLine(2)[0], 0);
    // Bottom row first in memory: the top row is the last one stored.
    EXPECT_EQ(mask.ScanLine(0) - mask.ScanLine(2), 2 * mask.Stride());
    for (int row : {-1, 3}) {
        try {
            mask.ScanLine(row);
            ADD_FAILURE() << "row " << row << " was accepted";
        } catch (const EInvalidLine& e) {
            EXPECT_STREQ(e.what(), "Invalid line!");
        }
    }
    TSmoothMask empty;
    EXPECT_THROW(empty.ScanLine(0), EInvalidLine);
}

TEST(SmoothMask, TooSmallOrMissingSamplesLeaveAnEmptyMaskOfTheSize) {
    TSmoothMask mask;
    mask.Reduce(QImage(), QSize(4, 2));
    ASSERT_EQ(mask.Width(), 4);
    ASSERT_EQ(mask.Height(), 2);
    EXPECT_EQ(mask.ScanLine(1)[3], 0);
    mask.Reduce(QImage(), QSize(-3, -1));
    EXPECT_EQ(mask.Width(), 0);
    EXPECT_EQ(mask.Height(), 0);
}

// A one-pixel-high mask with the given coverage values.
TSmoothMask maskOf(const std::vector<int>& values) {
    TSmoothMask mask;
    mask.Resize(static_cast<int>(values.size()), 1);
    for (std::size_t i = 0; i < values.size(); ++i) mask.ScanLine(0)[i] = static_cast<std::uint8_t>(values[i]);
    return mask;
}

struct BlendFixture : testing::Test {
    QImage image{4, 1, QImage::Format_ARGB32_Premultiplied};
    TSmoothSurface surface;
    TSmoothFont font{&surface};

    BlendFixture() {
        image.fill(QColor(200, 100, 50));
        surface.Image = &image;
        surface.BrushStyle = bsClear;
    }
    QColor at(int x) const { return image.pixelColor(x, 0); }
};

TEST_F(BlendFixture, ChannelsMoveTowardTheColourByCoverageTimesAlpha) {
    struct Case {
        int coverage, alpha;
        QColor expected;
    };
    // Background (200, 100, 50), colour 0x00FF00 (green).
    const Case cases[] = {
        {255, 100, QColor(0, 255, 0)},
        // a = 255 × 179 >> 8 = 178; the shift floors the negative products.
        {255, 70, QColor(200 - 140, 100 + 107, 50 - 35)},
        {128, 100, QColor(200 - 100, 100 + 77, 50 - 25)},
        {0, 100, QColor(200, 100, 50)},
        {255, 0, QColor(200, 100, 50)},
        {255, 250, QColor(0, 255, 0)},  // alpha above 100 counts as 100
    };
    for (const Case& c : cases) {
        image.fill(QColor(200, 100, 50));
        font.Blend().Blend(1, 0, 0x00FF00, c.alpha, maskOf({c.coverage}));
        EXPECT_EQ(at(1), c.expected) << c.coverage << " at " << c.alpha;
        EXPECT_EQ(at(0), QColor(200, 100, 50));
        EXPECT_EQ(at(2), QColor(200, 100, 50));
    }
}

TEST_F(BlendFixture, SolidBrushFillsTheTextBoxAndClearBrushKeepsThePixels) {
    surface.BrushStyle = bsSolid;
    surface.BrushColor = 0xFF0000;  // blue
    font.Blend().Blend(0, 0, 0x0000FF, 100, maskOf({0, 255, 0}));
    EXPECT_EQ(at(0), QColor(0, 0, 255));
    EXPECT_EQ(at(1), QColor(255, 0, 0));
    EXPECT_EQ(at(2), QColor(0, 0, 255));
    EXPECT_EQ(at(3), QColor(200, 100, 50));

    surface.BrushStyle = bsClear;
    image.fill(QColor(200, 100, 50));
    font.Blend().Blend(2, 0, 0x0000FF, 100, maskOf({0, 255, 0}));  // runs past the right edge
    EXPECT_EQ(at(2), QColor(200, 100, 50));
    EXPECT_EQ(at(3), QColor(255, 0, 0));
}

TEST_F(BlendFixture, BlendExTakesEachPixelsColourAndRefusesAMismatchedForeground) {
    const TSmoothMask mask = maskOf({255, 255});
    QImage& fore = font.Blend().ForeBmp();
    const QImage wrong[] = {QImage(3, 1, QImage::Format_BGR888), QImage(2, 2, QImage::Format_BGR888),
                            QImage(2, 1, QImage::Format_RGB32), QImage()};
    for (const QImage& bad : wrong) {
        fore = bad;
        try {
            font.Blend().BlendEx(0, 0, 100, mask);
            ADD_FAILURE() << "accepted a " << bad.width() << "x" << bad.height() << " foreground";
        } catch (const EInvalidForeBmp& e) {
            EXPECT_STREQ(e.what(), "Invalid foreground bitmap!");
        }
    }
    EXPECT_EQ(at(0), QColor(200, 100, 50));

    fore = QImage(2, 1, QImage::Format_BGR888);
    fore.setPixelColor(0, 0, QColor(1, 2, 3));
    fore.setPixelColor(1, 0, QColor(4, 5, 6));
    font.Blend().BlendEx(1, 0, 100, mask);
    EXPECT_EQ(at(1), QColor(1, 2, 3));
    EXPECT_EQ(at(2), QColor(4, 5, 6));
}

TEST(SmoothBlend, WithoutASurfaceNothingIsDrawnOrMeasured) {
    TSmoothFont font(nullptr);
    const TSmoothMask mask = maskOf({255});
    font.Blend().Blend(0, 0, 0, 100, mask);
    font.Mask().DrawMask("ab");
    EXPECT_EQ(font.TextExtent("ab"), QSize(0, 0));
    TSmoothSurface imageless;
    TSmoothFont unbound(&imageless);
    unbound.Blend().Blend(0, 0, 0, 100, mask);
}

}  // namespace
