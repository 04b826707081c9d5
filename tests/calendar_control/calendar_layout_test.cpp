#include "calendar_control/calendar_layout.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "calendar_control/cal_font.h"
#include "calendar_control/calendar_canvas.h"
#include "gbk.h"

namespace {

using testing_support::gbk;

// A 42 × 26 cell with the default scales: a right-hand column 17 wide
// (42 / 2.5 = 16.8) and a bottom band 6 high (26 / 4 = 6.5, to even).
TEST(CellBoxes, AllNineStylePairs) {
    const TRect none{};
    struct Case {
        TNongCalStyle lunar, ftv;
        TRect dayNum, lunarBox, ftvBox;
    };
    const Case cases[] = {
        {csBottom, csBottom, {0, 0, 42, 20}, {0, 20, 42, 26}, {0, 20, 42, 26}},
        {csBottom, csRight, {0, 0, 25, 20}, {0, 20, 42, 26}, {25, 0, 42, 20}},
        {csBottom, csNone, {0, 0, 42, 20}, {0, 20, 42, 26}, none},
        {csRight, csBottom, {0, 0, 25, 20}, {25, 0, 42, 20}, {0, 20, 42, 26}},
        {csRight, csRight, {0, 0, 25, 26}, {25, 0, 42, 26}, {25, 0, 42, 26}},
        {csRight, csNone, {0, 0, 25, 26}, {25, 0, 42, 26}, none},
        {csNone, csBottom, {0, 0, 42, 20}, none, {0, 20, 42, 26}},
        {csNone, csRight, {0, 0, 25, 26}, none, {25, 0, 42, 26}},
        {csNone, csNone, {0, 0, 42, 26}, none, none},
    };
    for (const Case& c : cases) {
        const CellBoxes boxes = CellBoxesOf(c.lunar, c.ftv, 42, 26, 2.5, 4.0);
        EXPECT_EQ(boxes.dayNum, c.dayNum) << c.lunar << "/" << c.ftv;
        EXPECT_EQ(boxes.lunar, c.lunarBox) << c.lunar << "/" << c.ftv;
        EXPECT_EQ(boxes.ftv, c.ftvBox) << c.lunar << "/" << c.ftv;
    }
}

TEST(CellBoxes, ExtremeScalesStayWithinIntegers) {
    for (double scale : {0.001, -0.001, 1e-300, 0.0, 1e300}) {
        const CellBoxes boxes = CellBoxesOf(csRight, csBottom, 2396745, 2097151, scale, scale);
        EXPECT_LE(std::abs(boxes.dayNum.right), (1 << 24) + 2396745) << scale;
        EXPECT_LE(std::abs(boxes.dayNum.bottom), (1 << 24) + 2097151) << scale;
    }
}

TEST(ArrowBoxes, PlacedFromBothEdgesAndCentred) {
    const ArrowBoxes arrows = ArrowBoxesOf({0, 0, 300, 26}, 11, 15);
    EXPECT_EQ(arrows.prevYear, (TRect{5, 5, 16, 20}));
    EXPECT_EQ(arrows.prevMonth, (TRect{17, 5, 28, 20}));
    EXPECT_EQ(arrows.nextYear, (TRect{284, 5, 295, 20}));
    EXPECT_EQ(arrows.nextMonth, (TRect{272, 5, 283, 20}));
    // A glyph taller than the band starts above it (truncation toward zero).
    EXPECT_EQ(ArrowBoxesOf({0, 0, 300, 3}, 4, 8).prevYear.top, -2);
}

// The definition the search must reproduce: every size tried in turn, the
// one before the first that does not fit.
int FitSizeByTryingEverySize(const std::function<QSize(int)>& extentAt, int width, int height) {
    for (int size = kSmallestFittedSize; size <= kLargestFittedSize; ++size) {
        const QSize extent = extentAt(size);
        if (extent.width() > width || extent.height() > height) return size - 1;
    }
    return kLargestFittedSize;
}

TEST(FitSize, TheSizeBeforeTheFirstThatDoesNotFit) {
    // Extents grow by 3 × 2 pixels per size.
    const auto linear = [](int size) { return QSize(3 * size, 2 * size); };
    EXPECT_EQ(FitSize(linear, 30, 1000), 10);
    EXPECT_EQ(FitSize(linear, 1000, 20), 10);
    EXPECT_EQ(FitSize(linear, 14, 1000), 4);   // size 5 is already too wide
    EXPECT_EQ(FitSize(linear, 0, 0), 4);
    EXPECT_EQ(FitSize(linear, -5, 1000), 4);
    EXPECT_EQ(FitSize(linear, 3000, 2000), 1000);
    EXPECT_EQ(FitSize(linear, 1 << 30, 1 << 30), 1000);  // never beyond 1000
    EXPECT_EQ(FitSize([](int) { return QSize(0, 0); }, 0, 0), 1000);
}

// Extents that step back as far as hinting may make them: a larger size
// measures smaller than the sizes just below it. Whatever the box, the
// first size that does not fit decides, as when every size is tried.
TEST(FitSize, StepsBackDoNotHideTheFirstSizeThatDoesNotFit) {
    const auto bumpy = [](int size) {
        const int back = size % 7 == 0 ? kExtentStepBackSizes - 1 : 0;  // as wide as a size that far below
        return QSize(2 * (size - back) + size / 50, size - (size % 5 == 0 ? 2 : 0));
    };
    for (int width = -1; width <= 2100; ++width) {
        EXPECT_EQ(FitSize(bumpy, width, 1 << 20), FitSizeByTryingEverySize(bumpy, width, 1 << 20)) << width;
    }
    for (int height = -1; height <= 1010; ++height) {
        EXPECT_EQ(FitSize(bumpy, 1 << 20, height), FitSizeByTryingEverySize(bumpy, 1 << 20, height)) << height;
    }
}

// The calendar's faces and styles with the texts it fits, measured through
// its canvas at every size up to 400 (larger ones count as too large, which
// keeps the test short): for every box a size's extent or a pixel less
// makes, the search and the scan agree.
TEST(FitSize, AgreesWithTryingEverySizeInTheCalendarsFaces) {
    constexpr int kLargestMeasured = 400;
    constexpr int kUnlimited = 1 << 20;
    QWidget owner;
    TCalendarCanvas canvas(owner);
    const std::string texts[] = {"9", "12", gbk("九"), gbk("九九九"), gbk("九九九九九九"), gbk("2010年09月"),
                                 gbk("星期三"), "Wed", gbk("《")};
    for (const char* face : {"宋体", "Arial Black", "Arial", "Times New Roman"}) {
        for (const unsigned style : {0u, unsigned{fsBold | fsItalic}}) {
            canvas.SetFont(TCalFont{gbk(face), kGb2312Charset, 0, 8, style});
            // Size by size, so each size's font is made once for all texts.
            // Sizes past the measured ones fit no box, not even an unlimited one.
            const QSize unmeasured(kUnlimited + 1, kUnlimited + 1);
            std::vector<std::vector<QSize>> extents(std::size(texts),
                                                   std::vector<QSize>(kLargestFittedSize + 1, unmeasured));
            for (int size = kSmallestFittedSize; size <= kLargestMeasured; ++size) {
                canvas.SetFontSize(size);
                for (std::size_t t = 0; t < std::size(texts); ++t) extents[t][size] = canvas.TextExtent(texts[t]);
            }
            for (const std::vector<QSize>& extentOf : extents) {
                const auto extentAt = [&](int size) { return extentOf.at(size); };
                const auto agree = [&](int width, int height) {
                    return FitSize(extentAt, width, height) == FitSizeByTryingEverySize(extentAt, width, height);
                };
                for (int size = kSmallestFittedSize; size <= kLargestMeasured; ++size) {
                    const QSize e = extentOf[size];
                    for (const QSize box : {QSize(e.width(), kUnlimited), QSize(e.width() - 1, kUnlimited),
                                            QSize(kUnlimited, e.height()), QSize(kUnlimited, e.height() - 1), e,
                                            e - QSize(1, 1), QSize(e.width(), e.height() / 2)}) {
                        ASSERT_TRUE(agree(box.width(), box.height()))
                            << face << " style " << style << " size " << size << " box " << box.width() << "×"
                            << box.height();
                    }
                }
            }
        }
    }
}

}  // namespace
