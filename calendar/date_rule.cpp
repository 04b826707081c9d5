#include "calendar/date_rule.h"

#include <algorithm>

namespace calendar {

using namespace std::chrono;

std::optional<DateTime> AcceptedDay(DateTime date) {
    const auto civil = CivilDateOf(date);
    if (!civil || civil->year() < year{kFirstYear} || civil->year() > year{kLastYear}) return std::nullopt;
    return DateTimeOf(sys_days{*civil});
}

DateTime ClampedToYears(DateTime day) {
    static constexpr DateTime kFirst = DateTimeOf(year{kFirstYear} / 1 / 1);
    static constexpr DateTime kLast = DateTimeOf(year{kLastYear} / 12 / 31);
    return std::clamp(day, kFirst, kLast);
}

}  // namespace calendar
