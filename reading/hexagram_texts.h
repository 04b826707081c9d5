// The classic texts of the 64 hexagrams: each one's judgment (卦辞) and line
// statements (爻辞), in the received text, in simplified or in traditional
// characters. Texts are GBK either way: GBK holds every traditional
// character the texts use.
#pragma once

#include <string_view>
#include <vector>

namespace reading {

struct LineStatement {
    std::string_view label;  // 初九 .. 上六, or 用九 / 用六
    std::string_view text;
};

struct HexagramText {
    int upper = 0, lower = 0;    // trigram numbers 1..8
    std::string_view name;       // the short name: 乾, 蛊, 未济
    std::string_view judgment;
    // Lines 1..6 bottom first; 乾 and 坤 add a seventh, 用九 and 用六.
    std::vector<LineStatement> statements;
};

enum class Script { Simplified, Traditional };

// All 64, in the received order. Both scripts have the same rows, keys and
// labels, in the same order.
const std::vector<HexagramText>& HexagramTexts(Script script = Script::Simplified);

// The texts of the hexagram of an upper and a lower trigram. Throws
// std::out_of_range for a trigram outside 1..8.
const HexagramText& HexagramTextOf(int upper, int lower, Script script = Script::Simplified);

}  // namespace reading
