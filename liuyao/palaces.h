// The eight palaces of the Jing Fang school. Each pure hexagram heads a
// palace of eight; the other seven are made from it by changing its lines
// from the bottom up, and where a hexagram stands among them fixes the line
// that holds 世 and the one that holds 应.
#pragma once

#include <string_view>

namespace liuyao {

// 本宫, 一世 .. 五世, 游魂, 归魂: the order the palace runs in.
enum class Generation { Own, First, Second, Third, Fourth, Fifth, Wandering, Returning };

struct Palace {
    int trigram = 0;  // the trigram of its pure hexagram, 1..8 as the casting engine numbers them
    Generation generation = Generation::Own;
};

// The palace of the hexagram of an upper and a lower trigram. Throws
// std::out_of_range for a trigram outside 1..8.
Palace PalaceOf(int upper, int lower);

// 本宫 一世 二世 三世 四世 五世 游魂 归魂. GBK.
std::string_view GenerationName(Generation generation);

// The line (1..6, bottom first) that holds 世, and the one three away that
// holds 应.
int ShiLine(Generation generation);
int YingLine(Generation generation);

}  // namespace liuyao
