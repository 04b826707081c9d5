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

// An English name, and the syllables of the pinyin, one a character, each a
// run of lower-case letters with exactly one toned vowel (none of these
// names has a neutral tone).
void ExpectWellFormed(const reading::NameForms& names) {
    EXPECT_FALSE(names.english.empty()) << utf8(names.chinese);
    static const std::string kToned[] = {"ā", "á", "ǎ", "à", "ē", "é", "ě", "è", "ī", "í", "ǐ", "ì",
                                         "ō", "ó", "ǒ", "ò", "ū", "ú", "ǔ", "ù", "ǖ", "ǘ", "ǚ", "ǜ"};
    std::istringstream syllables(utf8(names.pinyin));
    std::size_t count = 0;
    for (std::string syllable; syllables >> syllable; ++count) {
        int tones = 0;
        for (const std::string& toned : kToned) {
            for (auto at = syllable.find(toned); at != std::string::npos; at = syllable.find(toned)) {
                syllable.replace(at, toned.size(), "a");
                ++tones;
            }
        }
        EXPECT_EQ(tones, 1) << utf8(names.pinyin);
        EXPECT_EQ(syllable.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << utf8(names.pinyin);
    }
    EXPECT_EQ(count, names.chinese.size() / 2) << utf8(names.chinese);  // GBK: two bytes a character
}

TEST(HexagramNames, EveryHexagramAndTrigramHasToneMarkedPinyinAndAnEnglishNameOfItsOwn) {
    std::set<std::string_view> english;
    for (int upper = 1; upper <= reading::kTrigramCount; ++upper) {
        for (int lower = 1; lower <= reading::kTrigramCount; ++lower) {
            const reading::NameForms names = reading::HexagramNameForms(upper, lower);
            EXPECT_EQ(utf8(names.chinese), utf8(reading::HexagramTextOf(upper, lower).name));
            ExpectWellFormed(names);
            english.insert(names.english);
        }
        const reading::NameForms names = reading::TrigramNameForms(upper);
        EXPECT_EQ(utf8(names.chinese), utf8(reading::TrigramName(upper)));
        ExpectWellFormed(names);
        english.insert(names.english);
    }
    EXPECT_EQ(english.size(), 72u);
    EXPECT_EQ(reading::HexagramNameForms(6, 3).english, "After Completion");
    EXPECT_THROW(reading::HexagramNameForms(1, 0), std::out_of_range);  // 0 keys the trigrams' own rows
    EXPECT_THROW(reading::TrigramNameForms(9), std::out_of_range);
}

}  // namespace
