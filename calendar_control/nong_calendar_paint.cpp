// TNongCalendar's painting: the title band with its arrows, the weekday
// band, the background of the grid and the 42 day cells.
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <vector>

#include "calendar/gbk_text.h"
#include "calendar_control/cell_texts.h"
#include "calendar_control/nong_calendar.h"
#include "smooth_text/smooth_mask_cache.h"
#include "smooth_text/smooth_mask_prefetch.h"

namespace {

constexpr TColor kTodayOutline = 0x0000FF;  // red

// The weekday numbers of the Sunday and Saturday columns (a Sunday at the
// end of an ISO week counts 7).
bool isSunday(int weekday) { return weekday == 0 || weekday == 7; }
bool isSaturday(int weekday) { return weekday == 6; }

}  // namespace

void TNongCalendar::paintEvent(QPaintEvent* event) {
    Paint(event->region());
    QPainter screen(this);
    for (const QRect& rect : event->region()) screen.drawImage(rect, canvas_->Image(), rect);
}

void TNongCalendar::Paint(const QRegion& region) {
    TCalendarCanvas& canvas = *canvas_;
    canvas.SetSize(size());
    // The painter ends with the paint, and the smooth text renderer is
    // freed with it, also when a step throws.
    struct EndPaint {
        TCalendarCanvas& canvas;
        std::unique_ptr<TCalendarSmoothText>& renderer;
        std::vector<TSmoothMaskRequest>*& maskRequests;
        ~EndPaint() {
            maskRequests = nullptr;
            renderer.reset();
            canvas.End();
        }
    } endPaint{canvas, smoothRenderer_, maskRequests_};
    if (smoothText_) {
        smoothRenderer_ = std::make_unique<TCalendarSmoothText>(canvas, shadowFont_);
        // A whole paint after a new layout or content has texts without
        // masks yet. A first pass that draws nothing (its painter clips
        // everything) gathers them, to be rendered side by side.
        const std::pair gatheredAt{wholeChanges_, SmoothMaskCacheGeneration()};
        if (region.contains(rect()) && masksGatheredAt_ != gatheredAt) {
            masksGatheredAt_ = gatheredAt;
            std::vector<TSmoothMaskRequest> requests;
            maskRequests_ = &requests;
            canvas.Begin(QRegion());
            paintParts(region);
            maskRequests_ = nullptr;
            PrefetchSmoothMasks(requests);
        }
    }
    canvas.Begin(region);
    paintParts(region);
}

void TNongCalendar::paintParts(const QRegion& region) {
    TCalendarCanvas& canvas = *canvas_;
    const auto meets = [&](const TRect& box) { return !box.IsEmpty() && region.intersects(box.ToQRect()); };

    canvas.SetFont(font_);
    if (meets(TitleRect())) paintTitle();
    if (meets(WeekRect())) paintWeekdays();

    canvas.Brush() = {color_, false};
    canvas.FillRect(DaysRect());
    if (showBackImage_ && backImage_ != nullptr) canvas.StretchDraw(DaysRect(), backImage_->pixmap());
    canvas.Brush().clear = true;

    if (showBackMonth_) {
        canvas.SetFont(colors_->BackMonthTextFont());
        const std::string month = std::to_string(Month());
        const QSize extent = canvas.TextExtent(month);
        DrawText(DaysRect().left + (width() - extent.width()) / 2,
                 DaysRect().top + (DaysRect().Height() - extent.height()) / 2, month);
    }
    if (showBorder_) {
        canvas.Brush() = {colors_->BorderColor(), false};
        canvas.FrameRect({0, 0, width(), height()});
        canvas.Brush().clear = true;
    }
    if (showGrid_) DrawGridLines();

    for (int row = 0; row < MonthGrid::kRows; ++row) {
        for (int column = 0; column < MonthGrid::kColumns; ++column) {
            const TRect box = cellRect({column, row});
            if (meets(box)) paintCell(box, grid_.DateOfCell({column, row}), grid_.WeekdayOfColumn(column));
        }
    }
}

void TNongCalendar::paintTitle() {
    TCalendarCanvas& canvas = *canvas_;
    canvas.Brush() = {colors_->TitleBackColor(), false};
    canvas.FillRect(TitleRect());
    canvas.Brush().clear = true;
    canvas.SetFont(colors_->TitleTextFont());

    std::string title;
    if (chineseEar_) {
        if (const auto cycle = CycleIndicesOf(Date())) {
            title = GanZhiName(cycle->yearIndex) + "(" + AnimalName(cycle->yearIndex) + ")年" +
                    GanZhiName(cycle->monthIndex) + "月";
        }
    } else if (enWeekName_) {
        title = std::string(EnglishMonthName(Month(), true)) + " " + std::to_string(Year());
    } else {
        char text[32];
        std::snprintf(text, sizeof text, "%04d年%d月", Year(), Month());
        title = text;
    }
    DrawAligned(shown_.Kept(title), TitleRect(), taCentre);

    if (!layoutStyle_.showArrow) return;
    canvas.SetFontColor(colors_->ArrowColor());
    canvas.SetFontSize(canvas.Font().size * 3 / 5);
    DrawAligned("《", PrevYearRect(), taCentre);
    DrawAligned("〈", PrevMonthRect(), taCentre);
    DrawAligned("〉", NextMonthRect(), taCentre);
    DrawAligned("》", NextYearRect(), taCentre);
}

void TNongCalendar::paintWeekdays() {
    TCalendarCanvas& canvas = *canvas_;
    canvas.Brush() = {colors_->WeekBackColor(), false};
    canvas.FillRect(WeekRect());
    canvas.Brush().clear = true;

    const TCalFont& font = colors_->WeekTextFont();
    TRect box{WeekRect().left, WeekRect().top, WeekRect().left + CellWidth(), WeekRect().top + CellHeight()};
    for (int k = 0; k < MonthGrid::kColumns; ++k, box = box.Offset(CellWidth(), 0)) {
        const int weekday = grid_.WeekdayOfColumn(k);
        canvas.SetFont(font);
        if (isSunday(weekday)) canvas.SetFontColor(colors_->SundayColor());
        if (isSaturday(weekday)) canvas.SetFontColor(colors_->SaturdayColor());
        const std::string name = enWeekName_ ? std::string(EnglishDayName(weekday, false)) : WeekdayName(weekday);
        DrawAligned(shown_.Kept(name), box, taCentre);
    }
    if (!showGrid_) {
        canvas.Pen() = {font.color, 1};
        canvas.Line(2, WeekRect().bottom - 2, WeekRect().right - 2, WeekRect().bottom - 2);
    }
}

void TNongCalendar::DrawGridLines() {
    TCalendarCanvas& canvas = *canvas_;
    canvas.Pen() = {colors_->GridColor(), 1};
    for (int k = 1; k <= 6; ++k) canvas.Line(k * CellWidth(), WeekRect().top, k * CellWidth(), DaysRect().bottom);
    for (int k = 0; k <= 5; ++k) {
        const int y = WeekRect().bottom + k * CellHeight();
        canvas.Line(0, y, DaysRect().right, y);
    }
}

void TNongCalendar::paintCell(const TRect& box, DateTime date, int weekday) {
    TCalendarCanvas& canvas = *canvas_;
    const bool trailing = !grid_.InShownMonth(date);
    canvas.SetFont(colors_->DayTextFont());
    if (trailing) {
        canvas.SetFontColor(colors_->TrailingTextColor());
    } else if (isSunday(weekday)) {
        canvas.SetFontColor(colors_->SundayColor());
    } else if (isSaturday(weekday)) {
        canvas.SetFontColor(colors_->SaturdayColor());
    }

    if (const std::int32_t mark = FestivalMark(date); mark >= 0) {
        canvas.Brush() = {static_cast<TColor>(mark), false};
        canvas.FillRect(box);
    }
    if (date == Date()) {
        canvas.Brush() = {colors_->HightlightBackColor(), false};
        canvas.FillRect(box);
        canvas.SetFontColor(colors_->HightlightTextColor());
        selectedCellRect_ = box;
        canvas.DrawFocusRect({box.left + 2, box.top + 2, box.right - 2, box.bottom - 2});
    }
    canvas.Brush().clear = true;

    if (date == calendar::Today()) {
        canvas.Pen() = {kTodayOutline, 1};
        canvas.Rectangle(box);
    }

    const auto civil = calendar::CivilDateOf(date);
    const std::string number = civil ? std::to_string(calendar::DayOf(*civil)) : std::string();
    DrawAligned(number, DayNumRect().Offset(box.left, box.top), taCentre);

    if (!FtvRect().IsEmpty() && layoutStyle_.lunarStyle == layoutStyle_.ftvStyle) {
        // One box for both lines: a festival takes it from the lunar line.
        if (!FestivalText(date).empty()) {
            DrawFestivalText(FtvRect().Offset(box.left, box.top), date);
        } else {
            DrawLunarText(LunarRect().Offset(box.left, box.top), date);
        }
        return;
    }
    if (!LunarRect().IsEmpty()) DrawLunarText(LunarRect().Offset(box.left, box.top), date);
    if (!FtvRect().IsEmpty()) DrawFestivalText(FtvRect().Offset(box.left, box.top), date);
}

void TNongCalendar::DrawLunarText(const TRect& box, DateTime date) {
    TCalendarCanvas& canvas = *canvas_;
    canvas.SetFont(colors_->LunarTextFont());
    std::string text = SolarTermName(date);
    if (!text.empty()) {
        canvas.SetFontColor(colors_->LunarTermColor());
    } else if (chineseEar_) {
        const auto cycle = CycleIndicesOf(date);
        if (!cycle) return;  // before the sexagenary count begins
        text = GanZhiName(cycle->dayIndex);
    } else {
        const calendar::LunarDate lunar = SolarToLunar(date);
        if (lunar.day == 0) return;  // outside the lunar table
        text = lunar.day == 1 ? LunarMonthName(lunar.month, lunar.isLeap) : LunarDayName(lunar.day);
    }
    if (!grid_.InShownMonth(date)) canvas.SetFontColor(colors_->TrailingTextColor());
    placeLine(shown_.Kept(text), box, layoutStyle_.lunarStyle);
}

void TNongCalendar::DrawFestivalText(const TRect& box, DateTime date) {
    std::int32_t colour = -1;
    const std::string festivals = FestivalText(date, colour);
    if (festivals.empty()) return;
    const std::string text = ShortenFestivalText(shown_.Kept(festivals), FtvMaxLen());

    TCalendarCanvas& canvas = *canvas_;
    canvas.SetFont(colors_->FtvTextFont());
    if (!grid_.InShownMonth(date)) {
        canvas.SetFontColor(colors_->TrailingTextColor());
    } else if (colour >= 0) {
        canvas.SetFontColor(static_cast<TColor>(colour));
    }
    placeLine(text, box, layoutStyle_.ftvStyle);
}

void TNongCalendar::placeLine(std::string_view text, const TRect& box, TNongCalStyle style) {
    if (style != csRight) {
        DrawAligned(text, box, taTopCentre);
        return;
    }
    if (!layoutStyle_.showVertical) {
        DrawAligned(text, box, taLeftMiddle);
        return;
    }
    // Top to bottom, one character a line, at most three characters.
    const int lineHeight = canvas_->TextHeight(text);
    int y = box.top + box.Height() / 3 - lineHeight;
    std::size_t pos = 0;
    for (int line = 0; line < 3 && pos < text.size(); ++line, y += lineHeight) {
        const std::size_t length = calendar::GbkCharLength(text, pos);
        DrawText(box.left + 2, y, text.substr(pos, length));
        pos += length;
    }
}

void TNongCalendar::DrawAligned(std::string_view text, const TRect& box, TTextAlignment alignment) {
    const QSize extent = canvas_->TextExtent(text);
    int x = box.left, y = box.top;
    if (alignment != taLeftMiddle) x += (box.Width() - extent.width()) / 2;
    if (alignment != taTopCentre) y += (box.Height() - extent.height()) / 2;
    DrawText(x, y, text);
}

void TNongCalendar::DrawText(int x, int y, std::string_view text) {
    if (smoothRenderer_) {
        if (maskRequests_) {
            maskRequests_->push_back(smoothRenderer_->MaskRequest(text));
        } else {
            smoothRenderer_->TextOut(x, y, text);
        }
        return;
    }
    TCalendarCanvas& canvas = *canvas_;
    const bool clear = canvas.Brush().clear;
    canvas.Brush().clear = true;  // texts never fill behind themselves
    canvas.TextOut(x, y, text);
    canvas.Brush().clear = clear;
}
