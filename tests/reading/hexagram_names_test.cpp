// The pinyin and English names: one for every hexagram and trigram, each
// English name its own, the pinyin one toned syllable a character.
#include "reading/hexagram_names.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "gbk.h"
#include "reading/hexagram_texts.h"
#include "reading/trigrams.h"

namespace {

using testing_support::utf8;

constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kTonedVowels = "āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ";

// Each pinyin syllable is lower-case letters around exactly one toned vowel
// (none of these names has a neutral tone), two bytes of UTF-8.
TEST(HexagramNames, EveryHexagramAndTrigramHasToneMarkedPinyinAndAnEnglishNameOfItsOwn) {
    std::vector<std::pair<reading::NameForms, std::string_view>> all;
    for (int upper = 1; upper <= reading::kTrigramCount; ++upper) {
        for (int lower = 1; lower <= reading::kTrigramCount; ++lower) {
            all.emplace_back(reading::HexagramNameForms(upper, lower), reading::HexagramTextOf(upper, lower).name);
        }
        all.emplace_back(reading::TrigramNameForms(upper), reading::TrigramName(upper));
    }
    std::set<std::string_view> english;
    for (const auto& [names, chinese] : all) {
        SCOPED_TRACE(utf8(chinese));
        EXPECT_EQ(utf8(names.chinese), utf8(chinese));
        EXPECT_FALSE(names.english.empty());
        EXPECT_TRUE(english.insert(names.english).second) << names.english;
        std::istringstream syllables(utf8(names.pinyin));
        std::size_t count = 0;
        for (std::string syllable; syllables >> syllable; ++count) {
            const std::size_t toned = syllable.find_first_not_of(kLetters);
            ASSERT_NE(toned, std::string::npos) << syllable;
            EXPECT_NE(kTonedVowels.find(syllable.substr(toned, 2)), std::string::npos) << syllable;
            EXPECT_EQ(syllable.erase(toned, 2).find_first_not_of(kLetters), std::string::npos) << syllable;
        }
        EXPECT_EQ(count, chinese.size() / 2);  // GBK: two bytes a character
    }
    EXPECT_EQ(reading::HexagramNameForms(6, 3).english, "After Completion");
    EXPECT_THROW(reading::HexagramNameForms(1, 0), std::out_of_range);  // 0 keys the trigrams' own rows
    EXPECT_THROW(reading::TrigramNameForms(9), std::out_of_range);
}

}  // namespace
