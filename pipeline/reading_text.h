// The reading as the page shows it and the journal keeps it: the moment's
// section (moment_text.h) where there is one, the reading's sections, then
// the six-line chart's. GBK lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "liuyao/chart.h"
#include "reading/reading.h"

namespace pipeline {

// Empty when the casting has none of them.
std::vector<std::string> ReadingText(const std::optional<reading::Reading>& reading,
                                     const std::optional<liuyao::Chart>& chart,
                                     const std::vector<std::string>& momentText = {});

}  // namespace pipeline
