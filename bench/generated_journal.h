// A journal as a long-time user's might be: castings of varied names,
// questions and hexagrams, one a minute, every tenth with a note, each
// with a report of forty lines. Generated with a fixed seed.
#pragma once

#include <filesystem>

namespace bench {

constexpr int kGeneratedCastings = 100000;

// Records `castings` castings into the journal at `file`.
void WriteGeneratedJournal(const std::filesystem::path& file, int castings = kGeneratedCastings);

}  // namespace bench
