// Chinese texts of calendar numbers: stem-branch pairs, zodiac animals,
// lunar days and months, years digit by digit, weekdays. GBK bytes.
#pragma once

#include <string>

namespace calendar {

// `GanZhiName`: stem and branch of a sexagenary index, "甲子" for 0 and 60.
// One of sixty texts made once, which lives as long as the program.
const std::string& GanZhiName(int index);

// `AnimalName`: the zodiac animal of a sexagenary index's branch.
std::string AnimalName(int index);

// `LunarDayName`: "初一" … "三十"; empty for any other day.
std::string LunarDayName(int day);

// `LunarMonthName`: "正月" … "腊月", with "闰" before a leap month; a month
// outside 1..12 leaves only "月" ("闰月").
std::string LunarMonthName(int month, bool leap);

// `ChineseYearText`: the year's digits one character each, 零 for a zero,
// then "年": 2004 is "二零零四年". Empty for a negative year.
std::string ChineseYearText(int year);

// `WeekdayName`: "星期日" for 0, "星期一" … "星期六" for 1..6, repeating every 7.
std::string WeekdayName(int index);

}  // namespace calendar
