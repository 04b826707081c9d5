// The day's almanac (黄历): what a Chinese almanac prints for one day, read
// by a calendar rule. The month's officer and the day's spirit follow the
// month pillar, so they change on the day of each month's opening term.
// GBK texts.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

#include "calendar/calendar_rule.h"
#include "calendar/date_rule.h"

namespace almanac {

// One of the twelve double hours.
struct HourAlmanac {
    std::string branch;      // 子 … 亥
    std::string stemBranch;  // the hour's pillar
    std::string spirit;      // 值神, ruled by the day's branch
    std::string path;        // 黄道 or 黑道
};

struct DayAlmanac {
    std::string weekday;    // "星期六"
    std::string lunarDate;  // "二零二四年正月初一"; empty before the lunar table (1900-01-31)
    std::string yearPillar, monthPillar, dayPillar;
    std::string officer;                    // 建除十二值
    std::string mansion, mansionLuck;       // 二十八宿, 吉 or 凶
    std::string clashPillar, clashAnimal;   // 冲
    std::string sha;                        // 煞's direction: 东 南 西 北
    std::string stemTaboo, branchTaboo;     // 彭祖百忌
    std::string spirit, path;               // 值神, 黄道 or 黑道
    std::string foetus;                     // 胎神: place and direction, "占门栖 房内东"
    std::string joy, fortune, wealth;       // 喜神, 福神, 财神
    std::optional<std::string> nines;       // 数九
    std::optional<std::string> dogDays;     // 三伏
    std::array<HourAlmanac, 12> hours;      // 子 first, the 子 hour that begins the day
};

// The first and last days that have an almanac: the calendar's.
inline constexpr std::chrono::sys_days kFirstDay{std::chrono::year{calendar::kFirstYear} / 1 / 1};
inline constexpr std::chrono::sys_days kLastDay{std::chrono::year{calendar::kLastYear} / 12 / 31};

// The almanac of `day`; nothing outside kFirstDay .. kLastDay.
std::optional<DayAlmanac> AlmanacOf(std::chrono::sys_days day, calendar::CalendarRule rule);

}  // namespace almanac
