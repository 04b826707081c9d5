// The date-time value every calendar operation takes: a double counting days
// from 1899-12-30 00:00, its fraction the time of day (2.0 is 1900-01-01,
// 32.5 is 1900-01-31 12:00). Gregorian arithmetic goes through <chrono>.
#pragma once

#include <chrono>
#include <cmath>
#include <optional>

namespace calendar {

using DateTime = double;

inline constexpr std::chrono::sys_days kDateTimeEpoch{std::chrono::year{1899} / 12 / 30};

// The date-time value of the midnight that begins `day`.
constexpr DateTime DateTimeOf(std::chrono::sys_days day) { return (day - kDateTimeEpoch).count(); }

// The Gregorian day `date` falls on, its time of day dropped. Only values
// from 0001-01-01 to 9999-12-31 name a day; every other double (NaN, the
// infinities and huge magnitudes too) gives nothing, so no caller ever turns
// such a value into an integer. Defined here, where its callers are
// compiled: an optional date returned from another file comes back through
// memory, written in parts and read whole, which stalls the processor.
inline std::optional<std::chrono::year_month_day> CivilDateOf(DateTime date) {
    using namespace std::chrono;
    static constexpr DateTime kFirst = DateTimeOf(year{1} / 1 / 1);    // -693593
    static constexpr DateTime kEnd = DateTimeOf(year{10000} / 1 / 1);  // 2958466
    static_assert(-kFirst <= days::max().count() && kEnd <= days::max().count());
    if (!(date >= kFirst && date < kEnd)) return std::nullopt;  // NaN fails both tests
    // The value counts days, so a time of day lies above the day's midnight
    // on either side of the epoch: floor, not truncation.
    const days sinceEpoch{static_cast<days::rep>(std::floor(date))};  // [-693593, 2958465]
    return year_month_day{kDateTimeEpoch + sinceEpoch};
}

// Today on the computer's local clock, as a whole day.
DateTime Today();

// The month [1, 12] and day [1, 31] of a Gregorian day as plain integers.
constexpr int MonthOf(const std::chrono::year_month_day& day) {
    return static_cast<int>(static_cast<unsigned>(day.month()));
}
constexpr int DayOf(const std::chrono::year_month_day& day) {
    return static_cast<int>(static_cast<unsigned>(day.day()));
}

}  // namespace calendar
