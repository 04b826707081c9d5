// yaopan-cast's message catalog: the gettext domain its messages are
// looked up in, wherever below the command line they are composed. A
// process that chose no language for the domain (the window, or
// yaopan-cast under the C locale) gets every message as written.
#pragma once

#include <string>

// Marks a message that is looked up later, where it is printed, so that
// xgettext collects it where it is written.
#define N_(message) message

namespace messages {

inline constexpr char kDomain[] = "yaopan-cast";

// `message` in the chosen language, or as written when the catalog lacks it.
__attribute__((format_arg(1))) const char* Translated(const char* message);
std::string Translated(const std::string& message);

// printf over a translated format, for messages whose order of words
// differs between languages.
__attribute__((format(printf, 1, 2))) std::string Formatted(const char* format, ...);

}  // namespace messages
