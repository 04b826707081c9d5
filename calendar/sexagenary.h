// Sexagenary (stem-branch) counts of year, month and day.
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/calendar_rule.h"
#include "calendar/date_time.h"

namespace calendar {

// `CycleIndices`: running counts, not reduced modulo 60; index i names stem
// i mod 10 and branch i mod 12, so every multiple of 60 is 甲子.
struct CycleIndices {
    std::int32_t yearIndex = 0;
    std::int32_t monthIndex = 0;
    std::int32_t dayIndex = 0;

    friend bool operator==(const CycleIndices&, const CycleIndices&) = default;
};

// Where the year and the month change, as schools read it. `Mixed`, the
// reading every report has followed: the year at the moment of 立春 (a
// `date` at midnight is before it all 立春's day), the month at the
// midnight that begins the day of its opening term. `Day`: both at the
// midnight that begins their term's day. `Moment`: both at their term's
// moment, which only a `date` carrying its time of day can be compared with.
enum class PillarBoundary { Mixed, Day, Moment };

// `CycleIndicesOf`: the counts of `date`, the year and month changing at the
// terms of `rule` by `boundary`.
// Nothing for dates before 1900 (and for values that name no day); a caller
// that keeps a record leaves it as it was.
std::optional<CycleIndices> CycleIndicesOf(DateTime date, CalendarRule rule = CalendarRule::Table,
                                           PillarBoundary boundary = PillarBoundary::Mixed);

}  // namespace calendar
