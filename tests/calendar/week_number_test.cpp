#include <gtest/gtest.h>

#include <chrono>

#include "calendar/week_number.h"
#include "dates.h"

namespace {

using calendar::WeekNumber;
using testing_support::at;

TEST(WeekNumber, NumbersKnownDates) {
    const struct {
        calendar::DateTime date;
        int sundayFirst, iso;
    } rows[] = {
        {at(2023, 1, 1), 1, 52},   {at(2023, 1, 8), 2, 1},     {at(2024, 1, 6), 1, 1},      {at(2024, 1, 7), 2, 1},
        {at(2024, 12, 31), 53, 1}, {at(2000, 12, 31), 54, 52}, {at(2021, 1, 3, 18), 2, 53},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WeekNumber(row.date, false), row.sundayFirst) << row.date;
        EXPECT_EQ(WeekNumber(row.date, true), row.iso) << row.date;
    }
    for (double date : testing_support::kNotADay) EXPECT_EQ(WeekNumber(date, false) + WeekNumber(date, true), 0);
}

// Day by day from 1899 to 2101: the Sunday-first number starts at 1 on
// January 1 and rises on each Sunday; the ISO number rises on each Monday,
// and only a Monday wraps it from 52 or 53 back to 1.
TEST(WeekNumber, RisesWeekByWeek) {
    using namespace std::chrono;
    int sundayFirst = 1, iso = 52;  // 1899-01-01, a Sunday
    for (calendar::DateTime date = at(1899, 1, 1); date <= at(2101, 12, 31); ++date) {
        const year_month_day day = *calendar::CivilDateOf(date);
        const weekday wd{sys_days{day}};
        const bool newYear = day.month() == January && day.day() == 1d;
        const int nowSundayFirst = WeekNumber(date, false), nowIso = WeekNumber(date, true);
        ASSERT_EQ(nowSundayFirst, newYear ? 1 : sundayFirst + (wd == Sunday)) << date;
        if (wd == Monday && nowIso == 1) {
            ASSERT_TRUE(iso == 52 || iso == 53) << date;
        } else {
            ASSERT_EQ(nowIso, iso + (wd == Monday)) << date;
        }
        sundayFirst = nowSundayFirst, iso = nowIso;
    }
}

}  // namespace
