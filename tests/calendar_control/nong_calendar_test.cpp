#include "calendar_control/nong_calendar.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QSignalSpy>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "calendar/week_number.h"
#include "qt_text/gbk_qt.h"
#include "dates.h"
#include "gbk.h"

using testing_support::gbk;

namespace {

// Records the repaint requests the control makes.
class RepaintRecorder : public TNongCalendar {
public:
    int wholeRepaints = 0;
    std::vector<TRect> rects;

    void Invalidate() override {
        ++wholeRepaints;
        TNongCalendar::Invalidate();
    }
    void InvalidateRect(const TRect& rect) override {
        rects.push_back(rect);
        TNongCalendar::InvalidateRect(rect);
    }
    void Forget() {
        wholeRepaints = 0;
        rects.clear();
    }
};

// ---- Properties ----

TEST(NongCalendarProperties, Defaults) {
    TNongCalendar cal;
    EXPECT_EQ(cal.size(), QSize(300, 210));
    EXPECT_EQ(cal.LunarCalStyle(), csRight);
    EXPECT_EQ(cal.FtvCalStyle(), csBottom);
    EXPECT_EQ(cal.BackImage(), nullptr);
    EXPECT_FALSE(cal.ShowVertical() || cal.ChineseEar() || cal.UseISO8601() || cal.ShowBackImage() ||
                 cal.ShowBorder() || cal.ShowGrid() || cal.EnWeekName() || cal.SmoothText() || cal.ShadowFont());
    EXPECT_TRUE(cal.ShowBackMonth() && cal.ShowArrow() && cal.AutoFontSize() && cal.ShowHint());
    EXPECT_EQ(cal.VerticalScale(), 4.0);
    EXPECT_EQ(cal.HorizonScale(), 2.5);
    EXPECT_EQ(cal.Font().name, gbk("宋体"));
    EXPECT_EQ(cal.Font().charset, 134);
    EXPECT_EQ(cal.Color(), cal.CalColors().DayBackColor());
    EXPECT_EQ(cal.focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(cal.Date(), static_cast<double>(QDate::currentDate().toJulianDay() - 2415019));
    ASSERT_NE(cal.Hint(), nullptr);
    EXPECT_FALSE(cal.Hint()->isVisible());
    EXPECT_EQ(cal.Hint()->parentWidget(), &cal);
    EXPECT_EQ(cal.FtvList(), calendar::TFestivalList());
}

TEST(NongCalendarProperties, ColourSetDefaults) {
    const TNongCalColors set;
    const TColor expected[kCalColorCount] = {0xFF000002, 0xFF000005, 0xFF000005, 0xFF000013, 0x800000, 0x0000FF,
                                             0x000080,   0xFF000002, 0xFFFFFF,   0x808080,   0xC0C0C0, 0xFFFFFF};
    for (int i = 0; i < kCalColorCount; ++i) EXPECT_EQ(set.Color(i), expected[i]) << i;

    const TCalFont fonts[kCalFontCount] = {
        {gbk("Arial Black"), 134, 0xFFFFFF, 14, fsBold},
        {gbk("宋体"), 134, 0xFF000002, 12, 0},
        {gbk("Arial Black"), 1, 0xFF000008, 10, fsBold},
        {gbk("宋体"), 134, 0xFF000008, 8, 0},
        {gbk("宋体"), 134, 0x0000FF, 8, 0},
        {gbk("Times New Roman"), 1, 0xC0C0C0, 240, fsBold | fsItalic},
    };
    for (int i = 0; i < kCalFontCount; ++i) EXPECT_EQ(set.Font(i), fonts[i]) << i;
    EXPECT_EQ(set.Color(12), 0u);  // out of range reads as nothing
}

// Each setter with its new value, and whether it lays out anew. Only the
// style, scale, AutoFontSize, ShowVertical and ShowArrow setters lay out;
// every change repaints; a second call with the same value does nothing.
TEST(NongCalendarProperties, SettersRepaintAndOnlySevenLayOut) {
    struct Case {
        const char* name;
        std::function<void(TNongCalendar&)> set;
        bool laysOut;
    };
    const Case cases[] = {
        {"LunarCalStyle", [](TNongCalendar& c) { c.SetLunarCalStyle(csBottom); }, true},
        {"FtvCalStyle", [](TNongCalendar& c) { c.SetFtvCalStyle(csNone); }, true},
        {"VerticalScale", [](TNongCalendar& c) { c.SetVerticalScale(3.0); }, true},
        {"HorizonScale", [](TNongCalendar& c) { c.SetHorizonScale(-2.0); }, true},
        {"AutoFontSize", [](TNongCalendar& c) { c.SetAutoFontSize(false); }, true},
        {"ShowVertical", [](TNongCalendar& c) { c.SetShowVertical(true); }, true},
        {"ChineseEar", [](TNongCalendar& c) { c.SetChineseEar(true); }, false},
        {"UseISO8601", [](TNongCalendar& c) { c.SetUseISO8601(true); }, false},
        {"ShowBackMonth", [](TNongCalendar& c) { c.SetShowBackMonth(false); }, false},
        {"ShowBackImage", [](TNongCalendar& c) { c.SetShowBackImage(true); }, false},
        {"ShowArrow", [](TNongCalendar& c) { c.SetShowArrow(false); }, true},
        {"ShowBorder", [](TNongCalendar& c) { c.SetShowBorder(true); }, false},
        {"ShowGrid", [](TNongCalendar& c) { c.SetShowGrid(true); }, false},
        {"EnWeekName", [](TNongCalendar& c) { c.SetEnWeekName(true); }, false},
        {"SmoothText", [](TNongCalendar& c) { c.SetSmoothText(true); }, false},
        {"ShadowFont", [](TNongCalendar& c) { c.SetShadowFont(true); }, false},
    };
    for (const Case& c : cases) {
        RepaintRecorder cal;
        cal.UpdateLayout();
        // A hidden control gets no resize event, so only a layout run sees
        // the new size.
        cal.resize(700, 400);
        c.set(cal);
        EXPECT_EQ(cal.CellWidth(), c.laysOut ? 100 : 42) << c.name;
        EXPECT_EQ(cal.wholeRepaints, 1) << c.name;
        cal.resize(300, 210);
        cal.UpdateLayout();
        cal.Forget();
        c.set(cal);
        EXPECT_EQ(cal.wholeRepaints, 0) << c.name << " repeated";
    }
}

TEST(NongCalendarProperties, ScalesNearZeroOrNotNumbersAreIgnored) {
    for (double scale : {0.0, 0.0009, -0.000999, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity()}) {
        RepaintRecorder cal;
        cal.SetVerticalScale(scale);
        cal.SetHorizonScale(scale);
        EXPECT_EQ(cal.VerticalScale(), 4.0) << scale;
        EXPECT_EQ(cal.HorizonScale(), 2.5) << scale;
        EXPECT_EQ(cal.wholeRepaints, 0) << scale;
    }
    TNongCalendar cal;
    cal.SetVerticalScale(-0.001);
    EXPECT_EQ(cal.VerticalScale(), -0.001);
}

TEST(NongCalendarProperties, CalColorsCopiesOnlyItsShareOfTheSet) {
    TNongCalColors source;
    for (int i = 0; i < kCalColorCount; ++i) source.SetColor(i, 0x010101u * static_cast<TColor>(i + 1));
    for (int i = 0; i < kCalFontCount; ++i) source.SetFont(i, TCalFont{"X", 0, 0x123456, 30 + i, fsItalic});

    RepaintRecorder cal;
    const TNongCalColors before = cal.CalColors();
    cal.SetCalColors(source);
    for (int i = 0; i < kCalColorCount; ++i) {
        const bool kept = i == ciWeekBackColor || i == ciArrowColor;
        EXPECT_EQ(cal.CalColors().Color(i), kept ? before.Color(i) : source.Color(i)) << i;
    }
    for (int i = 0; i < kCalFontCount; ++i) {
        const bool copied = i == fiTitleTextFont || i == fiDayTextFont || i == fiBackMonthTextFont;
        EXPECT_EQ(cal.CalColors().Font(i), copied ? source.Font(i) : before.Font(i)) << i;
    }
    EXPECT_EQ(cal.wholeRepaints, 0);
}

TEST(NongCalendarProperties, BackgroundAndFontFollowTheSetOnceTheWindowExists) {
    TNongCalendar cal;
    // Before the window exists the control's font stays its own.
    cal.CalColors().SetDayTextFont(TCalFont{gbk("Arial"), 1, 0, 20, 0});
    cal.CalColors().SetDayBackColor(0x00FF00);
    EXPECT_EQ(cal.Font().name, gbk("宋体"));

    cal.show();
    ASSERT_TRUE(cal.WindowCreated());
    EXPECT_EQ(cal.Color(), 0x00FF00u);  // window creation takes DayBackColor again
    cal.CalColors().SetGridColor(0x111111);
    cal.CalColors().SetDayBackColor(0x0000FF);
    EXPECT_EQ(cal.Color(), 0x0000FFu);
    const TCalFont day{gbk("Times New Roman"), 1, 0x222222, 9, fsItalic};
    cal.CalColors().SetDayTextFont(day);
    EXPECT_EQ(cal.Font(), day);
    cal.CalColors().SetLunarTextFont(TCalFont{gbk("宋体"), 134, 0, 7, 0});
    EXPECT_EQ(cal.Font(), day);
}

TEST(NongCalendarProperties, FtvListIsCopiedAndReadByTheFestivalOperations) {
    TNongCalendar cal;
    calendar::TFestivalList list;
    ASSERT_TRUE(list.AddFestival(0, "0914", 0x00FF00, gbk("试验日")));
    const auto date = testing_support::at(2010, 9, 14);
    EXPECT_EQ(cal.FestivalText(date).find(gbk("试验日")), std::string::npos);
    cal.SetFtvList(list);
    std::int32_t colour = -1;
    EXPECT_NE(cal.FestivalText(date, colour).find(gbk("试验日")), std::string::npos);
    list.AddFestival(0, "0914", 0x00FF00, gbk("改了"));  // the control holds its own copy
    EXPECT_NE(cal.FestivalText(date).find(gbk("试验日")), std::string::npos);
    cal.SetFtvList(cal.FtvList());
    EXPECT_NE(cal.FestivalText(date).find(gbk("试验日")), std::string::npos);
}

TEST(NongCalendarProperties, WeekNumberFollowsUseISO8601) {
    TNongCalendar cal;
    const auto sunday = testing_support::at(2010, 1, 3);
    ASSERT_NE(calendar::WeekNumber(sunday, false), calendar::WeekNumber(sunday, true));
    EXPECT_EQ(cal.WeekNumber(sunday), calendar::WeekNumber(sunday, false));
    cal.SetUseISO8601(true);
    EXPECT_EQ(cal.WeekNumber(sunday), calendar::WeekNumber(sunday, true));
}

TEST(NongCalendarProperties, BackImageIsForgottenWhenTheImageGoes) {
    TNongCalendar cal;
    auto* image = new QLabel;
    cal.SetBackImage(image);
    EXPECT_EQ(cal.BackImage(), image);
    delete image;
    EXPECT_EQ(cal.BackImage(), nullptr);
}

// ---- Date state ----

TEST(NongCalendarDate, YearsOutside1900To2100AreRefused) {
    struct Case {
        double date;
        bool accepted;
    };
    const Case cases[] = {
        {testing_support::at(1900, 1, 1), true},   {testing_support::at(2100, 12, 31), true}, {testing_support::at(1899, 12, 31), false},
        {testing_support::at(2101, 1, 1), false},  {testing_support::at(2100, 12, 31) + 0.99, true},
        {std::numeric_limits<double>::quiet_NaN(), false},   {1e300, false},
    };
    for (const Case& c : cases) {
        TNongCalendar cal;
        cal.SetDate(testing_support::at(2010, 9, 13));
        QSignalSpy changes(&cal, &TNongCalendar::OnChange);
        cal.SetDate(c.date);
        EXPECT_EQ(changes.count(), c.accepted ? 1 : 0) << c.date;
        EXPECT_EQ(cal.Date(), c.accepted ? std::floor(c.date) : testing_support::at(2010, 9, 13)) << c.date;
    }
}

TEST(NongCalendarDate, TheTimeOfDayIsDroppedAndTheSameDayChangesNothing) {
    TNongCalendar cal;
    cal.SetDate(testing_support::at(2010, 9, 13));
    QSignalSpy changes(&cal, &TNongCalendar::OnChange);
    cal.SetDate(testing_support::at(2010, 9, 13) + 0.75);
    EXPECT_EQ(changes.count(), 0);
    cal.SetDate(testing_support::at(2010, 9, 14) + 0.5);
    EXPECT_EQ(cal.Date(), testing_support::at(2010, 9, 14));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).value<TNongCalendar*>(), &cal);
}

TEST(NongCalendarDate, OnChangeSeesTheNewState) {
    TNongCalendar cal;
    cal.SetDate(testing_support::at(2010, 9, 13));
    std::vector<double> seen;
    QObject::connect(&cal, &TNongCalendar::OnChange, [&](TNongCalendar* sender) {
        seen = {sender->Date(), double(sender->Year()), double(sender->Month()), double(sender->Day()),
                sender->FirstGridDate()};
    });
    cal.SetDate(testing_support::at(2011, 3, 31));
    EXPECT_EQ(seen, (std::vector<double>{testing_support::at(2011, 3, 31), 2011, 3, 31, testing_support::at(2011, 2, 27)}));
}

TEST(NongCalendarDate, SetYearClampsAndShortensTheLastDay) {
    struct Case {
        double from;
        int year;
        double expected;
    };
    const Case cases[] = {
        {testing_support::at(2012, 2, 29), 2013, testing_support::at(2013, 2, 28)}, {testing_support::at(2012, 2, 29), 2016, testing_support::at(2016, 2, 29)},
        {testing_support::at(2010, 9, 13), 2200, testing_support::at(2100, 9, 13)}, {testing_support::at(2010, 9, 13), -7, testing_support::at(1900, 9, 13)},
        {testing_support::at(2012, 2, 29), 1900, testing_support::at(1900, 2, 28)},  // 1900 is no leap year
    };
    for (const Case& c : cases) {
        TNongCalendar cal;
        cal.SetDate(c.from);
        cal.SetYear(c.year);
        EXPECT_EQ(cal.Date(), c.expected) << c.year;
    }
}

TEST(NongCalendarDate, FirstGridDateInBothWeekModes) {
    struct Case {
        double selected;
        bool iso;
        double first;
    };
    const Case cases[] = {
        {testing_support::at(2010, 9, 13), false, testing_support::at(2010, 8, 29)},
        {testing_support::at(2010, 9, 13), true, testing_support::at(2010, 8, 30)},
        {testing_support::at(2010, 8, 20), false, testing_support::at(2010, 7, 25)},  // 1 August is a Sunday: a whole week early
        {testing_support::at(2010, 2, 10), true, testing_support::at(2010, 1, 25)},   // 1 February is a Monday
        {testing_support::at(2010, 2, 10), false, testing_support::at(2010, 1, 31)},
    };
    for (const Case& c : cases) {
        TNongCalendar cal;
        cal.SetUseISO8601(c.iso);
        cal.SetDate(c.selected);
        EXPECT_EQ(cal.FirstGridDate(), c.first) << c.selected << (c.iso ? " iso" : "");
    }
    TNongCalendar cal;
    cal.SetDate(testing_support::at(2010, 9, 13));
    EXPECT_EQ(cal.FirstGridDate() + 41, testing_support::at(2010, 10, 9));
}

// Every month of the range: the grid starts on the column-0 weekday with one
// to seven days of the previous month, in both modes.
TEST(NongCalendarDate, EveryMonthLeadsWithOneToSevenDays) {
    TNongCalendar cal;
    for (bool iso : {false, true}) {
        cal.SetUseISO8601(iso);
        for (int y = 1900; y <= 2100; ++y) {
            for (unsigned m = 1; m <= 12; ++m) {
                cal.SetDate(testing_support::at(y, m, 15));
                const double leading = testing_support::at(y, m, 1) - cal.FirstGridDate();
                ASSERT_TRUE(leading >= 1 && leading <= 7) << y << "-" << m;
                const std::chrono::weekday wd{calendar::kDateTimeEpoch +
                                              std::chrono::days(static_cast<int>(cal.FirstGridDate()))};
                ASSERT_EQ(wd, iso ? std::chrono::Monday : std::chrono::Sunday) << y << "-" << m;
            }
        }
    }
}

TEST(NongCalendarDate, CellRectOfDate) {
    TNongCalendar cal;
    cal.SetDate(testing_support::at(2010, 9, 13));
    cal.UpdateLayout();
    EXPECT_EQ(cal.CellRectOfDate(testing_support::at(2010, 8, 29)), (TRect{0, 52, 42, 78}));
    EXPECT_EQ(cal.CellRectOfDate(testing_support::at(2010, 9, 13)), (TRect{42, 104, 84, 130}));
    EXPECT_EQ(cal.CellRectOfDate(testing_support::at(2010, 10, 9)), (TRect{252, 182, 294, 208}));
    for (double far : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300}) {
        const TRect r = cal.CellRectOfDate(far);  // far off, but no overflow
        EXPECT_EQ(r.Width(), 42);
        EXPECT_GT(r.top, 210);
    }
}

TEST(NongCalendarDate, RepaintRequestsOfADateChange) {
    RepaintRecorder cal;
    cal.SetDate(testing_support::at(2010, 9, 13));
    cal.UpdateLayout();
    cal.Forget();

    cal.SetDate(testing_support::at(2010, 10, 20));  // another grid: title and grid
    EXPECT_EQ(cal.rects, (std::vector<TRect>{cal.TitleRect(), cal.DaysRect()}));
    cal.Forget();

    cal.SetDate(testing_support::at(2010, 10, 21));  // same grid: the new cell (no cell was painted selected yet)
    EXPECT_EQ(cal.rects, (std::vector<TRect>{TRect{}, cal.CellRectOfDate(testing_support::at(2010, 10, 21))}));
    cal.Forget();

    cal.SetChineseEar(true);
    cal.Forget();
    cal.SetDate(testing_support::at(2010, 10, 5));  // the month pillar may change inside a month
    EXPECT_EQ(cal.rects.back(), cal.TitleRect());
    EXPECT_EQ(cal.wholeRepaints, 0);
}

}  // namespace
