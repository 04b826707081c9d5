// The calendar's colour and font set: twelve colours and six fonts, set by
// index. Its owner hears of every change through a callback (the calendar
// then repaints and keeps its background colour on DayBackColor and its
// own font on DayTextFont).
#pragma once

#include <array>
#include <cstddef>
#include <functional>

#include "calendar_control/cal_font.h"
#include "qt_text/color_value.h"

enum TNongCalColorIndex : int {
    ciTitleBackColor,
    ciWeekBackColor,
    ciDayBackColor,
    ciTrailingTextColor,
    ciLunarTermColor,
    ciSundayColor,
    ciSaturdayColor,
    ciHightlightBackColor,
    ciHightlightTextColor,
    ciBorderColor,
    ciGridColor,
    ciArrowColor,
};
inline constexpr int kCalColorCount = 12;

enum TNongCalFontIndex : int {
    fiTitleTextFont,
    fiWeekTextFont,
    fiDayTextFont,
    fiLunarTextFont,
    fiFtvTextFont,
    fiBackMonthTextFont,
};
inline constexpr int kCalFontCount = 6;

class TNongCalColors {
public:
    enum class Change { Color, Font };

    // `changed` is called after every SetColor and SetFont; a free-standing
    // set used as the source of a copy has none.
    explicit TNongCalColors(std::function<void(Change)> changed = {});

    TColor Color(int index) const;
    // Stores colour `index` (0..11; another index is ignored) and tells the
    // owner.
    void SetColor(int index, TColor color);

    const TCalFont& Font(int index) const;
    // Copies `font` into font `index` (0..5; another index is ignored) and
    // tells the owner.
    void SetFont(int index, const TCalFont& font);

    // The layout fits font sizes straight into the set, without telling the
    // owner.
    void SetFittedSize(int index, int size);

    // The copy of the CalColors property: takes the colours and the title,
    // day and back-month fonts of `source`; WeekBackColor, ArrowColor and the
    // week, lunar and festival fonts keep their values. Nothing is repainted.
    // Copying a set onto itself does nothing.
    void Assign(const TNongCalColors& source);

    TColor TitleBackColor() const { return Color(ciTitleBackColor); }
    TColor WeekBackColor() const { return Color(ciWeekBackColor); }
    TColor DayBackColor() const { return Color(ciDayBackColor); }
    TColor TrailingTextColor() const { return Color(ciTrailingTextColor); }
    TColor LunarTermColor() const { return Color(ciLunarTermColor); }
    TColor SundayColor() const { return Color(ciSundayColor); }
    TColor SaturdayColor() const { return Color(ciSaturdayColor); }
    TColor HightlightBackColor() const { return Color(ciHightlightBackColor); }
    TColor HightlightTextColor() const { return Color(ciHightlightTextColor); }
    TColor BorderColor() const { return Color(ciBorderColor); }
    TColor GridColor() const { return Color(ciGridColor); }
    TColor ArrowColor() const { return Color(ciArrowColor); }

    void SetTitleBackColor(TColor c) { SetColor(ciTitleBackColor, c); }
    void SetWeekBackColor(TColor c) { SetColor(ciWeekBackColor, c); }
    void SetDayBackColor(TColor c) { SetColor(ciDayBackColor, c); }
    void SetTrailingTextColor(TColor c) { SetColor(ciTrailingTextColor, c); }
    void SetLunarTermColor(TColor c) { SetColor(ciLunarTermColor, c); }
    void SetSundayColor(TColor c) { SetColor(ciSundayColor, c); }
    void SetSaturdayColor(TColor c) { SetColor(ciSaturdayColor, c); }
    void SetHightlightBackColor(TColor c) { SetColor(ciHightlightBackColor, c); }
    void SetHightlightTextColor(TColor c) { SetColor(ciHightlightTextColor, c); }
    void SetBorderColor(TColor c) { SetColor(ciBorderColor, c); }
    void SetGridColor(TColor c) { SetColor(ciGridColor, c); }
    void SetArrowColor(TColor c) { SetColor(ciArrowColor, c); }

    const TCalFont& TitleTextFont() const { return Font(fiTitleTextFont); }
    const TCalFont& WeekTextFont() const { return Font(fiWeekTextFont); }
    const TCalFont& DayTextFont() const { return Font(fiDayTextFont); }
    const TCalFont& LunarTextFont() const { return Font(fiLunarTextFont); }
    const TCalFont& FtvTextFont() const { return Font(fiFtvTextFont); }
    const TCalFont& BackMonthTextFont() const { return Font(fiBackMonthTextFont); }

    void SetTitleTextFont(const TCalFont& f) { SetFont(fiTitleTextFont, f); }
    void SetWeekTextFont(const TCalFont& f) { SetFont(fiWeekTextFont, f); }
    void SetDayTextFont(const TCalFont& f) { SetFont(fiDayTextFont, f); }
    void SetLunarTextFont(const TCalFont& f) { SetFont(fiLunarTextFont, f); }
    void SetFtvTextFont(const TCalFont& f) { SetFont(fiFtvTextFont, f); }
    void SetBackMonthTextFont(const TCalFont& f) { SetFont(fiBackMonthTextFont, f); }

private:
    std::function<void(Change)> changed_;
    std::array<TColor, kCalColorCount> colors_;
    std::array<TCalFont, kCalFontCount> fonts_;
};
