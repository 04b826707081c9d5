// The guaku functions the engines use, called with GBK texts in the
// library's own text forms. Results are copied at once.
#pragma once

#include <string>
#include <string_view>

namespace casting {

// Strokes of the character in the first two bytes of `unit` (0 for anything
// that is no GB2312 Chinese character).
int StrokesOf(std::string_view unit);

// Name of the hexagram of an upper and a lower trigram.
std::string HexagramName(int upper, int lower);

// Sexagenary index of the hour pillar for a day stem and a clock hour.
int HourPillarIndex(std::string_view dayStem, int hour);

// The two void branches of the ten-day week `xunHead` ("甲子", "甲戌", ...)
// opens, as guaku writes them ("戌,亥"); empty for a text that opens none.
std::string VoidBranches(std::string_view xunHead);

}  // namespace casting
