#include "text/gbk_utf8.h"
#include "text/gbk_tables.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "gbk.h"

using testing_support::gbk;
using testing_support::utf8;

namespace {

TEST(GbkUtf8, StrictConversionNamesTheFirstCharacterGbkCannotHold) {
    struct Case {
        std::string utf8;
        std::string gbk;     // when it converts
        std::string unheld;  // when it does not
    };
    const Case cases[] = {
        {"", "", ""},
        {"ab 九宫", gbk("ab 九宫"), ""},
        {"a\xF0\x9F\x98\x80" "b한", "", "\xF0\x9F\x98\x80"},  // emoji before Hangul: the emoji is named
        {"九한", "", "한"},
        {"x\xC3", "", "\xC3"},          // a sequence cut off at the end
        {"x\xFFy", "", "\xFF"},         // a byte that begins no sequence
        {"\xE4\xB9z", "", "\xE4"},      // a sequence broken by ASCII
    };
    for (const Case& c : cases) {
        const text::StrictGbk result = text::GbkFromUtf8Strict(c.utf8);
        EXPECT_EQ(result.unheld, c.unheld) << c.utf8;
        EXPECT_EQ(result.gbk, c.gbk) << c.utf8;
        EXPECT_EQ(result.ok(), c.unheld.empty()) << c.utf8;
    }
}

TEST(GbkUtf8, LenientConversionsReplaceWhatCannotBeHeld) {
    EXPECT_EQ(text::GbkFromUtf8("a\xF0\x9F\x98\x80" "b\xFF" "c"), "a?b?c");
    EXPECT_EQ(text::GbkFromUtf8("\xE4\xB9z"), "??z");  // each byte of a broken sequence is one "?"; the ASCII survives
    EXPECT_EQ(text::Utf8FromGbk("\xCB\xCE" "\x81\x20" "x"), "宋? x");
    std::string long_utf8;
    for (int i = 0; i < 3000; ++i) long_utf8 += "九a";
    EXPECT_EQ(text::Utf8FromGbk(text::GbkFromUtf8(long_utf8)), long_utf8);
}

// The tables are read out of iconv at build time, and both convert: every
// GBK unit, alone or followed by a trail byte, assigned or not, must come
// out of the tables as it comes out of iconv, "?" included.
TEST(GbkUtf8, EveryCharacterConvertsAsIconvDoes) {
    const auto iconvOrNothing = [](auto convert, std::string_view text) -> std::optional<std::string> {
        try {
            return convert(text);
        } catch (const std::runtime_error&) {
            return std::nullopt;
        }
    };
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = -1; trail <= 0xFF; ++trail) {  // -1: the byte alone
            std::string unit(1, static_cast<char>(lead));
            if (trail >= 0) unit += static_cast<char>(trail);
            const auto expected = iconvOrNothing(utf8, unit);
            const std::string converted = text::Utf8FromGbk(unit);
            EXPECT_EQ(text::tables::Utf8FromGbk(unit), converted) << lead << ' ' << trail;
            if (expected) {
                EXPECT_EQ(converted, *expected) << lead << ' ' << trail;
            } else {
                EXPECT_NE(converted.find('?'), std::string::npos) << lead << ' ' << trail;
            }
        }
    }
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;
        std::string character;
        if (c < 0x80) {
            character = std::string(1, static_cast<char>(c));
        } else if (c < 0x800) {
            character = {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
        } else {
            character = {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                         static_cast<char>(0x80 | (c & 0x3F))};
        }
        const auto expected = iconvOrNothing(gbk, character);
        EXPECT_EQ(text::GbkFromUtf8(character), expected.value_or("?")) << static_cast<int>(c);
        EXPECT_EQ(text::GbkFromUtf8Strict(character).unheld, expected ? "" : character) << static_cast<int>(c);
    }
}

TEST(GbkUtf8, ShapedButIllFormedUtf8IsOneUnheldUnit) {
    const std::pair<std::string, std::string> cases[] = {
        {"\xC0\x80", "??"},                // C0 begins no sequence: each byte alone
        {"\xE0\x80\x80" "a", "?a"},        // overlong
        {"\xED\xA0\x80" "a", "?a"},        // a surrogate
        {"\xF4\x90\x80\x80" "a", "?a"},    // past U+10FFFF
        {"\xF0\x9F\x98\x80" "a", "?a"},    // beyond the BMP: GBK holds none
        {std::string("\0a", 2), std::string("\0a", 2)},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(text::GbkFromUtf8(in), out);
}

TEST(GbkUtf8, WritingTellsWhetherAnyCharacterWasAscii) {
    // A JSON writer skips its look for bytes to escape on texts without
    // one; a trail byte of 0x5C is no backslash of its own.
    const std::pair<std::string, bool> cases[] = {
        {gbk("天火同人"), false}, {"", false},        {"\x81\x5C", false}, {"\x80", false},
        {gbk("某\"人"), true},   {gbk("人\\"), true}, {"\x81", false},     {"\x81\"", true},
    };
    for (const auto& [text, ascii] : cases) {
        std::string out(text::tables::MostUtf8Bytes(text), '\0');
        bool heldAscii = !ascii;
        text::tables::WriteUtf8FromGbk(text, out.data(), &heldAscii);
        EXPECT_EQ(heldAscii, ascii) << text;
    }
}

}  // namespace
