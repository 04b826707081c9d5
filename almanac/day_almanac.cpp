#include "day_almanac.h"

#include "calendar/calendar_names.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"
#include "day_cycles.h"
#include "season_counts.h"

namespace almanac {
namespace {

using namespace std::chrono;

constexpr int BranchOf(int index) { return ((index % 12) + 12) % 12; }

// A branch's name alone: index b (0..11) names branch b.
std::string BranchName(int branch) { return calendar::GanZhiName(branch).substr(2); }

}  // namespace

std::optional<DayAlmanac> AlmanacOf(sys_days day, calendar::CalendarRule rule) {
    if (day < kFirstDay || day > kLastDay) return std::nullopt;
    const calendar::DateTime date = calendar::DateTimeOf(day);
    const auto indices = calendar::CycleIndicesOf(date, rule);
    if (!indices) return std::nullopt;
    const int d = indices->dayIndex;
    const int monthBranch = BranchOf(indices->monthIndex);

    DayAlmanac a;
    a.weekday = calendar::WeekdayName(static_cast<int>(weekday{day}.c_encoding()));
    const calendar::LunarDate lunar = calendar::SolarToLunar(date, rule);
    if (lunar.year != 0) {
        a.lunarDate = calendar::ChineseYearText(lunar.year) + calendar::LunarMonthName(lunar.month, lunar.isLeap) +
                      calendar::LunarDayName(lunar.day);
    }
    a.yearPillar = calendar::GanZhiName(indices->yearIndex);
    a.monthPillar = calendar::GanZhiName(indices->monthIndex);
    a.dayPillar = calendar::GanZhiName(d);
    a.officer = OfficerOf(monthBranch, BranchOf(d));
    const NameAndKind mansion = MansionOf(day);
    a.mansion = mansion.name;
    a.mansionLuck = mansion.kind;
    a.clashPillar = calendar::GanZhiName(ClashIndex(d));
    a.clashAnimal = calendar::AnimalName(ClashIndex(d));
    a.sha = ShaDirectionOf(BranchOf(d));
    a.stemTaboo = StemTabooOf(d);
    a.branchTaboo = BranchTabooOf(d);
    const NameAndKind spirit = SpiritOf(monthBranch, BranchOf(d));
    a.spirit = spirit.name;
    a.path = spirit.kind;
    const NameAndKind foetus = FoetusOf(d);
    a.foetus = std::string(foetus.name) + " " + foetus.kind;
    const SpiritDirections directions = DirectionsOf(d);
    a.joy = directions.joy;
    a.fortune = directions.fortune;
    a.wealth = directions.wealth;
    a.nines = NinesOf(day, rule);
    a.dogDays = DogDaysOf(day, rule);
    for (int branch = 0; branch < 12; ++branch) {
        const NameAndKind hourSpirit = SpiritOf(BranchOf(d), branch);
        a.hours[branch] = {BranchName(branch), calendar::GanZhiName(HourIndex(d, branch)), hourSpirit.name,
                           hourSpirit.kind};
    }
    return a;
}

}  // namespace almanac
