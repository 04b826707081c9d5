// What yaopan-cast writes for a casting: the report as the window shows
// it, or one line of JSON (its schema is in the README).
#pragma once

#include <string>

#include "cast_request.h"
#include "casting_run.h"

namespace cli {

// The report's lines, each ended by a newline.
std::string ReportText(const CastResult& result);

// The casting as one JSON object on one line, without a newline.
std::string CastingJson(const Casting& casting, const CastResult& result);

// {"error": message} on one line.
std::string ErrorJson(const std::string& message);

}  // namespace cli
