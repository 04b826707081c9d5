// What the calendar writes and marks on a day from its festival lists.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/calendar_rule.h"
#include "calendar/date_time.h"
#include "calendar/festival_list.h"

namespace calendar {

// `FestivalText`: the day's festivals joined by single blanks, in the order
// eve of the next lunar month (an MM00 line, so "0100" stands on the last
// day of the lunar year), lunar festival, solar festival, weekday festival.
// `colour` is that of the first part, -1 when the text is empty. Lunar
// dates are those of `rule`.
std::string FestivalText(const TFestivalList& list, DateTime date, std::int32_t& colour,
                         CalendarRule rule = CalendarRule::Table);
std::string FestivalText(const TFestivalList& list, DateTime date, CalendarRule rule = CalendarRule::Table);

// `FestivalMark`: the first mark of the day's lunar, solar and weekday keys
// that is not negative; kNoMark when there is none.
std::int32_t FestivalMark(const TFestivalList& list, DateTime date, CalendarRule rule = CalendarRule::Table);

}  // namespace calendar
