// TNongCalendar: a month-view calendar control with lunar days, solar terms
// and festivals. It shows one Gregorian month as six weeks of seven days
// under a title band (year and month between four arrows) and a weekday
// band, and keeps one selected date. The dates themselves (the selection
// under the date rule, the grid, cells and steps) are its MonthGrid's; the
// control adds properties, layout, painting, input and the hint.
//
// The control also carries the calendar engine's operations as methods of
// its own.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/calendar_names.h"
#include "calendar/date_rule.h"
#include "calendar/date_time.h"
#include "calendar/festival_list.h"
#include "calendar/festival_text.h"
#include "calendar/lunar_conversion.h"
#include "calendar/lunar_months.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"
#include "calendar/week_number.h"
#include "calendar_control/cal_font.h"
#include "calendar_control/calendar_canvas.h"
#include "calendar_control/calendar_layout_fit.h"
#include "calendar_control/calendar_smooth_text.h"
#include "calendar_control/hover_hint.h"
#include "calendar_control/month_grid.h"
#include "calendar_control/nong_cal_colors.h"
#include "calendar_control/shown_texts.h"
#include "qt_text/color_value.h"

class TNongCalendar : public QWidget {
    Q_OBJECT

public:
    using DateTime = calendar::DateTime;

    static constexpr int kFirstYear = calendar::kFirstYear;
    static constexpr int kLastYear = calendar::kLastYear;
    static constexpr int kDefaultWidth = 300;
    static constexpr int kDefaultHeight = 210;
    // A scale whose magnitude is below this is ignored.
    static constexpr double kSmallestScale = 0.001;

    explicit TNongCalendar(QWidget* parent = nullptr);
    ~TNongCalendar() override;

    // ---- Properties ----

    const TNongCalColors& CalColors() const { return *colors_; }
    TNongCalColors& CalColors() { return *colors_; }
    // Copies `colors` into the owned set (see TNongCalColors::Assign).
    void SetCalColors(const TNongCalColors& colors);

    const calendar::TFestivalList& FtvList() const { return *ftvList_; }
    calendar::TFestivalList& FtvList() { return *ftvList_; }
    // Copies the lists of `list` into the owned festival lists.
    void SetFtvList(const calendar::TFestivalList& list);

    TNongCalStyle LunarCalStyle() const { return layoutStyle_.lunarStyle; }
    void SetLunarCalStyle(TNongCalStyle style);
    TNongCalStyle FtvCalStyle() const { return layoutStyle_.ftvStyle; }
    void SetFtvCalStyle(TNongCalStyle style);

    // The picture stretched behind the grid with ShowBackImage; only
    // referenced, and forgotten when the label is destroyed.
    QLabel* BackImage() const { return backImage_; }
    void SetBackImage(QLabel* image);

    bool ShowVertical() const { return layoutStyle_.showVertical; }
    void SetShowVertical(bool on);
    bool ChineseEar() const { return chineseEar_; }
    void SetChineseEar(bool on);
    bool UseISO8601() const { return grid_.UseISO8601(); }
    void SetUseISO8601(bool on);
    // The calendar the cells, the hint and the engine operations below
    // follow: the lunar table (the default) or the true sky.
    calendar::CalendarRule Rule() const { return grid_.Rule(); }
    void SetRule(calendar::CalendarRule rule);
    // What the texts of the cells, the title, the weekdays and the hint are
    // turned into before they are shown (GBK to GBK): traditional
    // characters, say. None, the default, shows them as the engine writes
    // them.
    void SetTextConversion(ShownTexts::Conversion conversion);

    // The selected date, always a whole day.
    DateTime Date() const { return grid_.Date(); }
    // The date change: a year outside 1900..2100 or the selected day again
    // changes nothing; otherwise the day of `date` is selected, the grid
    // follows, OnChange is raised and the changed parts are repainted.
    void SetDate(DateTime date);

    bool ShowBackMonth() const { return showBackMonth_; }
    void SetShowBackMonth(bool on);
    bool ShowBackImage() const { return showBackImage_; }
    void SetShowBackImage(bool on);
    bool ShowArrow() const { return layoutStyle_.showArrow; }
    void SetShowArrow(bool on);
    double VerticalScale() const { return layoutStyle_.verticalScale; }
    void SetVerticalScale(double scale);
    double HorizonScale() const { return layoutStyle_.horizonScale; }
    void SetHorizonScale(double scale);
    bool AutoFontSize() const { return layoutStyle_.autoFontSize; }
    void SetAutoFontSize(bool on);
    bool ShowBorder() const { return showBorder_; }
    void SetShowBorder(bool on);
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool on);
    bool EnWeekName() const { return enWeekName_; }
    void SetEnWeekName(bool on);
    bool SmoothText() const { return smoothText_; }
    void SetSmoothText(bool on);
    bool ShadowFont() const { return shadowFont_; }
    void SetShadowFont(bool on);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on) { showHint_ = on; }

    // The control's own font (face "宋体", GB2312 at start); after a font of
    // the colour set changes at run time it is DayTextFont.
    const TCalFont& Font() const { return font_; }
    void SetFont(const TCalFont& font);
    // The background colour, which fills the day grid; it follows DayBackColor.
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // ---- Date state ----

    // Sets the year (clamped to 1900..2100), keeping month and day; a day
    // the month does not have in that year becomes the month's last day.
    void SetYear(int year);
    int Year() const { return grid_.Year(); }
    int Month() const { return grid_.Month(); }
    int Day() const { return grid_.Day(); }

    DateTime FirstGridDate() const { return grid_.FirstGridDate(); }
    void ComputeFirstGridDate() { grid_.ComputeFirstGridDate(); }

    // The cell box of a date of the shown grid, in client coordinates.
    TRect CellRectOfDate(DateTime date) const;

    // Raises OnChange.
    virtual void Change();

    // ---- Layout ----

    // Recomputes the bands, the boxes inside a cell, the fitted font sizes,
    // FtvMaxLen and the arrow boxes from the client size and the styles.
    void UpdateLayout();
    // The largest font size from 5 up at which `text` (GBK) fits `width` ×
    // `height` in the canvas font's face: 4 when size 5 does not fit, at
    // most 1000.
    int FitFontSize(std::string_view text, int width, int height);

    int CellWidth() const { return layout_->CellWidth(); }
    int CellHeight() const { return layout_->CellHeight(); }
    const TRect& TitleRect() const { return layout_->TitleRect(); }
    const TRect& WeekRect() const { return layout_->WeekRect(); }
    const TRect& DaysRect() const { return layout_->DaysRect(); }
    const TRect& DayNumRect() const { return layout_->DayNumRect(); }
    const TRect& LunarRect() const { return layout_->LunarRect(); }
    const TRect& FtvRect() const { return layout_->FtvRect(); }
    const TRect& PrevYearRect() const { return layout_->Arrows().prevYear; }
    const TRect& PrevMonthRect() const { return layout_->Arrows().prevMonth; }
    const TRect& NextMonthRect() const { return layout_->Arrows().nextMonth; }
    const TRect& NextYearRect() const { return layout_->Arrows().nextYear; }
    // The longest festival text, in bytes, drawn without shortening; at least 6.
    int FtvMaxLen() const { return layout_->FtvMaxLen(); }

    const TRect& SelectedCellRect() const { return selectedCellRect_; }
    const TRect& HoverCellRect() const { return hover_->CellRect(); }

    TCalendarHint* Hint() const { return hover_->Window(); }
    TCalendarCanvas& Canvas() { return *canvas_; }

    // True once the control's window has been created (its first show).
    bool WindowCreated() const { return windowCreated_; }

    // Requests a repaint of the whole control, or of one rectangle (an empty
    // one requests nothing). The background is not erased.
    virtual void Invalidate();
    virtual void InvalidateRect(const TRect& rect);

    // ---- Painting ----

    // Paints the parts of the control that meet `region` into the canvas
    // image (Canvas().Image()); the paint handler then copies the region to
    // the screen. Painting reads the layout and writes only SelectedCellRect.
    void Paint(const QRegion& region);

    enum TTextAlignment {
        taCentre,     // centred both ways
        taTopCentre,  // centred horizontally at the box's top
        taLeftMiddle  // at the box's left, centred vertically
    };

    // ---- Mouse, keys and hint ----

    // Selects the day of the cell under (x, y), a point in client
    // coordinates, as the user's choice. Points outside the 7 × 6 cells, and
    // every point while a cell size is zero, are ignored.
    void SelectCellAt(int x, int y);
    // The hint's facts of a day: Gregorian date with weekday and week
    // number, lunar date, sexagenary year, month and day, and, when the day
    // has festivals, their text; labelled lines joined by line feeds (GBK),
    // as the text conversion shows them.
    std::string DayHintText(DateTime date) const { return shown_.Once(grid_.DayHintText(date, *ftvList_)); }
    // Raises OnClick.
    virtual void Click();

    // ---- Calendar engine operations ----

    int LunarYearDays(int year) const { return calendar::LunarYearDays(year, Rule()); }
    int LeapMonthOf(int year) const { return calendar::LeapMonthOf(year, Rule()); }
    int LeapMonthDays(int year) const { return calendar::LeapMonthDays(year, Rule()); }
    int LunarMonthDays(int year, int month) const { return calendar::LunarMonthDays(year, month, Rule()); }
    calendar::LunarDate SolarToLunar(DateTime date) const { return calendar::SolarToLunar(date, Rule()); }
    std::optional<calendar::CycleIndices> CycleIndicesOf(DateTime date) const {
        return calendar::CycleIndicesOf(date, Rule());
    }
    DateTime SolarTermMoment(int year, int term) const { return calendar::SolarTermMoment(year, term, Rule()); }
    std::string SolarTermName(DateTime date) const { return calendar::SolarTermName(date, Rule()); }
    static std::string GanZhiName(int index) { return calendar::GanZhiName(index); }
    static std::string AnimalName(int index) { return calendar::AnimalName(index); }
    static std::string LunarDayName(int day) { return calendar::LunarDayName(day); }
    static std::string LunarMonthName(int month, bool leap) { return calendar::LunarMonthName(month, leap); }
    static std::string ChineseYearText(int year) { return calendar::ChineseYearText(year); }
    static std::string WeekdayName(int index) { return calendar::WeekdayName(index); }
    // Week of the year by the control's UseISO8601.
    int WeekNumber(DateTime date) const { return calendar::WeekNumber(date, UseISO8601()); }
    // The day's festivals from the control's FtvList.
    std::string FestivalText(DateTime date, std::int32_t& colour) const {
        return calendar::FestivalText(*ftvList_, date, colour, Rule());
    }
    std::string FestivalText(DateTime date) const { return calendar::FestivalText(*ftvList_, date, Rule()); }
    std::int32_t FestivalMark(DateTime date) const { return calendar::FestivalMark(*ftvList_, date, Rule()); }

signals:
    // Raised after every accepted date change, the new state in place.
    void OnChange(TNongCalendar* sender);
    // Raised by a left click on the control and by Enter.
    void OnClick(TNongCalendar* sender);
    // Raised for every key press before the control acts on it; a handler
    // may change `key` (a Qt::Key), and the control then acts on that key,
    // or on none when it becomes 0.
    void OnKeyDown(TNongCalendar* sender, int& key, Qt::KeyboardModifiers shift);

protected:
    // Draws a text in the canvas's current font and colour with its top-left
    // corner at (x, y), without filling behind it. Every text of the paint
    // is drawn through here: while SmoothText is on, the paint's smooth text
    // renderer draws it, else the canvas draws it plainly.
    virtual void DrawText(int x, int y, std::string_view text);
    // One text in a box: its top-left corner where `alignment` centres it,
    // half of any excess overhanging on each side.
    void DrawAligned(std::string_view text, const TRect& box, TTextAlignment alignment);
    // The lunar line of `date` in `box` (moved to the cell): the solar term,
    // else the sexagenary day with ChineseEar, else the lunar day, or the
    // lunar month's name on its first day.
    void DrawLunarText(const TRect& box, DateTime date);
    // The festival line of `date` in `box`, shortened to FtvMaxLen bytes.
    void DrawFestivalText(const TRect& box, DateTime date);
    // Six column lines through the weekday band and the grid, and a line at
    // the top of each of the six rows.
    void DrawGridLines();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // Claims the arrow keys, so no shortcut or focus chain takes them away.
    bool event(QEvent* event) override;

    // The window's creation: the layout runs and the background takes
    // DayBackColor.
    virtual void CreateWnd();
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    template <typename T>
    void assignAndRepaint(T& field, const T& value);
    template <typename T>
    void assignAndLayOut(T& field, const T& value);

    // Paints the parts that meet `region` through the canvas's painter.
    void paintParts(const QRegion& region);
    void paintTitle();
    void paintWeekdays();
    void paintCell(const TRect& box, DateTime date, int weekday);
    void placeLine(std::string_view text, const TRect& box, TNongCalStyle style);
    // The cell under (x, y): nothing outside the 7 × 6 cells or while a
    // cell size is zero.
    std::optional<MonthGrid::Cell> cellAt(int x, int y) const;
    // The box of a cell in client coordinates.
    TRect cellRect(MonthGrid::Cell cell) const;
    // The arrow whose box holds (x, y), while the arrows are shown.
    std::optional<CalendarArrow> arrowAt(int x, int y) const;
    // What the colour set asks for when it changes at run time.
    void followColors(TNongCalColors::Change change);
    void updateHint(int x, int y);
    // A still pointer sends no move: when the grid changes under it, a
    // showing hint is rebuilt for what is now under the pointer.
    void refreshHint();

    std::unique_ptr<TCalendarCanvas> canvas_;
    // Exists only during a paint with SmoothText on.
    std::unique_ptr<TCalendarSmoothText> smoothRenderer_;
    // Set while a paint gathers the masks its texts need instead of drawing them.
    std::vector<TSmoothMaskRequest>* maskRequests_ = nullptr;
    // Layouts and whole repaints asked for; masks were last gathered when
    // this count and the mask cache's generation were `masksGatheredAt_`.
    std::uint64_t wholeChanges_ = 0;
    std::optional<std::pair<std::uint64_t, std::uint64_t>> masksGatheredAt_;

    MonthGrid grid_;
    ShownTexts shown_;

    std::unique_ptr<TNongCalColors> colors_;
    std::unique_ptr<calendar::TFestivalList> ftvList_;
    std::unique_ptr<HoverHint> hover_;
    std::unique_ptr<CalendarLayoutFit> layout_;

    TCalFont font_;
    TColor color_ = 0;

    // The properties the layout follows, kept in the form it takes them.
    CalendarLayoutStyle layoutStyle_;
    QPointer<QLabel> backImage_;
    bool chineseEar_ = false;
    bool showBackMonth_ = true;
    bool showBackImage_ = false;
    bool showBorder_ = false;
    bool showGrid_ = false;
    bool enWeekName_ = false;
    bool smoothText_ = false;
    bool shadowFont_ = false;
    bool showHint_ = true;

    TRect selectedCellRect_;
    // Where the pointer was at the last mouse event, in client coordinates.
    QPoint pointer_;
    bool windowCreated_ = false;
    // A left press on the control waits for its release, which is a click.
    bool leftPressed_ = false;
};
