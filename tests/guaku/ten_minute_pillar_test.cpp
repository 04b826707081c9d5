#include <gtest/gtest.h>

#include <climits>

#include "guaku_texts.h"

namespace {

using guaku_test::constant;

int32_t tenMinutePillar(const char* stem, int32_t hour, int32_t minute) {
    return kjxy(constant(stem).chars(), hour, minute);
}

TEST(Kjxy, NumbersTheTenMinuteUnitsOfADoubleHour) {
    const struct {
        const char* stem;
        int32_t hour, minute, index;
    } rows[] = {
        {"甲", 1, 0, 0},    {"甲", 1, 4, 0},   {"甲", 1, 5, 1},   {"甲", 1, 59, 6},
        {"甲", 2, 0, 6},    {"甲", 2, 54, 11}, {"甲", 2, 55, 12}, {"乙", 23, 30, 15},
        {"癸", 0, 59, 60},  {"丙", -1, 30, 24}, {"丙", -2, 30, 33}, {"X", 3, 20, 2},
        {"己", 13, 15, 2},  {"甲", 1, -6, 0},  {"甲", 1, -15, -1}, {"甲", 2, -70, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(tenMinutePillar(row.stem, row.hour, row.minute), row.index)
            << row.stem << " " << row.hour << ":" << row.minute;
    }
}

TEST(Kjxy, StepsOncePerTenMinutesAcrossTheDoubleHour) {
    // Minute by minute through one double hour (odd hour, then even hour),
    // the unit never falls and never jumps by more than one.
    int32_t previous = tenMinutePillar("甲", 1, 0);
    for (int32_t hour : {1, 2}) {
        for (int32_t minute = 0; minute < 60; ++minute) {
            const int32_t unit = tenMinutePillar("甲", hour, minute);
            ASSERT_GE(unit, previous);
            ASSERT_LE(unit, previous + 1) << hour << ":" << minute;
            previous = unit;
        }
    }
    EXPECT_EQ(previous, 12);
}

TEST(Kjxy, ExtremeMinutesDoNotOverflow) {
    EXPECT_EQ(tenMinutePillar("甲", 2, INT_MAX), static_cast<int32_t>((int64_t{INT_MAX} + 65) / 10));
    EXPECT_EQ(tenMinutePillar("甲", 1, INT_MIN), static_cast<int32_t>((int64_t{INT_MIN} + 5) / 10));
    EXPECT_EQ(tenMinutePillar("甲", INT_MIN, 0), 6);  // INT_MIN is even
}

}  // namespace
