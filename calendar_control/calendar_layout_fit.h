// The calendar control's layout at one client size: the bands and the boxes
// inside a cell (the arithmetic of calendar_layout.h), the font sizes fitted
// to them, the longest festival text a festival box holds, and the four arrow
// boxes. Texts are measured on the control's canvas, so the boxes fit what
// the paint draws in them.
#pragma once

#include <QDate>
#include <string>
#include <string_view>

#include "calendar_control/cal_font.h"
#include "calendar_control/calendar_canvas.h"
#include "calendar_control/calendar_layout.h"
#include "calendar_control/nong_cal_colors.h"

// The largest font size from 5 up at which `text` (GBK) fits `width` ×
// `height` in the canvas font's face: 4 when size 5 does not fit, at most
// 1000.
int FitFontSize(TCalendarCanvas& canvas, std::string_view text, int width, int height);

// The control's properties the layout follows.
struct CalendarLayoutStyle {
    TNongCalStyle lunarStyle = csRight;
    TNongCalStyle ftvStyle = csBottom;
    double horizonScale = 2.5;
    double verticalScale = 4.0;
    bool autoFontSize = true;
    bool showVertical = false;
    bool showArrow = true;
};

class CalendarLayoutFit {
public:
    // Measures on `canvas` and fits the fonts of `colors`; both must outlive
    // the layout.
    CalendarLayoutFit(TCalendarCanvas& canvas, TNongCalColors& colors) : canvas_(canvas), colors_(colors) {}

    // Recomputes the bands and cell boxes of a `width` × `height` client in
    // `font`, then, by `style`, the fitted font sizes (the title and weekday
    // texts are those of `shown`, the selected day), FtvMaxLen and the arrow
    // boxes. Without ShowArrow the arrow boxes keep their last places.
    void Update(int width, int height, const TCalFont& font, const CalendarLayoutStyle& style, QDate shown);

    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    const TRect& TitleRect() const { return titleRect_; }
    const TRect& WeekRect() const { return weekRect_; }
    const TRect& DaysRect() const { return daysRect_; }
    const TRect& DayNumRect() const { return dayNumRect_; }
    const TRect& LunarRect() const { return lunarRect_; }
    const TRect& FtvRect() const { return ftvRect_; }
    const ArrowBoxes& Arrows() const { return arrows_; }
    // The longest festival text, in bytes, drawn without shortening; at least 6.
    int FtvMaxLen() const { return ftvMaxLen_; }

private:
    void fitFonts(const CalendarLayoutStyle& style, QDate shown);
    void measureFtvMaxLen(const CalendarLayoutStyle& style);
    void placeArrows();
    int fit(std::string_view text, int width, int height) { return FitFontSize(canvas_, text, width, height); }

    TCalendarCanvas& canvas_;
    TNongCalColors& colors_;

    int cellWidth_ = 0;
    int cellHeight_ = 0;
    TRect titleRect_, weekRect_, daysRect_;
    TRect dayNumRect_, lunarRect_, ftvRect_;
    ArrowBoxes arrows_;
    int ftvMaxLen_ = 6;
};
