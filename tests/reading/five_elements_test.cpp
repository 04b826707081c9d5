#include "reading/five_elements.h"

#include <gtest/gtest.h>

#include <map>

#include "gbk.h"

namespace {

using reading::Element;
using testing_support::gbk;
using testing_support::utf8;

// Every pair once: how `other` (row) stands towards the body (column), as
// written for the use trigram, with its verdict; and the body's strength
// when `other` is the month's element. Rows and columns run 木 火 土 金 水.
TEST(FiveElements, EveryPairRelatesJudgesAndRanksAsTheCyclesSay) {
    const char* relations[5][5] = {
        {"比和", "用生体", "用克体", "体克用", "体生用"}, {"体生用", "比和", "用生体", "用克体", "体克用"},
        {"体克用", "体生用", "比和", "用生体", "用克体"}, {"用克体", "体克用", "体生用", "比和", "用生体"},
        {"用生体", "用克体", "体克用", "体生用", "比和"},
    };
    const std::map<std::string, std::string> verdicts = {{"体克用", "诸事吉"}, {"用克体", "诸事凶"},
        {"体生用", "有耗失之患"}, {"用生体", "有进益之喜"}, {"比和", "百事顺遂"}};
    const char* strengths[5] = {"旺相死囚休", "休旺相死囚", "囚休旺相死", "死囚休旺相", "相死囚休旺"};
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const auto other = static_cast<Element>(row), body = static_cast<Element>(column);
            SCOPED_TRACE(utf8(reading::ElementName(other)) + "/" + utf8(reading::ElementName(body)));
            const reading::Relation relation = reading::RelationToBody(other, body);
            EXPECT_EQ(utf8(reading::RelationWord(relation, gbk("用"))), relations[row][column]);
            EXPECT_EQ(utf8(reading::Verdict(relation)), verdicts.at(relations[row][column]));
            EXPECT_EQ(utf8(reading::StrengthName(reading::StrengthInMonth(body, other))),
                      std::string(strengths[row]).substr(3 * column, 3));
        }
    }
}

TEST(FiveElements, EveryMonthBranchHasItsSeasonsElement) {
    const std::string expected = "水土木木土火火土金金土水";  // 子 .. 亥
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(utf8(reading::ElementName(reading::ElementOfBranch(b))), expected.substr(3 * (b - 1), 3)) << b;
    }
}

}  // namespace
