// The month helpers of lunar_table.h under either calendar rule.
#pragma once

#include <algorithm>

#include "calendar/astronomical_calendar.h"
#include "calendar/calendar_rule.h"
#include "calendar/lunar_table.h"

namespace calendar {

inline int LeapMonthOf(int year, CalendarRule rule) {
    return rule == CalendarRule::Astronomical ? AstronomicalLeapMonthOf(year) : LeapMonthOf(year);
}

inline int LeapMonthDays(int year, CalendarRule rule) {
    return rule == CalendarRule::Astronomical ? AstronomicalMonthDays(year, AstronomicalLeapMonthOf(year), true)
                                              : LeapMonthDays(year);
}

// Months outside 1..12 are read as the nearest of them, under either rule.
inline int LunarMonthDays(int year, int month, CalendarRule rule) {
    return rule == CalendarRule::Astronomical ? AstronomicalMonthDays(year, std::clamp(month, 1, 12), false)
                                              : LunarMonthDays(year, month);
}

inline int LunarYearDays(int year, CalendarRule rule) {
    return rule == CalendarRule::Astronomical ? AstronomicalYearDays(year) : LunarYearDays(year);
}

}  // namespace calendar
