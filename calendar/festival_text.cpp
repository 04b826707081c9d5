#include "calendar/festival_text.h"

#include "calendar/gbk_text.h"
#include "calendar/lunar_conversion.h"

namespace calendar {

std::string FestivalText(const TFestivalList& list, DateTime date, std::int32_t& colour) {
    std::string text;
    colour = -1;
    const LunarDate today = SolarToLunar(date);
    const LunarDate tomorrow = SolarToLunar(date + 1);
    // A month number that changes overnight (a month running into its leap
    // month keeps it) makes today the eve of tomorrow's month: its day 00.
    if (today.month != tomorrow.month) {
        const Festival eve = list.LunarFestival({tomorrow.year, tomorrow.month, 0, false});
        if (!eve.text.empty()) {
            text = eve.text;
            colour = eve.colour;
        }
    }
    for (const Festival& part : {list.LunarFestival(today), list.SolarFestival(date), list.WeekFestival(date)}) {
        if (part.text.empty()) continue;
        if (colour == -1) colour = part.colour;
        text = TrimmedText(text + ' ' + part.text);
    }
    return text;
}

std::string FestivalText(const TFestivalList& list, DateTime date) {
    std::int32_t colour;
    return FestivalText(list, date, colour);
}

std::int32_t FestivalMark(const TFestivalList& list, DateTime date) {
    for (const std::int32_t mark : {list.LunarMark(SolarToLunar(date)), list.SolarMark(date), list.WeekMark(date)}) {
        if (mark >= 0) return mark;
    }
    return kNoMark;
}

}  // namespace calendar
