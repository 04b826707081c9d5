// The pinyin and English names: one for every hexagram and trigram, each
// English name its own, the pinyin one toned syllable a character.
#include "reading/hexagram_names.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>

#include "gbk.h"
#include "reading/hexagram_texts.h"
#include "reading/trigrams.h"

namespace {

using testing_support::utf8;

constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kTonedVowels = "āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ";

// An English name, and pinyin of one syllable a character, each lower-case
// letters around exactly one toned vowel (none of these names has a neutral
// tone); every toned vowel is two bytes of UTF-8.
void ExpectWellFormed(const reading::NameForms& names) {
    EXPECT_FALSE(names.english.empty()) << utf8(names.chinese);
    std::istringstream syllables(utf8(names.pinyin));
    std::size_t count = 0;
    for (std::string syllable; syllables >> syllable; ++count) {
        const std::size_t toned = syllable.find_first_not_of(kLetters);
        ASSERT_NE(toned, std::string::npos) << syllable;
        EXPECT_NE(kTonedVowels.find(syllable.substr(toned, 2)), std::string::npos) << syllable;
        EXPECT_EQ(syllable.erase(toned, 2).find_first_not_of(kLetters), std::string::npos) << syllable;
    }
    EXPECT_EQ(count, names.chinese.size() / 2) << utf8(names.chinese);  // GBK: two bytes a character
}

TEST(HexagramNames, EveryHexagramAndTrigramHasToneMarkedPinyinAndAnEnglishNameOfItsOwn) {
    std::set<std::string_view> english;
    const auto expect = [&english](const reading::NameForms& names, std::string_view chinese) {
        EXPECT_EQ(utf8(names.chinese), utf8(chinese));
        ExpectWellFormed(names);
        english.insert(names.english);
    };
    for (int upper = 1; upper <= reading::kTrigramCount; ++upper) {
        for (int lower = 1; lower <= reading::kTrigramCount; ++lower) {
            expect(reading::HexagramNameForms(upper, lower), reading::HexagramTextOf(upper, lower).name);
        }
        expect(reading::TrigramNameForms(upper), reading::TrigramName(upper));
    }
    EXPECT_EQ(english.size(), 72u);
    EXPECT_EQ(reading::HexagramNameForms(6, 3).english, "After Completion");
    EXPECT_THROW(reading::HexagramNameForms(1, 0), std::out_of_range);  // 0 keys the trigrams' own rows
    EXPECT_THROW(reading::TrigramNameForms(9), std::out_of_range);
}

}  // namespace
