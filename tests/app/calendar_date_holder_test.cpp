#include "calendar_date_holder.h"

#include <gtest/gtest.h>

#include "dates.h"

namespace {

using testing_support::at;

TEST(CalendarDateHolder, KeepsTheCalendarsDayUnderTheDateRule) {
    TNongCalendar calendar;
    CalendarDateHolder holder(calendar);
    holder.SetDate(at(2010, 9, 13, 23));
    EXPECT_EQ(holder.Date(), at(2010, 9, 13));
    EXPECT_EQ(calendar.Date(), at(2010, 9, 13));
    holder.SetDate(at(2101, 1, 1));
    EXPECT_EQ(holder.Date(), at(2010, 9, 13));
}

}  // namespace
