#include "nong_calendar.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QResizeEvent>
#include <QShowEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "qt_text/font_faces.h"
#include "qt_text/gbk_qt.h"

namespace {

// Texts the layout fits fonts to (GBK).
constexpr std::string_view kNine = "九";
constexpr std::string_view kBackMonthSample = "9";
constexpr std::string_view kArrowSample = "《";
constexpr int kFtvMinLen = 6;

std::string repeated(std::string_view text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

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
    ftvList_ = std::make_unique<calendar::TFestivalList>();
    resize(kDefaultWidth, kDefaultHeight);
    font_.name = "宋体";
    font_.charset = kGb2312Charset;
    font_.color = SystemColor(kColorWindowText);
    QWidget::setFont(ToQFont(font_));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // the hint follows the pointer without a button held
    hint_ = std::make_unique<TCalendarHint>(this);
    color_ = colors_->DayBackColor();
}

TNongCalendar::~TNongCalendar() {
    colors_.reset();
    ftvList_.reset();
    hint_.reset();
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

void TNongCalendar::SetLunarCalStyle(TNongCalStyle style) { assignAndLayOut(lunarCalStyle_, style); }
void TNongCalendar::SetFtvCalStyle(TNongCalStyle style) { assignAndLayOut(ftvCalStyle_, style); }
void TNongCalendar::SetAutoFontSize(bool on) { assignAndLayOut(autoFontSize_, on); }

void TNongCalendar::SetVerticalScale(double scale) {
    if (usableScale(scale)) assignAndLayOut(verticalScale_, scale);
}

void TNongCalendar::SetHorizonScale(double scale) {
    if (usableScale(scale)) assignAndLayOut(horizonScale_, scale);
}

void TNongCalendar::SetBackImage(QLabel* image) {
    if (backImage_ == image) return;
    backImage_ = image;
    Invalidate();
}

void TNongCalendar::SetShowVertical(bool on) { assignAndLayOut(showVertical_, on); }
void TNongCalendar::SetChineseEar(bool on) { assignAndRepaint(chineseEar_, on); }
void TNongCalendar::SetShowBackMonth(bool on) { assignAndRepaint(showBackMonth_, on); }
void TNongCalendar::SetShowBackImage(bool on) { assignAndRepaint(showBackImage_, on); }
void TNongCalendar::SetShowArrow(bool on) { assignAndLayOut(showArrow_, on); }
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
    hintHoldsCell_ = false;  // the day under the pointer reads differently now
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
        InvalidateRect(titleRect_);
        InvalidateRect(daysRect_);
        return;
    }
    // Same grid: the old and the new selected cell, whoever changed the
    // date, so the selection shown never lags behind Date. The sexagenary
    // title names the month pillar, which changes inside a Gregorian month.
    InvalidateRect(selectedCellRect_);
    InvalidateRect(CellRectOfDate(Date()));
    if (chineseEar_) InvalidateRect(titleRect_);
}

void TNongCalendar::SetYear(int newYear) { SetDate(grid_.InYear(newYear)); }

TRect TNongCalendar::CellRectOfDate(DateTime date) const { return cellRect(grid_.CellOfDate(date)); }

TRect TNongCalendar::cellRect(MonthGrid::Cell cell) const {
    // A far-off cell keeps its coordinates in range of the box arithmetic.
    static constexpr std::int64_t kCoordinateLimit = 1 << 28;
    const auto clampCoordinate = [](std::int64_t v) {
        return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
    };
    const int left = clampCoordinate(daysRect_.left + std::int64_t{cell.column} * cellWidth_);
    const int top = clampCoordinate(daysRect_.top + std::int64_t{cell.row} * cellHeight_);
    return {left, top, left + cellWidth_, top + cellHeight_};
}

void TNongCalendar::Change() { emit OnChange(this); }

// ---- Layout ----

int TNongCalendar::FitFontSize(std::string_view text, int width, int height) {
    return FitSize(
        [&](int size) {
            canvas_->SetFontSize(size);
            return canvas_->TextExtent(text);
        },
        width, height);
}

std::string TNongCalendar::titleSample() const {
    char text[32];
    std::snprintf(text, sizeof text, "%04d年%02d月", Year(), Month());
    return text;
}

std::string TNongCalendar::weekSample() const {
    return GbkFromQString(QLocale().toString(QDate(Year(), Month(), Day()), u"ddd"));
}

std::string TNongCalendar::daySample() const {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", Day());
    return text;
}

void TNongCalendar::UpdateLayout() {
    canvas_->SetFont(font_);

    const CalendarBands bands = BandsOfClient(width(), height());
    cellWidth_ = bands.cellWidth;
    cellHeight_ = bands.cellHeight;
    titleRect_ = bands.title;
    weekRect_ = bands.week;
    daysRect_ = bands.days;

    const CellBoxes boxes =
        CellBoxesOf(lunarCalStyle_, ftvCalStyle_, cellWidth_, cellHeight_, horizonScale_, verticalScale_);
    dayNumRect_ = boxes.dayNum;
    lunarRect_ = boxes.lunar;
    ftvRect_ = boxes.ftv;

    if (autoFontSize_) fitFonts();
    measureFtvMaxLen();
    if (showArrow_) placeArrows();
    refreshHint();
}

void TNongCalendar::fitFonts() {
    TNongCalColors& set = *colors_;
    set.SetFittedSize(fiBackMonthTextFont, FitFontSize(kBackMonthSample, daysRect_.right,
                                                       RoundHalfEven(0.9 * daysRect_.Height())));
    set.SetFittedSize(fiTitleTextFont,
                      FitFontSize(titleSample(), titleRect_.right, RoundHalfEven(0.8 * titleRect_.Height())));
    // The band writes the weekday names 星期日…星期六 (or English short
    // names, narrower still), which are wider than many locales' abbreviated
    // names; the font fits both, so the names never run into each other.
    const int weekWidth = RoundHalfEven(0.9 * cellWidth_);
    set.SetFittedSize(fiWeekTextFont,
                      std::min(FitFontSize(weekSample(), weekWidth, cellHeight_),
                               FitFontSize(WeekdayName(QDate(Year(), Month(), Day()).dayOfWeek() % 7), weekWidth,
                                           cellHeight_)));
    set.SetFittedSize(fiDayTextFont, FitFontSize(daySample(), dayNumRect_.right, dayNumRect_.bottom));

    // A vertical right-hand line holds three characters one under another.
    const auto fitLine = [&](int font, const TRect& box, TNongCalStyle style, int charsAcross) {
        if (box.IsEmpty()) return;
        const int size = style == csRight && showVertical_
                             ? FitFontSize(kNine, box.Width(), box.Height() / 3)
                             : FitFontSize(repeated(kNine, charsAcross), box.Width(), box.Height());
        set.SetFittedSize(font, size);
    };
    fitLine(fiLunarTextFont, lunarRect_, lunarCalStyle_, 3);
    fitLine(fiFtvTextFont, ftvRect_, ftvCalStyle_, ftvCalStyle_ == csRight ? 3 : 6);
}

void TNongCalendar::measureFtvMaxLen() {
    ftvMaxLen_ = kFtvMinLen;
    if (ftvRect_.IsEmpty() || (ftvCalStyle_ == csRight && showVertical_)) return;
    canvas_->SetFontSize(colors_->FtvTextFont().size);
    // Every character is at least a pixel wide, so a run longer than the box
    // is wide cannot fit; the bound ends the search for any font.
    const std::size_t longest = 2 * static_cast<std::size_t>(ftvRect_.Width()) + 2 * kNine.size();
    std::string run = repeated(kNine, 3);
    QSize extent;
    do {
        run += kNine;
        extent = canvas_->TextExtent(run);
    } while (extent.width() <= ftvRect_.Width() && extent.height() <= ftvRect_.Height() && run.size() < longest);
    ftvMaxLen_ = std::max(kFtvMinLen, static_cast<int>(run.size()) - 2);
}

void TNongCalendar::placeArrows() {
    const TCalFont& titleFont = colors_->TitleTextFont();
    canvas_->SetFont(titleFont);
    canvas_->SetFontSize(titleFont.size * 3 / 5);
    const QSize glyph = canvas_->TextExtent(kArrowSample);
    const ArrowBoxes arrows = ArrowBoxesOf(titleRect_, glyph.width(), glyph.height());
    prevYearRect_ = arrows.prevYear;
    prevMonthRect_ = arrows.prevMonth;
    nextMonthRect_ = arrows.nextMonth;
    nextYearRect_ = arrows.nextYear;
}

// ---- Window ----

void TNongCalendar::Invalidate() { update(); }

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
