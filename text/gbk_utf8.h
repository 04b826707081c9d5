// GBK text to and from UTF-8, without Qt. Every text below the windows is
// GBK bytes; windows, terminals and databases speak UTF-8. The lenient
// conversions write "?" for what one side cannot hold; the strict one names
// the first such character, for callers that must refuse instead of guess.
#pragma once

#include <string>
#include <string_view>

namespace text {

// The UTF-8 of GBK bytes. A byte sequence GBK cannot decode (a lone lead
// byte, an unassigned pair, 0x80, 0xFF) becomes one "?" each.
std::string Utf8FromGbk(std::string_view gbk);

// The GBK bytes of UTF-8 text. Every character GBK cannot hold, and every
// byte that does not begin a well-formed UTF-8 sequence, becomes one "?".
std::string GbkFromUtf8(std::string_view utf8);

// The GBK bytes of UTF-8 text, or, when some character cannot be held,
// that character: the first one, as UTF-8 (an ill-formed byte is given as
// it is). `ok()` tells which.
struct StrictGbk {
    std::string gbk;
    std::string unheld;  // empty when the whole text converted
    bool ok() const { return unheld.empty(); }
};
StrictGbk GbkFromUtf8Strict(std::string_view utf8);

}  // namespace text
