#include "nong_calendar.h"

#include <QDate>
#include <QLabel>
#include <QResizeEvent>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "qt_text/font_faces.h"

namespace {

template <typename T>
bool assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// Whether a scale may be used: finite and not too close to zero.
bool usableScale(double scale) {
    return std::isfinite(scale) && std::fabs(scale) >= TNongCalendar::kSmallestScale;
}

}  // namespace

// Today, kept inside the years the control accepts even when the clock is
// far off.
TNongCalendar::TNongCalendar(QWidget* parent) : QWidget(parent), grid_(calendar::Today()) {
    InstallFontSubstitutions();
    canvas_ = std::make_unique<TCalendarCanvas>(*this);

    colors_ = std::make_unique<TNongCalColors>([this](TNongCalColors::Change change) { followColors(change); });
    layout_ = std::make_unique<CalendarLayoutFit>(*canvas_, *colors_);
    ftvList_ = std::make_unique<calendar::TFestivalList>();
    resize(kDefaultWidth, kDefaultHeight);
    font_.name = "宋体";
    font_.charset = kGb2312Charset;
    font_.color = SystemColor(kColorWindowText);
    QWidget::setFont(ToQFont(font_));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // the hint follows the pointer without a button held
    hover_ = std::make_unique<HoverHint>(this);
    color_ = colors_->DayBackColor();
}

TNongCalendar::~TNongCalendar() {
    colors_.reset();
    ftvList_.reset();
    hover_.reset();
}

// ---- Properties ----

void TNongCalendar::SetCalColors(const TNongCalColors& colors) { colors_->Assign(colors); }

void TNongCalendar::SetFtvList(const calendar::TFestivalList& list) {
    if (&list != ftvList_.get()) ftvList_->Assign(list);
}

// A setter of a value that only shows: a new value repaints.
template <typename T>
void TNongCalendar::assignAndRepaint(T& field, const T& value) {
    if (assign(field, value)) Invalidate();
}

// A setter of a value the layout reads: a new value lays out and repaints.
template <typename T>
void TNongCalendar::assignAndLayOut(T& field, const T& value) {
    if (!assign(field, value)) return;
    UpdateLayout();
    Invalidate();
}

void TNongCalendar::SetLunarCalStyle(TNongCalStyle style) { assignAndLayOut(layoutStyle_.lunarStyle, style); }
void TNongCalendar::SetFtvCalStyle(TNongCalStyle style) { assignAndLayOut(layoutStyle_.ftvStyle, style); }
void TNongCalendar::SetAutoFontSize(bool on) { assignAndLayOut(layoutStyle_.autoFontSize, on); }

void TNongCalendar::SetVerticalScale(double scale) {
    if (usableScale(scale)) assignAndLayOut(layoutStyle_.verticalScale, scale);
}

void TNongCalendar::SetHorizonScale(double scale) {
    if (usableScale(scale)) assignAndLayOut(layoutStyle_.horizonScale, scale);
}

void TNongCalendar::SetBackImage(QLabel* image) {
    if (backImage_ == image) return;
    backImage_ = image;
    Invalidate();
}

void TNongCalendar::SetShowVertical(bool on) { assignAndLayOut(layoutStyle_.showVertical, on); }
void TNongCalendar::SetChineseEar(bool on) { assignAndRepaint(chineseEar_, on); }
void TNongCalendar::SetShowBackMonth(bool on) { assignAndRepaint(showBackMonth_, on); }
void TNongCalendar::SetShowBackImage(bool on) { assignAndRepaint(showBackImage_, on); }
void TNongCalendar::SetShowArrow(bool on) { assignAndLayOut(layoutStyle_.showArrow, on); }
void TNongCalendar::SetShowBorder(bool on) { assignAndRepaint(showBorder_, on); }
void TNongCalendar::SetShowGrid(bool on) { assignAndRepaint(showGrid_, on); }
void TNongCalendar::SetEnWeekName(bool on) { assignAndRepaint(enWeekName_, on); }
void TNongCalendar::SetSmoothText(bool on) { assignAndRepaint(smoothText_, on); }
void TNongCalendar::SetShadowFont(bool on) { assignAndRepaint(shadowFont_, on); }

void TNongCalendar::SetUseISO8601(bool on) {
    if (on == grid_.UseISO8601()) return;
    grid_.SetUseISO8601(on);
    refreshHint();
    Invalidate();
}

void TNongCalendar::SetRule(calendar::CalendarRule rule) {
    if (rule == grid_.Rule()) return;
    grid_.SetRule(rule);
    if (hover_) hover_->ForgetFacts();  // the day under the pointer reads differently now
    refreshHint();
    Invalidate();
}

void TNongCalendar::SetTextConversion(ShownTexts::Conversion conversion) {
    shown_.SetConversion(std::move(conversion));
    if (hover_) hover_->ForgetFacts();  // the hint shown is in the old characters
    refreshHint();
    Invalidate();
}

void TNongCalendar::SetFont(const TCalFont& font) {
    if (!assign(font_, font)) return;
    QWidget::setFont(ToQFont(font_));
    Invalidate();
}

void TNongCalendar::SetColor(TColor color) { assignAndRepaint(color_, color); }

void TNongCalendar::followColors(TNongCalColors::Change change) {
    if (!windowCreated_) return;
    if (change == TNongCalColors::Change::Color) {
        SetColor(colors_->DayBackColor());
    } else {
        SetFont(colors_->DayTextFont());
    }
    Invalidate();
}

// ---- Date state ----

void TNongCalendar::SetDate(DateTime date) {
    const DateTime previousFirst = grid_.FirstGridDate();
    if (!grid_.Select(date)) return;
    Change();

    if (grid_.FirstGridDate() != previousFirst) {
        refreshHint();
        InvalidateRect(TitleRect());
        InvalidateRect(DaysRect());
        return;
    }
    // Same grid: the old and the new selected cell, whoever changed the
    // date, so the selection shown never lags behind Date. The sexagenary
    // title names the month pillar, which changes inside a Gregorian month.
    InvalidateRect(selectedCellRect_);
    InvalidateRect(CellRectOfDate(Date()));
    if (chineseEar_) InvalidateRect(TitleRect());
}

void TNongCalendar::SetYear(int newYear) { SetDate(grid_.InYear(newYear)); }

TRect TNongCalendar::CellRectOfDate(DateTime date) const { return cellRect(grid_.CellOfDate(date)); }

TRect TNongCalendar::cellRect(MonthGrid::Cell cell) const {
    // A far-off cell keeps its coordinates in range of the box arithmetic.
    static constexpr std::int64_t kCoordinateLimit = 1 << 28;
    const auto clampCoordinate = [](std::int64_t v) {
        return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
    };
    const int left = clampCoordinate(DaysRect().left + std::int64_t{cell.column} * CellWidth());
    const int top = clampCoordinate(DaysRect().top + std::int64_t{cell.row} * CellHeight());
    return {left, top, left + CellWidth(), top + CellHeight()};
}

void TNongCalendar::Change() { emit OnChange(this); }

// ---- Layout ----

int TNongCalendar::FitFontSize(std::string_view text, int width, int height) {
    return ::FitFontSize(*canvas_, text, width, height);
}

void TNongCalendar::UpdateLayout() {
    ++wholeChanges_;
    layout_->Update(width(), height(), font_, layoutStyle_, QDate(Year(), Month(), Day()));
    refreshHint();
}

// ---- Window ----

void TNongCalendar::Invalidate() {
    ++wholeChanges_;
    update();
}

void TNongCalendar::InvalidateRect(const TRect& rect) {
    if (!rect.IsEmpty()) update(rect.ToQRect());
}

void TNongCalendar::CreateWnd() {
    windowCreated_ = true;
    UpdateLayout();
    SetColor(colors_->DayBackColor());
}

void TNongCalendar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!windowCreated_) CreateWnd();
}

void TNongCalendar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Before the window exists the first show lays the control out.
    if (windowCreated_) UpdateLayout();
}
