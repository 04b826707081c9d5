#include "casting_methods.h"

#include <numeric>

#include "calendar/gbk_text.h"
#include "convert_error.h"

namespace casting {
namespace {

constexpr char kIdeographicSpace[] = "　";

// Both trigrams and the moving line from a sum for the upper trigram and a
// larger sum for the lower trigram and the moving line.
CastNumbers FromSums(int upperSum, int lowerSum) { return {upperSum % 8, lowerSum % 8, lowerSum % 6}; }

}  // namespace

CastNumbers ApplyZeroRules(CastNumbers numbers) {
    if (numbers.upper == 0) numbers.upper = 8;
    if (numbers.lower == 0) numbers.lower = 8;
    if (numbers.movingLine == 0) numbers.movingLine = 6;
    return numbers;
}

CastNumbers TraditionalRule(const MomentFacts& f, YearNumber yearNumber) {
    const int year = yearNumber == YearNumber::Lunar ? f.LunarYearBranch : f.YearBranch;
    const int s = year + f.LunarMonth + f.LunarDay;
    return FromSums(s, s + f.HourBranch);
}

CastNumbers StemsRule(const MomentFacts& f) {
    const int s = f.YearStem + f.MonthStem + f.DayStem;
    return FromSums(s, s + f.HourStem);
}

CastNumbers BranchesRule(const MomentFacts& f) {
    const int s = f.YearBranch + f.MonthBranch + f.DayBranch;
    return FromSums(s, s + f.HourBranch);
}

CastNumbers ClockRule(int hour, int minute) {
    const int u = hour % 8, l = minute % 8;
    return {u, l, (u + l) % 6};
}

CastNumbers SingleCharacterRule(int strokes, int hourBranch) {
    return {strokes % 8, hourBranch % 8, (strokes + hourBranch) % 6};
}

CastNumbers SplitSumRule(const std::vector<int>& values) {
    const auto half = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    const int a = std::accumulate(values.begin(), half, 0);
    const int b = std::accumulate(values.begin(), values.end(), 0);
    const int u = a % 8;
    // b - u = (b - a) + 8 * (a / 8) >= 0: the lower trigram is the second
    // half's sum, mod 8.
    return {u, (b - u) % 8, b % 6};
}

CastNumbers NumberRule(const std::vector<int>& d, int hourBranch) {
    switch (d.size()) {
        case 1: return SingleCharacterRule(d[0], hourBranch);
        case 2: return ClockRule(d[0], d[1]);
        case 3: return {d[0] % 8, d[1] % 8, d[2] % 6};
        default: return SplitSumRule(d);
    }
}

std::string WithoutSpaces(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t width = calendar::GbkCharLength(text, i);
        const std::string_view character = text.substr(i, width);
        if (character != " " && character != kIdeographicSpace) out += character;
        i += width;
    }
    return out;
}

std::vector<std::string_view> TwoByteUnits(std::string_view text) {
    std::vector<std::string_view> units;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) units.push_back(text.substr(i, 2));
    return units;
}

std::vector<int> DigitsOf(std::string_view number) {
    std::vector<int> digits;
    for (std::size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (c < '0' || c > '9') {
            // Name the whole character, not half of a double-byte one.
            const std::size_t width = calendar::GbkCharLength(number, i);
            throw ConvertError("'" + std::string(number.substr(i, width)) + "' is not a valid integer value");
        }
        digits.push_back(c - '0');
    }
    return digits;
}

}  // namespace casting
