// Each convention at the edges where schools part, hand-checked: day
// pillars counted from 1900-01-01 甲戌, hour stems by 五鼠遁, 立春 2024 at
// 14:39 by the built-in terms and 16:27 by the sky.
#include <gtest/gtest.h>

#include "casting/casting_methods.h"
#include "casting/moment_facts.h"
#include "gbk.h"

namespace {

using calendar::CalendarRule;
using calendar::PillarBoundary;
using casting::Conventions;
using casting::ZiHour;
using testing_support::utf8;

casting::Moment At(int y, int m, int d, int h, int min, Conventions c, CalendarRule rule = CalendarRule::Table) {
    return {y, m, d, h, rule, min, c};
}

TEST(Conventions, TurnTheDayTheYearAndTheMonthWhereTheirSchoolsDo) {
    const Conventions day{ZiHour::NextDay, PillarBoundary::Day}, atMoment{ZiHour::NextDay, PillarBoundary::Moment};
    const struct {
        casting::Moment moment;
        const char* lunarDay;  // the lunar date's last characters
        const char *year, *month, *day, *hour;
    } rows[] = {
        // 立春's day: mixed pairs the old year with the new month.
        {At(2024, 2, 4, 12, 0, {}), "廿五", "癸卯", "丙寅", "戊戌", "戊午"},
        {At(2024, 2, 4, 12, 0, day), "廿五", "甲辰", "丙寅", "戊戌", "戊午"},
        {At(2024, 2, 4, 14, 38, atMoment), "廿五", "癸卯", "乙丑", "戊戌", "己未"},
        {At(2024, 2, 4, 14, 40, atMoment), "廿五", "甲辰", "丙寅", "戊戌", "己未"},
        {At(2024, 2, 4, 16, 20, atMoment, CalendarRule::Astronomical), "廿五", "癸卯", "乙丑", "戊戌", "庚申"},
        {At(2024, 2, 4, 16, 30, atMoment, CalendarRule::Astronomical), "廿五", "甲辰", "丙寅", "戊戌", "庚申"},
        // 惊蛰 2024-03-05, mid-day: moment turns the month at its moment.
        {At(2024, 3, 5, 0, 30, atMoment), "廿五", "甲辰", "丙寅", "戊辰", "壬子"},
        {At(2024, 3, 5, 22, 30, atMoment), "廿五", "甲辰", "丁卯", "戊辰", "癸亥"},
        // 除夕 (腊月三十) 23:00, 23:59 and the next 0:00 under the three 子 rules.
        {At(2024, 2, 9, 23, 0, {}), "正月初一", "甲辰", "丙寅", "甲辰", "甲子"},
        {At(2024, 2, 9, 23, 59, {ZiHour::Split}), "腊月三十", "甲辰", "丙寅", "癸卯", "甲子"},
        {At(2024, 2, 9, 23, 59, {ZiHour::Midnight}), "腊月三十", "甲辰", "丙寅", "癸卯", "壬子"},
        {At(2024, 2, 10, 0, 0, {ZiHour::Midnight}), "正月初一", "甲辰", "丙寅", "甲辰", "甲子"},
        // The last day of a lunar month of 29 days.
        {At(2024, 3, 9, 23, 30, {ZiHour::Split}), "正月廿九", "甲辰", "丁卯", "壬申", "壬子"},
        {At(2024, 3, 9, 23, 30, {ZiHour::Midnight}), "正月廿九", "甲辰", "丁卯", "壬申", "庚子"},
    };
    for (const auto& row : rows) {
        casting::PlainDateHolder holder(0);
        casting::MomentFacts facts;
        casting::ComputeMomentFacts(row.moment, holder, facts);
        const casting::Moment& m = row.moment;
        SCOPED_TRACE(testing::Message() << m.month << "-" << m.day << " " << m.hour << ":" << m.minute);
        EXPECT_TRUE(utf8(facts.LunarDate).ends_with(row.lunarDay)) << utf8(facts.LunarDate);
        EXPECT_EQ(utf8(facts.YearPillarText), row.year);
        EXPECT_EQ(utf8(facts.MonthPillarText), row.month);
        EXPECT_EQ(utf8(facts.DayPillarText), row.day);
        EXPECT_EQ(utf8(facts.HourPillarText), row.hour);
    }
}

TEST(Conventions, CountTheLunarYearFromItsFirstDayAndFindTheEarthDays) {
    const Conventions lunar{ZiHour::NextDay, PillarBoundary::Mixed, casting::YearNumber::Lunar};
    const struct {
        casting::Moment moment;
        int yearNumber;  // the branch 传统起卦 counts: 辰 5, 卯 4
        bool earthDays;
    } rows[] = {
        // Between 立春 and 正月初一 the pillar's year is 甲辰, the lunar year 癸卯.
        {At(2024, 2, 6, 12, 0, {}), 5, false},
        {At(2024, 2, 6, 12, 0, lunar), 4, false},
        {At(2024, 2, 9, 23, 0, lunar), 5, false},  // the 子 hour of 正月初一
        {At(2024, 1, 20, 12, 0, lunar), 4, true},  // 15 days before 立春
        // 立夏 2024-05-05: 土's 18 days are 04-17 .. 05-04.
        {At(2024, 4, 16, 12, 0, {}), 5, false},
        {At(2024, 4, 17, 12, 0, {}), 5, true},
        {At(2024, 5, 4, 23, 30, {ZiHour::Midnight}), 5, true},
        {At(2024, 5, 5, 12, 0, {}), 5, false},
        // Before 立夏's moment (08:10 in the sky) its own day is still 辰's.
        {At(2024, 5, 5, 8, 0, {ZiHour::NextDay, PillarBoundary::Moment}, CalendarRule::Astronomical), 5, true},
    };
    for (const auto& row : rows) {
        casting::PlainDateHolder holder(0);
        casting::MomentFacts facts;
        casting::ComputeMomentFacts(row.moment, holder, facts);
        SCOPED_TRACE(testing::Message() << row.moment.month << "-" << row.moment.day << " " << row.moment.hour);
        // 传统起卦 adds the year's number to the lunar month and day.
        const casting::CastNumbers sums = casting::TraditionalRule(facts, row.moment.conventions.yearNumber);
        EXPECT_EQ(sums.upper, (row.yearNumber + facts.LunarMonth + facts.LunarDay) % 8);
        EXPECT_EQ(facts.EarthDays, row.earthDays);
    }
}

}  // namespace
