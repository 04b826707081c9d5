#include "moment_facts.h"

#include <array>
#include <cmath>
#include <string_view>

#include "calendar/calendar_names.h"
#include "calendar/gbk_text.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"
#include "convert_error.h"
#include "guaku_calls.h"

namespace casting {
namespace {

using namespace std::chrono;


// Bytes 1-2 and 3-4 of a pillar text; empty for a text too short to hold them.
std::string_view StemOf(std::string_view pillar) { return pillar.size() >= 2 ? pillar.substr(0, 2) : ""; }
std::string_view BranchOf(std::string_view pillar) { return pillar.size() >= 4 ? pillar.substr(2, 2) : ""; }

// The names the facts' numbers are read back from: entry i - 1 is the
// name of number i. Stem i and branch i are those of sexagenary index
// i - 1 (甲子, 乙丑, ...).
template <int Count, typename NameOf>
std::array<std::string, Count> NameTable(NameOf nameOf) {
    std::array<std::string, Count> names;
    for (int i = 1; i <= Count; ++i) names[i - 1] = nameOf(i);
    return names;
}

const auto kStemNames = NameTable<10>([](int i) { return std::string(StemOf(calendar::GanZhiName(i - 1))); });
const auto kBranchNames = NameTable<12>([](int i) { return std::string(BranchOf(calendar::GanZhiName(i - 1))); });
const auto kMonthNames = NameTable<12>([](int i) { return calendar::LunarMonthName(i, false); });
const auto kDayNames = NameTable<30>([](int i) { return calendar::LunarDayName(i); });

// Sets `number` to i when `name` equals the i-th name; leaves it otherwise.
// A table's names differ, so the search ends at the first that matches.
template <std::size_t Count>
void MatchNumber(std::string_view name, const std::array<std::string, Count>& names, int& number) {
    for (std::size_t i = 0; i < Count; ++i) {
        if (name == names[i]) {
            number = static_cast<int>(i) + 1;
            return;
        }
    }
}

// A year whose pillar is 甲子, which a lunar year's index counts from.
constexpr int kCycleOriginYear = 1864;

// Whether `date`, in the month of branch `monthBranch`, lies in the last 18
// days before the day of the 立 that ends its season; only a season's last
// month (辰 未 戌 丑) has such days, and its 立 falls in the same Gregorian
// year, a month after its opening.
bool InEarthDays(calendar::DateTime date, int monthBranch, calendar::CalendarRule rule) {
    constexpr int kEarthDays = 18;
    int endingTerm = 0;  // the term index of that 立
    switch (monthBranch) {
        case 5: endingTerm = 8; break;    // 辰, before 立夏
        case 8: endingTerm = 14; break;   // 未, before 立秋
        case 11: endingTerm = 20; break;  // 戌, before 立冬
        case 2: endingTerm = 2; break;    // 丑, before 立春
        default: return false;
    }
    const auto civil = calendar::CivilDateOf(date);
    if (!civil) return false;
    const double termDay = std::floor(calendar::SolarTermMoment(static_cast<int>(civil->year()), endingTerm, rule));
    return termDay - std::floor(date) <= kEarthDays;
}

}  // namespace

std::optional<calendar::DateTime> DayOf(const Moment& m) {
    const bool inRange = m.year >= 1 && m.year <= 9999 && m.month >= 1 && m.month <= 12 && m.day >= 1 && m.day <= 31;
    if (!inRange) return std::nullopt;
    const year_month_day ymd{year{m.year}, month{static_cast<unsigned>(m.month)}, day{static_cast<unsigned>(m.day)}};
    if (!ymd.ok()) return std::nullopt;
    return calendar::DateTimeOf(sys_days{ymd});
}

calendar::DateTime CastDay(calendar::DateTime day, int hour) { return hour == 23 ? day + 1 : day; }

void ComputeMomentFacts(const Moment& moment, DateHolder& holder, MomentFacts& facts) {
    const std::optional<calendar::DateTime> day = DayOf(moment);
    if (!day) {
        throw ConvertError("'" + std::to_string(moment.year) + "-" + std::to_string(moment.month) + "-" +
                           std::to_string(moment.day) + "' is not a valid date");
    }
    const Conventions& rules = moment.conventions;
    holder.SetDate(rules.zi == ZiHour::NextDay ? CastDay(*day, moment.hour) : *day);
    const calendar::DateTime date = holder.Date();

    // A date before the lunar table (January 1900) has no lunar names, so
    // the text names none and the numbers keep their values.
    const calendar::LunarDate lunar = calendar::SolarToLunar(date, moment.rule);
    const std::string monthName = lunar.year != 0 ? calendar::LunarMonthName(lunar.month, false) : "";
    const std::string dayName = calendar::LunarDayName(lunar.day);
    facts.LunarDate = lunar.year != 0 ? calendar::ChineseYearText(lunar.year).append(monthName).append(dayName) : "";

    std::string hourStemDay = facts.DayPillarText;
    const calendar::PillarBoundary boundary = rules.pillarBoundary;
    if (const auto indices = calendar::CycleIndicesOf(date, moment.rule, boundary)) {
        // At a term's moment the year and month follow the clock, not the
        // day the 子 hour rule gave the day pillar.
        const auto yearMonth =
            boundary == calendar::PillarBoundary::Moment
                ? calendar::CycleIndicesOf(*day + (moment.hour * 60 + moment.minute) / 1440.0, moment.rule, boundary)
                : indices;
        facts.YearPillarText = calendar::GanZhiName(yearMonth->yearIndex);
        facts.MonthPillarText = calendar::GanZhiName(yearMonth->monthIndex);
        facts.DayPillarText = calendar::GanZhiName(indices->dayIndex);
        const bool nextDaysZi = rules.zi == ZiHour::Split && moment.hour == 23;
        hourStemDay = calendar::GanZhiName(indices->dayIndex + (nextDaysZi ? 1 : 0));
    }
    const int hourIndex = HourPillarIndex(StemOf(hourStemDay), moment.hour);
    facts.HourPillarText = calendar::GanZhiName(hourIndex).substr(0, 4);

    const struct {
        const std::string& text;
        int& stem;
        int& branch;
    } pillars[] = {
        {facts.YearPillarText, facts.YearStem, facts.YearBranch},
        {facts.MonthPillarText, facts.MonthStem, facts.MonthBranch},
        {facts.DayPillarText, facts.DayStem, facts.DayBranch},
        {facts.HourPillarText, facts.HourStem, facts.HourBranch},
    };
    for (const auto& pillar : pillars) {
        MatchNumber(StemOf(pillar.text), kStemNames, pillar.stem);
        MatchNumber(BranchOf(pillar.text), kBranchNames, pillar.branch);
    }
    MatchNumber(calendar::TrimmedSpaces(monthName), kMonthNames, facts.LunarMonth);
    MatchNumber(calendar::TrimmedSpaces(dayName), kDayNames, facts.LunarDay);

    if (lunar.year != 0) {
        MatchNumber(BranchOf(calendar::GanZhiName(lunar.year - kCycleOriginYear)), kBranchNames,
                    facts.LunarYearBranch);
    }
    facts.EarthDays = InEarthDays(date, facts.MonthBranch, moment.rule);
}

}  // namespace casting
