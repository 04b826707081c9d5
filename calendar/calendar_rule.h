// Which calendar the engines follow: the lunar table with the mean-term
// formula (the default, the calendar this program has always shown), or the
// true sky of astronomical_calendar.h. Every conversion takes the rule as a
// parameter and nothing holds one globally, so a run may mix them.
#pragma once

#include <optional>
#include <string_view>

namespace calendar {

enum class CalendarRule { Table, Astronomical };

// `CalendarRuleName`: the rule's name where it is stored or typed, "table"
// or "astronomical".
constexpr std::string_view CalendarRuleName(CalendarRule rule) {
    return rule == CalendarRule::Astronomical ? "astronomical" : "table";
}

// `CalendarRuleNamed`: the rule called `name`; nothing for any other text.
constexpr std::optional<CalendarRule> CalendarRuleNamed(std::string_view name) {
    for (const CalendarRule rule : {CalendarRule::Table, CalendarRule::Astronomical}) {
        if (name == CalendarRuleName(rule)) return rule;
    }
    return std::nullopt;
}

}  // namespace calendar
