// Painting of the calendar control, offscreen: the texts it draws (recorded
// where they pass the control's one text-drawing method) and the pixels of
// the rendered image.
#include <gtest/gtest.h>

#include <QDate>
#include <QPixmap>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "calendar_control/calendar_canvas.h"
#include "calendar_control/cell_texts.h"
#include "calendar_control/nong_calendar.h"
#include "dates.h"
#include "gbk.h"

using testing_support::gbk;
using testing_support::utf8;

namespace {

calendar::DateTime Today() { return static_cast<double>(QDate::currentDate().toJulianDay() - 2415019); }

struct DrawnText {
    std::string text;  // UTF-8, for readable failures
    int x, y;
    TColor color;
};

// Records every text the paint draws, with where and in which colour.
class DrawingRecorder : public TNongCalendar {
public:
    std::vector<DrawnText> drawn;

    DrawingRecorder() {
        SetDate(testing_support::at(2010, 9, 13));
        show();  // creates the window: the layout runs
    }
    void PaintAll() {
        drawn.clear();
        Paint(QRegion(rect()));
    }
    QRgb Pixel(int x, int y) { return Canvas().Image().pixel(x, y) | 0xFF000000u; }
    // The texts drawn inside a box, in drawing order.
    std::vector<DrawnText> In(const TRect& box) const {
        std::vector<DrawnText> found;
        for (const DrawnText& t : drawn) {
            if (box.Contains(t.x, t.y) || box.Contains(t.x, t.y + 1)) found.push_back(t);
        }
        return found;
    }
    const DrawnText* Find(const std::string& text) const {
        for (const DrawnText& t : drawn) {
            if (t.text == text) return &t;
        }
        return nullptr;
    }

protected:
    void DrawText(int x, int y, std::string_view text) override {
        drawn.push_back({utf8(text), x, y, Canvas().Font().color});
        TNongCalendar::DrawText(x, y, text);
    }
};

QRgb Rgb(TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

TEST(NongCalendarPaint, TitleFollowsChineseEarThenEnWeekName) {
    struct Case {
        bool chineseEar, enWeekName;
        const char* title;
    };
    for (const Case& c : {Case{false, false, "2010年9月"}, Case{true, false, "庚寅(虎)年乙酉月"},
                          Case{false, true, "September 2010"}, Case{true, true, "庚寅(虎)年乙酉月"}}) {
        DrawingRecorder cal;
        cal.SetChineseEar(c.chineseEar);
        cal.SetEnWeekName(c.enWeekName);
        cal.PaintAll();
        const auto title = cal.In(cal.TitleRect());
        ASSERT_EQ(title.size(), 5u);  // the title and four arrows
        EXPECT_EQ(title[0].text, c.title);
        EXPECT_EQ(title[1].text + title[2].text + title[3].text + title[4].text, "《〈〉》");
        EXPECT_EQ(title[1].color, cal.CalColors().ArrowColor());
    }
}

TEST(NongCalendarPaint, WeekdayBandInBothColumnOrders) {
    struct Case {
        bool iso, english;
        std::vector<std::string> names;
        int sundayColumn, saturdayColumn;
    };
    const std::vector<Case> cases = {
        {false, false, {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"}, 0, 6},
        {true, false, {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"}, 6, 5},
        {true, true, {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}, 6, 5},
    };
    for (const Case& c : cases) {
        DrawingRecorder cal;
        cal.SetUseISO8601(c.iso);
        cal.SetEnWeekName(c.english);
        cal.PaintAll();
        const auto band = cal.In(cal.WeekRect());
        ASSERT_EQ(band.size(), 7u);
        for (int k = 0; k < 7; ++k) {
            EXPECT_EQ(band[k].text, c.names[k]) << k;
            const TColor expected = k == c.sundayColumn     ? cal.CalColors().SundayColor()
                                    : k == c.saturdayColumn ? cal.CalColors().SaturdayColor()
                                                            : cal.CalColors().WeekTextFont().color;
            EXPECT_EQ(band[k].color, expected) << k;
        }
    }
}

TEST(NongCalendarPaint, LunarLineChoiceAndColours) {
    DrawingRecorder cal;
    TNongCalColors& colors = cal.CalColors();
    colors.SetLunarTermColor(0x123456);
    colors.SetTrailingTextColor(0x654321);
    struct Case {
        calendar::DateTime date;
        bool chineseEar;
        const char* line;
        TColor color;
    };
    const TColor plain = colors.LunarTextFont().color;
    const Case cases[] = {
        {testing_support::at(2010, 9, 8), false, "白露", 0x123456},   // a term on the first day of 八月 wins
        {testing_support::at(2010, 9, 9), false, "初二", plain},
        {testing_support::at(2010, 9, 13), true, "丙寅", plain},      // sexagenary day
        {testing_support::at(2010, 10, 8), false, "寒露", 0x654321},  // trailing colour over the term colour
        {testing_support::at(2010, 8, 29), false, "二十", 0x654321},
    };
    for (const Case& c : cases) {
        cal.SetChineseEar(c.chineseEar);
        cal.PaintAll();
        const auto texts = cal.In(cal.LunarRect().Offset(cal.CellRectOfDate(c.date).left, cal.CellRectOfDate(c.date).top));
        ASSERT_EQ(texts.size(), 1u) << c.line;
        EXPECT_EQ(texts[0].text, c.line);
        EXPECT_EQ(texts[0].color, c.color) << c.line;
    }
    // The first day of a lunar month without a term shows the month's name.
    cal.SetChineseEar(false);
    cal.SetDate(testing_support::at(2010, 8, 10));
    cal.PaintAll();
    EXPECT_NE(cal.Find("七月"), nullptr);
}

TEST(NongCalendarPaint, DayNumbersSelectedAndTrailingColours) {
    DrawingRecorder cal;
    TNongCalColors& colors = cal.CalColors();
    colors.SetTrailingTextColor(0x654321);
    colors.SetHightlightTextColor(0x0A0B0C);
    cal.PaintAll();
    const auto numberOf = [&](calendar::DateTime d) {
        const TRect cell = cal.CellRectOfDate(d);
        return cal.In(cal.DayNumRect().Offset(cell.left, cell.top)).at(0);
    };
    EXPECT_EQ(numberOf(testing_support::at(2010, 9, 13)).text, "13");
    EXPECT_EQ(numberOf(testing_support::at(2010, 9, 13)).color, 0x0A0B0Cu);
    EXPECT_EQ(numberOf(testing_support::at(2010, 9, 12)).color, colors.SundayColor());
    EXPECT_EQ(numberOf(testing_support::at(2010, 9, 18)).color, colors.SaturdayColor());
    EXPECT_EQ(numberOf(testing_support::at(2010, 9, 14)).color, colors.DayTextFont().color);
    EXPECT_EQ(numberOf(testing_support::at(2010, 10, 3)).color, 0x654321u);  // a trailing Sunday
    // The selected day's lunar line keeps its own colour.
    const TRect selected = cal.CellRectOfDate(testing_support::at(2010, 9, 13));
    EXPECT_EQ(cal.In(cal.LunarRect().Offset(selected.left, selected.top)).at(0).color,
              colors.LunarTextFont().color);
}

TEST(NongCalendarPaint, FestivalLineAndTheSharedBox) {
    // 10 September is 教师节; 13 September has no festival.
    for (const TNongCalStyle style : {csRight, csBottom}) {
        DrawingRecorder cal;
        cal.SetLunarCalStyle(style);
        cal.PaintAll();
        const auto textsOf = [&](calendar::DateTime d) {
            std::vector<std::string> texts;
            for (const auto& t : cal.In(cal.CellRectOfDate(d))) texts.push_back(t.text);
            return texts;
        };
        if (style == csRight) {
            EXPECT_EQ(textsOf(testing_support::at(2010, 9, 10)), (std::vector<std::string>{"10", "初三", "教师节"}));
        } else {  // both lines at the bottom: the festival takes the box
            EXPECT_EQ(textsOf(testing_support::at(2010, 9, 10)), (std::vector<std::string>{"10", "教师节"}));
            EXPECT_EQ(textsOf(testing_support::at(2010, 9, 13)), (std::vector<std::string>{"13", "初六"}));
        }
        EXPECT_EQ(cal.Find("教师节")->color, 0x0000FFu);  // the festival's own colour
    }
}

TEST(NongCalendarPaint, FestivalShortening) {
    struct Case {
        const char* text;
        int maxLen;
        const char* shown;
    };
    const Case cases[] = {
        {"国际扫盲日国", 8, "国际扫…"},    // 12 bytes: the first 6 and "…"
        {"国际扫盲", 8, "国际扫盲"},       // fits
        {"A国际扫盲日", 8, "A国际…"},      // an odd count of ASCII bytes keeps one byte fewer
        {"AB国际扫盲日", 8, "AB国际…"},
        {"Teachers Day", 8, "Teache…"},
        {"丂丂丂丂丂丂", 8, "丂丂丂…"},    // second bytes below 0x80 are not ASCII
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8(ShortenFestivalText(gbk(c.text), c.maxLen)), c.shown) << c.text;
    }
    EXPECT_EQ(EnglishDayName(7, false), "Sun");
    EXPECT_EQ(EnglishMonthName(9, true), "September");
}

TEST(NongCalendarPaint, VerticalLinesWriteAtMostThreeCharacters) {
    // The texts a cell draws after its day number, up to the next cell's.
    const auto linesOf = [](const DrawingRecorder& cal, calendar::DateTime date, int dayNumber) {
        const TRect cell = cal.CellRectOfDate(date);
        std::vector<DrawnText> lines;
        bool inCell = false;
        for (const DrawnText& t : cal.drawn) {
            const bool number = !t.text.empty() && t.text.find_first_not_of("0123456789") == std::string::npos;
            if (number) inCell = t.text == std::to_string(dayNumber) && cell.Contains(t.x + 1, t.y + 1);
            else if (inCell) lines.push_back(t);
        }
        return lines;
    };
    DrawingRecorder cal;
    cal.resize(600, 480);
    cal.SetShowVertical(true);
    cal.SetDate(testing_support::at(2020, 5, 23));  // the first day of 闰四月
    cal.PaintAll();
    const TRect cell = cal.CellRectOfDate(testing_support::at(2020, 5, 23));
    auto lines = linesOf(cal, testing_support::at(2020, 5, 23), 23);
    std::erase_if(lines, [&](const DrawnText& t) { return t.x != cell.left + cal.LunarRect().left + 2; });
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text + lines[1].text + lines[2].text, "闰四月");
    EXPECT_GT(lines[1].y, lines[0].y);
    EXPECT_EQ(lines[2].y - lines[1].y, lines[1].y - lines[0].y);

    // A vertical festival line is first shortened to FtvMaxLen (6 bytes
    // here), then written a character a line.
    cal.SetLunarCalStyle(csNone);
    cal.SetFtvCalStyle(csRight);
    cal.SetDate(testing_support::at(2010, 9, 13));
    cal.PaintAll();
    lines = linesOf(cal, testing_support::at(2010, 9, 8), 8);  // 国际扫盲日 …
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text + lines[1].text + lines[2].text, "国际…");
}

TEST(NongCalendarPaint, Pixels) {
    DrawingRecorder cal;
    cal.SetDate(Today());
    TNongCalColors& colors = cal.CalColors();
    colors.SetHightlightBackColor(0x00C000);
    colors.SetGridColor(0xC00000);
    colors.SetBorderColor(0x0000C0);
    colors.SetTitleBackColor(0x202020);
    colors.SetDayBackColor(0xF0F0F0);
    cal.FtvList().Lines(calendar::FestivalLines::SolarMarks).Add(
        QDate::currentDate().addDays(1).toString("MMdd").toStdString(), 0x00FFFF);
    cal.PaintAll();
    const TRect today = cal.CellRectOfDate(Today());
    EXPECT_EQ(cal.Pixel(today.left, today.top + 4), Rgb(0x0000FF));   // red outline
    EXPECT_EQ(cal.Pixel(today.left + 1, today.top + 1), Rgb(0x00C000));  // selected fill
    EXPECT_EQ(cal.SelectedCellRect(), today);
    const TRect marked = cal.CellRectOfDate(Today() + 1);
    EXPECT_EQ(cal.Pixel(marked.left + 1, marked.top + 1), Rgb(0x00FFFF));

    // Without the grid: the rule under the weekday band, in the band's font colour.
    const QColor ruleColor = ResolveColor(colors.WeekTextFont().color, cal.palette());
    const int ruleY = cal.WeekRect().bottom - 2;
    EXPECT_EQ(QColor(cal.Pixel(2, ruleY)), ruleColor);
    EXPECT_EQ(QColor(cal.Pixel(cal.width() - 3, ruleY)), ruleColor);
    EXPECT_NE(QColor(cal.Pixel(cal.width() - 2, ruleY)), ruleColor);  // the end point stays out

    cal.SetShowGrid(true);
    cal.SetShowBorder(true);
    cal.SetDate(testing_support::at(2010, 9, 13));
    cal.PaintAll();
    const int cw = cal.CellWidth(), ch = cal.CellHeight(), top = cal.DaysRect().top;
    EXPECT_EQ(cal.Pixel(cw, cal.WeekRect().top + 1), Rgb(0xC00000));  // columns through the weekday band
    EXPECT_EQ(cal.Pixel(3 * cw, cal.DaysRect().bottom - 2), Rgb(0xC00000));
    EXPECT_EQ(cal.Pixel(cw + 1, top + ch), Rgb(0xC00000));            // a line at the top of each row
    EXPECT_EQ(cal.Pixel(cw + 1, top + 6 * ch), Rgb(0xF0F0F0));        // none under the sixth row
    for (const QPoint p : {QPoint(0, 0), QPoint(cal.width() - 1, 100), QPoint(150, cal.height() - 1)}) {
        EXPECT_EQ(cal.Pixel(p.x(), p.y()), Rgb(0x0000C0)) << p.x() << "," << p.y();
    }
    // A trailing day's cell background is the day area's colour.
    const TRect trailing = cal.CellRectOfDate(testing_support::at(2010, 10, 9));
    EXPECT_EQ(cal.Pixel(trailing.right - 2, trailing.top + 2), Rgb(0xF0F0F0));
}

TEST(NongCalendarPaint, OnlyWhatMeetsTheRegionIsDrawn) {
    DrawingRecorder cal;
    const TRect cell = cal.CellRectOfDate(testing_support::at(2010, 9, 15));
    cal.drawn.clear();
    cal.Paint(QRegion(cell.ToQRect()));
    for (const auto& t : cal.drawn) {
        if (t.text == "9") continue;  // the month behind the grid
        EXPECT_TRUE(cell.Contains(t.x + 1, t.y + 1) || cell.Contains(t.x, t.y + 1)) << t.text;
    }
    EXPECT_NE(cal.Find("15"), nullptr);
}

TEST(NongCalendarPaint, AnySizePaintsAndZeroCellsDrawNoDays) {
    const QSize sizes[] = {{0, 0}, {1, 1}, {9, 1}, {6, 7}, {7, 8}, {3000, 12}, {12, 2000}, {1, 900}};
    for (const QSize size : sizes) {
        DrawingRecorder cal;
        cal.resize(size);
        cal.PaintAll();
        if (cal.CellWidth() == 0 || cal.CellHeight() == 0) {
            for (const auto& t : cal.drawn) EXPECT_NE(t.text, "13") << size.width() << "x" << size.height();
        }
        EXPECT_EQ(cal.Canvas().Image().size(), size);
    }
}

TEST(CalendarCanvas, FocusFrameInvertsEveryOtherPixelAndUndoesItself) {
    TNongCalendar owner;
    TCalendarCanvas canvas(owner);
    canvas.SetSize({20, 12});
    canvas.Brush() = {0x336699, false};
    canvas.FillRect({0, 0, 20, 12});
    const QImage before = canvas.Image().copy();
    canvas.DrawFocusRect({2, 2, 18, 10});
    const QImage& after = canvas.Image();
    EXPECT_NE(after.pixel(2, 2), before.pixel(2, 2));
    EXPECT_EQ(after.pixel(3, 2), before.pixel(3, 2));
    EXPECT_EQ(after.pixel(4, 2), qRgb(0xFF - 0x99, 0xFF - 0x66, 0xFF - 0x33));
    EXPECT_EQ(after.pixel(5, 5), before.pixel(5, 5));  // the inside stays
    canvas.DrawFocusRect({2, 2, 18, 10});
    EXPECT_EQ(canvas.Image(), before);

    canvas.Pen() = {0x0000FF, 1};
    canvas.Line(2, 0, 6, 0);  // the end point is not drawn
    EXPECT_EQ(canvas.Image().pixel(5, 0), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.Image().pixel(6, 0), before.pixel(6, 0));
}

// The text conversion the window's language sets: the title, the weekdays,
// the cells and the hint go through it, each distinct text once however
// often it is painted, and taken away it leaves the control painting
// exactly as before.
TEST(NongCalendarPaint, TextConversionConvertsEachTextOnceAndComesOffCleanly) {
    DrawingRecorder cal;
    cal.PaintAll();
    const QImage plain = cal.Canvas().Image().copy();
    std::map<std::string, int> asked;
    cal.SetTextConversion([&asked](std::string_view text) {
        ++asked[std::string(text)];
        return "[" + std::string(text) + "]";
    });
    cal.PaintAll();
    cal.PaintAll();
    // The festival is shortened as it is shown, brackets and all.
    for (const char* text : {"[2010年9月]", "[星期一]", "[白露]", "[初六]", "[教…"}) {
        EXPECT_NE(cal.Find(text), nullptr) << text;
    }
    for (const auto& [text, times] : asked) EXPECT_EQ(times, 1) << utf8(text);
    EXPECT_TRUE(utf8(cal.DayHintText(testing_support::at(2010, 9, 13))).starts_with("[公元= 2010年9月13日"));

    cal.SetTextConversion(nullptr);
    cal.PaintAll();
    EXPECT_TRUE(cal.Canvas().Image() == plain);
}
