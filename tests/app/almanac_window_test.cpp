// The almanac window opened from the main window: the selected day's almanac
// and hours, the calendar's keys, 用此日起卦, and 文件 › 历法.
#include <gtest/gtest.h>

#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "almanac_window.h"
#include "calendar_control/nong_calendar.h"
#include "dates.h"
#include "gbk.h"
#include "main_window.h"

namespace {

class AlmanacWindowTest : public testing::Test {
protected:
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(ShellServices{
        [](const QUrl&) {}, [](QWidget*, MessageBox, const QString&) {},
        [] { return QDateTime(QDate(2010, 9, 13), QTime(17, 5)); }});
    AlmanacWindow* window = form->OpenAlmanac();

    void Select(int y, unsigned m, unsigned d) { window->calendar->SetDate(testing_support::at(y, m, d)); }
    // The text shown beside `label`, empty when the day has no such line.
    QString Fact(const QString& label) const {
        for (int row = 0; row < window->facts->rowCount(); ++row) {
            const auto text = [&](QFormLayout::ItemRole role) {
                return qobject_cast<QLabel*>(window->facts->itemAt(row, role)->widget())->text();
            };
            if (text(QFormLayout::LabelRole) == label + QStringLiteral("：")) return text(QFormLayout::FieldRole);
        }
        return {};
    }
    // The column of one double hour: its heading, pillar, spirit and path.
    QStringList Hour(int column) const {
        QStringList cells{window->hours->horizontalHeaderItem(column)->text()};
        for (int row = 0; row < window->hours->rowCount(); ++row) cells << window->hours->item(row, column)->text();
        return cells;
    }
};

TEST_F(AlmanacWindowTest, ShowsTheSelectedDaysAlmanacAndHours) {
    Select(2024, 2, 10);
    EXPECT_EQ(window->heading->text(), QStringLiteral("2024年2月10日 星期六\n农历二零二四年正月初一"));
    const struct {
        const char* label;
        const char* value;
    } facts[] = {{"干支", "甲辰年 丙寅月 甲辰日"}, {"建除", "满"},   {"星宿", "氐 凶"},
                 {"冲煞", "冲戊戌（狗） 煞南"},     {"值神", "金匮 黄道"}, {"胎神", "占门栖 房内东"},
                 {"数九", "六九第6天"},             {"三伏", ""}};
    for (const auto& fact : facts) EXPECT_EQ(Fact(QString::fromUtf8(fact.label)), QString::fromUtf8(fact.value));
    EXPECT_EQ(Hour(0), QStringList({"子时", "甲子", "天牢", "黑道"}));
    EXPECT_EQ(Hour(11), QStringList({"亥时", "乙亥", "玉堂", "黄道"}));
}

TEST_F(AlmanacWindowTest, CalendarKeysMoveTheShownDayAndEscCloses) {
    Select(2024, 2, 10);
    const struct {
        Qt::Key key;
        const char* heading;
        const char* officer;
    } moves[] = {{Qt::Key_Right, "2024年2月11日 星期日", "平"},
                 {Qt::Key_Down, "2024年2月18日 星期日", "开"},
                 {Qt::Key_PageUp, "2024年1月18日 星期四", "定"}};
    for (const auto& move : moves) {
        QTest::keyClick(window->calendar, move.key);
        const QString heading = window->heading->text();
        EXPECT_TRUE(heading.startsWith(QString::fromUtf8(move.heading))) << heading.toStdString();
        EXPECT_EQ(Fact(QStringLiteral("建除")), QString::fromUtf8(move.officer));
    }
    QTest::keyClick(window->calendar, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// A leap day: the day's bound follows the year and month put in before it.
TEST_F(AlmanacWindowTest, CastOnThisDayPutsTheDayIntoTheMainWindow) {
    Select(2024, 2, 29);
    QTest::mouseClick(window->castButton, Qt::LeftButton);
    const casting::Moment moment = form->EnteredMoment();
    EXPECT_EQ(std::tuple(moment.year, moment.month, moment.day, moment.hour), std::tuple(2024, 2, 29, 17));
}

// 1914-11-17: 九月三十 by the lunar table, 十月初一 in the sky.
TEST_F(AlmanacWindowTest, FollowsTheCalendarChosenInTheFileMenu) {
    Select(1914, 11, 17);
    const auto rules = form->findChild<QMenu*>("CalendarRuleMenu")->actions();
    for (const auto& [item, lunarDate] : {std::pair{1, "一九一四年十月初一"}, {0, "一九一四年九月三十"}}) {
        rules.at(item)->trigger();
        const QString heading = window->heading->text();
        EXPECT_TRUE(heading.endsWith(QString::fromUtf8(lunarDate))) << heading.toStdString();
        const std::string hint = window->calendar->DayHintText(testing_support::at(1914, 11, 17));
        EXPECT_NE(hint.find(testing_support::gbk(lunarDate)), std::string::npos) << testing_support::utf8(hint);
    }
}

}  // namespace
