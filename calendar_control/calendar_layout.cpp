#include "calendar_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The largest size at which a text would fit `width` × `height` if its
// extent grew in proportion to the size, judged from its `extent` at `size`.
std::int64_t ProportionalFit(int size, QSize extent, int width, int height) {
    std::int64_t fit = kLargestFittedSize;
    if (extent.width() > 0) fit = std::min(fit, std::int64_t{size} * width / extent.width());
    if (extent.height() > 0) fit = std::min(fit, std::int64_t{size} * height / extent.height());
    return fit;
}

}  // namespace

CalendarBands BandsOfClient(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    CalendarBands bands;
    bands.cellWidth = width / 7;
    bands.cellHeight = height / 8;
    const int h = bands.cellHeight;
    bands.title = {0, 0, width, h};
    bands.week = {0, h, width, 2 * h};
    bands.days = {0, 2 * h, width, height};
    return bands;
}

CellBoxes CellBoxesOf(TNongCalStyle lunarStyle, TNongCalStyle ftvStyle, int cellWidth, int cellHeight,
                      double horizonScale, double verticalScale) {
    const int w = cellWidth;
    const int h = cellHeight;
    const int hw = RoundHalfEven(w / horizonScale);
    const int vh = RoundHalfEven(h / verticalScale);

    const bool hasBottom = lunarStyle == csBottom || ftvStyle == csBottom;
    const bool hasRight = lunarStyle == csRight || ftvStyle == csRight;
    // A bottom band spans the whole cell width; a right-hand column stops at
    // the bottom band when there is one.
    const TRect bottomBand{0, h - vh, w, h};
    const TRect rightColumn{w - hw, 0, w, hasBottom ? h - vh : h};
    const auto boxOf = [&](TNongCalStyle style) {
        if (style == csBottom) return bottomBand;
        if (style == csRight) return rightColumn;
        return TRect{};
    };

    CellBoxes boxes;
    boxes.dayNum = {0, 0, hasRight ? w - hw : w, hasBottom ? h - vh : h};
    boxes.lunar = boxOf(lunarStyle);
    boxes.ftv = boxOf(ftvStyle);
    return boxes;
}

ArrowBoxes ArrowBoxesOf(const TRect& title, int glyphWidth, int glyphHeight) {
    const int top = (title.bottom - glyphHeight) / 2;
    const int bottom = top + glyphHeight;
    ArrowBoxes arrows;
    arrows.prevYear = {title.left + 5, top, title.left + 5 + glyphWidth, bottom};
    arrows.prevMonth = {arrows.prevYear.right + 1, top, arrows.prevYear.right + 1 + glyphWidth, bottom};
    arrows.nextYear = {title.right - 5 - glyphWidth, top, title.right - 5, bottom};
    arrows.nextMonth = {arrows.nextYear.left - 1 - glyphWidth, top, arrows.nextYear.left - 1, bottom};
    return arrows;
}

int FitSize(const std::function<QSize(int size)>& extentAt, int width, int height) {
    const auto fits = [&](QSize extent) { return extent.width() <= width && extent.height() <= height; };
    // A box too small for any size is common (a control squeezed or hidden),
    // and then one measurement settles it.
    const QSize smallest = extentAt(kSmallestFittedSize);
    if (!fits(smallest)) return kSmallestFittedSize - 1;
    // Every size below `low` fits; `high` does not, or lies past the largest size.
    int low = kSmallestFittedSize + 1;
    int high = kLargestFittedSize + 1;
    std::int64_t guess = ProportionalFit(kSmallestFittedSize, smallest, width, height) + 1;
    while (high - low > 2 * kExtentStepBackSizes) {
        // A size that fits rules out only the sizes a step back below it, so
        // it must lie that far above `low` to narrow the range.
        const int size = static_cast<int>(std::clamp<std::int64_t>(guess, low + kExtentStepBackSizes, high - 1));
        const QSize extent = extentAt(size);
        if (fits(extent)) {
            low = size - kExtentStepBackSizes + 1;
            guess = ProportionalFit(size, extent, width, height) + 1;
        } else {
            high = size;
            guess = ProportionalFit(size, extent, width, height);
        }
    }
    for (int size = low; size < high; ++size) {
        if (!fits(extentAt(size))) return size - 1;
    }
    return high - 1;
}
