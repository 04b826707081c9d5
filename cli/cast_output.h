// What yaopan-cast writes for a casting: the report as the window shows
// it, or one JSON object (its schema is in the README).
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "cast_request.h"
#include "casting_run.h"

namespace cli {

// The report's lines, each ended by a newline.
std::string ReportText(const CastResult& result);

nlohmann::ordered_json CastingJson(const Casting& casting, const CastResult& result);

// JSON as one line; UTF-8 stays as it is.
std::string JsonLine(const nlohmann::ordered_json& value);

}  // namespace cli
