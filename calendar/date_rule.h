// The years a date may be chosen in: 1900..2100, the span of the lunar
// tables. The calendar control and a casting's date holder both keep to it.
#pragma once

#include <optional>

#include "calendar/date_time.h"

namespace calendar {

inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2100;

// The midnight that begins the day of `date` when that day lies in
// 1900..2100; nothing for any other value.
std::optional<DateTime> AcceptedDay(DateTime date);

// `day` brought inside 1900-01-01 .. 2100-12-31.
DateTime ClampedToYears(DateTime day);

}  // namespace calendar
