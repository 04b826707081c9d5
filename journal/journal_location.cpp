#include "journal_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace journal {

namespace {

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    // A service started without HOME still has an entry in the password file.
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) return user->pw_dir;
    return ".";
}

}  // namespace

std::filesystem::path DefaultJournalFile() {
    std::filesystem::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && std::filesystem::path(xdg).is_absolute())
        data = xdg;
    else
        data = HomeFolder() / ".local" / "share";
    return data / "yaopan" / "castings.sqlite3";
}

}  // namespace journal
