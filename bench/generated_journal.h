// A journal as a long-time user's might be: castings of varied names,
// questions and hexagrams, one a minute, every tenth with a note, each
// with a report of forty lines. Generated with a fixed seed.
#pragma once

#include <filesystem>

namespace bench {

constexpr int kGeneratedCastings = 100000;

// Records `castings` castings into the journal at `file`.
void WriteGeneratedJournal(const std::filesystem::path& file, int castings = kGeneratedCastings);

// Puts the journal the benchmarks read at `file`: a copy of the one
// YAOPAN_BENCH_JOURNAL names (written before by generate_journal, as a
// million castings take minutes to record), or one generated here.
void PlaceGeneratedJournal(const std::filesystem::path& file);

// A journal placed so at `yaopan/castings.sqlite3` in a temporary data
// folder, at the first call, and removed when the run ends: point
// XDG_DATA_HOME at the folder and the programs find it as the user's.
const std::filesystem::path& TemporaryGeneratedJournal();

}  // namespace bench
