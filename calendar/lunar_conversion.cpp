#include "calendar/lunar_conversion.h"

#include <array>
#include <cstdint>
#include <optional>

#include "calendar/astronomical_calendar.h"
#include "calendar/lunar_table.h"

namespace calendar {
namespace {

using std::chrono::year;

// Lunar 1900 begins on 1900-01-31. Conversion stops at 2101-01-01, four
// weeks before lunar 2100 (and the table) runs out on 2101-01-28.
constexpr DateTime kLunarEpoch = DateTimeOf(year{1900} / 1 / 31);  // 32
constexpr DateTime kLunarEnd = DateTimeOf(year{2101} / 1 / 1);     // 73416
static_assert(DateTimeOf(year{2101} / 1 / 28) + 1 - kLunarEpoch == detail::kTableFacts.days,
              "the table's years must fill 1900-01-31 to 2101-01-28 exactly");
static_assert(kLunarEnd <= DateTimeOf(year{2101} / 1 / 28));

// Days from 1900-01-31 to the day `date` falls on; nothing outside the range
// converted.
std::optional<int> offsetOf(DateTime date) {
    if (!(date >= kLunarEpoch && date < kLunarEnd)) return std::nullopt;  // NaN fails both tests
    return static_cast<int>(date - kLunarEpoch);                          // [0, 73383]
}

constexpr int kTableYears = kLastLunarYear - kFirstLunarYear + 1;

// The year an offset falls in if the table's days were spread evenly over
// its years, as a position in the table. [0, 200]
constexpr int evenYearOf(int offset) { return offset * kTableYears / detail::kTableFacts.days; }

// New years stay within weeks of that even spread, so the guess is the year
// itself or a neighbour. The guess only grows with the offset: checking the
// first and last day of each year checks every day.
constexpr bool evenYearWithinOne() {
    for (int index = 0; index < kTableYears; ++index) {
        if (evenYearOf(LunarNewYears[index]) < index - 1 || evenYearOf(LunarNewYears[index + 1] - 1) > index + 1) {
            return false;
        }
    }
    return true;
}
static_assert(evenYearWithinOne());

}  // namespace

LunarDate SolarToLunar(DateTime date, CalendarRule rule) {
    if (rule == CalendarRule::Astronomical) return AstronomicalLunarDate(date);
    const std::optional<int> offset = offsetOf(date);
    if (!offset) return {};
    int index = evenYearOf(*offset);
    if (*offset < LunarNewYears[index]) {
        --index;
    } else if (*offset >= LunarNewYears[index + 1]) {
        ++index;
    }
    // index: [0, 200]
    const int year = kFirstLunarYear + index;
    const int day = *offset - LunarNewYears[index];  // [0, LunarYearDays(year) - 1]

    // Count the months after the first that have begun by the day: a fixed
    // dozen comparisons, without branches to mispredict.
    const std::array<std::uint16_t, 13>& starts = LunarMonthStarts[index];
    int position = 0;
    for (int next = 1; next < 13; ++next) position += starts[next] <= day;
    // position: [0, 12], the month in calendar order counting the leap month
    const int leap = LeapMonthOf(year);
    const bool afterLeap = leap != 0 && position >= leap;
    return {year, position + 1 - afterLeap, day - starts[position] + 1, afterLeap && position == leap};
}

LunarDate ReferenceSolarToLunar(DateTime date) {
    const std::optional<int> start = offsetOf(date);
    if (!start) return {};
    int offset = *start;

    // Walk whole years from 1900. Reaching exactly 0 leaves the year advanced:
    // the date is that year's 正月初一.
    int year = kFirstLunarYear;
    int yearDays = 0;
    while (offset > 0) {
        yearDays = LunarYearDays(year);
        ++year;
        offset -= yearDays;
    }
    if (offset < 0) {
        offset += yearDays;
        --year;
    }
    // offset: [0, LunarYearDays(year) - 1]; year: [1900, 2100]

    // Walk months; the leap month comes right after the month it repeats.
    const int leap = LeapMonthOf(year);
    bool isLeap = false;
    int month = 0;
    int monthDays = 0;
    do {
        ++month;
        monthDays = LunarMonthDays(year, month);
        offset -= monthDays;
        if (offset >= 0 && month == leap) {
            monthDays = LeapMonthDays(year);
            offset -= monthDays;
            isLeap = offset < 0;
        }
    } while (offset >= 0);
    // month: [1, 12]; offset + monthDays: [0, 29]
    return {year, month, offset + monthDays + 1, isLeap};
}

}  // namespace calendar
