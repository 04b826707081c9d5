#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>

#include "calendar/solar_terms.h"
#include "dates.h"
#include "gbk.h"

namespace {

using calendar::SolarTermMoment;
using calendar::SolarTermName;
using calendar_test::at;
using testing_support::gbk;

const char* const kTermNames[24] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
const std::int64_t kTermMinutes[24] = {0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
                                       173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
                                       353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};
constexpr std::int64_t kMsPerDay = 86400000;
constexpr std::int64_t kOriginMs = 7 * kMsPerDay + (2 * 60 + 5) * 60000;  // 1900-01-06 02:05

std::int64_t millisecondsOf(calendar::DateTime date) { return std::llround(date * kMsPerDay); }

// The moment in exact decimal arithmetic: tenths of a millisecond, rounded to
// the millisecond with ties to even.
std::int64_t exactMomentMs(int year, int term) {
    const std::int64_t tenths = (year - 1900) * std::int64_t{315569259747} + kTermMinutes[term] * 600000;
    std::int64_t ms = tenths / 10, rest = tenths % 10;
    if (rest < 0) rest += 10, --ms;
    if (rest > 5 || (rest == 5 && ms % 2 != 0)) ++ms;
    return kOriginMs + ms;
}

TEST(SolarTermMoment, MatchesKnownMoments) {
    EXPECT_EQ(millisecondsOf(SolarTermMoment(1900, 0)), kOriginMs);
    using namespace std::chrono;
    const auto lichun2024 = sys_days{2024y / 2 / 4} + 14h + 39min + 863ms;
    EXPECT_EQ(millisecondsOf(SolarTermMoment(2024, 2)),
              (lichun2024 - sys_days{1899y / 12 / 30}).count());
    // 15 years hold a whole number of milliseconds and a half: ties go to even.
    EXPECT_EQ(millisecondsOf(SolarTermMoment(1915, 0)) - kOriginMs, 473353889620);
}

// Every term of four centuries lands on the millisecond that exact
// arithmetic gives, ties included.
TEST(SolarTermMoment, LandsOnTheExactMillisecondForEveryTerm) {
    for (int year = 1800; year <= 2200; ++year) {
        for (int term = 0; term < 24; ++term) {
            ASSERT_EQ(millisecondsOf(SolarTermMoment(year, term)), exactMomentMs(year, term))
                << year << " term " << term;
        }
    }
}

TEST(SolarTermMoment, HasNoMomentForTermsOutsideTheYear) {
    for (int term : {-1, 24, INT32_MIN, INT32_MAX}) EXPECT_TRUE(std::isnan(SolarTermMoment(2024, term))) << term;
}

TEST(SolarTermName, NamesOnlyTheTermDayAtMidnight) {
    EXPECT_EQ(SolarTermName(at(2024, 2, 4)), gbk("立春"));
    EXPECT_EQ(SolarTermName(at(2024, 2, 19)), gbk("雨水"));
    EXPECT_EQ(SolarTermName(at(2024, 12, 21)), gbk("冬至"));
    EXPECT_EQ(SolarTermName(at(1900, 1, 6)), gbk("小寒"));
    EXPECT_EQ(SolarTermName(at(2024, 2, 4, 12)), "");
    EXPECT_EQ(SolarTermName(at(2024, 2, 5)), "");
    for (double date : calendar_test::kNotADay) EXPECT_EQ(SolarTermName(date), "") << date;
}

// Every day from 1900 to 2100: each year has its 24 terms, one a day, in
// order, two in each month, each on the day of its moment.
TEST(SolarTermName, GivesEachYearItsTwentyFourTermsInOrder) {
    int year = 1900, next = 0;
    for (calendar::DateTime date = at(1900, 1, 1); date <= at(2100, 12, 31); ++date) {
        const std::string name = SolarTermName(date);
        if (date == at(year + 1, 1, 1)) {
            ASSERT_EQ(next, 24) << year;
            ++year, next = 0;
        }
        if (name.empty()) continue;
        ASSERT_LT(next, 24) << year;
        ASSERT_EQ(name, gbk(kTermNames[next])) << year << " term " << next;
        ASSERT_EQ(std::floor(SolarTermMoment(year, next)), date);
        ASSERT_EQ(static_cast<unsigned>(calendar::CivilDateOf(date)->month()), next / 2 + 1u) << year;
        ++next;
    }
    EXPECT_EQ(next, 24);
}

}  // namespace
