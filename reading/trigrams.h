// The eight trigrams as the reading names them, numbered 1..8 as the casting
// engine numbers them (乾 兑 离 震 巽 坎 艮 坤).
#pragma once

#include <string_view>

#include "five_elements.h"

namespace reading {

inline constexpr int kTrigramCount = 8;

// One character, GBK.
std::string_view TrigramName(int trigram);

// 乾 兑 金, 离 火, 震 巽 木, 坎 水, 艮 坤 土.
Element ElementOfTrigram(int trigram);

// The trigram called `name`, 0 when none is.
int TrigramNamed(std::string_view name);

}  // namespace reading
