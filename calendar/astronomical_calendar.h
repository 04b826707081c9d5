// The Chinese calendar of the true sky: solar terms at the moments the Sun's
// apparent longitude reaches each multiple of 15°, lunar months from the
// true new moons, on Beijing's clock of the day: its local mean time
// (UTC+7:45:40) before 1929, UTC+8 from then on, as the calendars were
// reckoned. The moments come from a table computed ahead of time
// (data/astronomical_calendar.inc), so nothing here does astronomy.
#pragma once

#include <cstdint>
#include <span>

#include "calendar/date_time.h"
#include "calendar/lunar_conversion.h"

namespace calendar {

// `AstronomicalMonth`: a lunar month, from the day of its new moon to the
// day before the next month's.
struct AstronomicalMonth {
    std::int32_t firstDay = 0;  // the date-time of the midnight it begins
    std::int16_t year = 0;      // the year in which its 正月 falls
    std::int8_t number = 0;     // 1..12; a leap month carries the number of the month before it
    bool isLeap = false;
};

// `AstronomicalMonths`: every month from the one holding the winter solstice
// of 1899 to the last before the one holding that of 2101, in order. The
// month holding a winter solstice is month 11; when 13 months run from one
// such month to the next, the first of them without a major term (the Sun
// at a multiple of 30°) is a leap month.
std::span<const AstronomicalMonth> AstronomicalMonths();

// `AstronomicalLunarDate`: the lunar date of the day `date` falls on (time
// of day ignored); all fields 0 outside 1900-01-31 .. 2100-12-31, the span
// `SolarToLunar` covers.
LunarDate AstronomicalLunarDate(DateTime date);

// `AstronomicalTermMoment`: the moment of term `term` (0 = 小寒 … 23 = 冬至)
// in the Gregorian year `year`, 1899..2101, on Beijing's clock of the day
// rounded down to the minute, so that it falls on the term's day. NaN outside
// those ranges.
DateTime AstronomicalTermMoment(int year, int term);

// `AstronomicalNewMoonOn`: the moment of the new moon falling on the day
// `date` falls on, on the clock of AstronomicalTermMoment; NaN for a day
// without one or outside 1899..2101.
DateTime AstronomicalNewMoonOn(DateTime date);

// The month helpers of lunar_table.h for this calendar, lunar years
// 1900..2100; 0 outside them.
// `AstronomicalLeapMonthOf`: the month the year's leap month repeats, 0 for none.
int AstronomicalLeapMonthOf(int year);
// `AstronomicalMonthDays`: 29 or 30 for month `month` of `year`, its leap
// month if `isLeap`; 0 for a month the year does not have.
int AstronomicalMonthDays(int year, int month, bool isLeap);
// `AstronomicalYearDays`: days from the year's 正月初一 to the next one's.
int AstronomicalYearDays(int year);

}  // namespace calendar
