#include "calendar/sexagenary.h"

#include <cmath>

#include "calendar/solar_terms.h"

namespace calendar {

std::optional<CycleIndices> CycleIndicesOf(DateTime date, CalendarRule rule, PillarBoundary boundary) {
    using namespace std::chrono;
    const auto day = CivilDateOf(date);
    if (!day || day->year() < year{1900}) return std::nullopt;
    const int y = static_cast<int>(day->year());  // [1900, 9999]
    const int m = MonthOf(*day);                  // [1, 12]

    // 小寒 in January, 立春 in February, …, 大雪 in December.
    const DateTime opening = SolarTermMoment(y, 2 * (m - 1), rule);
    const DateTime yearChange = boundary == PillarBoundary::Day ? std::floor(opening) : opening;
    const DateTime monthChange = boundary == PillarBoundary::Moment ? opening : std::floor(opening);
    const bool beforeSpring = m == 1 || (m == 2 && date < yearChange);
    const bool monthOpened = monthChange <= date;

    CycleIndices indices;
    indices.yearIndex = y - 1864 - beforeSpring;                                      // 1864 is a 甲子 year
    indices.monthIndex = (y - 1900) * 12 + m + 11 + monthOpened;                      // 小寒 1900 opens 丁丑 (13)
    indices.dayIndex = (sys_days{*day} - sys_days{year{1900} / 1 / 1}).count() + 10;  // 1900-01-01 is 甲戌
    return indices;
}

}  // namespace calendar
