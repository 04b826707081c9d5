#include "reading/five_elements.h"

#include <gtest/gtest.h>

#include "gbk.h"

namespace {

using reading::Element;
using testing_support::gbk;
using testing_support::utf8;

constexpr Element kElements[] = {Element::Wood, Element::Fire, Element::Earth, Element::Metal, Element::Water};

// Every pair once: the relation of `other` (row) to the body (column),
// written for the use trigram, and the body's strength when `other` is the
// month's element. Columns and rows run 木 火 土 金 水.
TEST(FiveElements, EveryPairRelatesAndRanksAsTheCyclesSay) {
    const char* relations[5][5] = {
        {"比和", "用生体", "用克体", "体克用", "体生用"},
        {"体生用", "比和", "用生体", "用克体", "体克用"},
        {"体克用", "体生用", "比和", "用生体", "用克体"},
        {"用克体", "体克用", "体生用", "比和", "用生体"},
        {"用生体", "用克体", "体克用", "体生用", "比和"},
    };
    const char* strengths[5] = {"旺相死囚休", "休旺相死囚", "囚休旺相死", "死囚休旺相", "相死囚休旺"};
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const Element other = kElements[row], body = kElements[column];
            const std::string pair = utf8(reading::ElementName(other)) + "/" + utf8(reading::ElementName(body));
            EXPECT_EQ(utf8(reading::RelationWord(reading::RelationToBody(other, body), gbk("用"))), relations[row][column])
                << pair;
            EXPECT_EQ(utf8(reading::StrengthName(reading::StrengthInMonth(body, other))),
                      std::string(strengths[row]).substr(3 * column, 3))
                << pair;
        }
    }
}

TEST(FiveElements, VerdictAndRoleWordsFollowTheRelation) {
    const struct {
        Element use, body;
        const char* changedWord;
        const char* verdict;
    } rows[] = {
        {Element::Metal, Element::Wood, "变克体", "诸事凶"},
        {Element::Wood, Element::Metal, "体克变", "诸事吉"},
        {Element::Water, Element::Wood, "变生体", "有进益之喜"},
        {Element::Fire, Element::Wood, "体生变", "有耗失之患"},
        {Element::Earth, Element::Earth, "比和", "百事顺遂"},
    };
    for (const auto& row : rows) {
        const reading::Relation relation = reading::RelationToBody(row.use, row.body);
        EXPECT_EQ(utf8(reading::RelationWord(relation, gbk("变"))), row.changedWord);
        EXPECT_EQ(utf8(reading::Verdict(relation)), row.verdict);
    }
}

TEST(FiveElements, EveryMonthBranchHasItsSeasonsElement) {
    const std::string expected = "水土木木土火火土金金土水";  // 子 .. 亥
    for (int branch = 1; branch <= 12; ++branch) {
        EXPECT_EQ(utf8(reading::ElementName(reading::ElementOfBranch(branch))), expected.substr(3 * (branch - 1), 3))
            << "branch " << branch;
    }
}

}  // namespace
