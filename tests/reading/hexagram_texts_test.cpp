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
        if (text.upper >= 1 && text.lower >= 1) pairs.insert({text.upper, text.lower});  // 0: a name no trigram has
        EXPECT_EQ(utf8(text.name), utf8(ShortName(text.upper, text.lower))) << text.upper << "/" << text.lower;
        EXPECT_FALSE(text.judgment.empty()) << utf8(text.name);
    }
    EXPECT_EQ(reading::HexagramTexts().size(), 64u);
    EXPECT_EQ(pairs.size(), 64u);
}

// Only 乾 and 坤 have a seventh statement, 用九 and 用六.
TEST(HexagramTexts, LineLabelsFollowThePositionAndTheLinesYangOrYin) {
    casting::CastingRecord trigrams;
    trigrams.SetStartValues();
    const std::string positions[] = {"初", "二", "三", "四", "五", "上"};
    for (const reading::HexagramText& text : reading::HexagramTexts()) {
        SCOPED_TRACE(utf8(text.name));
        const std::string lines = trigrams.TrigramLines(text.lower) + trigrams.TrigramLines(text.upper);
        const bool pure = lines == "111111" || lines == "000000";
        ASSERT_EQ(text.statements.size(), pure ? 7u : 6u);
        for (int line = 0; line < 6; ++line) {
            const std::string number = lines[line] == '1' ? "九" : "六";
            const bool numberFirst = line != 0 && line != 5;
            EXPECT_EQ(utf8(text.statements[line].label), numberFirst ? number + positions[line] : positions[line] + number);
            EXPECT_FALSE(text.statements[line].text.empty()) << line + 1;
        }
        if (pure) {
            EXPECT_EQ(utf8(text.statements[6].label), lines[0] == '1' ? "用九" : "用六");
        }
    }
}

}  // namespace
