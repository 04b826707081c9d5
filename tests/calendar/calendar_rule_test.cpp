#include <gtest/gtest.h>

#include "calendar/festival_text.h"
#include "calendar/lunar_months.h"
#include "calendar/solar_terms.h"
#include "dates.h"
#include "gbk.h"

namespace {

using calendar::CalendarRule;
using testing_support::at;

// The month helpers must describe the months the conversion walks through:
// each month as long as its helper says, the leap month where LeapMonthOf
// puts it.
TEST(CalendarRule, MonthHelpersMatchTheDaysTheConversionGives) {
    for (const CalendarRule rule : {CalendarRule::Table, CalendarRule::Astronomical}) {
        calendar::LunarDate last = calendar::SolarToLunar(at(1900, 1, 31), rule);
        for (calendar::DateTime day = at(1900, 2, 1); day < at(2101, 1, 1); ++day) {
            const calendar::LunarDate today = calendar::SolarToLunar(day, rule);
            if (today.day == 1) {
                ASSERT_EQ(last.day, last.isLeap ? calendar::LeapMonthDays(last.year, rule)
                                                : calendar::LunarMonthDays(last.year, last.month, rule));
                ASSERT_EQ(today.isLeap, today.month == last.month && today.month == calendar::LeapMonthOf(today.year, rule));
            }
            last = today;
        }
        EXPECT_EQ(calendar::LunarYearDays(2000, rule), 354);
        EXPECT_EQ(calendar::SolarToLunar(at(2101, 1, 1), rule), calendar::LunarDate{});
    }
    // Past the sky's table its terms are the formula's, so pillars go on.
    EXPECT_EQ(calendar::SolarTermMoment(2150, 2, CalendarRule::Astronomical), calendar::SolarTermMoment(2150, 2));
}

// 七夕 2097: 08-14 by the table, 08-13 in the sky.
TEST(CalendarRule, LunarFestivalsFallOnTheLunarDatesOfTheRule) {
    const calendar::TFestivalList list;
    EXPECT_EQ(testing_support::utf8(calendar::FestivalText(list, at(2097, 8, 14))), "七夕中国情人节");
    EXPECT_EQ(testing_support::utf8(calendar::FestivalText(list, at(2097, 8, 13))), "");
    EXPECT_EQ(testing_support::utf8(calendar::FestivalText(list, at(2097, 8, 13), CalendarRule::Astronomical)),
              "七夕中国情人节");
}

}  // namespace
