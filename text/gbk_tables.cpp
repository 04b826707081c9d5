#include "gbk_tables.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace text::tables {
namespace {

// kSingleByteCharacters, kPairCharacters: glibc iconv's GBK, read out of
// it at build time.
#include "gbk_map.inc"

// Each pair's UTF-8, worked out once: its bytes from the lowest up, its
// length in the top byte; 0 where the pair stands for no character.
constexpr auto kPairUtf8 = [] {
    std::array<std::uint32_t, std::size(kPairCharacters)> utf8{};
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const std::uint32_t c = kPairCharacters[i];
        if (c == 0) continue;
        utf8[i] = c < 0x800 ? (2u << 24 | (0x80 | (c & 0x3F)) << 8 | (0xC0 | c >> 6))
                            : (3u << 24 | (0x80 | (c & 0x3F)) << 16 | (0x80 | (c >> 6 & 0x3F)) << 8 | (0xE0 | c >> 12));
    }
    return utf8;
}();

// Writes `c`'s UTF-8 at `out`, returning the end.
char* writeUtf8(char32_t c, char* out) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | c >> 6);
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {  // GBK's characters are all in the BMP
        *out++ = static_cast<char>(0xE0 | c >> 12);
        *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace

char* WriteUtf8FromGbk(std::string_view gbk, char* out) {
    for (std::size_t i = 0; i < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x80) {
            *out++ = gbk[i++];
            continue;
        }
        // A lead byte with a valid trail byte is one unit, assigned or not
        // (as iconv skips it); any other byte stands alone, so an ASCII
        // byte after a stray lead byte survives.
        const auto trail = i + 1 < gbk.size() ? static_cast<unsigned char>(gbk[i + 1]) : 0;
        if (lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F) {
            const std::uint32_t utf8OfPair = kPairUtf8[(lead - 0x81) * 191 + (trail - 0x40)];
            i += 2;
            if (utf8OfPair == 0) {
                *out++ = '?';
                continue;
            }
            out[0] = static_cast<char>(utf8OfPair);
            out[1] = static_cast<char>(utf8OfPair >> 8);
            out[2] = static_cast<char>(utf8OfPair >> 16);
            out += utf8OfPair >> 24;
        } else {
            const char32_t character = kSingleByteCharacters[lead - 0x80];
            i += 1;
            out = character == 0 ? (*out = '?', out + 1) : writeUtf8(character, out);
        }
    }
    return out;
}

void AppendUtf8FromGbk(std::string_view gbk, std::string& utf8) {
    // Room for the longest result, taken once and cut to what was written:
    // cheaper than growing per character.
    const std::size_t start = utf8.size();
    utf8.resize(start + MostUtf8Bytes(gbk));
    utf8.resize(static_cast<std::size_t>(WriteUtf8FromGbk(gbk, utf8.data() + start) - utf8.data()));
}

std::string Utf8FromGbk(std::string_view gbk) {
    std::string utf8;
    AppendUtf8FromGbk(gbk, utf8);
    return utf8;
}

}  // namespace text::tables
