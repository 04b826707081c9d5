// Small operations on GBK text (two bytes a Chinese character).
#pragma once

#include <string_view>

namespace calendar {

// Orders texts ignoring the case of ASCII letters: <0, 0 or >0. The second
// byte of a two-byte character may lie in the letter range; it is compared
// as it is, so distinct characters never fold together.
int CompareText(std::string_view a, std::string_view b);

// `text` without leading and trailing blanks and control characters (DEL
// among them). The second byte of a two-byte character is never below 0x40
// nor 0x7F, so no character loses a byte.
std::string_view TrimmedText(std::string_view text);

}  // namespace calendar
