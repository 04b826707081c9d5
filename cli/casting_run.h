// Runs a checked casting through the casting engine, as the window would
// run it right after start, and gives what it produced in UTF-8. Every call
// into the engine is here.
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "cast_request.h"

namespace cli {

struct Hexagram {
    std::string name;
    std::array<int, 6> lines{};  // 1 yang, 0 yin; the bottom line first
};

struct CastResult {
    std::string methodText;  // as the report names the method
    std::string lunarDate;   // without the report's "农历："
    int lunarMonth = 0, lunarDay = 0;
    std::array<std::string, 4> pillars;  // year, month, day, hour
    std::array<Hexagram, 5> hexagrams;   // primary, nuclear, changed, opposite, reversed
    int upper = 0, lower = 0, movingLine = 0;
    std::vector<std::string> report;  // the thirteen lines
};

// The engine's refusals carry the window's own message texts.
std::variant<CastResult, Refusal> RunCasting(const Casting& casting);

struct CastDone {
    Casting casting;
    CastResult result;
};

// Checks a request and casts it: the one road of every casting.
std::variant<CastDone, Refusal> CastRequested(const CastRequest& request, const LocalTime& now);

}  // namespace cli
