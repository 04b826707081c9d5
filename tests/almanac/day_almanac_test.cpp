#include "almanac/day_almanac.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "calendar/solar_terms.h"
#include "gbk.h"

namespace {

using namespace std::chrono;
using almanac::AlmanacOf;
using almanac::DayAlmanac;
using calendar::CalendarRule;
using testing_support::utf8;

constexpr CalendarRule kRules[] = {CalendarRule::Table, CalendarRule::Astronomical};

DayAlmanac Almanac(sys_days day, CalendarRule rule = CalendarRule::Astronomical) {
    const auto almanac = AlmanacOf(day, rule);
    EXPECT_TRUE(almanac.has_value());
    return almanac.value_or(DayAlmanac{});
}

std::string DayText(sys_days day) {
    const year_month_day d{day};
    return std::to_string(static_cast<int>(d.year())) + "-" + std::to_string(static_cast<unsigned>(d.month())) + "-" +
           std::to_string(static_cast<unsigned>(d.day()));
}

std::string Text(const std::optional<std::string>& text) { return text ? utf8(*text) : "—"; }

// Days as a published almanac prints them (read by the true sky).
TEST(DayAlmanac, ReferenceDaysHaveEveryColumnAsAlmanacsPrintThem) {
    const struct {
        sys_days day;
        const char *officer, *mansion, *clash, *sha, *spirit, *foetus, *joyAndWealth, *season, *ziHour;
    } days[] = {
        {year{2024} / 2 / 10, "满", "氐 凶", "戊戌 狗", "南", "金匮 黄道", "占门栖 房内东", "东北 / 东北", "六九第6天",
         "甲子 天牢 黑道"},
        {year{2021} / 7 / 11, "除", "虚 凶", "甲寅 虎", "南", "司命 黄道", "碓磨炉 外东南", "西北 / 正东", "初伏第1天",
         "丙子 青龙 黄道"},
        {year{2000} / 1 / 1, "破", "胃 吉", "壬子 鼠", "北", "司命 黄道", "房床碓 外正东", "东南 / 正北", "二九第2天",
         "壬子 金匮 黄道"},
        {year{1949} / 10 / 1, "平", "氐 凶", "戊午 马", "南", "司命 黄道", "占门碓 外东南", "东北 / 东北", "—",
         "甲子 金匮 黄道"},
        {year{2100} / 12 / 31, "危", "亢 凶", "辛丑 牛", "西", "勾陈 黑道", "仓库厕 房内东", "正南 / 西南", "二九第1天",
         "庚子 天刑 黑道"},
    };
    for (const auto& d : days) {
        SCOPED_TRACE(DayText(d.day));
        const DayAlmanac a = Almanac(d.day);
        EXPECT_EQ(utf8(a.officer), d.officer);
        EXPECT_EQ(utf8(a.mansion + " " + a.mansionLuck), d.mansion);
        EXPECT_EQ(utf8(a.clashPillar + " " + a.clashAnimal), d.clash);
        EXPECT_EQ(utf8(a.sha), d.sha);
        EXPECT_EQ(utf8(a.spirit + " " + a.path), d.spirit);
        EXPECT_EQ(utf8(a.foetus), d.foetus);
        EXPECT_EQ(utf8(a.joy + " / " + a.wealth), d.joyAndWealth);
        EXPECT_EQ(a.nines ? Text(a.nines) : Text(a.dogDays), d.season);
        EXPECT_EQ(utf8(a.hours[0].stemBranch + " " + a.hours[0].spirit + " " + a.hours[0].path), d.ziHour);
    }
    const DayAlmanac spring = Almanac(year{2024} / 2 / 10);
    EXPECT_EQ(utf8(spring.stemTaboo), "甲不开仓财物耗散");
    EXPECT_EQ(utf8(spring.branchTaboo), "辰不哭泣必主重丧");
    EXPECT_EQ(utf8(spring.lunarDate + " " + spring.yearPillar + spring.monthPillar + spring.dayPillar),
              "二零二四年正月初一 甲辰丙寅甲辰");
}

// Over a whole sexagenary cycle, each rule turns as the tradition has it.
TEST(DayAlmanac, EveryRuleKeepsItsCycleOverSixtyDays) {
    // The seven luminaries: the mansions each weekday (Sunday first) carries.
    const std::set<std::string> weekdayMansions[7] = {
        {"房", "虚", "昴", "星"}, {"心", "危", "毕", "张"}, {"尾", "室", "觜", "翼"}, {"箕", "壁", "参", "轸"},
        {"角", "奎", "井", "斗"}, {"亢", "娄", "鬼", "牛"}, {"氐", "胃", "柳", "女"}};
    const sys_days first = year{1949} / 10 / 1;  // 甲子
    int inside = 0;
    std::string lastHour = utf8(Almanac(first - days{1}).hours[11].stemBranch);
    for (int n = 0; n < 60; ++n) {
        const sys_days day = first + days{n};
        const DayAlmanac a = Almanac(day), sixBefore = Almanac(day - days{6});
        SCOPED_TRACE(utf8(a.dayPillar));
        EXPECT_EQ(a.clashPillar, sixBefore.dayPillar);
        EXPECT_EQ(utf8(a.stemTaboo).substr(0, 3), utf8(a.dayPillar).substr(0, 3));
        EXPECT_EQ(utf8(a.branchTaboo).substr(0, 3), utf8(a.dayPillar).substr(3, 3));
        EXPECT_EQ(weekdayMansions[weekday{day}.c_encoding()].count(utf8(a.mansion)), 1u);
        inside += utf8(a.foetus).find("房内") != std::string::npos;
        // The hours run on unbroken from day to day; six of each day's twelve are yellow.
        int yellow = 0;
        for (const auto& hour : a.hours) {
            const std::string pillar = utf8(hour.stemBranch);
            EXPECT_EQ(pillar.substr(3), utf8(hour.branch));
            const std::string s = "甲乙丙丁戊己庚辛壬癸";
            EXPECT_EQ((s.find(pillar.substr(0, 3)) / 3 + 9) % 10, s.find(lastHour.substr(0, 3)) / 3);
            lastHour = pillar;
            yellow += utf8(hour.path) == "黄道";
        }
        EXPECT_EQ(yellow, 6);
    }
    EXPECT_EQ(inside, 16);
}

// The month changes on the day of its opening term (节), so the officer
// repeats the previous day's there and nowhere else, under either rule.
TEST(DayAlmanac, OfficerRepeatsExactlyOnTheOpeningTermDays) {
    for (const CalendarRule rule : kRules) {
        std::set<sys_days> openingDays;
        for (int term = 0; term < 24; term += 2) {
            openingDays.insert(calendar::kDateTimeEpoch +
                               days{static_cast<int>(std::floor(calendar::SolarTermMoment(2023, term, rule)))});
        }
        std::string before = Almanac(sys_days{year{2022} / 12 / 31}, rule).officer;
        for (sys_days day = year{2023} / 1 / 1; day <= sys_days{year{2023} / 12 / 31}; day += days{1}) {
            const std::string officer = Almanac(day, rule).officer;
            EXPECT_EQ(officer == before, openingDays.count(day) == 1) << DayText(day);
            before = officer;
        }
    }
}

// 数九 from the day of 冬至; 三伏 in years whose 庚 days fall on the edges:
// 夏至 a 庚 day (2021, its 初伏 a reference day) or the day after one (2025,
// the latest 初伏), 立秋 a 庚 day (2014) or the day after one (1995).
TEST(DayAlmanac, SeasonsCountFromTheirTermsToTheDay) {
    const struct {
        sys_days day;
        const char* text;
    } days[] = {
        {year{2023} / 12 / 21, "—"},         {year{2023} / 12 / 22, "一九第1天"}, {year{2024} / 3 / 11, "九九第9天"},
        {year{2024} / 3 / 12, "—"},          {year{1900} / 1 / 1, "二九第2天"},   {year{2021} / 7 / 10, "—"},
        {year{2021} / 7 / 21, "中伏第1天"},  {year{2021} / 8 / 9, "中伏第20天"},  {year{2021} / 8 / 10, "末伏第1天"},
        {year{2021} / 8 / 19, "末伏第10天"}, {year{2021} / 8 / 20, "—"},         {year{2025} / 7 / 20, "初伏第1天"},
        {year{2025} / 8 / 8, "中伏第10天"},  {year{2025} / 8 / 9, "末伏第1天"},   {year{2014} / 8 / 6, "中伏第10天"},
        {year{2014} / 8 / 7, "末伏第1天"},   {year{1995} / 8 / 16, "中伏第20天"}, {year{1995} / 8 / 17, "末伏第1天"},
    };
    for (const auto& d : days) {
        const DayAlmanac a = Almanac(d.day);
        EXPECT_EQ(a.nines ? Text(a.nines) : Text(a.dogDays), d.text) << DayText(d.day);
    }
}

TEST(DayAlmanac, DaysOutsideTheCalendarHaveNone) {
    for (const sys_days day : {sys_days{year{1899} / 12 / 31}, sys_days{year{2101} / 1 / 1}}) {
        EXPECT_FALSE(AlmanacOf(day, CalendarRule::Table).has_value()) << DayText(day);
    }
    EXPECT_EQ(Almanac(year{1900} / 1 / 1).lunarDate, "");
}

}  // namespace
