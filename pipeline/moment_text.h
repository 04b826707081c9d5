// The reading page's 【时间】 section: how the clock reading became the
// moment cast from, the conventions it was reckoned by and the boundaries
// it lies near.
#pragma once

#include <string>
#include <vector>

#include "boundary_notes.h"
#include "cast_request.h"
#include "moment/clock_correction.h"

namespace pipeline {

// The clock reading, each correction in hours, minutes and seconds, the
// moment cast from and the warnings; the four conventions when one is not
// its default; each boundary note with its other side. GBK lines; none when
// there is nothing of these to say, so a plain casting's page stays as it
// was.
std::vector<std::string> MomentText(const Casting& casting, const moment::CorrectedMoment& castFrom,
                                    const std::vector<BoundaryNote>& boundaries);

}  // namespace pipeline
