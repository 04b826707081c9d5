#include <gtest/gtest.h>

#include <string>

#include "guaku_texts.h"

namespace {

using guaku_test::constant;
using guaku_test::gbk;
using guaku_test::prefixed;

int32_t hourPillar(const char* stem, int32_t hour) { return wsxy(constant(stem).chars(), hour); }

TEST(Wsxy, GivesTheHourPillarOfTheDay) {
    const struct {
        const char* stem;
        int32_t hour;
        int32_t index;
    } rows[] = {
        {"甲", 0, 0},   {"甲", 23, 0},  {"甲", 1, 1},   {"甲", 2, 1},   {"乙", 1, 13},
        {"己", 12, 6},  {"戊", 22, 59}, {"癸", 0, 48},  {"庚", 3, 14},  {"辛", 21, 35},
        {"壬", 10, 41}, {"丁", 11, 42}, {"丙", 24, 24}, {"丙", -1, 24}, {"丙", INT32_MIN, 24},
        {"甲子", 5, 3}, {"", 5, 3},     {"甲 ", 5, 3},  {"X", 0, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(hourPillar(row.stem, row.hour), row.index) << row.stem << " hour " << row.hour;
    }
}

TEST(Wsxy, StaysInTheCycleForEveryStemAndHour) {
    const char* const stems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    for (int s = 0; s < 10; ++s) {
        for (int32_t hour = -2; hour <= 25; ++hour) {
            const int32_t index = hourPillar(stems[s], hour);
            ASSERT_GE(index, 0);
            ASSERT_LE(index, 59);
            // The 子 hour's stem follows the day stem: 甲/己 → 甲, 乙/庚 → 丙, ...
            if (hour == 0) {
                EXPECT_EQ(index % 10, (s % 5) * 2) << stems[s];
            }
        }
    }
}

TEST(Kong, WritesTheVoidBranchesOfEachXun) {
    const struct {
        const char* head;
        const char* voids;
    } rows[] = {
        {"甲子", "戌,亥"}, {"甲戌", "申,酉"}, {"甲申", "午,未"},
        {"甲午", "辰,巳"}, {"甲辰", "寅,卯"}, {"甲寅", "子,丑"},
    };
    for (const auto& row : rows) {
        unsigned char result[GUAKU_TEXT_BUFFER_SIZE];
        std::memset(result, 0xEE, sizeof result);
        const auto head = prefixed(row.head);
        const auto headBefore = head;
        kong(result, head.data());
        EXPECT_EQ(result[0], 5);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(result + 1), 5), gbk(row.voids)) << row.head;
        EXPECT_EQ(result[6], 0xEE) << "writes only the length byte and five bytes";
        EXPECT_EQ(head, headBefore) << "never writes to its argument";
    }
}

TEST(Kong, LeavesTheBufferAloneWhenNothingMatches) {
    for (const char* head : {"乙丑", "甲", "", "甲子 ", "甲子甲子"}) {
        unsigned char result[GUAKU_TEXT_BUFFER_SIZE];
        std::memset(result, 0x5A, sizeof result);
        kong(result, prefixed(head).data());
        for (unsigned char byte : result) ASSERT_EQ(byte, 0x5A) << head;
    }
    unsigned char result[GUAKU_TEXT_BUFFER_SIZE];
    std::memset(result, 0x5A, sizeof result);
    kong(result, nullptr);
    EXPECT_EQ(result[0], 0x5A);
}

TEST(Kong, NullResultBufferIsIgnored) {
    kong(nullptr, prefixed("甲子").data());  // must not crash
    SUCCEED();
}

}  // namespace
