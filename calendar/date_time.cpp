#include "calendar/date_time.h"

#include <cmath>
#include <ctime>

namespace calendar {

std::optional<std::chrono::year_month_day> CivilDateOf(DateTime date) {
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

DateTime Today() {
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateTimeOf(sys_days{year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday});
}

}  // namespace calendar
