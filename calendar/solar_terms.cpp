#include "calendar/solar_terms.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "calendar/astronomical_calendar.h"

namespace calendar {
namespace {

using namespace std::chrono;

const char* const kTermNames[kSolarTermCount] = {
#include "term_names.inc"
};

// `TermMinutes`: minutes from the year's 小寒 to each term in a mean year.
constexpr std::int32_t kTermMinutes[kSolarTermCount] = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758,
};

constexpr double kMsPerDay = duration_cast<milliseconds>(days{1}).count();
// 小寒 of 1900, the origin of every moment, in milliseconds of date-time.
constexpr double kOriginMs = DateTimeOf(year{1900} / 1 / 6) * kMsPerDay + milliseconds{2h + 5min}.count();
// A mean tropical year in milliseconds.
constexpr long double kTropicalYearMs = 31556925974.7L;

// Moments are defined on a product formed in x87 extended precision (64-bit
// mantissa) and a sum then held as a double.
static_assert(std::numeric_limits<long double>::digits >= 64, "SolarTermMoment needs extended precision");

}  // namespace

DateTime SolarTermMoment(int year, int term, CalendarRule rule) {
    if (rule == CalendarRule::Astronomical) {
        if (const DateTime moment = AstronomicalTermMoment(year, term); !std::isnan(moment)) return moment;
    }
    if (term < 0 || term >= kSolarTermCount) return std::numeric_limits<double>::quiet_NaN();
    const long double product = static_cast<long double>(year - 1900) * kTropicalYearMs;
    const double sum = static_cast<double>(product + kTermMinutes[term] * 60000.0L);
    // nearbyint in the default rounding mode: to the nearest, ties to even.
    const double ms = std::nearbyint(sum);
    return (kOriginMs + ms) / kMsPerDay;
}

std::string SolarTermName(DateTime date, CalendarRule rule) {
    const auto day = CivilDateOf(date);
    if (!day) return {};
    const int year = static_cast<int>(day->year());
    const int first = 2 * (MonthOf(*day) - 1);  // [0, 22]
    for (const int term : {first, first + 1}) {
        if (std::floor(SolarTermMoment(year, term, rule)) == date) return kTermNames[term];
    }
    return {};
}

}  // namespace calendar
