// The journal's entry for a finished casting, made the same way for the
// window and the command line: both hand over what the engine produced and
// what the method was given.
#pragma once

#include <cstdint>
#include <string>

#include "casting/casting_record.h"
#include "casting/divination_report.h"
#include "casting/moment_facts.h"
#include "journal_entry.h"

namespace journal {

// What a method was given beyond the person and the moment. GBK.
struct CastingInputs {
    std::string text;  // the question, character or number
    int manualUpper = 0, manualLower = 0, manualLine = 0;
};

// One finished casting. Texts are GBK, as the engine holds them, except the
// report, which the caller has as it was shown.
struct FinishedCasting {
    casting::CastingRecord record;
    casting::MomentFacts facts;
    casting::Person person;
    casting::Moment moment;
    CastingInputs inputs;
    std::string report;       // UTF-8, lines joined by '\n'
    std::int64_t castAt = 0;  // seconds since 1970-01-01 UTC; 0 for the present moment
};

// UTF-8 texts throughout, and the reading's lines where the casting can be
// read.
JournalEntry EntryOfCasting(const FinishedCasting& casting);

}  // namespace journal
