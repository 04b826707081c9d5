#include "reading/reading.h"

#include <gtest/gtest.h>

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
