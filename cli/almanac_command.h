// yaopan-cast --almanac: the almanac (黄历) of one day or of a run of days,
// as text or one JSON object per day (its keys are in the README).
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "output_script.h"
#include "pipeline/cast_request.h"

namespace cli {

struct AlmanacRequest {
    std::optional<std::string> date, from, to, calendar;  // as typed
    bool json = false;
    OutputScript script;
};

// Prints the almanac of the day or days asked for, `today` when none is
// given. Returns the exit status; a refused request prints nothing on `out`.
int PrintAlmanac(const AlmanacRequest& request, const pipeline::LocalTime& today, std::ostream& out,
                 std::ostream& err);

}  // namespace cli
