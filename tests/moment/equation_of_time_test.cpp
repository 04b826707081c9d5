#include "moment/equation_of_time.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono;

// Computed with the equation of time of NOAA's solar calculator spreadsheet
// (NOAA_Solar_Calculations_day.xls, column "Eq of Time"), a different series
// from the one the program sums; the two agree within 4 s.
const struct {
    int year, month, day, hour;  // universal time
    double seconds;
} kNoaa[] = {
    {1900, 6, 13, 0, 23.2}, {1900, 3, 3, 0, -736.5}, {1912, 6, 2, 4, 139.2}, {1912, 10, 2, 0, 624.1},
    {1929, 7, 3, 4, -233.6}, {1929, 12, 3, 20, 604.7}, {1940, 1, 4, 4, -269.0}, {1940, 10, 21, 0, 916.2},
    {1955, 10, 13, 0, 807.1}, {1955, 12, 8, 0, 511.2}, {1968, 9, 10, 20, 191.3}, {1968, 3, 5, 0, -698.1},
    {1986, 10, 18, 4, 884.4}, {1986, 5, 4, 4, 191.5}, {1999, 6, 18, 0, -54.1}, {1999, 2, 19, 0, -837.0},
    {2010, 10, 16, 20, 870.4}, {2010, 4, 25, 12, 121.5}, {2024, 8, 15, 12, -264.1}, {2024, 10, 10, 4, 783.2},
    {2037, 3, 3, 12, -708.8}, {2037, 4, 17, 20, 35.2}, {2050, 6, 10, 0, 31.5}, {2050, 8, 4, 20, -367.1},
    {2066, 3, 5, 20, -675.6}, {2066, 6, 14, 0, -21.6}, {2081, 11, 25, 12, 774.7}, {2081, 2, 11, 12, -846.7},
    {2095, 10, 19, 20, 911.6}, {2095, 8, 3, 0, -382.1}, {2100, 5, 23, 0, 188.2}, {2100, 8, 2, 12, -386.2},
};

TEST(EquationOfTime, AgreesWithNoaasCalculator) {
    for (const auto& p : kNoaa) {
        const sys_seconds at = sys_days{year{p.year} / p.month / p.day} + hours{p.hour};
        EXPECT_NEAR(moment::EquationOfTimeSeconds(at), p.seconds, 4.0) << p.year << '-' << p.month << '-' << p.day;
    }
    // Astronomical Algorithms, example 28.a: 1992 October 13 at 0h, +13m 42.6s.
    EXPECT_NEAR(moment::EquationOfTimeSeconds(sys_days{year{1992} / October / 13}), 822.6, 1.0);
}

}  // namespace
