// The journal holds names, questions and notes: its folder and files are
// the user's alone, whatever the umask. The modes are given as each is
// made, not by changing the umask, which is the whole process's and the
// window's other threads may be creating files meanwhile.
#pragma once

#include <filesystem>
#include <system_error>

namespace journal {

// Creates the missing folders down to `folder`, each 0700 as the XDG base
// directory rules ask of a data folder; folders already there keep their
// mode. Gives the failure, or none when `folder` is a folder at the end.
std::error_code MakeOwnerOnlyFolders(const std::filesystem::path& folder);

// Takes the group's and others' access away from `folder` (through a
// symbolic link: a data folder kept on another disk is still the
// journal's). A folder the user cannot change stays as it is.
void KeepFolderOwnerOnly(const std::filesystem::path& folder);

// The same for a regular file, never through a symbolic link; `create`
// makes a missing file, empty and 0600, so that SQLite finds it and does
// not create it with the umask's mode (its -wal and -shm files take the
// database file's mode).
void KeepFileOwnerOnly(const std::filesystem::path& file, bool create);

}  // namespace journal
