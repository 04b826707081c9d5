// The traditional form of the names the window shows: of the hexagrams and
// trigrams, the stems and branches, the solar terms and the lunar months.
// UTF-8 in and out.
#pragma once

#include <string>
#include <string_view>

namespace script_conversion {

// OpenCC's Taiwan-standard conversion, whose character forms (為 眾 群 床)
// are those of the classic texts, then mended where it takes a name for
// another word. For names only: in running text 咸 may well be 鹹, "salty".
// A text of several names converts as each would. Throws std::runtime_error,
// as OpenccConverter does, when OpenCC cannot be loaded or refuses the text.
std::string TraditionalName(std::string_view simplified);

}  // namespace script_conversion
