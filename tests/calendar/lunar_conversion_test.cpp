#include <gtest/gtest.h>

#include "calendar/lunar_conversion.h"
#include "calendar/lunar_table.h"
#include "dates.h"

namespace {

using calendar::LunarDate;
using calendar::SolarToLunar;
using testing_support::at;

TEST(LunarTable, ReadsLengthsAndRefusesYearsOutsideIt) {
    EXPECT_EQ(calendar::LunarYearDays(1900), 384);  // 4BD8: a leap 8th month of 29 days
    EXPECT_EQ(calendar::LeapMonthOf(1907), 0);      // 56AF: only the marker of 1906's 30-day leap month
    EXPECT_EQ(calendar::LeapMonthDays(1906), 30);
    EXPECT_EQ(calendar::LunarMonthDays(2100, 0), 30) << "a month below 1 reads as 正月";
    EXPECT_EQ(calendar::LunarMonthDays(2100, 13), 29) << "a month above 12 reads as 腊月";
    for (int year : {1899, 2101, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(calendar::LeapMonthOf(year) + calendar::LeapMonthDays(year) + calendar::LunarMonthDays(year, 1) +
                      calendar::LunarYearDays(year),
                  0)
            << year;
    }
}

TEST(SolarToLunar, ConvertsKnownDates) {
    const struct {
        calendar::DateTime date;
        LunarDate lunar;
    } rows[] = {
        {at(1900, 1, 31), {1900, 1, 1, false}},  {at(2024, 2, 10), {2024, 1, 1, false}},
        {at(2024, 2, 9), {2023, 12, 30, false}}, {at(2023, 3, 22), {2023, 2, 1, true}},
        {at(2023, 4, 19), {2023, 2, 29, true}},  {at(2023, 4, 20), {2023, 3, 1, false}},
        {at(2017, 7, 23), {2017, 6, 1, true}},   {at(2017, 8, 21), {2017, 6, 30, true}},
        {at(2020, 5, 23), {2020, 4, 1, true}},   {at(2100, 12, 31), {2100, 12, 1, false}},
        {at(2000, 1, 1), {1999, 11, 25, false}}, {45331.99, {2023, 12, 30, false}},  // time of day ignored
    };
    for (const auto& row : rows) {
        const LunarDate got = SolarToLunar(row.date);
        EXPECT_EQ(got, row.lunar) << row.date << " gave " << got.year << "-" << got.month << "-" << got.day;
    }
    for (double date : {at(1900, 1, 30, 23, 59), at(2101, 1, 1), 0.0, -1.5}) EXPECT_EQ(SolarToLunar(date), LunarDate{});
    for (double date : testing_support::kNotADay) EXPECT_EQ(SolarToLunar(date), LunarDate{}) << date;
}

// Every day of the range against the table alone: days step by one, months
// end at their table length, leap months sit where the table says, and each
// lunar year holds LunarYearDays days. The table's readers are checked
// against facts from outside it: known 春节, 端午 and 中秋 across the range,
// which fall where they do only if each month has its own length.
TEST(SolarToLunar, WalksEveryDayOfTheTable) {
    const struct {
        calendar::DateTime date;
        int lunarMonth, lunarDay;
    } known[] = {
        {at(1901, 2, 19), 1, 1},  {at(1910, 2, 10), 1, 1},  {at(1930, 1, 30), 1, 1},  {at(1949, 1, 29), 1, 1},
        {at(1970, 2, 6), 1, 1},   {at(1990, 1, 27), 1, 1},  {at(2000, 2, 5), 1, 1},   {at(2030, 2, 3), 1, 1},
        {at(2050, 1, 23), 1, 1},  {at(1980, 9, 23), 8, 15}, {at(1990, 10, 3), 8, 15}, {at(2000, 9, 12), 8, 15},
        {at(2010, 9, 22), 8, 15}, {at(2015, 9, 27), 8, 15}, {at(2019, 9, 13), 8, 15}, {at(2020, 10, 1), 8, 15},
        {at(2021, 9, 21), 8, 15}, {at(2022, 9, 10), 8, 15}, {at(2023, 9, 29), 8, 15}, {at(2024, 9, 17), 8, 15},
        {at(2010, 6, 16), 5, 5},  {at(2020, 6, 25), 5, 5},  {at(2023, 6, 22), 5, 5},  {at(2024, 6, 10), 5, 5},
    };
    for (const auto& k : known) {
        const LunarDate lunar = SolarToLunar(k.date);
        EXPECT_EQ(lunar.month, k.lunarMonth) << k.date;
        EXPECT_EQ(lunar.day, k.lunarDay) << k.date;
        EXPECT_FALSE(lunar.isLeap) << k.date;
    }

    LunarDate previous = SolarToLunar(at(1900, 1, 31));
    int daysInYear = 1, leapMonths = 0, days = 1;
    for (calendar::DateTime date = at(1900, 2, 1); date <= at(2100, 12, 31); ++date, ++days, ++daysInYear) {
        const LunarDate now = SolarToLunar(date + 0.5);
        LunarDate expected{previous.year, previous.month, previous.day + 1, previous.isLeap};
        if (now.day == 1) {
            ASSERT_EQ(previous.day, previous.isLeap ? calendar::LeapMonthDays(previous.year)
                                                    : calendar::LunarMonthDays(previous.year, previous.month))
                << date;
            if (!previous.isLeap && previous.month == calendar::LeapMonthOf(previous.year)) {
                expected = {previous.year, previous.month, 1, true};
                ++leapMonths;
            } else if (previous.month < 12) {
                expected = {previous.year, previous.month + 1, 1, false};
            } else {
                expected = {previous.year + 1, 1, 1, false};
                ASSERT_EQ(daysInYear, calendar::LunarYearDays(previous.year)) << previous.year;
                daysInYear = 0;
            }
        }
        ASSERT_EQ(now, expected) << date;
        previous = now;
    }
    EXPECT_EQ(leapMonths, 74);
    // The last day converted is 腊月初一 of 2100's 29-day 腊月, so the table
    // ends 28 days later.
    EXPECT_EQ(days + 28, 73412);
}

// The table lookup against the year-by-year walk it replaces: every quarter
// day from before the range to after it, and values that name no day.
TEST(SolarToLunar, AgreesWithTheReferenceWalk) {
    for (calendar::DateTime date = at(1900, 1, 29); date < at(2101, 1, 3); date += 0.25) {
        ASSERT_EQ(SolarToLunar(date), calendar::ReferenceSolarToLunar(date)) << date;
    }
    for (double date : testing_support::kNotADay) {
        EXPECT_EQ(SolarToLunar(date), calendar::ReferenceSolarToLunar(date)) << date;
    }
}

}  // namespace
