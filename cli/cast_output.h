// What yaopan-cast writes for a casting: the report as the window shows
// it, or one line of JSON (its schema is in the README).
#pragma once

#include <string>

#include "output_script.h"
#include "pipeline/casting_road.h"

namespace cli {

// The report's lines, each ended by a newline.
std::string ReportText(const pipeline::Casting& casting, const pipeline::CastValues& values,
                       const OutputScript& script);

// The casting as one JSON object on one line, without a newline, after
// `before` (a batch's answers so far); its keys are the same in either
// script.
std::string CastingJson(const pipeline::Casting& casting, const pipeline::CastValues& values,
                        const OutputScript& script, std::string before = {});

// {"error": message} on one line, after `before`.
std::string ErrorJson(const std::string& message, std::string before = {});

}  // namespace cli
