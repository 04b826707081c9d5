#include "casting/casting_methods.h"

#include <gtest/gtest.h>

#include "casting/convert_error.h"
#include "gbk.h"

namespace {

using casting::CastNumbers;
using testing_support::gbk;
using testing_support::utf8;

CastNumbers Zeroed(CastNumbers n) { return casting::ApplyZeroRules(n); }

TEST(CastingMethods, ZeroMeansKunAndTheTopLine) {
    EXPECT_EQ(Zeroed({0, 0, 0}), (CastNumbers{8, 8, 6}));
    EXPECT_EQ(Zeroed({1, 7, 5}), (CastNumbers{1, 7, 5}));
}

TEST(CastingMethods, TimeRulesAddTheFactsOfTheMoment) {
    casting::MomentFacts f;  // 2010-09-13, hour 17
    f.YearStem = 7, f.MonthStem = 2, f.DayStem = 3, f.HourStem = 4;
    f.YearBranch = 3, f.MonthBranch = 10, f.DayBranch = 3, f.HourBranch = 10;
    f.LunarMonth = 8, f.LunarDay = 6;
    EXPECT_EQ(Zeroed(casting::TraditionalRule(f)), (CastNumbers{1, 3, 3}));
    EXPECT_EQ(Zeroed(casting::StemsRule(f)), (CastNumbers{4, 8, 4}));
    EXPECT_EQ(Zeroed(casting::BranchesRule(f)), (CastNumbers{8, 2, 2}));
}

TEST(CastingMethods, ClockRuleAddsTheReducedHourAndMinute) {
    EXPECT_EQ(Zeroed(casting::ClockRule(8, 0)), (CastNumbers{8, 8, 6}));
    EXPECT_EQ(Zeroed(casting::ClockRule(12, 30)), (CastNumbers{4, 6, 4}));  // not (12 + 30) mod 6
    EXPECT_EQ(Zeroed(casting::ClockRule(23, 59)), (CastNumbers{7, 3, 4}));
}

TEST(CastingMethods, SplitSumTakesTheShorterFirstHalfForTheUpperTrigram) {
    const struct {
        std::vector<int> values;
        CastNumbers numbers;
    } rows[] = {
        {{11, 7, 6, 8, 4, 3}, {8, 7, 3}},  // 猜我吃的什么
        {{7, 8}, {7, 8, 3}},               // a name of 7 and 8 strokes
        {{1, 2, 3, 4, 5}, {3, 4, 3}},      // h = 2: A = 3, B = 15
        {{2, 4, 6, 8}, {6, 6, 2}},
        {{9, 9, 9}, {1, 2, 3}},            // A = 9: u = 1, (27 - 1) mod 8 = 2
        {{0, 0}, {8, 8, 6}},
    };
    for (const auto& row : rows) EXPECT_EQ(Zeroed(casting::SplitSumRule(row.values)), row.numbers);
}

TEST(CastingMethods, NumberRuleDependsOnTheCountOfDigits) {
    const struct {
        std::vector<int> digits;
        int hourBranch;
        CastNumbers numbers;
    } rows[] = {
        {{7}, 10, {7, 2, 5}},        {{8, 8}, 1, {8, 8, 6}},       {{1, 2, 3}, 1, {1, 2, 3}},
        {{2, 4, 6, 8}, 1, {6, 6, 2}}, {{1, 2, 3, 4, 5}, 1, {3, 4, 3}},
    };
    for (const auto& row : rows) EXPECT_EQ(Zeroed(casting::NumberRule(row.digits, row.hourBranch)), row.numbers);
    EXPECT_EQ(Zeroed(casting::SingleCharacterRule(4, 10)), (CastNumbers{4, 2, 2}));  // 天 at a 酉 hour
}

TEST(CastingMethods, SpacesAreRemovedCharacterByCharacter) {
    const struct {
        std::string input, expected;
    } rows[] = {
        {gbk(" 猜　我 吃　"), gbk("猜我吃")},
        {"1 2 3", "123"},
        {gbk("　　"), ""},
        // 啊 (B0 A1) before 「 (A1 B8): bytes A1 A1 straddle the two
        // characters and are no ideographic space.
        {gbk("啊「"), gbk("啊「")},
        {"a\xB0", "a\xB0"},  // a lone lead byte at the end is kept
    };
    for (const auto& row : rows) EXPECT_EQ(casting::WithoutSpaces(row.input), row.expected) << utf8(row.expected);
}

TEST(CastingMethods, UnitsFollowBytePositions) {
    const std::string text = "a" + gbk("天") + "b";  // the units straddle the character
    const auto units = casting::TwoByteUnits(text);
    ASSERT_EQ(units.size(), 2u);
    EXPECT_EQ(units[0], text.substr(0, 2));
    EXPECT_EQ(units[1], text.substr(2, 2));
    EXPECT_EQ(casting::TwoByteUnits(gbk("天") + "x").size(), 1u);  // odd last byte left out
}

TEST(CastingMethods, DigitsNameTheFirstCharacterThatIsNoDigit) {
    EXPECT_EQ(casting::DigitsOf("0907"), (std::vector<int>{0, 9, 0, 7}));
    const struct {
        std::string number, shown;
    } rows[] = {
        {"12a4", "a"},
        {"-1", "-"},
        {"+1", "+"},
        {gbk("1２"), gbk("２")},  // a full-width digit is named whole
    };
    for (const auto& row : rows) {
        try {
            casting::DigitsOf(row.number);
            ADD_FAILURE() << "no error for " << utf8(row.number);
        } catch (const casting::ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + row.shown + "' is not a valid integer value");
        }
    }
}

}  // namespace
