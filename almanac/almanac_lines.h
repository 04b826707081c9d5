// The day's almanac as labelled lines, in the words a printed almanac uses
// ("冲戊戌（狗） 煞南"): the text almanac and the almanac window word a day
// alike because both read it from here. GBK texts.
#pragma once

#include <string>
#include <vector>

#include "day_almanac.h"

namespace almanac {

struct AlmanacLine {
    std::string label;  // 干支, 建除, 星宿, …
    std::string value;
};

// 干支, 建除, 星宿, 冲煞, 彭祖, 值神, 胎神, 方位, then 数九 and 三伏 on the
// days that count them. The lunar date and the hours are left to the
// caller, which places them apart.
std::vector<AlmanacLine> AlmanacLines(const DayAlmanac& a);

}  // namespace almanac
