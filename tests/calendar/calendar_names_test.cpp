#include <gtest/gtest.h>

#include <climits>

#include "calendar/calendar_names.h"
#include "gbk.h"

namespace {

using testing_support::utf8;

TEST(CalendarNames, NameSexagenaryIndicesAndWeekdays) {
    const struct {
        int index;
        const char* ganZhi;
        const char* animal;
        const char* weekday;
    } rows[] = {
        {0, "甲子", "鼠", "星期日"},  {1, "乙丑", "牛", "星期一"},       {10, "甲戌", "狗", "星期三"},
        {59, "癸亥", "猪", "星期三"}, {60, "甲子", "鼠", "星期四"},      {160, "甲辰", "龙", "星期六"},
        {-1, "癸亥", "猪", "星期六"}, {INT_MIN, "丙辰", "龙", "星期五"}, {INT_MAX, "辛未", "羊", "星期一"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(utf8(calendar::GanZhiName(row.index)), row.ganZhi) << row.index;
        EXPECT_EQ(utf8(calendar::AnimalName(row.index)), row.animal) << row.index;
        EXPECT_EQ(utf8(calendar::WeekdayName(row.index)), row.weekday) << row.index;
    }
}

TEST(CalendarNames, NameLunarDaysAndMonths) {
    const char* const days[] = {"",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                                "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一",
                                "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十", ""};
    for (int day = 0; day <= 31; ++day) EXPECT_EQ(utf8(calendar::LunarDayName(day)), days[day]) << day;
    EXPECT_EQ(calendar::LunarDayName(INT_MIN), "");

    const char* const months[] = {"月",   "正月", "二月", "三月", "四月",   "五月", "六月",
                                  "七月", "八月", "九月", "十月", "十一月", "腊月", "月"};
    for (int month = 0; month <= 13; ++month) {
        EXPECT_EQ(utf8(calendar::LunarMonthName(month, false)), months[month]) << month;
        EXPECT_EQ(utf8(calendar::LunarMonthName(month, true)), std::string("闰") + months[month]) << month;
    }
}

TEST(CalendarNames, WriteYearsDigitByDigit) {
    const struct {
        int year;
        const char* text;
    } rows[] = {
        {1900, "一九零零年"},
        {2004, "二零零四年"},
        {2010, "二零一零年"},
        {9999, "九九九九年"},
        {0, "零年"},
        {12345, "一二三四五年"},
        {-1, ""},
    };
    for (const auto& row : rows) EXPECT_EQ(utf8(calendar::ChineseYearText(row.year)), row.text) << row.year;
}

}  // namespace
