#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calendar/calendar_names.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"
#include "dates.h"
#include "gbk.h"

namespace {

using calendar::CycleIndices;
using calendar::CycleIndicesOf;
using testing_support::at;
using testing_support::utf8;

TEST(CycleIndicesOf, CountsYearMonthAndDay) {
    const struct {
        calendar::DateTime date;
        CycleIndices indices;
        const char* pillars;  // year, month, day
    } rows[] = {
        {at(2024, 2, 4), {159, 1502, 45334}, "癸卯丙寅戊戌"},  // before the moment of 立春, on its day
        {at(2024, 2, 4, 15), {160, 1502, 45334}, "甲辰丙寅戊戌"},
        {at(2024, 3, 4, 23, 59), {160, 1502, 45363}, "甲辰丙寅丁卯"},
        {at(2024, 3, 5), {160, 1503, 45364}, "甲辰丁卯戊辰"},  // 惊蛰 only at 09:09
        {at(2024, 1, 15, 12), {159, 1501, 45314}, "癸卯乙丑戊寅"},
        {at(1900, 1, 1), {35, 12, 10}, "己亥丙子甲戌"},
        {at(2000, 1, 1), {135, 1212, 36534}, "己卯丙子戊午"},
    };
    for (const auto& row : rows) {
        const auto got = CycleIndicesOf(row.date);
        ASSERT_TRUE(got.has_value()) << row.date;
        EXPECT_EQ(*got, row.indices) << row.date;
        EXPECT_EQ(utf8(calendar::GanZhiName(got->yearIndex) + calendar::GanZhiName(got->monthIndex) +
                       calendar::GanZhiName(got->dayIndex)),
                  row.pillars);
    }
    for (double date : {at(1899, 12, 31, 23, 59), 1.0, -1.0}) EXPECT_FALSE(CycleIndicesOf(date)) << date;
    for (double date : testing_support::kNotADay) EXPECT_FALSE(CycleIndicesOf(date)) << date;
}

// Every day of 1900..2100: the day count steps by one; the month count steps
// by one on the day of each month-opening term and only then; the year count
// steps during the day of 立春, which opens a 寅 month.
TEST(CycleIndicesOf, StepsDayByDayMonthByTermAndYearBySpring) {
    const std::string openingTerms[12] = {"小寒", "立春", "惊蛰", "清明", "立夏", "芒种",
                                          "小暑", "立秋", "白露", "寒露", "立冬", "大雪"};
    CycleIndices previous = *CycleIndicesOf(at(1900, 1, 1));
    bool springBefore = false;
    for (calendar::DateTime date = at(1900, 1, 2); date <= at(2100, 12, 31); ++date) {
        const CycleIndices now = *CycleIndicesOf(date);
        const std::string term = utf8(calendar::SolarTermName(date));
        ASSERT_EQ(now.dayIndex, previous.dayIndex + 1) << date;
        ASSERT_EQ(now.monthIndex, previous.monthIndex + std::ranges::count(openingTerms, term)) << date;
        ASSERT_EQ(now.yearIndex, previous.yearIndex + springBefore) << date;
        springBefore = term == "立春";
        if (springBefore) {
            ASSERT_EQ(now.monthIndex % 12, 2) << date;
            ASSERT_EQ(CycleIndicesOf(std::nextafter(date + 1, 0.0))->yearIndex, now.yearIndex + 1) << date;
        }
        previous = now;
    }
}

}  // namespace
