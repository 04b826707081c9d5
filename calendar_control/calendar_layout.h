// The arithmetic of the calendar's layout, kept apart from fonts and
// painting: the three bands of the client area, the boxes inside a day cell,
// the four arrow boxes and the font-fitting search.
#pragma once

#include <QRect>
#include <functional>

#include "qt_text/round_half_even.h"

// Where a cell's lunar or festival line sits.
enum TNongCalStyle {
    csBottom = 0,  // a band along the bottom of the cell
    csRight = 1,   // a column along the right side of the cell
    csNone = 2,    // not shown
};

// A rectangle with right and bottom exclusive; empty when right ≤ left or
// bottom ≤ top.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    TRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    // The same pixels as a QRect; an empty rectangle gives a null QRect.
    QRect ToQRect() const { return IsEmpty() ? QRect() : QRect(left, top, Width(), Height()); }

    friend bool operator==(const TRect&, const TRect&) = default;
};

struct CalendarBands {
    int cellWidth = 0;   // client width div 7
    int cellHeight = 0;  // client height div 8; also the height of title and weekday bands
    TRect title;
    TRect week;
    TRect days;  // the grid, with the remainders of both divisions
};

// The bands of a client area of `width` × `height` pixels (negative sizes
// count as 0).
CalendarBands BandsOfClient(int width, int height);

struct CellBoxes {
    TRect dayNum;
    TRect lunar;  // (0, 0, 0, 0) when the lunar line is not shown
    TRect ftv;    // (0, 0, 0, 0) when the festival line is not shown
};

// The boxes inside a cell of `cellWidth` × `cellHeight`, relative to its
// top-left corner. A right-hand column is cellWidth / horizonScale wide and a
// bottom band cellHeight / verticalScale high, each rounded half to even;
// two equal styles share one box.
CellBoxes CellBoxesOf(TNongCalStyle lunarStyle, TNongCalStyle ftvStyle, int cellWidth, int cellHeight,
                      double horizonScale, double verticalScale);

struct ArrowBoxes {
    TRect prevYear;
    TRect prevMonth;
    TRect nextMonth;
    TRect nextYear;
};

// The four arrows of the title band for an arrow glyph `glyphWidth` ×
// `glyphHeight`: the two "previous" ones from the left edge, the two "next"
// ones from the right, 5 pixels in and 1 pixel apart, centred vertically.
ArrowBoxes ArrowBoxesOf(const TRect& title, int glyphWidth, int glyphHeight);

inline constexpr int kSmallestFittedSize = 5;
inline constexpr int kLargestFittedSize = 1000;

// Hinting may round glyph advances, ascent and descent to whole pixels, so
// that a text measures a pixel smaller at one size than at the size below.
// Such a step back reaches less than this many sizes: a text is never wider
// or taller at a size than at any size this many or more above it. (The
// calendar's faces measure without any step back here; the bound leaves room
// for font engines that round harder.)
inline constexpr int kExtentStepBackSizes = 3;

// The font size fitting a box: the size before the first of 5, 6, 7, … whose
// extent (from `extentAt`) is wider than `width` or taller than `height`; 4
// when size 5 already is, and 1000 when every size up to 1000 fits. Since
// measuring a size costs a font of that size, the sizes are not tried in
// turn: a search narrows the range with a few measurements, relying on the
// bounded step back above, and then tries in turn the few sizes it cannot
// rule out, so the result is the same as that of trying every size.
int FitSize(const std::function<QSize(int size)>& extentAt, int width, int height);
