#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "calendar/astronomical_calendar.h"
#include "calendar/lunar_conversion.h"
#include "calendar/solar_terms.h"
#include "dates.h"

namespace {

using calendar::AstronomicalLunarDate;
using calendar::AstronomicalTermMoment;
using calendar::LunarDate;
using testing_support::at;

TEST(AstronomicalCalendar, TermMomentsOf2024AreThePublishedOnes) {
    const struct {
        int term;
        calendar::DateTime published;
    } rows[] = {
        {2, at(2024, 2, 4, 16, 27)},   // 立春
        {5, at(2024, 3, 20, 11, 6)},   // 春分
        {11, at(2024, 6, 21, 4, 51)},  // 夏至
        {17, at(2024, 9, 22, 20, 44)}, // 秋分
        {23, at(2024, 12, 21, 17, 21)} // 冬至
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(AstronomicalTermMoment(2024, row.term), row.published, 2.0 / 1440) << row.term;
    }
    for (const auto& [year, term] : {std::pair{1898, 0}, {2102, 23}, {2024, -1}, {2024, 24}}) {
        EXPECT_TRUE(std::isnan(AstronomicalTermMoment(year, term))) << year << " " << term;
    }
}

TEST(AstronomicalCalendar, LunarNewYears2000To2030FallOnTheirKnownDays) {
    const calendar::DateTime newYears[] = {
        at(2000, 2, 5),  at(2001, 1, 24), at(2002, 2, 12), at(2003, 2, 1),  at(2004, 1, 22), at(2005, 2, 9),
        at(2006, 1, 29), at(2007, 2, 18), at(2008, 2, 7),  at(2009, 1, 26), at(2010, 2, 14), at(2011, 2, 3),
        at(2012, 1, 23), at(2013, 2, 10), at(2014, 1, 31), at(2015, 2, 19), at(2016, 2, 8),  at(2017, 1, 28),
        at(2018, 2, 16), at(2019, 2, 5),  at(2020, 1, 25), at(2021, 2, 12), at(2022, 2, 1),  at(2023, 1, 22),
        at(2024, 2, 10), at(2025, 1, 29), at(2026, 2, 17), at(2027, 2, 6),  at(2028, 1, 26), at(2029, 2, 13),
        at(2030, 2, 3),
    };
    int year = 2000;
    for (const calendar::DateTime day : newYears) {
        EXPECT_EQ(AstronomicalLunarDate(day), (LunarDate{year, 1, 1, false})) << year;
        EXPECT_EQ(AstronomicalLunarDate(day - 1).month, 12) << year;
        ++year;
    }
}

TEST(AstronomicalCalendar, LeapMonths2000To2033AreTheKnownOnes) {
    const std::vector<std::pair<int, int>> known = {
        {2001, 4}, {2004, 2}, {2006, 7},  {2009, 5}, {2012, 4}, {2014, 9},  {2017, 6},
        {2020, 4}, {2023, 2}, {2025, 6}, {2028, 5}, {2031, 3}, {2033, 11},
    };
    std::vector<std::pair<int, int>> found;
    for (const calendar::AstronomicalMonth& month : calendar::AstronomicalMonths()) {
        if (month.isLeap && month.year >= 2000 && month.year <= 2033) found.emplace_back(month.year, month.number);
    }
    EXPECT_EQ(found, known);
}

// Every day of the span against the month list: the indexed lookup must find
// the last month begun by that day, and nothing outside the span.
TEST(AstronomicalCalendar, EveryDayFallsInTheMonthBegunLastBeforeIt) {
    const auto months = calendar::AstronomicalMonths();
    std::size_t k = 0;
    for (calendar::DateTime day = at(1900, 1, 31); day < at(2101, 1, 1); ++day) {
        while (months[k + 1].firstDay <= day) ++k;
        const auto& month = months[k];
        ASSERT_EQ(AstronomicalLunarDate(day + 0.99),
                  (LunarDate{month.year, month.number, static_cast<int>(day) - month.firstDay + 1, month.isLeap}))
            << day;
    }
    for (double date : {at(1900, 1, 30, 23, 59), at(2101, 1, 1), 0.0, -1.5}) {
        EXPECT_EQ(AstronomicalLunarDate(date), LunarDate{}) << date;
    }
    for (double date : testing_support::kNotADay) EXPECT_EQ(AstronomicalLunarDate(date), LunarDate{}) << date;
}

// Where the sky and the formula with its table part over 1900..2100. Each
// differing month hinges on a new moon within a quarter of an hour of
// midnight.
TEST(AstronomicalCalendar, DiffersFromTheTableEngineOnKnownDays) {
    int termDays = 0;
    for (int year = 1900; year <= 2100; ++year) {
        for (int term = 0; term < calendar::kSolarTermCount; ++term) {
            termDays += std::floor(AstronomicalTermMoment(year, term)) !=
                        std::floor(calendar::SolarTermMoment(year, term));
        }
    }
    EXPECT_EQ(termDays, 181);
    EXPECT_EQ(std::floor(AstronomicalTermMoment(1910, 2)), at(1910, 2, 5)) << "立春 at 00:13, the formula's at 23:59";

    std::vector<calendar::DateTime> runStarts;
    int lunarDays = 0;
    bool differed = false;
    for (calendar::DateTime day = at(1900, 1, 31); day < at(2101, 1, 1); ++day) {
        const bool differs = AstronomicalLunarDate(day) != calendar::SolarToLunar(day);
        if (differs && !differed) runStarts.push_back(day);
        lunarDays += differs;
        differed = differs;
    }
    EXPECT_EQ(lunarDays, 90);
    EXPECT_EQ(runStarts, (std::vector{at(1914, 11, 17), at(2089, 9, 4), at(2097, 8, 7)}));
    EXPECT_EQ(AstronomicalLunarDate(at(1914, 11, 17)), (LunarDate{1914, 10, 1, false}));
    EXPECT_EQ(AstronomicalLunarDate(at(2089, 9, 4)), (LunarDate{2089, 8, 1, false}));
}

// The table's rows, for the new-moon moments the engine does not expose.
struct TableRow {
    int year, terms[calendar::kSolarTermCount], newMoonCount, newMoons[13];
};
constexpr TableRow kTable[] = {
#include "calendar/data/astronomical_calendar.inc"
};

// Before 1929 the calendar keeps Beijing's mean time, 14 min 20 s behind
// UTC+8. These new moons fall just before midnight by it and just after by
// UTC+8, so their months begin a day earlier.
TEST(AstronomicalCalendar, MonthsBefore1929BeginOnTheDaysOfBeijingMeanTime) {
    const struct {
        calendar::DateTime newMoon;
        LunarDate month;
    } months[] = {
        {at(1906, 4, 23, 23, 52), {1906, 4, 1, false}},   // 04-24 00:06 by UTC+8
        {at(1914, 11, 17, 23, 47), {1914, 10, 1, false}}, // 11-18 00:01
        {at(1916, 2, 3, 23, 50), {1916, 1, 1, false}},    // 02-04 00:05
        {at(1920, 11, 10, 23, 50), {1920, 10, 1, false}}, // 11-11 00:04
        {at(1933, 7, 23, 0, 3), {1933, 6, 1, false}},     // UTC+8 from 1929: it keeps its day
    };
    for (const auto& [newMoon, month] : months) {
        const int* moons = kTable[month.year - kTable[0].year].newMoons;
        EXPECT_NE(std::find(moons, moons + 13, std::lround(newMoon * 1440)), moons + 13) << month.year;
        EXPECT_EQ(AstronomicalLunarDate(newMoon), month) << month.year;
    }
}

}  // namespace
