#include "installed_pages.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Works before QCoreApplication exists, which the page constants need: they
// are made during static initialisation.
fs::path ExecutableFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : exe.parent_path();
}

}  // namespace

QUrl InstalledPage(const char* fileName) {
    const fs::path installed = ExecutableFolder() / YAOPAN_PAGES_FROM_BINDIR / fileName;
    const fs::path inSources = fs::path(YAOPAN_SOURCE_PAGES_DIR) / fileName;
    std::error_code error;
    const fs::path& chosen = !fs::exists(installed, error) && fs::exists(inSources, error) ? inSources : installed;
    return QUrl::fromLocalFile(QString::fromStdString(chosen.lexically_normal().string()));
}
