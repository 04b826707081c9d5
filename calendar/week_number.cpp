#include "calendar/week_number.h"

namespace calendar {

int WeekNumber(DateTime date, bool useISO8601) {
    using namespace std::chrono;
    const auto day = CivilDateOf(date);
    if (!day) return 0;
    const sys_days today{*day};
    if (useISO8601) {
        // The week belongs to the year of its Thursday.
        const sys_days thursday = today - (weekday{today} - Monday) + days{3};
        const sys_days januaryFirst{year_month_day{thursday}.year() / January / 1};
        return (thursday - januaryFirst).count() / 7 + 1;  // [1, 53]
    }
    const sys_days januaryFirst{day->year() / January / 1};
    const int dayOfYear = (today - januaryFirst).count();                               // [0, 365]
    return (dayOfYear + static_cast<int>(weekday{januaryFirst}.c_encoding())) / 7 + 1;  // [1, 54]
}

}  // namespace calendar
