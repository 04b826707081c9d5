// GBK to UTF-8 by tables that glibc iconv's GBK is read into at build time
// (scripts/gen_gbk_map.py), for the hot path: a batch converts every text
// of every answer, and iconv's call per text cost more than the text. Each
// code converts as iconv converts it, which a test checks code by code; the
// edges where any text may come keep iconv itself (gbk_utf8.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text::tables {

// Most bytes the UTF-8 of `gbk` may take: a single byte may become three.
constexpr std::size_t MostUtf8Bytes(std::string_view gbk) { return 3 * gbk.size(); }
// Writes the UTF-8 of `gbk` at `out`, which has room for MostUtf8Bytes,
// and gives its end: for writers that gather many texts into one buffer.
// `heldAscii`, if given, tells whether any character was ASCII: a text of
// Chinese characters alone holds no byte a format like JSON escapes.
char* WriteUtf8FromGbk(std::string_view gbk, char* out, bool* heldAscii = nullptr);
// Utf8FromGbk's bytes appended to `utf8`.
void AppendUtf8FromGbk(std::string_view gbk, std::string& utf8);
std::string Utf8FromGbk(std::string_view gbk);

}  // namespace text::tables
