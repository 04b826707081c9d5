#include "casting/hexagram_derivation.h"

#include <gtest/gtest.h>

#include "casting/guaku_calls.h"
#include "gbk.h"

namespace {

using casting::CastingRecord;
using casting::HexagramLines;
using testing_support::utf8;

CastingRecord Derived(int upper, int lower, int movingLine) {
    CastingRecord record;
    record.SetStartValues();
    record.UpperTrigram = upper;
    record.LowerTrigram = lower;
    record.MovingLine = movingLine;
    casting::DeriveHexagrams(record);
    return record;
}

std::vector<std::string> Names(CastingRecord& record) {
    std::vector<std::string> names;
    for (int k = 1; k <= 5; ++k) names.push_back(utf8(record.HexagramNames(k)));
    return names;
}

TEST(HexagramDerivation, DerivesTheFiveHexagramsOfKnownCastings) {
    const struct {
        int upper, lower, movingLine;
        HexagramLines primary;
        std::vector<std::string> names;  // primary, nuclear, changed, opposite, reversed
    } rows[] = {
        {2, 6, 1, {0, 0, 1, 0, 1, 1, 0}, {"泽水困", "风火家人", "兑为泽", "山火贲", "水风井"}},
        {2, 6, 5, {0, 0, 1, 0, 1, 1, 0}, {"泽水困", "风火家人", "雷水解", "山火贲", "水风井"}},
        {1, 1, 3, {0, 1, 1, 1, 1, 1, 1}, {"乾为天", "乾为天", "天泽履", "坤为地", "乾为天"}},
        {6, 6, 2, {0, 0, 1, 0, 0, 1, 0}, {"坎为水", "山雷颐", "水地比", "离为火", "坎为水"}},
        {1, 3, 3, {0, 1, 0, 1, 1, 1, 1}, {"天火同人", "天风姤", "天雷无妄", "地水师", "火天大有"}},
        {8, 1, 6, {0, 1, 1, 1, 0, 0, 0}, {"地天泰", "雷泽归妹", "山天大畜", "天地否", "天地否"}},
    };
    for (const auto& row : rows) {
        CastingRecord record = Derived(row.upper, row.lower, row.movingLine);
        EXPECT_EQ(record.PrimaryLines, row.primary) << row.upper << "/" << row.lower;
        EXPECT_EQ(Names(record), row.names) << row.upper << "/" << row.lower << " line " << row.movingLine;
    }
}

// Every one of the 384 castings: the derived lines obey their definitions
// and every name is the one of its own lines.
TEST(HexagramDerivation, EveryCastingIsConsistent) {
    for (int upper = 1; upper <= 8; ++upper) {
        for (int lower = 1; lower <= 8; ++lower) {
            for (int moving = 1; moving <= 6; ++moving) {
                CastingRecord r = Derived(upper, lower, moving);
                const HexagramLines* sets[] = {&r.PrimaryLines, &r.NuclearLines, &r.ChangedLines,
                                               &r.OppositeLines, &r.ReversedLines};
                for (int k = 1; k <= 5; ++k) {
                    const HexagramLines& lines = *sets[k - 1];
                    const int up = r.TrigramOf(casting::LineTextOf(lines, 4));
                    const int low = r.TrigramOf(casting::LineTextOf(lines, 1));
                    ASSERT_EQ(r.HexagramNames(k), casting::HexagramName(up, low))
                        << upper << "/" << lower << "/" << moving << " hexagram " << k;
                }
                for (int line = 1; line <= 6; ++line) {
                    EXPECT_EQ(r.ChangedLines[line] != r.PrimaryLines[line], line == moving);
                    EXPECT_NE(r.OppositeLines[line], r.PrimaryLines[line]);
                    EXPECT_EQ(r.ReversedLines[line], r.PrimaryLines[7 - line]);
                }
                EXPECT_EQ(r.UpperTrigram, upper);
                EXPECT_EQ(r.LowerTrigram, lower);
                EXPECT_EQ(r.MovingLine, moving);
            }
        }
    }
}

TEST(CastingRecord, EveryLineTextNamesExactlyOneTrigram) {
    CastingRecord record;
    record.SetStartValues();
    for (int value = 0; value < 8; ++value) {
        const std::string text{static_cast<char>('0' + (value >> 2 & 1)), static_cast<char>('0' + (value >> 1 & 1)),
                               static_cast<char>('0' + (value & 1))};
        // Bottom line most significant: trigram n reads as 8 - n.
        EXPECT_EQ(record.TrigramOf(text), 8 - value) << text;
    }
    EXPECT_EQ(record.TrigramOf("1111"), 0);
}

}  // namespace
