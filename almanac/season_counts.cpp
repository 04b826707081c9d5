#include "season_counts.h"

#include <cmath>
#include <iterator>

#include "calendar/date_rule.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

namespace almanac {
namespace {

using namespace std::chrono;

constexpr int kSummerSolstice = 11;  // 夏至
constexpr int kAutumnBegins = 14;    // 立秋
constexpr int kWinterSolstice = 23;  // 冬至
constexpr int kGeng = 6;             // 庚, stem 6 from 甲

constexpr const char* kPeriods[] = {
#include "season_periods.inc"
};
static_assert(std::size(kPeriods) == 9 + 3);
const char* const* const kNines = kPeriods;
const char* const* const kDogDays = kPeriods + 9;

// The day term `term` of `year` falls on.
sys_days TermDay(int year, int term, calendar::CalendarRule rule) {
    const calendar::DateTime moment = calendar::SolarTermMoment(year, term, rule);
    return calendar::kDateTimeEpoch + days{static_cast<days::rep>(std::floor(moment))};
}

// The first 庚 day from `day` on, `day` itself when it is one.
sys_days FirstGengFrom(sys_days day) {
    const int stem = calendar::CycleIndicesOf(calendar::DateTimeOf(day))->dayIndex % 10;
    return day + days{(kGeng - stem + 10) % 10};
}

std::string Counted(const char* period, long long dayOfPeriod) {
    return period + std::string("第") + std::to_string(dayOfPeriod + 1) + "天";
}

}  // namespace

std::optional<std::string> NinesOf(sys_days day, calendar::CalendarRule rule) {
    const int y = static_cast<int>(year_month_day{day}.year());
    sys_days solstice = TermDay(y, kWinterSolstice, rule);
    if (day < solstice) solstice = TermDay(y - 1, kWinterSolstice, rule);
    const auto count = (day - solstice).count();
    if (count >= 81) return std::nullopt;
    return Counted(kNines[count / 9], count % 9);
}

std::optional<std::string> DogDaysOf(sys_days day, calendar::CalendarRule rule) {
    const int y = static_cast<int>(year_month_day{day}.year());
    if (y < calendar::kFirstYear || y > calendar::kLastYear) return std::nullopt;
    const sys_days first = FirstGengFrom(TermDay(y, kSummerSolstice, rule)) + days{20};
    const sys_days middle = first + days{10};
    const sys_days last = FirstGengFrom(TermDay(y, kAutumnBegins, rule));
    if (day < first || day >= last + days{10}) return std::nullopt;
    if (day < middle) return Counted(kDogDays[0], (day - first).count());
    if (day < last) return Counted(kDogDays[1], (day - middle).count());
    return Counted(kDogDays[2], (day - last).count());
}

}  // namespace almanac
