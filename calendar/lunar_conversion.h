// Gregorian date to Chinese lunar date, for 1900-01-31 … 2100-12-31.
#pragma once

#include <cstdint>

#include "calendar/calendar_rule.h"
#include "calendar/date_time.h"

namespace calendar {

// `LunarDate`: all fields 0 for a date the table does not cover.
struct LunarDate {
    std::int32_t year = 0;   // the year in which its 正月 falls
    std::int32_t month = 0;  // 1..12; a leap month carries the number of the month it follows
    std::int32_t day = 0;    // 1..30
    bool isLeap = false;

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// `SolarToLunar`: the lunar date of the day `date` falls on (time of day
// ignored), by the lunar table or by the true new moons.
LunarDate SolarToLunar(DateTime date, CalendarRule rule = CalendarRule::Table);

// `ReferenceSolarToLunar`: the same conversion done the slow, evident way,
// walking year by year from 1900; `SolarToLunar` by the table must always
// agree with it.
LunarDate ReferenceSolarToLunar(DateTime date);

}  // namespace calendar
