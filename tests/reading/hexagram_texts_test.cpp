// The transcribed texts checked against what the hexagrams themselves fix:
// which pair each belongs to, its name, and the yang or yin of every line.
#include "reading/hexagram_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "casting/casting_record.h"
#include "casting/guaku_calls.h"
#include "gbk.h"
#include "script_conversion/opencc_converter.h"

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

using reading::Script;

// The UTF-8 characters of a text, one string each.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (unsigned char byte : text) {
        if ((byte & 0xC0) != 0x80 || characters.empty()) characters.emplace_back();
        characters.back() += static_cast<char>(byte);
    }
    return characters;
}

// Where OpenCC's t2s and the simplified text part, t2s output first: t2s
// merges 乾 into 干; the received 遯 and 闚 are 遁 and 窥 in the simplified
// text; and t2s writes newer simplified forms, outside GBK, of 撝 纆 餗 繻.
const std::set<std::pair<std::string, std::string>> kBackDepartures = {
    {"干", "乾"}, {"遯", "遁"}, {"闚", "窥"}, {"㧑", "撝"}, {"𬙊", "纆"}, {"𫗧", "餗"}, {"𦈡", "繻"}};

void ExpectConvertsBack(const script_conversion::OpenccConverter& t2s, std::string_view traditional,
                        std::string_view simplified) {
    const std::vector<std::string> back = Characters(t2s.Convert(utf8(traditional)));
    const std::vector<std::string> expected = Characters(utf8(simplified));
    ASSERT_EQ(back.size(), expected.size()) << utf8(traditional);
    for (std::size_t i = 0; i < back.size(); ++i) {
        if (back[i] != expected[i]) {
            EXPECT_TRUE(kBackDepartures.contains({back[i], expected[i]})) << back[i] << " for " << expected[i];
        }
    }
}

TEST(TraditionalTexts, KeepTheRowsKeysAndLabelsAndConvertBackToTheSimplified) {
    const script_conversion::OpenccConverter t2s("t2s.json");
    const std::vector<reading::HexagramText>& simplified = reading::HexagramTexts();
    const std::vector<reading::HexagramText>& traditional = reading::HexagramTexts(Script::Traditional);
    ASSERT_EQ(traditional.size(), simplified.size());
    for (std::size_t row = 0; row < simplified.size(); ++row) {
        const reading::HexagramText& s = simplified[row];
        const reading::HexagramText& t = traditional[row];
        SCOPED_TRACE(utf8(t.name));
        EXPECT_EQ(std::pair(t.upper, t.lower), std::pair(s.upper, s.lower));
        ExpectConvertsBack(t2s, t.name, s.name);
        ExpectConvertsBack(t2s, t.judgment, s.judgment);
        ASSERT_EQ(t.statements.size(), s.statements.size());
        for (std::size_t line = 0; line < s.statements.size(); ++line) {
            EXPECT_EQ(t.statements[line].label, s.statements[line].label);
            ExpectConvertsBack(t2s, t.statements[line].text, s.statements[line].text);
        }
    }
}

// Where OpenCC's s2t was overruled by the received text; line 0 is the name.
TEST(TraditionalTexts, WriteWhatTheReceivedTextWritesWhereOpenccWouldNot) {
    struct Spot {
        int upper, lower, line;
        const char* holds;
    } const kSpots[] = {
        {1, 1, 3, "君子終日乾乾"}, {8, 8, 6, "龍戰于野"}, {7, 6, 1, "發蒙"},     {2, 7, 0, "咸"},
        {7, 5, 0, "蠱"},           {7, 5, 1, "幹父之蠱"}, {3, 4, 3, "噬腊肉"},   {3, 4, 4, "噬乾胏"},
        {5, 7, 1, "鴻漸于干"},     {4, 3, 2, "日中見斗"}, {5, 6, 2, "渙奔其机"}, {5, 6, 4, "渙其群"},
        {1, 7, 0, "遯"},           {2, 4, 2, "係小子"},   {3, 3, 6, "獲匪其醜"}, {8, 1, 1, "以其彙"},
    };
    for (const Spot& spot : kSpots) {
        const reading::HexagramText& text = reading::HexagramTextOf(spot.upper, spot.lower, Script::Traditional);
        const std::string_view field = spot.line == 0 ? text.name : text.statements[spot.line - 1].text;
        EXPECT_NE(utf8(field).find(spot.holds), std::string::npos) << spot.holds;
    }
    std::string all;
    for (const reading::HexagramText& text : reading::HexagramTexts(Script::Traditional)) {
        all += utf8(text.name) + utf8(text.judgment);
        for (const reading::LineStatement& statement : text.statements) all += utf8(statement.text);
    }
    for (const char* opencc : {"兇", "鹹", "矇", "鬥", "徵", "於", "無", "爲"}) {
        EXPECT_EQ(all.find(opencc), std::string::npos) << opencc;
    }
}

}  // namespace
