#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "calendar/calendar_names.h"
#include "gbk.h"

namespace {

using testing_support::utf8;

TEST(CalendarNames, NameSexagenaryIndices) {
    const struct {
        int index;
        const char* ganZhi;
        const char* animal;
    } rows[] = {
        {0, "甲子", "鼠"}, {1, "乙丑", "牛"}, {10, "甲戌", "狗"},  {35, "己亥", "猪"},  {59, "癸亥", "猪"},
        {60, "甲子", "鼠"}, {160, "甲辰", "龙"}, {-1, "癸亥", "猪"}, {INT_MIN, "丙辰", "龙"}, {INT_MAX, "辛未", "羊"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(utf8(calendar::GanZhiName(row.index)), row.ganZhi) << row.index;
        EXPECT_EQ(utf8(calendar::AnimalName(row.index)), row.animal) << row.index;
    }
}

TEST(CalendarNames, NameLunarDays) {
    const char* const names[31] = {"",     "初一", "初二", "初三", "初四", "初五", "初六", "初七",
                                   "初八", "初九", "初十", "十一", "十二", "十三", "十四", "十五",
                                   "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
                                   "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    for (int day = 0; day <= 30; ++day) EXPECT_EQ(utf8(calendar::LunarDayName(day)), names[day]) << day;
    for (int day : {31, -1, INT_MIN, INT_MAX}) EXPECT_EQ(calendar::LunarDayName(day), "") << day;
}

TEST(CalendarNames, NameLunarMonths) {
    const struct {
        int month;
        bool leap;
        const char* name;
    } rows[] = {
        {1, false, "正月"},   {2, false, "二月"},   {4, true, "闰四月"}, {10, false, "十月"},
        {11, false, "十一月"}, {12, false, "腊月"}, {1, true, "闰正月"}, {0, false, "月"},
        {13, false, "月"},    {0, true, "闰月"},   {INT_MIN, false, "月"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(utf8(calendar::LunarMonthName(row.month, row.leap)), row.name) << row.month << " " << row.leap;
    }
}

TEST(CalendarNames, WriteYearsDigitByDigit) {
    const struct {
        int year;
        const char* text;
    } rows[] = {
        {1900, "一九零零年"}, {2004, "二零零四年"}, {2010, "二零一零年"}, {2024, "二零二四年"},
        {9999, "九九九九年"}, {1000, "一零零零年"}, {0, "零年"},         {12345, "一二三四五年"},
        {-1, ""},
    };
    for (const auto& row : rows) EXPECT_EQ(utf8(calendar::ChineseYearText(row.year)), row.text) << row.year;
}

TEST(CalendarNames, NameWeekdays) {
    const char* const names[7] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int index = -14; index < 21; ++index) {
        EXPECT_EQ(utf8(calendar::WeekdayName(index)), names[(index + 14) % 7]) << index;
    }
}

}  // namespace
