// The lunar year table 1900..2100, the month and year lengths read from it,
// and the new years and month starts summed from it while compiling.
// Years outside the table have no months: their lengths are 0.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace calendar {

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2100;

// `LunarInfo`: one entry per lunar year, at position year - 1900.
//   bit 15        正月 has 30 days if set, 29 if clear
//   bits 14..4    months 2..12 likewise (month m is bit 16 - m)
//   bits 3..0     1..12: a leap month follows that month; 0: no leap month;
//                 0xF: no leap month, and last year's leap month has 30 days
inline constexpr std::array<std::uint16_t, kLastLunarYear - kFirstLunarYear + 1> LunarInfo = {
#include "data/lunar_info.inc"
};

constexpr bool IsLunarTableYear(int year) { return year >= kFirstLunarYear && year <= kLastLunarYear; }

namespace detail {
inline constexpr unsigned kLongLeapMarker = 0xF;
constexpr unsigned leapField(int year) { return LunarInfo[year - kFirstLunarYear] & 0xFu; }
}  // namespace detail

// `LeapMonthOf`: the month a leap month follows in `year`, 0 for none. [0, 12]
constexpr int LeapMonthOf(int year) {
    if (!IsLunarTableYear(year)) return 0;
    const unsigned field = detail::leapField(year);
    return field == detail::kLongLeapMarker ? 0 : static_cast<int>(field);
}

// `LeapMonthDays`: the length of the year's leap month, 0 without one. The
// year after a leap year never has a leap month of its own, so its leap field
// is free to carry the marker of a 30-day leap month.
constexpr int LeapMonthDays(int year) {
    if (LeapMonthOf(year) == 0) return 0;
    return detail::leapField(year + 1) == detail::kLongLeapMarker ? 30 : 29;
}

// `LunarMonthDays`: 29 or 30 for the ordinary month `month` of `year`. Months
// outside 1..12 are read as the nearest of them.
constexpr int LunarMonthDays(int year, int month) {
    if (!IsLunarTableYear(year)) return 0;
    const int bit = 16 - std::clamp(month, 1, 12);  // [4, 15]
    return (LunarInfo[year - kFirstLunarYear] >> bit) & 1u ? 30 : 29;
}

// `LunarYearDays`: twelve months of 29 days, one more for each long month,
// plus the leap month. [353, 385]
constexpr int LunarYearDays(int year) {
    if (!IsLunarTableYear(year)) return 0;
    const int longMonths = std::popcount(static_cast<unsigned>(LunarInfo[year - kFirstLunarYear] & 0xFFF0u));
    return 12 * 29 + longMonths + LeapMonthDays(year);
}

namespace detail {

// What the encoding and the conversion rely on, checked on the table itself.
struct TableFacts {
    int days = 0, leapYears = 0, longLeapMonths = 0;
    bool fieldsValid = true, leapYearsApart = true, lengthsKnown = true;
};

constexpr TableFacts tableFacts() {
    TableFacts facts;
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        const unsigned field = leapField(year);
        const bool leap = field >= 1 && field <= 12;
        facts.fieldsValid &= field <= 12 || field == kLongLeapMarker;
        if (year > kFirstLunarYear && LeapMonthOf(year - 1) != 0) {
            // A leap year's successor holds 0 or the marker, never a leap month.
            facts.leapYearsApart &= !leap;
        } else {
            facts.fieldsValid &= field != kLongLeapMarker;  // a marker with no leap month before it
        }
        const int length = LunarYearDays(year);
        facts.lengthsKnown &= (length >= 353 && length <= 355) || (length >= 383 && length <= 385);
        facts.days += length;
        facts.leapYears += leap;
        facts.longLeapMonths += LeapMonthDays(year) == 30;
    }
    return facts;
}

inline constexpr TableFacts kTableFacts = tableFacts();
static_assert(kTableFacts.fieldsValid && kTableFacts.leapYearsApart && kTableFacts.lengthsKnown);
static_assert(kTableFacts.leapYears == 74 && kTableFacts.longLeapMonths == 20);
// LeapMonthDays never reads past the table.
static_assert(LeapMonthOf(kLastLunarYear) == 0);

}  // namespace detail

// `LunarNewYears`: the 正月初一 of each table year as days after the first
// one (1900-01-31), at position year - 1900, then the day after the table
// ends. Summed from LunarInfo while compiling, so a conversion finds its year
// in a step instead of adding up the years before it.
inline constexpr std::array<std::int32_t, kLastLunarYear - kFirstLunarYear + 2> LunarNewYears = [] {
    std::array<std::int32_t, kLastLunarYear - kFirstLunarYear + 2> starts{};
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        starts[year - kFirstLunarYear + 1] = starts[year - kFirstLunarYear] + LunarYearDays(year);
    }
    return starts;
}();
static_assert(LunarNewYears.back() == detail::kTableFacts.days);

// `LunarMonthStarts`: for each table year, at position year - 1900, the day
// of the year (0 for 正月初一) on which each of its months begins, in calendar
// order with the leap month in its place; a year of twelve months ends with
// its length, a day it never reaches. Read from LunarInfo while compiling, so
// a conversion counts months instead of adding up their lengths.
inline constexpr std::array<std::array<std::uint16_t, 13>, kLastLunarYear - kFirstLunarYear + 1> LunarMonthStarts = [] {
    std::array<std::array<std::uint16_t, 13>, kLastLunarYear - kFirstLunarYear + 1> starts{};
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        std::array<std::uint16_t, 13>& months = starts[year - kFirstLunarYear];
        int position = 0, day = 0;
        for (int month = 1; month <= 12; ++month) {
            months[position++] = static_cast<std::uint16_t>(day);
            day += LunarMonthDays(year, month);
            if (month == LeapMonthOf(year)) {
                months[position++] = static_cast<std::uint16_t>(day);
                day += LeapMonthDays(year);
            }
        }
        if (position == 12) months[12] = static_cast<std::uint16_t>(day);
    }
    return starts;
}();

}  // namespace calendar
