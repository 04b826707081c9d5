#include "calendar/festival_list.h"

#include <optional>
#include <span>

namespace calendar {
namespace {

using namespace std::chrono;

struct BuiltInFestival {
    const char* key;
    const char* text;
};
const BuiltInFestival kSolarFestivals[] = {
#include "solar_festivals.inc"
};
const BuiltInFestival kLunarFestivals[] = {
#include "lunar_festivals.inc"
};
const BuiltInFestival kWeekFestivals[] = {
#include "week_festivals.inc"
};

constexpr std::int32_t kRed = 0x0000FF, kPurple = 0x800080, kNavy = 0x800000;

FestivalKey lunarKeyOf(const LunarDate& date) { return {date.month, date.day}; }

int weekFromMonthEnd(const year_month_day& day) {
    const int lastDay = DayOf(year_month_day{day.year() / day.month() / last});  // [28, 31]
    return (lastDay - DayOf(day)) / 7 + 1;                                       // [1, 5]
}

std::optional<FestivalView> festivalNamed(const SortedStringList& lines, const FestivalKey& key) {
    const std::string_view name = key.View();
    if (name.empty()) return std::nullopt;
    const auto at = lines.IndexOfName(name);
    if (!at) return std::nullopt;
    const SortedStringList::Line& line = lines[*at];
    return FestivalView{std::string_view(line.text).substr(name.size() + 1), line.value};
}

std::optional<std::int32_t> markOf(const SortedStringList& lines, const FestivalKey& key) {
    if (key.View().empty()) return std::nullopt;
    const auto at = lines.IndexOf(key.View());
    if (!at) return std::nullopt;
    return lines[*at].value;
}

// The result of the last key that finds something, or `result` when none does.
template <typename Result, typename Find>
Result lastFound(const std::array<FestivalKey, 2>& keys, Find find, Result result) {
    for (const FestivalKey& key : keys) {
        if (const auto found = find(key)) result = *found;
    }
    return result;
}

Festival copied(const FestivalView& festival) { return {std::string(festival.text), festival.colour}; }

}  // namespace

TFestivalList::TFestivalList() {
    const struct {
        int kind;
        std::int32_t colour;
        std::span<const BuiltInFestival> festivals;
    } builtIn[] = {{0, kRed, kSolarFestivals}, {1, kPurple, kLunarFestivals}, {2, kNavy, kWeekFestivals}};
    for (const auto& list : builtIn) {
        for (const BuiltInFestival& festival : list.festivals) {
            AddFestival(list.kind, festival.key, list.colour, festival.text);
        }
    }
}

bool TFestivalList::AddFestival(int kind, std::string_view key, std::int32_t colour, std::string_view text) {
    if (kind < 0 || kind > 2 || key.empty() || text.empty()) return false;
    SortedStringList& lines = lists_[static_cast<std::size_t>(kind)];
    if (const auto old = lines.IndexOfName(key)) lines.Delete(*old);
    lines.Add(std::string(key) + '=' + std::string(TrimmedText(text)), colour);
    return true;
}

Festival TFestivalList::SolarFestival(DateTime date) const { return copied(SolarFestivalView(DayKeys(date))); }
Festival TFestivalList::LunarFestival(const LunarDate& date) const { return copied(LunarFestivalView(date)); }
Festival TFestivalList::WeekFestival(DateTime date) const { return copied(WeekFestivalView(DayKeys(date))); }

FestivalView TFestivalList::SolarFestivalView(const DayKeys& day) const {
    return festivalNamed(Lines(FestivalLines::SolarFestivals), day.solar).value_or(FestivalView{});
}

FestivalView TFestivalList::LunarFestivalView(const LunarDate& date) const {
    return festivalNamed(Lines(FestivalLines::LunarFestivals), lunarKeyOf(date)).value_or(FestivalView{});
}

FestivalView TFestivalList::WeekFestivalView(const DayKeys& day) const {
    const SortedStringList& lines = Lines(FestivalLines::WeekFestivals);
    return lastFound(
        day.week, [&](const FestivalKey& key) { return festivalNamed(lines, key); }, FestivalView{});
}

std::int32_t TFestivalList::SolarMark(const DayKeys& day) const {
    return markOf(Lines(FestivalLines::SolarMarks), day.solar).value_or(kNoMark);
}

std::int32_t TFestivalList::LunarMark(const LunarDate& date) const {
    return markOf(Lines(FestivalLines::LunarMarks), lunarKeyOf(date)).value_or(kNoMark);
}

std::int32_t TFestivalList::WeekMark(const DayKeys& day) const {
    const SortedStringList& lines = Lines(FestivalLines::WeekMarks);
    return lastFound(
        day.week, [&](const FestivalKey& key) { return markOf(lines, key); }, kNoMark);
}

DayKeys::DayKeys(DateTime date) {
    const auto day = CivilDateOf(date);
    if (!day) return;
    const int month = MonthOf(*day);
    const int dayOfWeek = static_cast<int>(weekday{sys_days{*day}}.c_encoding());  // [0, 6] from Sunday
    const int fromStart = (DayOf(*day) - 1) / 7 + 1;                               // [1, 5]
    solar = {month, DayOf(*day)};
    week = {FestivalKey(month, fromStart * 10 + dayOfWeek),
            FestivalKey(month, (weekFromMonthEnd(*day) + 4) * 10 + dayOfWeek)};
}

int WeekFromMonthEnd(DateTime date) {
    const auto day = CivilDateOf(date);
    return day ? weekFromMonthEnd(*day) : 0;
}

}  // namespace calendar
