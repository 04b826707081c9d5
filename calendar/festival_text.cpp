#include "calendar/festival_text.h"

#include "calendar/gbk_text.h"
#include "calendar/lunar_conversion.h"

namespace calendar {

namespace {

// `text` cut to TrimmedText(text) in place, keeping its buffer.
void trim(std::string& text) {
    const std::string_view kept = TrimmedText(text);
    const std::size_t start = static_cast<std::size_t>(kept.data() - text.data());
    text.resize(start + kept.size());
    text.erase(0, start);
}

}  // namespace

std::string FestivalText(const TFestivalList& list, DateTime date, std::int32_t& colour, CalendarRule rule) {
    const LunarDate today = SolarToLunar(date, rule);
    const LunarDate tomorrow = SolarToLunar(date + 1, rule);
    const DayKeys day(date);
    // A month number that changes overnight (a month running into its leap
    // month keeps it) makes today the eve of tomorrow's month: its day 00.
    FestivalView eve;
    if (today.month != tomorrow.month) eve = list.LunarFestivalView({tomorrow.year, tomorrow.month, 0, false});
    std::string text(eve.text);
    colour = eve.text.empty() ? -1 : eve.colour;
    for (const FestivalView& part :
         {list.LunarFestivalView(today), list.SolarFestivalView(day), list.WeekFestivalView(day)}) {
        if (part.text.empty()) continue;
        if (colour == -1) colour = part.colour;
        // Trimmed after each part: blanks a part ends with are gone before the next joins.
        text += ' ';
        text += part.text;
        trim(text);
    }
    return text;
}

std::string FestivalText(const TFestivalList& list, DateTime date, CalendarRule rule) {
    std::int32_t colour;
    return FestivalText(list, date, colour, rule);
}

std::int32_t FestivalMark(const TFestivalList& list, DateTime date, CalendarRule rule) {
    const DayKeys day(date);
    for (const std::int32_t mark : {list.LunarMark(SolarToLunar(date, rule)), list.SolarMark(day), list.WeekMark(day)}) {
        if (mark >= 0) return mark;
    }
    return kNoMark;
}

}  // namespace calendar
