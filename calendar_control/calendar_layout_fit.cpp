#include "calendar_control/calendar_layout_fit.h"

#include <QLocale>
#include <algorithm>
#include <cstdio>

#include "calendar/calendar_names.h"
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

std::string titleSample(QDate shown) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d年%02d月", shown.year(), shown.month());
    return text;
}

std::string weekSample(QDate shown) { return GbkFromQString(QLocale().toString(shown, u"ddd")); }

std::string daySample(QDate shown) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", shown.day());
    return text;
}

}  // namespace

int FitFontSize(TCalendarCanvas& canvas, std::string_view text, int width, int height) {
    return FitSize(
        [&](int size) {
            canvas.SetFontSize(size);
            return canvas.TextExtent(text);
        },
        width, height);
}

void CalendarLayoutFit::Update(int width, int height, const TCalFont& font, const CalendarLayoutStyle& style,
                               QDate shown) {
    canvas_.SetFont(font);

    const CalendarBands bands = BandsOfClient(width, height);
    cellWidth_ = bands.cellWidth;
    cellHeight_ = bands.cellHeight;
    titleRect_ = bands.title;
    weekRect_ = bands.week;
    daysRect_ = bands.days;

    const CellBoxes boxes = CellBoxesOf(style.lunarStyle, style.ftvStyle, cellWidth_, cellHeight_,
                                        style.horizonScale, style.verticalScale);
    dayNumRect_ = boxes.dayNum;
    lunarRect_ = boxes.lunar;
    ftvRect_ = boxes.ftv;

    if (style.autoFontSize) fitFonts(style, shown);
    measureFtvMaxLen(style);
    if (style.showArrow) placeArrows();
}

void CalendarLayoutFit::fitFonts(const CalendarLayoutStyle& style, QDate shown) {
    TNongCalColors& set = colors_;
    set.SetFittedSize(fiBackMonthTextFont,
                      fit(kBackMonthSample, daysRect_.right, RoundHalfEven(0.9 * daysRect_.Height())));
    set.SetFittedSize(fiTitleTextFont,
                      fit(titleSample(shown), titleRect_.right, RoundHalfEven(0.8 * titleRect_.Height())));
    // The band writes the weekday names 星期日…星期六 (or English short
    // names, narrower still), which are wider than many locales' abbreviated
    // names; the font fits both, so the names never run into each other.
    const int weekWidth = RoundHalfEven(0.9 * cellWidth_);
    set.SetFittedSize(fiWeekTextFont,
                      std::min(fit(weekSample(shown), weekWidth, cellHeight_),
                               fit(calendar::WeekdayName(shown.dayOfWeek() % 7), weekWidth, cellHeight_)));
    set.SetFittedSize(fiDayTextFont, fit(daySample(shown), dayNumRect_.right, dayNumRect_.bottom));

    // A vertical right-hand line holds three characters one under another.
    const auto fitLine = [&](int font, const TRect& box, TNongCalStyle lineStyle, int charsAcross) {
        if (box.IsEmpty()) return;
        const int size = lineStyle == csRight && style.showVertical
                             ? fit(kNine, box.Width(), box.Height() / 3)
                             : fit(repeated(kNine, charsAcross), box.Width(), box.Height());
        set.SetFittedSize(font, size);
    };
    fitLine(fiLunarTextFont, lunarRect_, style.lunarStyle, 3);
    fitLine(fiFtvTextFont, ftvRect_, style.ftvStyle, style.ftvStyle == csRight ? 3 : 6);
}

void CalendarLayoutFit::measureFtvMaxLen(const CalendarLayoutStyle& style) {
    ftvMaxLen_ = kFtvMinLen;
    if (ftvRect_.IsEmpty() || (style.ftvStyle == csRight && style.showVertical)) return;
    canvas_.SetFontSize(colors_.FtvTextFont().size);
    // Every character is at least a pixel wide, so a run longer than the box
    // is wide cannot fit; the bound ends the search for any font.
    const std::size_t longest = 2 * static_cast<std::size_t>(ftvRect_.Width()) + 2 * kNine.size();
    std::string run = repeated(kNine, 3);
    QSize extent;
    do {
        run += kNine;
        extent = canvas_.TextExtent(run);
    } while (extent.width() <= ftvRect_.Width() && extent.height() <= ftvRect_.Height() && run.size() < longest);
    ftvMaxLen_ = std::max(kFtvMinLen, static_cast<int>(run.size()) - 2);
}

void CalendarLayoutFit::placeArrows() {
    const TCalFont& titleFont = colors_.TitleTextFont();
    canvas_.SetFont(titleFont);
    canvas_.SetFontSize(titleFont.size * 3 / 5);
    const QSize glyph = canvas_.TextExtent(kArrowSample);
    arrows_ = ArrowBoxesOf(titleRect_, glyph.width(), glyph.height());
}
