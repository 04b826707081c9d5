// The transcribed texts checked against what the hexagrams themselves fix:
// which pair each belongs to, its name, and the yang or yin of every line.
#include "reading/hexagram_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
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

// The simplified text as OpenCC's t2s writes it: t2s merges 乾 into 干,
// keeps the received 遯 and 闚, and gives forms outside GBK for 撝 纆 餗 繻.
std::string AsT2sWritesIt(std::string text) {
    const std::pair<std::string_view, std::string_view> kT2sForms[] = {
        {"乾", "干"}, {"遁", "遯"}, {"窥", "闚"}, {"撝", "㧑"}, {"纆", "𬙊"}, {"餗", "𫗧"}, {"繻", "𦈡"}};
    for (const auto& [ours, t2s] : kT2sForms) {
        for (auto at = text.find(ours); at != std::string::npos; at = text.find(ours, at)) text.replace(at, ours.size(), t2s);
    }
    return text;
}

TEST(TraditionalTexts, KeepTheRowsKeysAndLabelsAndConvertBackToTheSimplified) {
    const script_conversion::OpenccConverter t2s("t2s.json");
    const std::vector<reading::HexagramText>& simplified = reading::HexagramTexts();
    ASSERT_EQ(reading::HexagramTexts(Script::Traditional).size(), simplified.size());
    for (std::size_t row = 0; row < simplified.size(); ++row) {
        const reading::HexagramText& s = simplified[row];
        const reading::HexagramText& t = reading::HexagramTexts(Script::Traditional)[row];
        EXPECT_EQ(std::pair(t.upper, t.lower), std::pair(s.upper, s.lower));
        ASSERT_EQ(t.statements.size(), s.statements.size()) << utf8(t.name);
        std::vector<std::pair<std::string_view, std::string_view>> texts = {{t.name, s.name}, {t.judgment, s.judgment}};
        for (std::size_t line = 0; line < s.statements.size(); ++line) {
            EXPECT_EQ(t.statements[line].label, s.statements[line].label);
            texts.emplace_back(t.statements[line].text, s.statements[line].text);
        }
        for (const auto& [trad, simp] : texts) EXPECT_EQ(t2s.Convert(utf8(trad)), AsT2sWritesIt(utf8(simp)));
    }
}

// Where OpenCC's s2t was overruled by the received text; line 0 is the name.
TEST(TraditionalTexts, WriteWhatTheReceivedTextWritesWhereOpenccWouldNot) {
    const std::tuple<int, int, int, const char*> kSpots[] = {
        {1, 1, 3, "君子終日乾乾"}, {8, 8, 6, "龍戰于野"}, {7, 6, 1, "發蒙"},     {2, 7, 0, "咸"},
        {7, 5, 0, "蠱"},           {7, 5, 1, "幹父之蠱"}, {3, 4, 3, "噬腊肉"},   {3, 4, 4, "噬乾胏"},
        {5, 7, 1, "鴻漸于干"},     {4, 3, 2, "日中見斗"}, {5, 6, 2, "渙奔其机"}, {5, 6, 4, "渙其群"},
        {1, 7, 0, "遯"},           {2, 4, 2, "係小子"},   {3, 3, 6, "獲匪其醜"}, {8, 1, 1, "以其彙"},
    };
    for (const auto& [upper, lower, line, holds] : kSpots) {
        const reading::HexagramText& text = reading::HexagramTextOf(upper, lower, Script::Traditional);
        EXPECT_NE(utf8(line == 0 ? text.name : text.statements[line - 1].text).find(holds), std::string::npos) << holds;
    }
    std::string all;
    for (const reading::HexagramText& text : reading::HexagramTexts(Script::Traditional)) {
        all += utf8(text.name) + utf8(text.judgment);
        for (const reading::LineStatement& statement : text.statements) all += utf8(statement.text);
    }
    for (const char* opencc : {"兇", "鹹", "矇", "鬥", "徵", "於", "無", "爲"}) EXPECT_EQ(all.find(opencc), std::string::npos) << opencc;
}

}  // namespace
