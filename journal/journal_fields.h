// The stored fields of a casting, each with its column name, in the one
// order the table, the statements and the exports share.
#pragma once

#include "journal_entry.h"

namespace journal {

// Calls `visit(column, field)` for every field but the id. `Entry` is
// JournalEntry or const JournalEntry.
template <class Entry, class Visit>
void VisitFields(Entry& entry, Visit&& visit) {
    visit("name", entry.name);
    visit("sex", entry.sex);
    visit("age", entry.age);
    visit("year", entry.year);
    visit("month", entry.month);
    visit("day", entry.day);
    visit("hour", entry.hour);
    visit("minute", entry.minute);
    visit("method", entry.method);
    visit("question", entry.question);
    visit("manual_upper", entry.manualUpper);
    visit("manual_lower", entry.manualLower);
    visit("manual_line", entry.manualLine);
    visit("primary_name", entry.hexagrams[Primary]);
    visit("nuclear_name", entry.hexagrams[Nuclear]);
    visit("changed_name", entry.hexagrams[Changed]);
    visit("opposite_name", entry.hexagrams[Opposite]);
    visit("reversed_name", entry.hexagrams[Reversed]);
    visit("moving_line", entry.movingLine);
    visit("report", entry.report);
    visit("cast_at", entry.castAt);
    visit("note", entry.note);
    visit("calendar_rule", entry.calendarRule);
    visit("reading", entry.reading);
    visit("place_name", entry.placeName);
    visit("longitude", entry.longitude);
    visit("zone", entry.zone);
    visit("corrections", entry.corrections);
    visit("cast_from", entry.castFrom);
    visit("zi", entry.zi);
    visit("pillar_boundary", entry.pillarBoundary);
    visit("year_number", entry.yearNumber);
    visit("strength", entry.strength);
}

}  // namespace journal
