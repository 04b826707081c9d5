// The seasons' counted days: the nine nines of winter (数九) and the three
// periods of summer heat (三伏), on the terms of a calendar rule. GBK texts.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "calendar/calendar_rule.h"

namespace almanac {

// 数九: "三九第4天" on the 81 days from the day of 冬至 on; nothing on the others.
std::optional<std::string> NinesOf(std::chrono::sys_days day, calendar::CalendarRule rule);

// 三伏: "中伏第2天" in the heat. 初伏 begins on the third 庚 day counting
// from the day of 夏至 (that day counting when it is one), 中伏 on the
// fourth, 末伏 on the first 庚 day from the day of 立秋 on; each but 中伏
// lasts ten days, 中伏 until 末伏. Nothing on other days, and for years
// outside 1900..2100.
std::optional<std::string> DogDaysOf(std::chrono::sys_days day, calendar::CalendarRule rule);

}  // namespace almanac
