// Date-time values for the tests, built from Gregorian dates.
#pragma once

#include <chrono>
#include <limits>

#include "calendar/date_time.h"

namespace testing_support {

// y-m-d at the given time of day.
inline calendar::DateTime at(int y, unsigned m, unsigned d, int hour = 0, int minute = 0) {
    using namespace std::chrono;
    return calendar::DateTimeOf(year{y} / month{m} / day{d}) + (hour * 60 + minute) / 1440.0;
}

// Doubles that name no day: every date-time operation must treat them as
// outside its range.
inline constexpr double kNotADay[] = {
    std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(),
    1e300,
    -1e300,
    1e18,
    4294967296.0,
    2958466.0,  // 10000-01-01
    -693594.0,  // 0000-12-31
};

}  // namespace testing_support
