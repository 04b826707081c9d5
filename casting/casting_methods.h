// The rules by which each casting method turns its numbers into an upper
// trigram, a lower trigram and a moving line, and the text handling of the
// methods that take typed input. Texts are GBK.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "moment_facts.h"

namespace casting {

struct CastNumbers {
    int upper = 0;
    int lower = 0;
    int movingLine = 0;

    friend bool operator==(const CastNumbers&, const CastNumbers&) = default;
};

// A trigram of 0 is 坤 (8), a moving line of 0 is the top line (6).
CastNumbers ApplyZeroRules(CastNumbers numbers);

// 传统起卦: the year's branch (the pillar's, or the lunar year's) + lunar
// month + lunar day, then the hour branch.
CastNumbers TraditionalRule(const MomentFacts& facts, YearNumber yearNumber = YearNumber::Pillar);
// 天干起卦: the stems of year, month and day, then the hour stem.
CastNumbers StemsRule(const MomentFacts& facts);
// 地支起卦: the branches of year, month and day, then the hour branch.
CastNumbers BranchesRule(const MomentFacts& facts);
// 时分起卦: the clock's hour and minute, each reduced before they are added.
CastNumbers ClockRule(int hour, int minute);
// 单字起卦: one character's strokes above the hour branch.
CastNumbers SingleCharacterRule(int strokes, int hourBranch);
// Question, name and long numbers: the first half of the values (the shorter
// half for an odd count) gives the upper trigram, the rest the lower.
CastNumbers SplitSumRule(const std::vector<int>& values);
// 报数起卦: by the count of digits.
CastNumbers NumberRule(const std::vector<int>& digits, int hourBranch);

// The text with every ASCII space and every ideographic space removed,
// character by character, so no two half characters are ever taken for a
// space.
std::string WithoutSpaces(std::string_view text);

// The text cut into two-byte units from its start; an odd last byte is left
// out. Units follow byte positions, not characters.
std::vector<std::string_view> TwoByteUnits(std::string_view text);

// The value of each character of a number; throws ConvertError ("'%s' is
// not a valid integer value") at the first character that is no digit.
std::vector<int> DigitsOf(std::string_view number);

}  // namespace casting
