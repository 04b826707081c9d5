#include "message_language.h"


#include <clocale>
#include <cstdlib>
#include <filesystem>

#include "messages/catalog.h"

namespace cli {
namespace {

// "zh_HK.UTF-8@stroke" names the locale zh_HK.
std::string_view LocaleName(std::string_view value) { return value.substr(0, value.find_first_of(".@")); }

std::optional<std::string> CatalogOf(std::string_view locale) {
    if (locale == "zh_TW" || locale == "zh_HK" || locale == "zh_MO") return "zh_TW";
    if (locale == "zh" || locale.starts_with("zh_")) return "zh_CN";
    if (locale == "en" || locale.starts_with("en_")) return "en";
    return std::nullopt;
}

const char* Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// The catalogs lie where the package puts them beside the program's own
// folder, bin/../share/locale; the build tree lays them out the same way
// beside cli/, so a built program finds them without being installed.
std::string CatalogFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return YAOPAN_LOCALE_DIR;
    return (program.parent_path() / YAOPAN_LOCALE_FROM_PROGRAM).lexically_normal().string();
}

}  // namespace

std::optional<std::string> CatalogNamed(std::string_view lang) {
    if (lang == "zh_CN" || lang == "zh_TW" || lang == "en") return std::string(lang);
    return std::nullopt;
}

MessageLanguage LanguageOfEnvironment() {
    const char* set = Variable("LC_ALL");
    if (set == nullptr) set = Variable("LC_MESSAGES");
    if (set == nullptr) set = Variable("LANG");
    const std::string_view locale = LocaleName(set != nullptr ? set : "");
    // C.UTF-8 is the C locale too: scripts run under it expect today's words.
    if (locale.empty() || locale == "C" || locale == "POSIX") return {};
    if (const char* list = Variable("LANGUAGE")) {
        for (std::string_view rest = list; !rest.empty();) {
            const std::string_view entry = rest.substr(0, rest.find(':'));
            rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
            if (const auto catalog = CatalogOf(LocaleName(entry))) return {*catalog, std::string(LocaleName(entry))};
        }
        return {"en", "en"};
    }
    if (const auto catalog = CatalogOf(locale)) return {*catalog, std::string(locale)};
    return {"en", std::string(locale)};
}

void SpeakIn(const MessageLanguage& language) {
    if (language.catalog.empty()) return;
    // gettext looks catalogs up by the messages locale's name, and skips
    // LANGUAGE under "C". C.UTF-8 is there whatever locales the system has
    // generated, and is not "C" by name, so LANGUAGE then names the
    // catalog. Only LC_MESSAGES changes: numbers keep the C locale's point.
    if (std::setlocale(LC_MESSAGES, "C.UTF-8") == nullptr) return;
    setenv("LANGUAGE", language.catalog.c_str(), 1);
    messages::OpenCatalog(CatalogFolder());
}

}  // namespace cli
