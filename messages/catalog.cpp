#include "catalog.h"

#include <libintl.h>

#include <cstdarg>
#include <cstdio>

namespace messages {

namespace {
bool opened = false;
}

void OpenCatalog(const std::string& folder) {
    bindtextdomain(kDomain, folder.c_str());
    bind_textdomain_codeset(kDomain, "UTF-8");
    opened = true;
}

const char* Translated(const char* message) { return opened ? dgettext(kDomain, message) : message; }

std::string Translated(const std::string& message) { return Translated(message.c_str()); }

std::string Formatted(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

}  // namespace messages
