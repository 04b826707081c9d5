// How a clock reading stands in its zone's rules, by the tz database the
// system keeps (/usr/share/zoneinfo): whether it falls in summer time, and
// whether it never happened (clocks put forward over it) or happened twice
// (clocks put back over it).
#pragma once

#include <chrono>
#include <string>

namespace moment {

struct ZoneReading {
    enum class Kind {
        Once,     // the reading happened once
        Skipped,  // the clocks jumped over it: it never happened
        Doubled,  // the clocks went back over it: it happened twice
    };
    Kind kind = Kind::Once;
    // The zone's standard offset from universal time at the reading (after
    // the jump for a skipped one), and what summer time added to it: zero
    // outside summer time. For a doubled reading, those of its first
    // occurrence.
    std::chrono::seconds standardOffset{0};
    std::chrono::seconds summerOffset{0};
};

// Throws std::runtime_error when the system knows no zone named `zone`.
ZoneReading ReadInZone(const std::string& zone, std::chrono::local_seconds clock);

}  // namespace moment
