// Where the journal lives: one file per user, shared by the window and the
// command line.
#pragma once

#include <filesystem>

namespace journal {

// $XDG_DATA_HOME/yaopan/castings.sqlite3, or under ~/.local/share when the
// variable is unset, empty or not absolute (a relative one is to be
// ignored). Nothing is created here; opening the journal creates folders.
std::filesystem::path DefaultJournalFile();

}  // namespace journal
