// The three guaku functions the casting engine uses, called with GBK texts
// in the library's reference-counted form. Results are copied at once.
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

}  // namespace casting
