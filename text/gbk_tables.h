// GBK to UTF-8 by tables that glibc iconv's GBK is read into at build time
// (scripts/gen_gbk_map.py), for the hot path: a batch converts every text
// of every answer, and iconv's call per text cost more than the text. Each
// code converts as iconv converts it, which a test checks code by code; the
// edges where any text may come keep iconv itself (gbk_utf8.h).
#pragma once

#include <string>
#include <string_view>

namespace text::tables {

// Utf8FromGbk's bytes appended to `utf8`: for writers that gather many
// texts into one buffer without a string for each.
void AppendUtf8FromGbk(std::string_view gbk, std::string& utf8);
std::string Utf8FromGbk(std::string_view gbk);

}  // namespace text::tables
