// The facts of the chosen moment: lunar date, the four pillars, and the
// numbers the casting methods add up, read back out of those texts.
#pragma once

#include <optional>
#include <string>

#include "calendar/calendar_rule.h"
#include "conventions.h"
#include "date_holder.h"

namespace casting {

// The moment as entered in the main window.
struct Moment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    calendar::CalendarRule rule = calendar::CalendarRule::Table;  // the calendar its facts are read by
    int minute = 0;  // read only where a pillar changes at a term's moment
    Conventions conventions = {};
};

struct MomentFacts {
    int YearStem = 0, MonthStem = 0, DayStem = 0, HourStem = 0;          // 1..10, 甲 .. 癸
    int YearBranch = 0, MonthBranch = 0, DayBranch = 0, HourBranch = 0;  // 1..12, 子 .. 亥
    int LunarMonth = 0;  // 1..12; a leap month counts as the month it repeats
    int LunarDay = 0;    // 1..30
    std::string LunarDate;  // year, month and day names; empty before the lunar table
    std::string YearPillarText, MonthPillarText, DayPillarText, HourPillarText;  // stem + branch
    int LunarYearBranch = 0;  // 1..12: the branch of the lunar year, which begins on 正月初一
    // The day lies in the last 18 days before the day of the 立春, 立夏, 立秋
    // or 立冬 that ends the month pillar's season, when 土 rules by season.
    bool EarthDays = false;
};

// The day of the moment's date; nothing for a day that does not exist.
std::optional<calendar::DateTime> DayOf(const Moment& moment);

// The day whose facts a moment at `hour` of `day` has: the next day for
// hour 23, whose 子 hour belongs to it.
calendar::DateTime CastDay(calendar::DateTime day, int hour);

// Moves `calendar` to the moment's date (the next day for hour 23 when the
// moment's 子 hour rule moves the day) and computes the facts of the date it
// then holds, by the moment's conventions. A number whose text matches no name keeps its value. Throws
// ConvertError ("'Y-M-D' is not a valid date") for a day that does not
// exist, before anything changes.
void ComputeMomentFacts(const Moment& moment, DateHolder& calendar, MomentFacts& facts);

}  // namespace casting
