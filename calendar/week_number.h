// Week numbers of the year for the calendar's week column.
#pragma once

#include "calendar/date_time.h"

namespace calendar {

// `WeekNumber`: with `useISO8601`, the ISO 8601 week (Monday first; week 1
// holds the year's first Thursday, so late December may be week 1 and early
// January week 52 or 53). Without it, weeks begin on Sunday and week 1 holds
// January 1 of the date's own year: 1..54, never borrowed from a neighbour.
// 0 for a value that names no day.
int WeekNumber(DateTime date, bool useISO8601);

}  // namespace calendar
