// The transcribed texts checked against what the hexagrams themselves fix:
// which pair each belongs to, its name, and the yang or yin of every line.
#include "reading/hexagram_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "casting/casting_record.h"
#include "casting/guaku_calls.h"
#include "gbk.h"

namespace {

using testing_support::utf8;

// The name lssg gives a pair without its two image characters (山风蛊 ->
// 蛊); a doubled trigram's hexagram goes by its first character (乾为天 -> 乾).
std::string ShortName(int upper, int lower) {
    const std::string full = casting::HexagramName(upper, lower);
    return upper == lower ? full.substr(0, 2) : full.substr(4);
}

TEST(HexagramTexts, OneEntryPerTrigramPairNamedAsLssgNamesIt) {
    std::set<std::pair<int, int>> pairs;
    for (const reading::HexagramText& text : reading::HexagramTexts()) {
        pairs.insert({text.upper, text.lower});
        EXPECT_EQ(utf8(text.name), utf8(ShortName(text.upper, text.lower))) << text.upper << "/" << text.lower;
        EXPECT_FALSE(text.judgment.empty()) << utf8(text.name);
    }
    EXPECT_EQ(reading::HexagramTexts().size(), 64u);
    EXPECT_EQ(pairs.size(), 64u);
    EXPECT_EQ(pairs.begin()->first, 1);
    EXPECT_EQ(pairs.rbegin()->first, 8);
}

TEST(HexagramTexts, LineLabelsFollowThePositionAndTheLinesYangOrYin) {
    casting::CastingRecord trigrams;
    trigrams.SetStartValues();
    const std::string positions[] = {"初", "二", "三", "四", "五", "上"};
    for (const reading::HexagramText& text : reading::HexagramTexts()) {
        const std::string lines = trigrams.TrigramLines(text.lower) + trigrams.TrigramLines(text.upper);
        const bool doubledPure = text.upper == text.lower && (text.upper == casting::Qian || text.upper == casting::Kun);
        ASSERT_EQ(text.statements.size(), doubledPure ? 7u : 6u) << utf8(text.name);
        for (int line = 0; line < 6; ++line) {
            const std::string number = lines[line] == '1' ? "九" : "六";
            const bool numberFirst = line != 0 && line != 5;
            EXPECT_EQ(utf8(text.statements[line].label),
                      numberFirst ? number + positions[line] : positions[line] + number)
                << utf8(text.name) << " line " << line + 1;
            EXPECT_FALSE(text.statements[line].text.empty()) << utf8(text.name) << " line " << line + 1;
        }
        if (doubledPure) {
            EXPECT_EQ(utf8(text.statements[6].label), "用" + std::string(lines[0] == '1' ? "九" : "六"));
        }
    }
}

TEST(HexagramTexts, LooksUpByTrigramPair) {
    EXPECT_EQ(utf8(reading::HexagramTextOf(casting::Gen, casting::Xun).name), "蛊");
    EXPECT_EQ(utf8(reading::HexagramTextOf(casting::Li, casting::Kan).judgment), "亨。小狐汔济，濡其尾，无攸利。");
    EXPECT_THROW(reading::HexagramTextOf(0, 1), std::out_of_range);
}

}  // namespace
