#include <gtest/gtest.h>

#include <string>

#include "guaku_texts.h"

namespace {

using guaku_test::constant;
using guaku_test::gbk;
using guaku_test::TextBlock;

int strokes(std::string_view bytes) { return GetBiHua(TextBlock(bytes, -1).chars()); }

int strokesAt(unsigned hi, unsigned lo) {
    const char bytes[] = {static_cast<char>(hi), static_cast<char>(lo)};
    return strokes({bytes, 2});
}

TEST(GetBiHua, CountsTheStrokesOfKnownCharacters) {
    const struct {
        const char* character;
        int strokes;
    } rows[] = {
        {"啊", 10}, {"一", 1},  {"乙", 1},  {"二", 2},  {"人", 2},  {"口", 3},  {"天", 4},
        {"地", 6},  {"爨", 30}, {"乾", 11}, {"兑", 7},  {"离", 10}, {"震", 15}, {"巽", 12},
        {"坎", 7},  {"艮", 6},  {"坤", 8},  {"龠", 17}, {"臣", 6},  {"巨", 4},  {"黄", 11},
        {"鬼", 9},  {"亚", 6},  {"年", 6},  {"座", 10}, {"亍", 3},  {"齄", 23},
    };
    for (const auto& row : rows) EXPECT_EQ(strokes(gbk(row.character)), row.strokes) << row.character;
}

TEST(GetBiHua, GivesZeroForWhatIsNotAGb2312Character) {
    const struct {
        const char* what;
        std::string bytes;
    } rows[] = {
        {"empty text", ""},
        {"ASCII letter", "a"},
        {"lone lead byte", "\xC7"},
        {"full-width comma", "\xA3\xAC"},
        {"unassigned D7FA", "\xD7\xFA"},
        {"unassigned D7FE", "\xD7\xFE"},
        {"radical form 氵", gbk("氵")},
        {"radical form 丨", gbk("丨")},
        {"GBK-only trail byte below A1", "\xB0\x40"},
        {"lead byte F8", "\xF8\xA1"},
        {"lead byte FE", "\xFE\xFE"},
        {"trail byte FF", "\xB0\xFF"},
        {"lead byte AF", "\xAF\xA1"},
    };
    for (const auto& row : rows) EXPECT_EQ(strokes(row.bytes), 0) << row.what;
    EXPECT_EQ(GetBiHua(nullptr), 0);
}

TEST(GetBiHua, CountsOnlyTheFirstCharacter) {
    EXPECT_EQ(strokes(gbk("乾坤")), 11);
    EXPECT_EQ(strokes(gbk("一爨")), 1);
    EXPECT_EQ(strokes(gbk("a乾")), 0);
}

// Sweeps the whole character area: the table's shape must hold everywhere.
TEST(GetBiHua, TableHasTheKnownZerosOnesAndMaximum) {
    int zeros = 0, ones = 0, thirties = 0, above = 0;
    for (unsigned hi = 0xB0; hi <= 0xF7; ++hi) {
        for (unsigned lo = 0xA1; lo <= 0xFE; ++lo) {
            const int n = strokesAt(hi, lo);
            zeros += n == 0;
            ones += n == 1;
            thirties += n == 30;
            above += n > 30;
        }
    }
    EXPECT_EQ(zeros, 41 + 5);  // radical forms and unassigned points
    EXPECT_EQ(ones, 2);        // 一 and 乙
    EXPECT_EQ(thirties, 1);    // 爨
    EXPECT_EQ(above, 0);
    for (unsigned lo = 0xFA; lo <= 0xFE; ++lo) EXPECT_EQ(strokesAt(0xD7, lo), 0);
}

TEST(GetBiHua, EveryRadicalFormCountsZero) {
    const char* const radicals[] = {"丨", "丿", "丶", "匚", "刂", "冂", "亻", "勹", "亠", "冫", "冖",
                                    "讠", "卩", "阝", "廴", "凵", "艹", "廾", "尢", "扌", "囗", "彡",
                                    "犭", "夂", "饣", "忄", "丬", "氵", "宀", "辶", "彐", "屮", "纟",
                                    "攵", "灬", "礻", "肀", "钅", "疒", "衤", "虍"};
    for (const char* radical : radicals) EXPECT_EQ(strokes(gbk(radical)), 0) << radical;
}

}  // namespace
