#include "reading/reading.h"

#include <gtest/gtest.h>

#include "reading/reading_layout.h"
#include "reading/trigrams.h"
#include "gbk.h"

namespace {

using casting::Li;
using casting::Qian;
using testing_support::utf8;

constexpr int kYou = 10;  // 酉, a metal month

std::string NameOf(int trigram) { return utf8(reading::TrigramName(trigram)); }

// 天火同人 with each of its lines moving: lines 1-3 make the lower trigram
// the use, lines 4-6 the upper; the changed trigram replaces the use.
TEST(Reading, TheTrigramHoldingTheMovingLineIsTheUse) {
    const struct {
        int line;
        const char *use, *body, *changed, *changedName, *label;
    } rows[] = {
        {1, "离", "乾", "艮", "遁", "初九"},   {2, "离", "乾", "乾", "乾", "六二"},
        {3, "离", "乾", "震", "无妄", "九三"}, {4, "乾", "离", "巽", "家人", "九四"},
        {5, "乾", "离", "离", "离", "九五"},   {6, "乾", "离", "兑", "革", "上九"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        const reading::Reading r = reading::ComputeReading({Qian, Li, row.line, kYou});
        EXPECT_EQ(NameOf(r.use), row.use);
        EXPECT_EQ(NameOf(r.body), row.body);
        EXPECT_EQ(NameOf(r.relations[3].trigram), row.changed);
        EXPECT_EQ(utf8(r.changed->name), row.changedName);
        EXPECT_EQ(utf8(r.movingStatement.label), row.label);
    }
}

TEST(Reading, RefusesARecordWithNoCasting) {
    EXPECT_THROW(reading::ComputeReading(reading::ReadingInputOf({}, {})), std::invalid_argument);
    EXPECT_THROW(reading::ComputeReading({Qian, Li, 7, kYou}), std::invalid_argument);
}

}  // namespace

namespace {

// By season the month's branch names only its season; 土 rules the last 18
// days before each 立, whatever the month.
TEST(Reading, WeighsTheBodyByMonthOrBySeason) {
    using casting::StrengthBy;
    using reading::Element;
    constexpr int kChen = 5, kSi = 6, kChou = 2, kZi = 1;
    const struct {
        int monthBranch;
        StrengthBy by;
        bool earthDays;
        Element element;
        const char* weighedBy;  // the 【旺衰】 line's opening
    } rows[] = {
        {kChen, StrengthBy::Month, false, Element::Earth, "月令辰属土"},
        {kChen, StrengthBy::Month, true, Element::Earth, "月令辰属土"},
        {kChen, StrengthBy::Season, false, Element::Wood, "时令春属木"},
        {kChen, StrengthBy::Season, true, Element::Earth, "时令四立前十八日属土"},
        {kSi, StrengthBy::Season, false, Element::Fire, "时令夏属火"},
        {kYou, StrengthBy::Season, false, Element::Metal, "时令秋属金"},
        {kChou, StrengthBy::Season, false, Element::Water, "时令冬属水"},
        {kZi, StrengthBy::Month, false, Element::Water, "月令子属水"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.weighedBy);
        reading::ReadingInput input{Qian, Li, 1, row.monthBranch};
        input.strengthBy = row.by;
        input.earthDays = row.earthDays;
        const reading::Reading r = reading::ComputeReading(input);
        EXPECT_EQ(r.monthElement, row.element);
        bool found = false;
        for (const std::string& line : reading::ReadingLines(r)) found |= utf8(line).starts_with(row.weighedBy);
        EXPECT_TRUE(found);
    }
}

}  // namespace
