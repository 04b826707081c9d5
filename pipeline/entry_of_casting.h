// The journal's entry for a finished casting, made from the road's values
// the same way for the window and the command line.
#pragma once

#include "casting_road.h"
#include "journal/journal_entry.h"

namespace pipeline {

// UTF-8 texts throughout: the report's lines joined by '\n', and the
// reading's text (its sections and the six-line chart) where the casting
// has one, without boundary notes; the place and moment cast from where the
// clock reading was corrected; the conventions away from their defaults.
journal::JournalEntry EntryOfCasting(const Casting& casting, const CastValues& values);

// The conventions `entry` was reckoned by: the default for each choice it
// keeps none of, or a key no value has.
casting::Conventions ConventionsOf(const journal::JournalEntry& entry);

}  // namespace pipeline
