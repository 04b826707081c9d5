// Small operations on GBK text (two bytes a Chinese character).
#pragma once

#include <cstddef>
#include <string_view>

namespace calendar {

// Whether `byte` begins a two-byte GBK character.
constexpr bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The byte length of the GBK character starting at `text[pos]`: 2 for a
// lead byte followed by another byte, else 1.
std::size_t GbkCharLength(std::string_view text, std::size_t pos);

// Orders texts ignoring the case of ASCII letters: <0, 0 or >0. The second
// byte of a two-byte character may lie in the letter range; it is compared
// as it is, so distinct characters never fold together.
int CompareText(std::string_view a, std::string_view b);

// `text` without the leading and trailing bytes for which `trimmed` holds.
// Only bytes below 0x40 and DEL may be trimmed: the second byte of a
// two-byte character is never one, so no character loses a byte.
std::string_view TrimmedBy(std::string_view text, bool (*trimmed)(unsigned char));

// `text` without leading and trailing blanks and control characters, DEL
// among them (how a festival's text is kept).
std::string_view TrimmedText(std::string_view text);

// `text` without leading and trailing spaces (how a hint line's label and a
// lunar name read back from its text are taken).
std::string_view TrimmedSpaces(std::string_view text);

}  // namespace calendar
