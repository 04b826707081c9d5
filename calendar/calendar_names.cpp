#include "calendar/calendar_names.h"

#include <array>

namespace calendar {
namespace {

const char* const kStemNames[10] = {
#include "stem_names.inc"
};
const char* const kBranchNames[12] = {
#include "branch_names.inc"
};
const char* const kAnimalNames[12] = {
#include "animal_names.inc"
};
// 日 for 0, so the table also names Sunday.
const char* const kNumeralNames[11] = {
#include "numeral_names.inc"
};
const char* const kMonthNames[12] = {
#include "lunar_month_names.inc"
};
const char* const kDayPrefixes[3] = {
#include "day_prefixes.inc"
};

struct Words {
    const char* leap;
    const char* month;
    const char* year;
    const char* zero;
    const char* week;
};
const Words kWords = {
#include "calendar_words.inc"
};

// Position of `index` in a cycle of `length`, for negative indices too.
int cyclePosition(int index, int length) { return (index % length + length) % length; }

}  // namespace

const std::string& GanZhiName(int index) {
    // Joined once each: a casting names its pillars, and its chart its lines, by them.
    static const auto kNames = [] {
        std::array<std::string, 60> names;
        for (int i = 0; i < 60; ++i) names[i] = std::string(kStemNames[i % 10]) + kBranchNames[i % 12];
        return names;
    }();
    return kNames[cyclePosition(index, 60)];
}

std::string AnimalName(int index) { return kAnimalNames[cyclePosition(index, 12)]; }

std::string LunarDayName(int day) {
    if (day < 1 || day > 30) return {};
    const int tens = (day - 1) / 10;    // [0, 2]
    const int units = day - 10 * tens;  // [1, 10]
    // 二十 and 三十 are counted tens, not 十 or 廿 with a prefix.
    if (tens > 0 && units == 10) return std::string(kNumeralNames[tens + 1]) + kNumeralNames[10];
    return std::string(kDayPrefixes[tens]) + kNumeralNames[units];
}

std::string LunarMonthName(int month, bool leap) {
    std::string name = leap ? kWords.leap : "";
    if (month >= 1 && month <= 12) name += kMonthNames[month - 1];
    return name + kWords.month;
}

std::string ChineseYearText(int year) {
    if (year < 0) return {};
    std::string digits;
    do {
        const int digit = year % 10;
        digits.insert(0, digit == 0 ? kWords.zero : kNumeralNames[digit]);
        year /= 10;
    } while (year > 0);
    return digits + kWords.year;
}

std::string WeekdayName(int index) { return std::string(kWords.week) + kNumeralNames[cyclePosition(index, 7)]; }

}  // namespace calendar
