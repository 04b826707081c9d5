#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <set>

#include "calendar/solar_terms.h"
#include "dates.h"
#include "gbk.h"

namespace {

using calendar::SolarTermMoment;
using calendar::SolarTermName;
using testing_support::at;
using testing_support::gbk;

constexpr std::int64_t kMsPerDay = 86400000;
constexpr std::int64_t kOriginMs = 7 * kMsPerDay + (2 * 60 + 5) * 60000;  // 1900-01-06 02:05

std::int64_t millisecondsOf(calendar::DateTime date) { return std::llround(date * kMsPerDay); }

// The moment in exact decimal arithmetic: tenths of a millisecond, rounded
// to the millisecond with ties to even.
std::int64_t exactMomentMs(int year, int term) {
    const std::int64_t minutes[24] = {0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
                                      173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
                                      353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};
    const std::int64_t tenths = (year - 1900) * std::int64_t{315569259747} + minutes[term] * 600000;
    std::int64_t ms = tenths / 10, rest = tenths % 10;
    if (rest < 0) rest += 10, --ms;
    if (rest > 5 || (rest == 5 && ms % 2 != 0)) ++ms;
    return kOriginMs + ms;
}

TEST(SolarTermMoment, LandsOnTheExactMillisecond) {
    using namespace std::chrono;
    const auto lichun2024 = sys_days{2024y / 2 / 4} + 14h + 39min + 863ms;
    EXPECT_EQ(millisecondsOf(SolarTermMoment(2024, 2)), (lichun2024 - sys_days{1899y / 12 / 30}).count());
    EXPECT_EQ(millisecondsOf(SolarTermMoment(1900, 0)), kOriginMs);
    EXPECT_EQ(millisecondsOf(SolarTermMoment(1915, 0)) - kOriginMs, 473353889620) << "a tie goes to even";
    for (int year = 1800; year <= 2200; ++year) {
        for (int term = 0; term < 24; ++term) {
            ASSERT_EQ(millisecondsOf(SolarTermMoment(year, term)), exactMomentMs(year, term)) << year << " " << term;
        }
    }
    for (int term : {-1, 24, INT32_MIN}) EXPECT_TRUE(std::isnan(SolarTermMoment(2024, term))) << term;
}

TEST(SolarTermName, NamesOnlyTheTermDayAtMidnight) {
    EXPECT_EQ(SolarTermName(at(2024, 2, 4)), gbk("立春"));
    EXPECT_EQ(SolarTermName(at(2024, 12, 21)), gbk("冬至"));
    EXPECT_EQ(SolarTermName(at(2024, 2, 4, 12)) + SolarTermName(at(2024, 2, 5)), "");
    for (double date : testing_support::kNotADay) EXPECT_EQ(SolarTermName(date), "") << date;
}

// Every day of 1900..2100: each year names 24 distinct terms, in the order
// of their moments, two in each month, each on the day of its moment.
TEST(SolarTermName, GivesEachYearItsTwentyFourTermsInOrder) {
    for (int year = 1900; year <= 2100; ++year) {
        std::set<std::string> names;
        int next = 0;
        for (calendar::DateTime date = at(year, 1, 1); date < at(year + 1, 1, 1); ++date) {
            const std::string name = SolarTermName(date);
            if (name.empty()) continue;
            ASSERT_LT(next, 24) << year;
            ASSERT_EQ(std::floor(SolarTermMoment(year, next)), date) << year << " " << next;
            ASSERT_EQ(static_cast<unsigned>(calendar::CivilDateOf(date)->month()), next / 2 + 1u) << year;
            names.insert(name);
            ++next;
        }
        ASSERT_EQ(names.size(), 24u) << year;
    }
}

}  // namespace
