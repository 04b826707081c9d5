// yaopan-cast's message catalog: the gettext domain its messages are
// looked up in, wherever below the command line they are composed. A
// process that opened no catalog (the window, which translates what reaches
// it itself, or yaopan-cast under the C locale) gets every message as
// written, whatever catalogs its locale would find installed.
#pragma once

#include <string>

// Marks a message that is looked up later, where it is printed, so that
// xgettext collects it where it is written.
#define N_(message) message

namespace messages {

inline constexpr char kDomain[] = "yaopan-cast";

// Looks messages up from now on in the catalogs under `folder`, in the
// language gettext's LANGUAGE and LC_MESSAGES name, as UTF-8.
void OpenCatalog(const std::string& folder);

// `message` in the chosen language, or as written when the catalog lacks it.
__attribute__((format_arg(1))) const char* Translated(const char* message);
std::string Translated(const std::string& message);

// printf over a translated format, for messages whose order of words
// differs between languages.
__attribute__((format(printf, 1, 2))) std::string Formatted(const char* format, ...);

}  // namespace messages
