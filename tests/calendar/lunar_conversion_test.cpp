#include <gtest/gtest.h>

#include "calendar/lunar_conversion.h"
#include "calendar/lunar_table.h"
#include "dates.h"

namespace {

using calendar::LunarDate;
using calendar::SolarToLunar;
using calendar_test::at;

TEST(LunarTable, ReadsMonthAndYearLengths) {
    EXPECT_EQ(calendar::LunarYearDays(1900), 384);  // 4BD8: leap 8th month of 29 days
    EXPECT_EQ(calendar::LeapMonthOf(1900), 8);
    EXPECT_EQ(calendar::LeapMonthDays(1900), 29);
    EXPECT_EQ(calendar::LeapMonthOf(1907), 0);  // 56AF: only the marker
    EXPECT_EQ(calendar::LeapMonthDays(1906), 30);
    EXPECT_EQ(calendar::LeapMonthOf(2023), 2);
    EXPECT_EQ(calendar::LunarYearDays(2023), 384);
    EXPECT_EQ(calendar::LunarYearDays(2024), 354);
    // 2100 (D520): 正月 long, 腊月 short.
    EXPECT_EQ(calendar::LunarMonthDays(2100, 1), 30);
    EXPECT_EQ(calendar::LunarMonthDays(2100, 12), 29);
    EXPECT_EQ(calendar::LunarMonthDays(2100, 0), 30) << "a month below 1 reads as 正月";
    EXPECT_EQ(calendar::LunarMonthDays(2100, 13), 29) << "a month above 12 reads as 腊月";
}

TEST(LunarTable, YearsOutsideTheTableHaveNoDays) {
    for (int year : {1899, 2101, 0, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(calendar::LeapMonthOf(year), 0) << year;
        EXPECT_EQ(calendar::LeapMonthDays(year), 0) << year;
        EXPECT_EQ(calendar::LunarMonthDays(year, 1), 0) << year;
        EXPECT_EQ(calendar::LunarYearDays(year), 0) << year;
    }
}

TEST(SolarToLunar, ConvertsKnownDates) {
    const struct {
        calendar::DateTime date;
        LunarDate lunar;
    } rows[] = {
        {at(1900, 1, 31), {1900, 1, 1, false}},    {at(2024, 2, 10), {2024, 1, 1, false}},
        {at(2024, 2, 9), {2023, 12, 30, false}},   {at(2023, 3, 22), {2023, 2, 1, true}},
        {at(2023, 4, 19), {2023, 2, 29, true}},    {at(2023, 4, 20), {2023, 3, 1, false}},
        {at(2017, 7, 23), {2017, 6, 1, true}},     {at(2017, 8, 21), {2017, 6, 30, true}},
        {at(2020, 5, 23), {2020, 4, 1, true}},     {at(2100, 12, 31), {2100, 12, 1, false}},
        {at(2000, 1, 1), {1999, 11, 25, false}},   {at(1985, 2, 20), {1985, 1, 1, false}},
        {at(2024, 2, 9, 23, 59), {2023, 12, 30, false}},  // the time of day is ignored
        {45331.99, {2023, 12, 30, false}},
    };
    for (const auto& row : rows) {
        const LunarDate got = SolarToLunar(row.date);
        EXPECT_EQ(got, row.lunar) << row.date << " gave " << got.year << "-" << got.month << "-" << got.day
                                  << (got.isLeap ? " leap" : "");
    }
}

TEST(SolarToLunar, GivesZeroOutsideTheTable) {
    for (double date : {at(1900, 1, 30), at(1900, 1, 30, 23, 59), at(2101, 1, 1), at(2101, 1, 28), 0.0, -0.0, -1.5}) {
        EXPECT_EQ(SolarToLunar(date), LunarDate{}) << date;
    }
    for (double date : calendar_test::kNotADay) EXPECT_EQ(SolarToLunar(date), LunarDate{}) << date;
}

// Every day of the range, checked against the table alone: days step by one,
// months end at their table length, leap months sit where the table says,
// and each lunar year holds LunarYearDays days.
TEST(SolarToLunar, WalksEveryDayOfTheTable) {
    const calendar::DateTime first = at(1900, 1, 31), last = at(2100, 12, 31);
    LunarDate previous = SolarToLunar(first);
    ASSERT_EQ(previous, (LunarDate{1900, 1, 1, false}));
    int daysInYear = 1, leapMonthsSeen = 0, days = 1;
    for (calendar::DateTime date = first + 1; date <= last; ++date, ++days, ++daysInYear) {
        const LunarDate now = SolarToLunar(date + 0.5);
        if (now.day != 1) {
            ASSERT_EQ(now, (LunarDate{previous.year, previous.month, previous.day + 1, previous.isLeap})) << date;
        } else {
            const int monthLength = previous.isLeap ? calendar::LeapMonthDays(previous.year)
                                                    : calendar::LunarMonthDays(previous.year, previous.month);
            ASSERT_EQ(previous.day, monthLength) << date;
            if (!previous.isLeap && previous.month == calendar::LeapMonthOf(previous.year)) {
                ASSERT_EQ(now, (LunarDate{previous.year, previous.month, 1, true})) << date;
                ++leapMonthsSeen;
            } else if (previous.month < 12) {
                ASSERT_EQ(now, (LunarDate{previous.year, previous.month + 1, 1, false})) << date;
            } else {
                ASSERT_EQ(now, (LunarDate{previous.year + 1, 1, 1, false})) << date;
                ASSERT_EQ(daysInYear, calendar::LunarYearDays(previous.year)) << previous.year;
                daysInYear = 0;
            }
        }
        previous = now;
    }
    EXPECT_EQ(days, 73384);
    EXPECT_EQ(leapMonthsSeen, 74);
    // 2100-12-31 is 腊月初一 of a 29-day month: the table's last day is 28 days on.
    EXPECT_EQ(previous, (LunarDate{2100, 12, 1, false}));
    EXPECT_EQ(days + calendar::LunarMonthDays(2100, 12) - 1, 73412);
}

}  // namespace
