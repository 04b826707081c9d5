// Batches: one casting request per line of JSON in, one line of JSON out
// for each, in order. A line that casts nothing answers with an error
// object and the rest go on.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

#include "output_script.h"
#include "pipeline/cast_request.h"

namespace cli {

// The casting's object for a JSON object keyed like the long options, or
// {"error": why}, after `before` (the answers so far, so that they all go
// into one string). Any bytes at all get one of the two.
std::string AnswerBatchLine(std::string_view line, const pipeline::LocalTime& now, const OutputScript& script = {},
                            std::string before = {});

// The longest line a batch reads, newline excluded. A request is a few
// hundred bytes; a longer line answers with an error, in constant memory.
inline constexpr std::size_t kMaxBatchLineBytes = 65536;

// Answers every line of `in` on `out`, and stops at the first answer `out`
// fails to take; false when reading `in` failed.
bool RunBatch(std::istream& in, std::ostream& out, const OutputScript& script = {});

}  // namespace cli
