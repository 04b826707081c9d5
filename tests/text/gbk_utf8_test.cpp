#include "text/gbk_utf8.h"

#include <gtest/gtest.h>

#include <string>

#include "gbk.h"

using testing_support::gbk;

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

}  // namespace
