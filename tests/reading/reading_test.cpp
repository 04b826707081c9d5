#include "reading/reading.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "casting/hexagram_derivation.h"
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
    EXPECT_THROW(reading::ComputeReading({Qian, Li, 7, kYou}, casting::StartRecord()), std::invalid_argument);
}

// Every casting read from the engine's derived record reads as from its
// numbers alone.
TEST(Reading, TheCastingsOwnRecordReadsAsItsNumbers) {
    for (int upper = 1; upper <= 8; ++upper) {
        for (int lower = 1; lower <= 8; ++lower) {
            for (int line = 1; line <= 6; ++line) {
                casting::CastingRecord record = casting::StartRecord();
                record.UpperTrigram = upper;
                record.LowerTrigram = lower;
                record.MovingLine = line;
                casting::DeriveHexagrams(record);
                const reading::ReadingInput input{upper, lower, line, kYou};
                const reading::Reading fromRecord = reading::ComputeReading(input, record);
                const reading::Reading fromNumbers = reading::ComputeReading(input);
                for (std::size_t k = 0; k < fromNumbers.relations.size(); ++k) {
                    EXPECT_EQ(fromRecord.relations[k].trigram, fromNumbers.relations[k].trigram);
                    EXPECT_EQ(fromRecord.relations[k].word, fromNumbers.relations[k].word);
                }
                ASSERT_EQ(fromRecord.changed, fromNumbers.changed) << upper << "/" << lower << "/" << line;
            }
        }
    }
}

// By season the month's branch names only its season; 土 rules the last 18
// days before each 立, whatever the month.
TEST(Reading, WeighsTheBodyByMonthOrBySeason) {
    using casting::StrengthBy;
    const struct {
        int monthBranch;
        StrengthBy by;
        bool earthDays;
        const char* line;  // the 【旺衰】 line's opening
    } rows[] = {
        {5, StrengthBy::Month, true, "月令辰属土"},         {5, StrengthBy::Season, false, "时令春属木"},
        {5, StrengthBy::Season, true, "时令四立前十八日属土"}, {6, StrengthBy::Season, false, "时令夏属火"},
        {kYou, StrengthBy::Season, false, "时令秋属金"},     {2, StrengthBy::Season, false, "时令冬属水"},
    };
    for (const auto& row : rows) {
        const reading::Reading r =
            reading::ComputeReading({Qian, Li, 1, row.monthBranch, row.by, row.earthDays});
        const std::vector<std::string> lines = reading::ReadingLines(r);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
            return utf8(l).starts_with(row.line);
        })) << row.line;
    }
}

}  // namespace
