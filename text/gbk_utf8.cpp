#include "gbk_utf8.h"

#include <cstddef>
#include <cstdint>

namespace text {
namespace {

// kSingleByteCharacters, kPairCharacters, kGbkCodes: glibc iconv's GBK,
// read out of it at build time. A table look-up per character is several
// times quicker than iconv's call per text, and batches convert every field
// of every answer.
#include "gbk_map.inc"

// An undecodable GBK unit: a lead byte with a valid trail byte counts as one
// unassigned pair; any other byte stands alone, so an ASCII byte after a
// stray lead byte survives.
std::size_t gbkUnitLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (lead >= 0x81 && lead <= 0xFE && rest.size() >= 2) {
        const auto trail = static_cast<unsigned char>(rest[1]);
        if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) return 2;
    }
    return 1;
}

// The length of the well-formed UTF-8 sequence that starts `rest`, or 1 for
// a byte that begins none (so it is skipped alone).
std::size_t utf8UnitLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t n = 1;
    if (lead >= 0xF0 && lead <= 0xF4) n = 4;
    else if (lead >= 0xE0) n = lead <= 0xEF ? 3 : 1;
    else if (lead >= 0xC2) n = 2;
    if (n > rest.size()) return 1;
    for (std::size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

// The character that the GBK unit starting `rest` stands for and its
// length in bytes, or a character of 0 when GBK assigns it none.
struct Decoded {
    char32_t character;
    std::size_t length;
};

Decoded decodeGbk(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (lead < 0x80) return {lead, 1};
    if (gbkUnitLength(rest) == 2) {
        const auto trail = static_cast<unsigned char>(rest[1]);
        return {kPairCharacters[(lead - 0x81) * 191 + (trail - 0x40)], 2};
    }
    return {kSingleByteCharacters[lead - 0x80], 1};
}

// Beyond every character: what a byte that begins none decodes to.
constexpr char32_t kNoCharacter = 0x110000;

// The character the UTF-8 unit of `length` bytes starting `rest` encodes,
// or kNoCharacter for a byte that begins none and for what iconv refuses
// though it is shaped right: an overlong form, a surrogate, or a value past
// U+10FFFF.
char32_t decodeUtf8(std::string_view rest, std::size_t length) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(rest[i])); };
    switch (length) {
        case 1: return byte(0) < 0x80 ? byte(0) : kNoCharacter;
        case 2: return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
        case 3: {
            const char32_t c = (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
            return c < 0x800 || (c >= 0xD800 && c < 0xE000) ? kNoCharacter : c;
        }
        default: {
            const char32_t c = (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
            return c < 0x10000 || c > 0x10FFFF ? kNoCharacter : c;
        }
    }
}

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

// Converts `utf8` onto `gbk`. At a character GBK cannot hold, or a byte
// that begins no character, `onUnheld` gets the rest of the input and
// returns whether to go on past that unit.
template <typename OnUnheld>
void toGbk(std::string_view utf8, std::string& gbk, OnUnheld onUnheld) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::string_view rest = utf8.substr(i);
        const std::size_t length = utf8UnitLength(rest);
        const char32_t c = decodeUtf8(rest, length);
        const std::uint16_t code = c < 0x80 ? static_cast<std::uint16_t>(c) : c < 0x10000 ? kGbkCodes[c] : 0;
        if (c >= 0x80 && code == 0) {
            if (!onUnheld(rest.substr(0, length))) return;
        } else if (code > 0xFF) {
            gbk += static_cast<char>(code >> 8);
            gbk += static_cast<char>(code & 0xFF);
        } else {
            gbk += static_cast<char>(code);
        }
        i += length;
    }
}

}  // namespace

void AppendUtf8FromGbk(std::string_view gbk, std::string& utf8) {
    // Room for the longest result (a single byte may become three), taken
    // once and cut to what was written: cheaper than growing per character.
    const std::size_t start = utf8.size();
    utf8.resize(start + 3 * gbk.size());
    char* out = utf8.data() + start;
    for (std::size_t i = 0; i < gbk.size();) {
        if (static_cast<unsigned char>(gbk[i]) < 0x80) {
            *out++ = gbk[i++];
            continue;
        }
        const Decoded unit = decodeGbk(gbk.substr(i));
        out = unit.character == 0 ? (*out = '?', out + 1) : writeUtf8(unit.character, out);
        i += unit.length;
    }
    utf8.resize(static_cast<std::size_t>(out - utf8.data()));
}

std::string Utf8FromGbk(std::string_view gbk) {
    std::string utf8;
    utf8.reserve(gbk.size() * 3 / 2 + 1);
    AppendUtf8FromGbk(gbk, utf8);
    return utf8;
}

std::string GbkFromUtf8(std::string_view utf8) {
    std::string gbk;
    gbk.reserve(utf8.size());
    toGbk(utf8, gbk, [&](std::string_view) {
        gbk += '?';
        return true;
    });
    return gbk;
}

StrictGbk GbkFromUtf8Strict(std::string_view utf8) {
    StrictGbk result;
    result.gbk.reserve(utf8.size());
    toGbk(utf8, result.gbk, [&](std::string_view unheld) {
        result.unheld = std::string(unheld);
        return false;
    });
    if (!result.ok()) result.gbk.clear();
    return result;
}

}  // namespace text
