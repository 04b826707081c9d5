// The chart laid out as the reading's section 【六爻】: a heading line
// with the palace, the generation and the void branches, then one row per
// line, the top line first as charts are drawn, each line's hidden line in
// a row beneath it. Every cell is of full-width characters so the columns
// line up in the report's face. GBK.
#pragma once

#include <string>
#include <vector>

#include "chart.h"

namespace liuyao {

std::vector<std::string> ChartLines(const Chart& chart);

}  // namespace liuyao
