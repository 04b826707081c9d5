// The reading page's 【时间】 section: how the clock reading became the
// moment cast from.
#pragma once

#include <string>
#include <vector>

#include "cast_request.h"
#include "moment/clock_correction.h"

namespace pipeline {

// The clock reading, each correction in hours, minutes and seconds, the
// moment cast from and the warnings. GBK lines; none when no correction is
// on and there is no warning, so a plain casting's page stays as it was.
std::vector<std::string> MomentText(const Casting& casting, const moment::CorrectedMoment& castFrom);

}  // namespace pipeline
