#include "calendar_control/calendar_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

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

TEST(FitSize, TheSizeBeforeTheFirstThatDoesNotFit) {
    // Extents grow by 3 × 2 pixels per size.
    const auto linear = [](int size) { return QSize(3 * size, 2 * size); };
    EXPECT_EQ(FitSize(linear, 30, 1000), 10);
    EXPECT_EQ(FitSize(linear, 1000, 20), 10);
    EXPECT_EQ(FitSize(linear, 14, 1000), 4);   // size 5 is already too wide
    EXPECT_EQ(FitSize(linear, 0, 0), 4);
    EXPECT_EQ(FitSize(linear, 3000, 2000), 1000);
    EXPECT_EQ(FitSize(linear, 1 << 30, 1 << 30), 1000);  // never beyond 1000

    // Hinting can make a larger size measure smaller; the search stops at
    // the first size that does not fit all the same.
    std::vector<int> tried;
    const auto bumpy = [&](int size) {
        tried.push_back(size);
        return QSize(size == 7 ? 100 : size, 1);
    };
    EXPECT_EQ(FitSize(bumpy, 50, 10), 6);
    EXPECT_EQ(tried, (std::vector<int>{5, 6, 7}));
}

}  // namespace
