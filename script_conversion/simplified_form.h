// The simplified form of characters typed in traditional ones, so that a
// stroke table of simplified characters can count them. UTF-8 in and out.
#pragma once

#include <string>
#include <string_view>

namespace script_conversion {

// OpenCC's traditional-to-simplified conversion. A character with no
// simplified form comes back as it is. Throws std::runtime_error, as
// OpenccConverter does, when OpenCC cannot be loaded or refuses the text.
std::string SimplifiedForm(std::string_view traditional);

}  // namespace script_conversion
