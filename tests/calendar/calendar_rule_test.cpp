#include <gtest/gtest.h>

#include <cmath>

#include "calendar/calendar_rule.h"
#include "calendar/festival_text.h"
#include "calendar/lunar_conversion.h"
#include "calendar/lunar_months.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"
#include "dates.h"
#include "gbk.h"

namespace {

using calendar::CalendarRule;
using calendar::LunarDate;
using testing_support::at;

constexpr CalendarRule kRules[] = {CalendarRule::Table, CalendarRule::Astronomical};

// The month helpers must describe the months the conversion walks through:
// each month as long as its helper says, its leap month where LeapMonthOf
// puts it, each year as long as LunarYearDays.
TEST(CalendarRule, MonthHelpersMatchTheDaysTheConversionGives) {
    for (const CalendarRule rule : kRules) {
        SCOPED_TRACE(calendar::CalendarRuleName(rule));
        LunarDate last = calendar::SolarToLunar(at(1900, 1, 31), rule);
        ASSERT_EQ(last, (LunarDate{1900, 1, 1, false}));
        int yearDays = 1;
        for (calendar::DateTime day = at(1900, 2, 1); day < at(2101, 1, 1); ++day) {
            const LunarDate today = calendar::SolarToLunar(day, rule);
            if (today.day == 1) {
                const int length = last.isLeap ? calendar::LeapMonthDays(last.year, rule)
                                               : calendar::LunarMonthDays(last.year, last.month, rule);
                ASSERT_EQ(last.day, length) << day;
                ASSERT_EQ(today.isLeap, today.month == calendar::LeapMonthOf(today.year, rule) && today.month == last.month)
                    << day;
            }
            if (today.year != last.year) {
                ASSERT_EQ(yearDays, calendar::LunarYearDays(last.year, rule)) << day;
                yearDays = 0;
            }
            ++yearDays;
            last = today;
        }
        EXPECT_EQ(calendar::SolarToLunar(at(1900, 1, 30), rule), LunarDate{});
        EXPECT_EQ(calendar::SolarToLunar(at(2101, 1, 1), rule), LunarDate{});
        EXPECT_EQ(calendar::LunarYearDays(2101, rule), 0);
        EXPECT_EQ(calendar::LeapMonthDays(2000, rule), 0) << "a year without a leap month";
    }
}

// 立春 1910: the formula puts it at 02-04 23:59, the sky at 02-05 00:27; the
// month pillar turns at the midnight of the term's day, the year pillar at
// its moment.
TEST(CalendarRule, PillarsTurnAtTheTermsOfTheRule) {
    EXPECT_EQ(calendar::SolarTermName(at(1910, 2, 4)), calendar::SolarTermName(at(1910, 2, 5), CalendarRule::Astronomical));
    EXPECT_EQ(calendar::SolarTermName(at(1910, 2, 4), CalendarRule::Astronomical), "");

    const auto table = [](calendar::DateTime date) { return *calendar::CycleIndicesOf(date); };
    const auto sky = [](calendar::DateTime date) { return *calendar::CycleIndicesOf(date, CalendarRule::Astronomical); };
    const calendar::DateTime noon = at(1910, 2, 4, 12), afterMidnight = at(1910, 2, 5, 0, 10);
    EXPECT_EQ(sky(noon).monthIndex, table(noon).monthIndex - 1);
    EXPECT_EQ(sky(afterMidnight).monthIndex, table(afterMidnight).monthIndex);
    EXPECT_EQ(sky(afterMidnight).yearIndex, table(afterMidnight).yearIndex - 1);
    EXPECT_EQ(sky(at(1910, 2, 5, 0, 30)).yearIndex, table(afterMidnight).yearIndex);
    EXPECT_EQ(sky(noon).dayIndex, table(noon).dayIndex);

    // Past the sky's table the terms are the formula's, so pillars go on.
    EXPECT_EQ(calendar::SolarTermMoment(2150, 2, CalendarRule::Astronomical), calendar::SolarTermMoment(2150, 2));
    EXPECT_EQ(sky(at(2150, 6, 1)), table(at(2150, 6, 1)));
}

// Lunar new year 1916: 02-03 by the table, 02-04 in the sky.
TEST(CalendarRule, LunarFestivalsFallOnTheLunarDatesOfTheRule) {
    calendar::TFestivalList list;
    list.Lines(calendar::FestivalLines::LunarMarks).Add("0101", 7);
    const struct {
        calendar::DateTime date;
        CalendarRule rule;
        const char* text;
        std::int32_t mark;
    } rows[] = {
        {at(1916, 2, 3), CalendarRule::Table, "春节", 7},
        {at(1916, 2, 3), CalendarRule::Astronomical, "除夕", calendar::kNoMark},
        {at(1916, 2, 4), CalendarRule::Table, "", calendar::kNoMark},
        {at(1916, 2, 4), CalendarRule::Astronomical, "春节", 7},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(testing_support::utf8(calendar::FestivalText(list, row.date, row.rule)), row.text) << row.date;
        EXPECT_EQ(calendar::FestivalMark(list, row.date, row.rule), row.mark) << row.date;
    }
}

TEST(CalendarRule, NamesReadBack) {
    for (const CalendarRule rule : kRules) EXPECT_EQ(calendar::CalendarRuleNamed(calendar::CalendarRuleName(rule)), rule);
    EXPECT_EQ(calendar::CalendarRuleNamed("Table"), std::nullopt);
    EXPECT_EQ(calendar::CalendarRuleNamed(""), std::nullopt);
}

}  // namespace
