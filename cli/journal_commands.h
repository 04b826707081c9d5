// What yaopan-cast does with the journal of castings it shares with the
// window: records a casting, and lists the stored ones.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "journal/journal_entry.h"
#include "output_script.h"

namespace cli {

// Records `entry` in the user's journal. False when it was not stored, the
// journal's message on `err`; a journal that opened short of fully but
// still stored the casting says so there too.
bool RecordInJournal(const journal::JournalEntry& entry, std::ostream& err);

// Lists the stored castings newest first, those `search` finds when given:
// a line each (time, name, method, primary → changed hexagram; the method
// and the hexagrams in `script`), or the journal's JSON export, each as it
// is read: the export is the journal's record and keeps the texts as
// stored. A journal not yet created lists nothing and is not created;
// false when it could not be read.
bool ListJournal(const std::optional<std::string>& search, bool json, std::ostream& out, std::ostream& err,
                 const OutputScript& script = {});

}  // namespace cli
