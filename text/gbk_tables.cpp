#include "gbk_tables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace text::tables {
namespace {

// kSingleByteCharacters, kPairCharacters: glibc iconv's GBK, read out of
// it at build time.
#include "gbk_map.inc"

// Each pair's UTF-8, worked out once: its bytes, then how many there are;
// "?" where the pair stands for no character, as the lenient conversions
// write it. The four bytes are stored together, the count after the text,
// so that the loop below copies them in one move and steps over the count.
struct PairUtf8 {
    char bytes[3];
    unsigned char length;
};
static_assert(sizeof(PairUtf8) == 4);

constexpr auto kPairUtf8 = [] {
    std::array<PairUtf8, std::size(kPairCharacters)> utf8{};
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const std::uint32_t c = kPairCharacters[i];
        if (c == 0) {
            utf8[i] = {{'?', 0, 0}, 1};
        } else if (c < 0x800) {
            utf8[i] = {{static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F)), 0}, 2};
        } else {  // GBK's characters are all in the BMP
            utf8[i] = {{static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                        static_cast<char>(0x80 | (c & 0x3F))},
                       3};
        }
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
    } else {
        *out++ = static_cast<char>(0xE0 | c >> 12);
        *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace

char* WriteUtf8FromGbk(std::string_view gbk, char* out, bool* heldAscii) {
    const auto* in = reinterpret_cast<const unsigned char*>(gbk.data());
    const auto* const end = in + gbk.size();
    bool ascii = false;
    while (in < end) {
        const unsigned lead = *in;
        if (lead < 0x80) {
            *out++ = static_cast<char>(lead);
            ++in;
            ascii = true;
            continue;
        }
        // A lead byte with a valid trail byte is one unit, assigned or not
        // (as iconv skips it); any other byte stands alone, so an ASCII
        // byte after a stray lead byte survives.
        const unsigned trail = in + 1 < end ? in[1] : 0;
        if (lead - 0x81 < 0x7E && trail - 0x40 < 0xBF && trail != 0x7F) {
            // The room for three bytes a GBK byte leaves the fourth's
            // store, the count's, in bounds; the next write covers it.
            const PairUtf8& pair = kPairUtf8[(lead - 0x81) * 191 + (trail - 0x40)];
            std::memcpy(out, &pair, sizeof pair);
            out += pair.length;
            in += 2;
        } else {
            const char32_t character = kSingleByteCharacters[lead - 0x80];
            ++in;
            out = character == 0 ? (*out = '?', out + 1) : writeUtf8(character, out);
        }
    }
    if (heldAscii) *heldAscii = ascii;
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
