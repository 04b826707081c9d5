#include "nong_calendar.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QResizeEvent>
#include <QShowEvent>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "calendar/calendar_names.h"
#include "calendar/festival_text.h"
#include "calendar/lunar_table.h"
#include "calendar/solar_terms.h"
#include "calendar/week_number.h"
#include "calendar_control/font_faces.h"
#include "calendar_control/gbk_qt.h"

namespace {

using namespace std::chrono;

// Texts the layout fits fonts to (GBK).
constexpr std::string_view kNine = "九";
constexpr std::string_view kBackMonthSample = "9";
constexpr std::string_view kArrowSample = "《";
constexpr int kFtvMinLen = 6;

// The Julian day of 1899-12-30, where date-time values count from.
constexpr qint64 kJulianDayOfEpoch = 2415019;

// Today's date, kept inside the years the control accepts even when the
// clock is far off.
calendar::DateTime Today() {
    const qint64 today = QDate::currentDate().toJulianDay() - kJulianDayOfEpoch;
    const auto first = static_cast<qint64>(calendar::DateTimeOf(sys_days{year{TNongCalendar::kFirstYear} / 1 / 1}));
    const auto last = static_cast<qint64>(calendar::DateTimeOf(sys_days{year{TNongCalendar::kLastYear} / 12 / 31}));
    return static_cast<calendar::DateTime>(std::clamp(today, first, last));
}

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

TNongCalendar::TNongCalendar(QWidget* parent) : QWidget(parent) {
    InstallFontSubstitutions();
    canvas_ = std::make_unique<TCalendarCanvas>(*this);

    date_ = Today();
    decodeDate();
    colors_ = std::make_unique<TNongCalColors>(this);
    ftvList_ = std::make_unique<calendar::TFestivalList>();
    ComputeFirstGridDate();
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
    if (!assign(useISO8601_, on)) return;
    ComputeFirstGridDate();
    refreshHint();
    Invalidate();
}

void TNongCalendar::SetFont(const TCalFont& font) {
    if (!assign(font_, font)) return;
    QWidget::setFont(ToQFont(font_));
    Invalidate();
}

void TNongCalendar::SetColor(TColor color) { assignAndRepaint(color_, color); }

// ---- Date state ----

void TNongCalendar::decodeDate() {
    const auto civil = calendar::CivilDateOf(date_);
    if (!civil) return;  // date_ only ever holds days of 1900..2100
    year_ = static_cast<std::uint16_t>(static_cast<int>(civil->year()));
    month_ = static_cast<std::uint16_t>(static_cast<unsigned>(civil->month()));
    day_ = static_cast<std::uint16_t>(static_cast<unsigned>(civil->day()));
}

void TNongCalendar::SetDate(DateTime date) {
    const auto civil = calendar::CivilDateOf(date);
    if (!civil || civil->year() < year{kFirstYear} || civil->year() > year{kLastYear}) return;
    const DateTime day = calendar::DateTimeOf(sys_days{*civil});
    if (day == date_) return;

    date_ = day;
    decodeDate();
    const DateTime previousFirst = firstGridDate_;
    ComputeFirstGridDate();
    Change();

    if (firstGridDate_ != previousFirst) {
        refreshHint();
        InvalidateRect(titleRect_);
        InvalidateRect(daysRect_);
        return;
    }
    // Same grid: the old and the new selected cell, whoever changed the
    // date, so the selection shown never lags behind Date. The sexagenary
    // title names the month pillar, which changes inside a Gregorian month.
    InvalidateRect(selectedCellRect_);
    InvalidateRect(CellRectOfDate(date_));
    if (chineseEar_) InvalidateRect(titleRect_);
}

void TNongCalendar::SetYear(int newYear) {
    const year y{std::clamp(newYear, kFirstYear, kLastYear)};
    const month m{month_};
    const unsigned lastDay = static_cast<unsigned>((y / m / last).day());
    const day d{std::min<unsigned>(day_, lastDay)};
    SetDate(calendar::DateTimeOf(sys_days{y / m / d}));
}

void TNongCalendar::ComputeFirstGridDate() {
    const sys_days first{year{year_} / month{month_} / 1};
    const weekday wd{first};
    int w = useISO8601_ ? static_cast<int>(wd.iso_encoding()) : static_cast<int>(wd.c_encoding()) + 1;
    if (w == 1) w = 8;
    firstGridDate_ = calendar::DateTimeOf(first) + 1 - w;
}

TRect TNongCalendar::CellRectOfDate(DateTime date) const {
    // Far-off (or non-numeric) dates land on a far-off cell instead of
    // overflowing the arithmetic; only cells of the grid are ever asked for.
    constexpr double kFarthestCell = 1e6;
    static constexpr std::int64_t kCoordinateLimit = 1 << 28;
    double distance = std::fabs(date - firstGridDate_);
    if (!(distance <= kFarthestCell)) distance = kFarthestCell;
    const auto n = static_cast<std::int64_t>(distance);
    const auto clampCoordinate = [](std::int64_t v) {
        return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
    };
    const int left = clampCoordinate(daysRect_.left + (n % 7) * cellWidth_);
    const int top = clampCoordinate(daysRect_.top + (n / 7) * cellHeight_);
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
    std::snprintf(text, sizeof text, "%04d年%02d月", year_, month_);
    return text;
}

std::string TNongCalendar::weekSample() const {
    return GbkFromQString(QLocale().toString(QDate(year_, month_, day_), u"ddd"));
}

std::string TNongCalendar::daySample() const {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", day_);
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
                               FitFontSize(WeekdayName(static_cast<int>(weekday{sys_days{year{year_} / month{month_} /
                                                                                       day{day_}}}.c_encoding())),
                                           weekWidth, cellHeight_)));
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

// ---- Calendar engine operations ----

int TNongCalendar::LunarYearDays(int year) { return calendar::LunarYearDays(year); }
int TNongCalendar::LeapMonthOf(int year) { return calendar::LeapMonthOf(year); }
int TNongCalendar::LeapMonthDays(int year) { return calendar::LeapMonthDays(year); }
int TNongCalendar::LunarMonthDays(int year, int month) { return calendar::LunarMonthDays(year, month); }
calendar::LunarDate TNongCalendar::SolarToLunar(DateTime date) { return calendar::SolarToLunar(date); }
std::optional<calendar::CycleIndices> TNongCalendar::CycleIndicesOf(DateTime date) {
    return calendar::CycleIndicesOf(date);
}
calendar::DateTime TNongCalendar::SolarTermMoment(int year, int term) {
    return calendar::SolarTermMoment(year, term);
}
std::string TNongCalendar::SolarTermName(DateTime date) { return calendar::SolarTermName(date); }
std::string TNongCalendar::GanZhiName(int index) { return calendar::GanZhiName(index); }
std::string TNongCalendar::AnimalName(int index) { return calendar::AnimalName(index); }
std::string TNongCalendar::LunarDayName(int day) { return calendar::LunarDayName(day); }
std::string TNongCalendar::LunarMonthName(int month, bool leap) { return calendar::LunarMonthName(month, leap); }
std::string TNongCalendar::ChineseYearText(int year) { return calendar::ChineseYearText(year); }
std::string TNongCalendar::WeekdayName(int index) { return calendar::WeekdayName(index); }
int TNongCalendar::WeekNumber(DateTime date) const { return calendar::WeekNumber(date, useISO8601_); }
std::string TNongCalendar::FestivalText(DateTime date, std::int32_t& colour) const {
    return calendar::FestivalText(*ftvList_, date, colour);
}
std::string TNongCalendar::FestivalText(DateTime date) const { return calendar::FestivalText(*ftvList_, date); }
std::int32_t TNongCalendar::FestivalMark(DateTime date) const { return calendar::FestivalMark(*ftvList_, date); }
