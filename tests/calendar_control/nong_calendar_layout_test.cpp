// The control's layout through real fonts: the numbers that do not depend
// on font metrics exactly, and the rest by what they must satisfy.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "qt_text/font_faces.h"
#include "calendar_control/nong_calendar.h"
#include "dates.h"
#include "gbk.h"

using testing_support::gbk;

namespace {

std::string Nines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += gbk("九");
    return text;
}

TEST(NongCalendarLayout, DefaultClientOf300By210) {
    TNongCalendar cal;
    cal.SetDate(testing_support::at(2010, 9, 13));
    cal.show();  // window creation lays out
    EXPECT_EQ(cal.CellWidth(), 42);
    EXPECT_EQ(cal.CellHeight(), 26);
    EXPECT_EQ(cal.TitleRect(), (TRect{0, 0, 300, 26}));
    EXPECT_EQ(cal.WeekRect(), (TRect{0, 26, 300, 52}));
    EXPECT_EQ(cal.DaysRect(), (TRect{0, 52, 300, 210}));
    EXPECT_EQ(cal.DayNumRect(), (TRect{0, 0, 25, 20}));
    EXPECT_EQ(cal.LunarRect(), (TRect{25, 0, 42, 20}));
    EXPECT_EQ(cal.FtvRect(), (TRect{0, 20, 42, 26}));

    // Arrows: mirror images 5 pixels in from either end, centred in the band.
    const TRect py = cal.PrevYearRect(), pm = cal.PrevMonthRect(), nm = cal.NextMonthRect(), ny = cal.NextYearRect();
    EXPECT_EQ(py.left, 5);
    EXPECT_EQ(ny.right, 295);
    EXPECT_EQ(pm.left, py.right + 1);
    EXPECT_EQ(nm.right, ny.left - 1);
    EXPECT_GT(py.Width(), 0);
    for (const TRect& r : {pm, nm, ny}) {
        EXPECT_EQ(r.Width(), py.Width());
        EXPECT_EQ(r.top, py.top);
        EXPECT_EQ(r.bottom, py.bottom);
    }
    EXPECT_EQ(py.top, (26 - py.Height()) / 2);

    cal.resize(420, 330);  // a resize lays out again
    EXPECT_EQ(cal.CellWidth(), 60);
    EXPECT_EQ(cal.DaysRect(), (TRect{0, 82, 420, 330}));
}

// Each fitted font is the largest whose sample fits its box in the canvas
// face: size s fits, size s + 1 does not.
TEST(NongCalendarLayout, FittedFontsAreTheLargestThatFit) {
    TNongCalendar cal;
    cal.SetDate(testing_support::at(2010, 9, 13));
    cal.resize(630, 420);
    cal.UpdateLayout();
    struct Fitted {
        int font;
        std::string sample;
        int width, height;
    };
    const Fitted fitted[] = {
        {fiBackMonthTextFont, "9", cal.DaysRect().right, RoundHalfEven(0.9 * cal.DaysRect().Height())},
        {fiTitleTextFont, gbk("2010年09月"), cal.TitleRect().right, RoundHalfEven(0.8 * cal.TitleRect().Height())},
        {fiDayTextFont, "13", cal.DayNumRect().right, cal.DayNumRect().bottom},
        {fiLunarTextFont, Nines(3), cal.LunarRect().Width(), cal.LunarRect().Height()},
        {fiFtvTextFont, Nines(6), cal.FtvRect().Width(), cal.FtvRect().Height()},
    };
    TCalendarCanvas& canvas = cal.Canvas();
    canvas.SetFont(cal.Font());
    for (const Fitted& f : fitted) {
        const int size = cal.CalColors().Font(f.font).size;
        ASSERT_GE(size, 5) << f.font;
        canvas.SetFontSize(size);
        const QSize fits = canvas.TextExtent(f.sample);
        EXPECT_TRUE(fits.width() <= f.width && fits.height() <= f.height) << f.font;
        canvas.SetFontSize(size + 1);
        const QSize tooBig = canvas.TextExtent(f.sample);
        EXPECT_TRUE(tooBig.width() > f.width || tooBig.height() > f.height) << f.font;
    }
}

TEST(NongCalendarLayout, WithoutAutoFontSizeTheFontsKeepTheirSizes) {
    TNongCalendar cal;
    cal.SetAutoFontSize(false);
    cal.resize(900, 800);
    cal.UpdateLayout();
    EXPECT_EQ(cal.CalColors().TitleTextFont().size, 14);
    EXPECT_EQ(cal.CalColors().BackMonthTextFont().size, 240);
}

TEST(NongCalendarLayout, FitFontSizeBounds) {
    TNongCalendar cal;
    EXPECT_EQ(cal.FitFontSize(gbk("九九九"), 0, 0), 4);
    EXPECT_EQ(cal.FitFontSize(gbk("九九九"), 10, 1000), 4);
    EXPECT_EQ(cal.FitFontSize("9", 100000, 100000), 1000);
}

// The festival line takes the longest run of 九 that fits its box, and
// never fewer than three characters, even when four do not fit.
TEST(NongCalendarLayout, FtvMaxLenIsTheLongestRunOfNinesThatFits) {
    TNongCalendar cal;
    cal.SetAutoFontSize(false);
    cal.SetLunarCalStyle(csNone);
    for (int width : {35, 70, 300, 700, 1400}) {
        cal.resize(width, 210);
        cal.UpdateLayout();
        const int len = cal.FtvMaxLen();
        TCalendarCanvas& canvas = cal.Canvas();
        canvas.SetFont(cal.Font());
        canvas.SetFontSize(cal.CalColors().FtvTextFont().size);
        const TRect box = cal.FtvRect();
        const auto fits = [&](int chars) {
            const QSize extent = canvas.TextExtent(Nines(chars));
            return extent.width() <= box.Width() && extent.height() <= box.Height();
        };
        EXPECT_EQ(len, fits(4) ? 2 * (len / 2) : 6) << width;
        if (len > 6) {
            EXPECT_TRUE(fits(len / 2)) << width;
        }
        EXPECT_FALSE(fits(std::max(len / 2 + 1, 4))) << width;
    }
    cal.SetShowVertical(true);
    cal.SetFtvCalStyle(csRight);  // vertical right-hand lines are never shortened
    EXPECT_EQ(cal.FtvMaxLen(), 6);
}

TEST(NongCalendarLayout, ArrowBoxesStayWhileArrowsAreOff) {
    TNongCalendar cal;
    cal.SetShowArrow(false);
    cal.UpdateLayout();
    EXPECT_EQ(cal.PrevYearRect(), TRect{});
    cal.SetShowArrow(true);
    cal.UpdateLayout();
    const TRect laidOut = cal.NextYearRect();
    cal.SetShowArrow(false);
    cal.resize(600, 400);
    cal.UpdateLayout();
    EXPECT_EQ(cal.NextYearRect(), laidOut);
    // Turned on again, they take their place in the control as it now is.
    cal.SetShowArrow(true);
    const TRect shown = cal.NextYearRect();
    cal.UpdateLayout();
    EXPECT_EQ(shown, cal.NextYearRect());
    EXPECT_NE(shown, laidOut);
}

TEST(NongCalendarLayout, AnyClientSizeLaysOut) {
    struct Case {
        int w, h, cellWidth, cellHeight;
    };
    const Case cases[] = {{0, 0, 0, 0}, {1, 1, 0, 0}, {9, 1, 1, 0}, {6, 200, 0, 25}, {5000, 4000, 714, 500}};
    for (const Case& c : cases) {
        TNongCalendar cal;
        cal.setMinimumSize(0, 0);
        cal.resize(c.w, c.h);
        cal.show();
        EXPECT_EQ(cal.CellWidth(), c.cellWidth) << c.w << "x" << c.h;
        EXPECT_EQ(cal.CellHeight(), c.cellHeight) << c.w << "x" << c.h;
        EXPECT_GE(cal.FtvMaxLen(), 6);
        if (c.cellWidth == 0 || c.cellHeight == 0) {
            EXPECT_TRUE(cal.LunarRect().IsEmpty());
            EXPECT_TRUE(cal.FtvRect().IsEmpty());
        }
    }
}

TEST(FontFaces, ChineseFacesFindACjkFontAndLatinFacesAnInstalledOne) {
    const QFontInfo song(ToQFont(TCalFont{gbk("宋体"), 134, 0, 12, 0}));
    EXPECT_TRUE(song.family().contains(u"CJK")) << song.family().toStdString();
    for (const char* face : {"Arial Black", "Times New Roman"}) {
        const QFont font = ToQFont(TCalFont{face, 1, 0, 12, 0});
        EXPECT_FALSE(SubstitutesOfFace(QString::fromLatin1(face)).isEmpty()) << face;
        // Chinese text in a Latin face still measures as Chinese.
        EXPECT_GT(QFontMetrics(font).horizontalAdvance(QString::fromUtf8("九九")),
                  QFontMetrics(font).horizontalAdvance(QStringLiteral("ii")))
            << face;
    }
}

TEST(FontDescription, PointSizesAndPixelHeights) {
    struct Case {
        int size, pixels;
    };
    for (const Case& c : {Case{8, 11}, Case{10, 13}, Case{14, 19}, Case{240, 320}, Case{0, 1}, Case{-8, 11}}) {
        EXPECT_EQ((TCalFont{"", 1, 0, c.size, 0}.PixelHeight()), c.pixels) << c.size;
    }
    TCalFont font;
    font.SetPixelHeight(5);  // the main window's 5-pixel fonts
    EXPECT_EQ(font.size, 4);
    font.SetPixelHeight(11);
    EXPECT_EQ(font.size, 8);
}

TEST(SystemColours, ResolveThroughThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(7, 8, 9));
    EXPECT_EQ(ResolveColor(0xFF000002, palette), QColor(1, 2, 3));
    EXPECT_EQ(ResolveColor(0xFF000005, palette), QColor(4, 5, 6));
    EXPECT_EQ(ResolveColor(0xFF000018, palette), QColor(7, 8, 9));
    EXPECT_EQ(ResolveColor(0xFF0000FE, palette), QColor(Qt::black));
    EXPECT_EQ(ResolveColor(0x800000, palette), QColor(0, 0, 128));  // navy: blue in the third byte
    EXPECT_EQ(ResolveColor(0x0000FF, palette), QColor(255, 0, 0));
}

}  // namespace
