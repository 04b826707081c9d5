// Mouse, keys and the hint window of the calendar control, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <functional>
#include <chrono>
#include <string>
#include <vector>

#include "qt_text/gbk_qt.h"
#include "calendar_control/nong_calendar.h"
#include "dates.h"
#include "gbk.h"

using testing_support::gbk;
using testing_support::utf8;

namespace {

QPoint Centre(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A shown calendar at 13 September 2010.
struct Calendar : TNongCalendar {
    explicit Calendar(calendar::DateTime date = testing_support::at(2010, 9, 13)) {
        SetDate(date);
        show();
    }
    // A mouse event with the buttons held, sent straight to the control.
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(this, &event);
    }
    void Move(QPoint at, Qt::MouseButtons held = Qt::NoButton) { Mouse(QEvent::MouseMove, at, Qt::NoButton, held); }
    void Press(QPoint at, Qt::MouseButton b = Qt::LeftButton) { Mouse(QEvent::MouseButtonPress, at, b, b); }
    void Release(QPoint at, Qt::MouseButton b = Qt::LeftButton) { Mouse(QEvent::MouseButtonRelease, at, b, {}); }
    void Click(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        Press(at, b);
        Release(at, b);
    }
    QPoint CellCentre(calendar::DateTime date) const { return Centre(CellRectOfDate(date)); }
    std::vector<std::string> HintLines() const {
        std::vector<std::string> lines;
        for (const auto& line : Hint()->HintLines()) lines.push_back(utf8(line));
        return lines;
    }
};

}  // namespace

TEST(NongCalendarMouse, ClicksOnCellsAndArrows) {
    struct Case {
        calendar::DateTime from;
        const TRect& (TNongCalendar::*arrow)() const;  // null: click the cell of `to`
        calendar::DateTime to;
        int changes;
    };
    const Case cases[] = {
        {testing_support::at(2010, 9, 13), nullptr, testing_support::at(2010, 9, 22), 1},
        {testing_support::at(2010, 9, 13), nullptr, testing_support::at(2010, 10, 2), 1},  // a trailing day
        {testing_support::at(2010, 9, 13), nullptr, testing_support::at(2010, 9, 13), 0},  // the selected cell
        {testing_support::at(2010, 3, 31), &TNongCalendar::PrevMonthRect, testing_support::at(2010, 2, 28), 1},
        {testing_support::at(2012, 2, 29), &TNongCalendar::PrevYearRect, testing_support::at(2011, 2, 28), 1},
        {testing_support::at(2010, 1, 31), &TNongCalendar::NextMonthRect, testing_support::at(2010, 2, 28), 1},
        {testing_support::at(2010, 12, 31), &TNongCalendar::NextYearRect, testing_support::at(2011, 12, 31), 1},
        {testing_support::at(1900, 1, 15), &TNongCalendar::PrevMonthRect, testing_support::at(1900, 1, 15), 0},
        {testing_support::at(2100, 6, 1), &TNongCalendar::NextYearRect, testing_support::at(2100, 6, 1), 0},
    };
    for (const Case& c : cases) {
        Calendar cal(c.from);
        QSignalSpy changes(&cal, &TNongCalendar::OnChange);
        cal.Click(c.arrow ? Centre((cal.*c.arrow)()) : cal.CellCentre(c.to));
        EXPECT_EQ(cal.Date(), c.to) << c.from;
        EXPECT_EQ(changes.count(), c.changes) << c.from;
    }
}

TEST(NongCalendarMouse, IgnoredPoints) {
    Calendar cal;
    cal.resize(302, 212);  // cells 43 × 26: a one-pixel strip right of column 7, four rows below row 6
    QSignalSpy changes(&cal, &TNongCalendar::OnChange);
    cal.Click({301, 100});
    cal.Click({20, 210});
    cal.Click(cal.CellCentre(testing_support::at(2010, 9, 20)), Qt::RightButton);  // the right button only focuses
    cal.SetShowArrow(false);
    cal.Click(Centre(cal.PrevMonthRect()));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(cal.Date(), testing_support::at(2010, 9, 13));

    cal.resize(9, 1);  // no cells at all
    cal.Click({4, 0});
    cal.Move({4, 0}, Qt::LeftButton);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(cal.Hint()->isVisible());
}

TEST(NongCalendarMouse, DraggingSelectsEachCellPassed) {
    Calendar cal;
    QSignalSpy changes(&cal, &TNongCalendar::OnChange);
    QSignalSpy clicks(&cal, &TNongCalendar::OnClick);
    cal.Press(cal.CellCentre(testing_support::at(2010, 9, 14)));
    cal.Move(cal.CellCentre(testing_support::at(2010, 9, 15)), Qt::LeftButton);
    cal.Move(cal.CellCentre(testing_support::at(2010, 9, 15)) + QPoint(1, 1), Qt::LeftButton);  // the same cell again
    cal.Move(cal.CellCentre(testing_support::at(2010, 9, 22)), Qt::LeftButton);
    cal.Move(cal.CellCentre(testing_support::at(2010, 9, 29)));  // no button held: no selection
    cal.Release(cal.CellCentre(testing_support::at(2010, 9, 29)));
    EXPECT_EQ(cal.Date(), testing_support::at(2010, 9, 22));
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(NongCalendarKeys, Actions) {
    struct Case {
        calendar::DateTime from;
        int key;
        Qt::KeyboardModifiers modifiers;
        calendar::DateTime to;
    };
    const Case cases[] = {
        {testing_support::at(2010, 3, 31), Qt::Key_PageUp, {}, testing_support::at(2010, 2, 28)},
        {testing_support::at(2010, 1, 31), Qt::Key_PageDown, {}, testing_support::at(2010, 2, 28)},
        {testing_support::at(2010, 9, 13), Qt::Key_End, {}, testing_support::at(2010, 9, 30)},
        {testing_support::at(2010, 9, 13), Qt::Key_Home, {}, testing_support::at(2010, 9, 1)},
        {testing_support::at(2010, 9, 1), Qt::Key_Left, {}, testing_support::at(2010, 8, 31)},
        {testing_support::at(2010, 9, 13), Qt::Key_Up, {}, testing_support::at(2010, 9, 6)},
        {testing_support::at(2010, 9, 30), Qt::Key_Right, {}, testing_support::at(2010, 10, 1)},
        {testing_support::at(2010, 9, 13), Qt::Key_Down, {}, testing_support::at(2010, 9, 20)},
        {testing_support::at(2010, 9, 13), Qt::Key_Right, Qt::ControlModifier, testing_support::at(2010, 9, 13)},
        {testing_support::at(2010, 9, 13), Qt::Key_PageDown, Qt::ShiftModifier, testing_support::at(2010, 9, 13)},
        {testing_support::at(2010, 9, 13), Qt::Key_Home, Qt::AltModifier, testing_support::at(2010, 9, 13)},
        {testing_support::at(1900, 1, 1), Qt::Key_Left, {}, testing_support::at(1900, 1, 1)},
        {testing_support::at(1900, 1, 20), Qt::Key_PageUp, {}, testing_support::at(1900, 1, 20)},
        {testing_support::at(2100, 12, 31), Qt::Key_Right, {}, testing_support::at(2100, 12, 31)},
        {testing_support::at(2100, 12, 28), Qt::Key_Down, {}, testing_support::at(2100, 12, 28)},
        {testing_support::at(2010, 9, 13), Qt::Key_A, {}, testing_support::at(2010, 9, 13)},
    };
    for (const Case& c : cases) {
        Calendar cal(c.from);
        QSignalSpy changes(&cal, &TNongCalendar::OnChange);
        QTest::keyClick(&cal, static_cast<Qt::Key>(c.key), c.modifiers);
        EXPECT_EQ(cal.Date(), c.to) << c.from << " key " << c.key;
        EXPECT_EQ(changes.count(), c.to == c.from ? 0 : 1) << c.from << " key " << c.key;
    }
}

TEST(NongCalendarKeys, EnterClicksAndOnKeyDownMayChangeTheKey) {
    Calendar cal;
    QSignalSpy changes(&cal, &TNongCalendar::OnChange);
    QSignalSpy clicks(&cal, &TNongCalendar::OnClick);
    QTest::keyClick(&cal, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(changes.count(), 0);

    QObject::connect(&cal, &TNongCalendar::OnKeyDown, [](TNongCalendar*, int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_J) key = Qt::Key_Down;
    });
    QTest::keyClick(&cal, Qt::Key_J);
    EXPECT_EQ(cal.Date(), testing_support::at(2010, 9, 20));
}

TEST(NongCalendarHint, DayFacts) {
    Calendar cal;
    EXPECT_EQ(utf8(cal.DayHintText(testing_support::at(2010, 9, 13))),
              "公元= 2010年9月13日 星期一  第38周\n农历= 二零一零年八月初六\n干支= 庚寅(虎)年乙酉月丙寅日");
    const std::string tenth = utf8(cal.DayHintText(testing_support::at(2010, 9, 10)));
    EXPECT_EQ(tenth.substr(tenth.rfind('\n')), "\n节日= 教师节");
    // A leap month names itself as the cell's lunar line does.
    EXPECT_NE(utf8(cal.DayHintText(testing_support::at(2020, 6, 1))).find("闰四月"), std::string::npos);
    // Before the lunar table and the sexagenary count the labels stay empty.
    EXPECT_NE(utf8(cal.DayHintText(testing_support::at(1899, 12, 31))).find("农历= \n干支= "), std::string::npos);
}

// 1914-11-17: 九月三十 by the lunar table, 十月初一 in the sky. A rule chosen
// while the hint shows the day rewrites it; the engine operations follow.
TEST(NongCalendarHint, FollowsTheCalendarRule) {
    const calendar::DateTime day = testing_support::at(1914, 11, 17);
    Calendar cal(day);
    cal.Move(cal.CellCentre(day));
    EXPECT_EQ(cal.HintLines().at(1), " 一九一四年九月三十");
    cal.SetRule(calendar::CalendarRule::Astronomical);
    EXPECT_EQ(cal.HintLines().at(1), " 一九一四年十月初一");
    EXPECT_EQ(cal.LunarMonthDays(1914, 9), 29) << "30 by the table";
    EXPECT_EQ(cal.SolarTermName(testing_support::at(1910, 2, 5)), gbk("立春"));
}

TEST(NongCalendarHint, FollowsThePointerOverCellsAndArrows) {
    Calendar cal;
    TCalendarHint& hint = *cal.Hint();
    const QPoint cell13 = cal.CellCentre(testing_support::at(2010, 9, 13));
    cal.Move(cell13);
    ASSERT_TRUE(hint.isVisible());
    EXPECT_EQ(hint.Text(), cal.DayHintText(testing_support::at(2010, 9, 13)));
    EXPECT_EQ(cal.HintLines().size(), 3u);
    EXPECT_EQ(cal.HintLines()[1], " 二零一零年八月初六");
    EXPECT_EQ(utf8(hint.HintLabels()[2]), "干支:");
    EXPECT_EQ(cal.HoverCellRect(), cal.CellRectOfDate(testing_support::at(2010, 9, 13)));
    EXPECT_GT(hint.LabelWidth(), 0);

    cal.Move(cal.CellCentre(testing_support::at(2010, 9, 10)));
    EXPECT_EQ(cal.HintLines().size(), 4u);

    cal.Move(Centre(cal.PrevYearRect()));
    EXPECT_EQ(utf8(hint.Text()), "上一年");
    EXPECT_TRUE(hint.HintLabels().empty());
    EXPECT_EQ(hint.LabelWidth(), 0);
    EXPECT_EQ(hint.width(), QFontMetrics(hint.font()).horizontalAdvance(QString::fromUtf8("上一年")) + 10);

    cal.Move(cal.CellCentre(testing_support::at(2010, 9, 10)));  // back to the same cell: its facts again
    EXPECT_EQ(hint.Text(), cal.DayHintText(testing_support::at(2010, 9, 10)));

    cal.Move({cal.width() / 2, 2});  // the title away from the arrows
    EXPECT_FALSE(hint.isVisible());
    cal.Move(cal.CellCentre(testing_support::at(2010, 9, 10)));
    EXPECT_TRUE(hint.isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&cal, &leave);
    EXPECT_FALSE(hint.isVisible());

    cal.SetShowHint(false);
    cal.Move(cell13);
    EXPECT_FALSE(hint.isVisible());
}

TEST(NongCalendarHint, FollowsTheGridUnderAStillPointer) {
    // The pointer rests on a cell, or on an arrow, while the grid moves.
    struct Case {
        const char* what;
        std::function<QPoint(Calendar&)> hover;
        std::function<void(Calendar&, QPoint)> act;
    };
    const auto onCell = [](calendar::DateTime date) {
        return [date](Calendar& cal) { return cal.CellCentre(date); };
    };
    const auto key = [](int k) {
        return [k](Calendar& cal, QPoint) { QTest::keyClick(&cal, static_cast<Qt::Key>(k)); };
    };
    const Case cases[] = {
        {"click on a trailing day", onCell(testing_support::at(2010, 10, 2)),
         [](Calendar& cal, QPoint at) { cal.Click(at); }},
        {"PageDown", onCell(testing_support::at(2010, 9, 22)), key(Qt::Key_PageDown)},
        {"PageUp", onCell(testing_support::at(2010, 9, 22)), key(Qt::Key_PageUp)},
        {"week rule", onCell(testing_support::at(2010, 9, 22)), [](Calendar& cal, QPoint) { cal.SetUseISO8601(true); }},
        {"arrow click", [](Calendar& cal) { return Centre(cal.NextMonthRect()); },
         [](Calendar& cal, QPoint at) { cal.Click(at); }},
    };
    for (const Case& c : cases) {
        Calendar cal;
        const QPoint at = c.hover(cal);
        cal.Move(at);
        ASSERT_TRUE(cal.Hint()->isVisible()) << c.what;
        const int index = static_cast<int>((at.x() - cal.DaysRect().left) / cal.CellWidth() +
                                           7 * ((at.y() - cal.DaysRect().top) / cal.CellHeight()));
        const std::string before = cal.Hint()->Text();
        c.act(cal, at);
        const bool overCell = cal.DaysRect().Contains(at.x(), at.y());
        const std::string expected = overCell ? cal.DayHintText(cal.FirstGridDate() + index) : before;
        EXPECT_TRUE(cal.Hint()->isVisible()) << c.what;
        EXPECT_EQ(utf8(cal.Hint()->Text()), utf8(expected)) << c.what;
        if (overCell) {
            EXPECT_NE(cal.Hint()->Text(), before) << c.what << ": the grid did not move";
        }
    }
}

TEST(NongCalendarMouse, HandledEventsStayWithTheControl) {
    struct Parent : QWidget {
        int received = 0;
        void mousePressEvent(QMouseEvent*) override { ++received; }
        void mouseMoveEvent(QMouseEvent*) override { ++received; }
        void mouseReleaseEvent(QMouseEvent*) override { ++received; }
    } parent;
    auto* cal = new Calendar;
    cal->setParent(&parent);
    parent.show();
    cal->show();
    const QPoint cell = cal->CellCentre(testing_support::at(2010, 9, 20));
    const QPoint arrow = Centre(cal->NextMonthRect());
    cal->Move(cell);
    cal->Click(cell);
    cal->Move(cell + QPoint(1, 1), Qt::LeftButton);
    cal->Click(arrow);
    cal->Click(cell, Qt::RightButton);
    cal->Move({cal->width() / 2, 2});
    EXPECT_EQ(parent.received, 0);
}

TEST(CalendarHint, TransparentForInputFromItsCreation) {
    TNongCalendar cal;
    TCalendarHint& hint = *cal.Hint();
    hint.winId();  // the native window
    ASSERT_NE(hint.windowHandle(), nullptr);
    EXPECT_TRUE(hint.windowHandle()->flags().testFlag(Qt::WindowTransparentForInput));
}

TEST(CalendarHint, MeasureHintText) {
    TNongCalendar cal;
    TCalendarHint& hint = *cal.Hint();
    const QFontMetrics metrics(hint.font());
    int width = -1, height = -1;
    hint.MeasureHintText(gbk("\r\n\r\n 农历 = 初一\n\n无标签\r"), width, height);
    ASSERT_EQ(hint.HintLines().size(), 2u);
    EXPECT_EQ(utf8(hint.HintLines()[0]), " 初一");
    EXPECT_EQ(utf8(hint.HintLabels()[0]), "农历:");
    EXPECT_EQ(utf8(hint.HintLabels()[1]), "");
    EXPECT_EQ(hint.LabelWidth(), metrics.horizontalAdvance(QString::fromUtf8("农历:")));
    EXPECT_EQ(width, metrics.horizontalAdvance(QString::fromUtf8(" 农历 = 初一")) + 10);
    EXPECT_EQ(height, 2 * metrics.height() + 10);

    hint.MeasureHintText("\n\r\n", width, height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    hint.SetText("\n");
    EXPECT_FALSE(hint.isVisible());
}

TEST(CalendarHint, PlacementAndAlpha) {
    const QRect screen(0, 0, 1280, 800);
    const QSize size(200, 60);
    EXPECT_EQ(TCalendarHint::PlaceNear({100, 100}, size, screen), QPoint(116, 116));
    EXPECT_EQ(TCalendarHint::PlaceNear({1275, 100}, size, screen), QPoint(1080, 116));
    EXPECT_EQ(TCalendarHint::PlaceNear({100, 795}, size, screen), QPoint(116, 740));

    TNongCalendar cal;
    TCalendarHint& hint = *cal.Hint();
    EXPECT_EQ(hint.Alpha(), 0);
    for (const int alpha : {256, -1}) hint.SetAlpha(alpha);
    EXPECT_EQ(hint.Alpha(), 0);
    hint.SetAlpha(128);
    EXPECT_EQ(hint.Alpha(), 128);
}
