// The thirteen-line report of a casting: who asked and when, the method,
// the lunar date, the four pillars, and the five hexagrams side by side,
// names over line figures, top line first, the moving line marked.
#pragma once

#include <string>
#include <vector>

#include "casting_record.h"
#include "moment_facts.h"

namespace casting {

struct Person {
    std::string name;  // as typed, GBK
    std::string age;   // as typed
    std::string sex;   // the caption of the chosen sex, empty when none is; GBK
};

// Frames the five names into 12-byte cells and marks the moving line, in
// the report only: the record keeps the bare names. The Gregorian line
// prints the moment as entered, also when hour 23 moved the facts on.
std::vector<std::string> ComposeReport(const CastingRecord& record, const MomentFacts& facts, const Person& person,
                                       const Moment& moment);

}  // namespace casting
