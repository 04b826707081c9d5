#include "calendar/lunar_conversion.h"

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

}  // namespace

LunarDate SolarToLunar(DateTime date) {
    if (!(date >= kLunarEpoch && date < kLunarEnd)) return {};  // NaN fails both tests
    int offset = static_cast<int>(date - kLunarEpoch);          // [0, 73383]

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
