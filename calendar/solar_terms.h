// The 24 solar terms: their moments by a mean tropical year, and their names.
#pragma once

#include <string>

#include "calendar/calendar_rule.h"
#include "calendar/date_time.h"

namespace calendar {

inline constexpr int kSolarTermCount = 24;

// `SolarTermMoment`: the moment of term `term` (0 = 小寒 … 23 = 冬至) in the
// Gregorian year `year`, with no time zone. Terms 2(m - 1) and 2(m - 1) + 1
// fall in month m. NaN for a term index outside 0..23. The astronomical rule
// reads its table for 1899..2101 and keeps the formula beyond it, so that
// every year still has its terms.
DateTime SolarTermMoment(int year, int term, CalendarRule rule = CalendarRule::Table);

// `SolarTermName`: the name of the term falling on the day that begins at
// `date`, or empty text; a date carrying a time of day never matches.
std::string SolarTermName(DateTime date, CalendarRule rule = CalendarRule::Table);

}  // namespace calendar
