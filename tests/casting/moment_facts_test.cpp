#include "casting/moment_facts.h"

#include <gtest/gtest.h>

#include "casting/convert_error.h"
#include "dates.h"
#include "gbk.h"

namespace {

using namespace std::chrono;
using casting::Moment;
using casting::MomentFacts;
using testing_support::utf8;

struct Facts {
    std::string lunarDate, year, month, day, hour;
    int stems[4], branches[4], lunarMonth, lunarDay;
};

void ExpectFacts(const MomentFacts& f, const Facts& e) {
    EXPECT_EQ(utf8(f.LunarDate), e.lunarDate);
    EXPECT_EQ(utf8(f.YearPillarText), e.year);
    EXPECT_EQ(utf8(f.MonthPillarText), e.month);
    EXPECT_EQ(utf8(f.DayPillarText), e.day);
    EXPECT_EQ(utf8(f.HourPillarText), e.hour);
    EXPECT_EQ((std::vector<int>{f.YearStem, f.MonthStem, f.DayStem, f.HourStem}),
              std::vector<int>(e.stems, e.stems + 4));
    EXPECT_EQ((std::vector<int>{f.YearBranch, f.MonthBranch, f.DayBranch, f.HourBranch}),
              std::vector<int>(e.branches, e.branches + 4));
    EXPECT_EQ(f.LunarMonth, e.lunarMonth);
    EXPECT_EQ(f.LunarDay, e.lunarDay);
}

TEST(MomentFacts, ComputesTheFactsOfAMoment) {
    const struct {
        Moment moment;
        calendar::DateTime heldDate;
        Facts facts;
    } rows[] = {
        {{2010, 9, 13, 17}, testing_support::at(2010, 9, 13),
         {"二零一零年八月初六", "庚寅", "乙酉", "丙寅", "丁酉", {7, 2, 3, 4}, {3, 10, 3, 10}, 8, 6}},
        // Hour 23 belongs to the next day's 子 hour.
        {{2010, 9, 13, 23}, testing_support::at(2010, 9, 14),
         {"二零一零年八月初七", "庚寅", "乙酉", "丁卯", "庚子", {7, 2, 4, 7}, {3, 10, 4, 1}, 8, 7}},
        {{2010, 9, 13, 0}, testing_support::at(2010, 9, 13),
         {"二零一零年八月初六", "庚寅", "乙酉", "丙寅", "戊子", {7, 2, 3, 5}, {3, 10, 3, 1}, 8, 6}},
        // In the leap fourth month of 2020 the month is named as the fourth.
        {{2020, 6, 1, 12}, testing_support::at(2020, 6, 1),
         {"二零二零年四月初十", "庚子", "辛巳", "乙亥", "壬午", {7, 8, 2, 9}, {1, 6, 12, 7}, 4, 10}},
        // Hours outside the clock count as the 子 hour and do not move the day.
        {{2010, 9, 13, -5}, testing_support::at(2010, 9, 13),
         {"二零一零年八月初六", "庚寅", "乙酉", "丙寅", "戊子", {7, 2, 3, 5}, {3, 10, 3, 1}, 8, 6}},
    };
    for (const auto& row : rows) {
        casting::PlainDateHolder holder(0);
        MomentFacts facts;
        casting::ComputeMomentFacts(row.moment, holder, facts);
        EXPECT_EQ(holder.Date(), row.heldDate);
        ExpectFacts(facts, row.facts);
    }
}

// Days where the sky and the table part: the new moon of 1914-11-17 fell
// at 23:47 Beijing mean time, 立春 1910 at 02-05 00:13 against the formula's
// 02-04 23:59. Each casting reads by its own rule, mixed in one run.
TEST(MomentFacts, EachCastingReadsTheCalendarOfItsRule) {
    constexpr auto kSky = calendar::CalendarRule::Astronomical;
    const struct {
        Moment moment;
        const char *lunarDate, *yearAndMonth;
    } rows[] = {
        {{1914, 11, 17, 10, kSky}, "一九一四年十月初一", "甲寅乙亥"},
        {{1914, 11, 17, 10}, "一九一四年九月三十", "甲寅乙亥"},
        {{1910, 2, 4, 10, kSky}, "一九零九年腊月廿五", "己酉丁丑"},
        {{1910, 2, 4, 10}, "一九零九年腊月廿五", "己酉戊寅"},
        {{1910, 2, 5, 10, kSky}, "一九零九年腊月廿六", "己酉戊寅"},
        {{1910, 2, 5, 10}, "一九零九年腊月廿六", "庚戌戊寅"},
    };
    casting::PlainDateHolder holder(0);
    for (const auto& row : rows) {
        MomentFacts facts;
        casting::ComputeMomentFacts(row.moment, holder, facts);
        EXPECT_EQ(utf8(facts.LunarDate), row.lunarDate) << row.lunarDate;
        EXPECT_EQ(utf8(facts.YearPillarText + facts.MonthPillarText), row.yearAndMonth) << row.lunarDate;
    }
}

TEST(MomentFacts, ADayThatDoesNotExistChangesNothing) {
    casting::PlainDateHolder holder(testing_support::at(2010, 9, 13));
    MomentFacts facts;
    casting::ComputeMomentFacts({2010, 9, 13, 17}, holder, facts);
    const MomentFacts before = facts;
    const struct {
        Moment moment;
        const char* message;
    } rows[] = {
        {{2011, 2, 29, 10}, "'2011-2-29' is not a valid date"},
        {{2010, 4, 31, 23}, "'2010-4-31' is not a valid date"},
        {{2010, 13, 1, 0}, "'2010-13-1' is not a valid date"},
        {{2010, 0, 1, 0}, "'2010-0-1' is not a valid date"},
        {{0, 1, 1, 0}, "'0-1-1' is not a valid date"},
    };
    for (const auto& row : rows) {
        try {
            casting::ComputeMomentFacts(row.moment, holder, facts);
            ADD_FAILURE() << "no error for " << row.message;
        } catch (const casting::ConvertError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
        EXPECT_EQ(holder.Date(), testing_support::at(2010, 9, 13));
        EXPECT_EQ(facts.LunarDate, before.LunarDate);
        EXPECT_EQ(facts.DayStem, before.DayStem);
    }
}

TEST(MomentFacts, ADateTheHolderRefusesLeavesItsOwnDate) {
    // 2100-12-31 at hour 23 would be 2101-01-01: the holder keeps its date.
    casting::PlainDateHolder holder(testing_support::at(2010, 9, 13));
    MomentFacts facts;
    casting::ComputeMomentFacts({2100, 12, 31, 23}, holder, facts);
    EXPECT_EQ(holder.Date(), testing_support::at(2010, 9, 13));
    EXPECT_EQ(utf8(facts.DayPillarText), "丙寅");
    EXPECT_EQ(utf8(facts.HourPillarText), "戊子");  // hour 23 of a 丙 day
}

TEST(MomentFacts, BeforeTheLunarTableTheLunarNumbersKeepTheirValues) {
    casting::PlainDateHolder holder(0);
    MomentFacts facts;
    casting::ComputeMomentFacts({2010, 9, 13, 17}, holder, facts);
    casting::ComputeMomentFacts({1900, 1, 15, 17}, holder, facts);
    EXPECT_EQ(utf8(facts.LunarDate), "");
    EXPECT_EQ(facts.LunarMonth, 8);
    EXPECT_EQ(facts.LunarDay, 6);
    EXPECT_EQ(utf8(facts.DayPillarText), "戊子");  // 1900-01-15: the pillars still count
}

}  // namespace
