// The command line of yaopan-cast: one casting from the options, or a
// batch from standard input.
#pragma once

#include <iosfwd>

namespace cli {

// Exit statuses: 0 cast (or help), 1 standard input or output failed,
// 2 bad input of any kind, with the reason on `err` and nothing on `out`,
// or a journal that could not be written or read, with its message on
// `err` (a casting that was not recorded has still printed its report).
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitJournal = 2;
inline constexpr int kExitInputOutput = 1;

int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace cli
