// Castings near a boundary that a convention or the double hour turns on:
// within a quarter hour of it the casting says so, with what it would have
// been on the other side; and on 立春's day under the mixed pillar rule it
// names what the other two rules give.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/sexagenary.h"
#include "casting/moment_facts.h"
#include "moment/clock_correction.h"

namespace pipeline {

struct Casting;

enum class BoundaryKind {
    DoubleHour,  // 1:00, 3:00, ... 21:00
    ZiStart,     // 23:00, where the 子 hour begins and the next-day rule turns the day
    Midnight,    // 0:00, where the midnight rule turns the day
    Term,        // a 节's moment, where a month pillar may change
    Spring,      // 立春's moment, where the year pillar may change too
    NewMoon,     // the new moon that begins the lunar month, under the astronomical calendar
    SpringDay,   // any casting on 立春's day under the mixed rule
};

// "double_hour", "zi_start", "midnight", "jie", "lichun", "new_moon", "lichun_day".
const char* BoundaryKey(BoundaryKind kind);

// The casting on the far side of a boundary: its facts and its primary and
// changed hexagrams' names, GBK.
struct OtherSide {
    casting::MomentFacts facts;
    std::string primary, changed;
};

struct BoundaryNote {
    BoundaryKind kind = BoundaryKind::DoubleHour;
    std::string termName;        // GBK; the 节 of a Term
    moment::ClockReading moment;  // the boundary's, to the minute (seconds dropped)
    long minutes = 0;            // from the moment cast from to the boundary; negative once passed
    // SpringDay: the pillar rule the other side is reckoned by.
    std::optional<calendar::PillarBoundary> pillarBoundary;
    OtherSide other;
};

// How far either side of a boundary a casting is near it, in minutes.
inline constexpr long kNearMinutes = 15;

// The notes of `casting` cast from `castFrom`, in order of kind; each other
// side cast through the casting road. Those within the hour only when the
// casting's minute is known. A boundary whose other side lies
// outside the calendar gets no note.
std::vector<BoundaryNote> BoundaryNotes(const Casting& casting, const moment::CorrectedMoment& castFrom);

}  // namespace pipeline
