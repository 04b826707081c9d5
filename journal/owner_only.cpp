#include "owner_only.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace journal {

namespace {

constexpr mode_t kGroupAndOthers = S_IRWXG | S_IRWXO;

// Opens `path` with `flags` and narrows what it opened when it is of
// `type`. Working on the opened descriptor, not the name, narrows the very
// thing checked even if the name is swapped meanwhile; non-blocking, so a
// FIFO planted in its place does not hang the opening.
void Narrow(const std::filesystem::path& path, int flags, mode_t type) {
    const int fd = open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, S_IRUSR | S_IWUSR);
    if (fd < 0) return;  // missing, a link, or not ours to open: SQLite says what matters
    struct stat status {};
    if (fstat(fd, &status) == 0 && (status.st_mode & S_IFMT) == type && (status.st_mode & kGroupAndOthers))
        (void)fchmod(fd, status.st_mode & ~kGroupAndOthers & 07777);
    close(fd);
}

}  // namespace

std::error_code MakeOwnerOnlyFolders(const std::filesystem::path& folder) {
    std::error_code ignored;
    if (folder.empty() || std::filesystem::is_directory(folder, ignored)) return {};
    if (folder.parent_path() != folder)
        if (const std::error_code error = MakeOwnerOnlyFolders(folder.parent_path())) return error;
    // EEXIST: made by another program since the look, or not a folder,
    // which the look after tells.
    if (mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) return {errno, std::generic_category()};
    if (!std::filesystem::is_directory(folder, ignored)) return make_error_code(std::errc::not_a_directory);
    return {};
}

void KeepFolderOwnerOnly(const std::filesystem::path& folder) { Narrow(folder, O_RDONLY | O_DIRECTORY, S_IFDIR); }

void KeepFileOwnerOnly(const std::filesystem::path& file, bool create) {
    Narrow(file, O_RDONLY | O_NOFOLLOW | (create ? O_CREAT : 0), S_IFREG);
}

}  // namespace journal
