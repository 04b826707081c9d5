#include "moment/clock_correction.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using moment::ClockReading;

// Expected: the clock, plus longitude × 240 s less Beijing's 8 hours, plus
// the equation of time by NOAA's calculator at that instant.
TEST(ClockCorrection, TrueSolarTimeAtKnownPlaces) {
    const struct {
        double longitude;
        bool summerTime;
        ClockReading clock, expected;
    } cases[] = {
        {75.99, false, {2024, 2, 11, 1, 30, 0}, {2024, 2, 10, 22, 19, 45}},  // Kashgar: the evening before
        {91.1, false, {2024, 11, 3, 12, 0, 0}, {2024, 11, 3, 10, 20, 53}},   // Lhasa
        {126.63, true, {1988, 7, 1, 12, 0, 0}, {1988, 7, 1, 11, 22, 44}},    // Harbin, summer time turned back
    };
    for (const auto& c : cases) {
        const auto corrected = moment::CorrectClock(c.clock, {true, c.longitude, moment::kBeijingZone, "", c.summerTime});
        ASSERT_TRUE(std::holds_alternative<moment::CorrectedMoment>(corrected)) << c.longitude;
        const ClockReading& got = std::get<moment::CorrectedMoment>(corrected).castFrom;
        const long apart = ((got.day - c.expected.day) * 24 + got.hour - c.expected.hour) * 3600L +
                           (got.minute - c.expected.minute) * 60 + got.second - c.expected.second;
        EXPECT_LE(std::abs(apart), 3) << c.longitude << ": " << moment::ClockText(got);
        EXPECT_EQ(std::get<moment::CorrectedMoment>(corrected).corrections.size(), c.summerTime ? 3u : 2u);
    }
}

// Beijing's clock by the tz database: forward at midnight on 1940-06-01 and
// at 02:00 in spring 1986-1991, back over 23:00 on 1940-10-12 and over 01:00
// in September.
TEST(ClockCorrection, SummerTimeEdges) {
    enum Outcome { Standard, TurnedBack, Refused, FirstOfTwo };
    const struct {
        ClockReading clock;
        Outcome outcome;
    } cases[] = {
        {{1986, 5, 4, 1, 59, 0}, Standard},      {{1986, 5, 4, 2, 30, 0}, Refused},
        {{1986, 5, 4, 3, 0, 0}, TurnedBack},     {{1986, 9, 13, 23, 59, 0}, TurnedBack},
        {{1986, 9, 14, 1, 30, 0}, FirstOfTwo},   {{1986, 9, 14, 2, 0, 0}, Standard},
        {{1991, 4, 14, 2, 0, 0}, Refused},       {{1991, 9, 15, 1, 0, 0}, FirstOfTwo},
        {{1991, 9, 16, 12, 0, 0}, Standard},     {{1940, 5, 31, 23, 59, 0}, Standard},
        {{1940, 6, 1, 0, 30, 0}, Refused},       {{1940, 6, 1, 1, 0, 0}, TurnedBack},
        {{1940, 10, 12, 23, 30, 0}, FirstOfTwo}, {{1992, 7, 1, 12, 0, 0}, Standard},
    };
    for (const auto& c : cases) {
        const std::string text = moment::ClockText(c.clock);
        const auto corrected = moment::CorrectClock(c.clock, {false, std::nullopt, moment::kBeijingZone, "", true});
        ASSERT_EQ(std::holds_alternative<moment::MomentRefusal>(corrected), c.outcome == Refused) << text;
        if (c.outcome == Refused) continue;
        const auto& m = std::get<moment::CorrectedMoment>(corrected);
        ClockReading hourBack = c.clock;
        --hourBack.hour;
        EXPECT_EQ(m.castFrom, c.outcome == Standard ? c.clock : hourBack) << text;
        EXPECT_EQ(m.warnings.size(), c.outcome == Standard ? 0u : c.outcome == TurnedBack ? 1u : 2u) << text;

        // Left on the clock, a reading in summer time still says so.
        const auto asRead = std::get<moment::CorrectedMoment>(moment::CorrectClock(c.clock, {}));
        EXPECT_EQ(asRead.castFrom, c.clock) << text;
        EXPECT_TRUE(asRead.corrections.empty()) << text;
        EXPECT_EQ(asRead.warnings.empty(), c.outcome == Standard) << text;
    }
    // The command line refuses bad longitudes first; a zone only a place
    // list could name wrongly is refused here.
    const auto unknown = moment::CorrectClock({2024, 6, 1, 12, 0, 0}, {true, 10, "Atlantis/Capital", "", false});
    EXPECT_TRUE(std::holds_alternative<moment::MomentRefusal>(unknown));
}

}  // namespace

// Written by hand, the text is still printf's "%04d-%02d-%02d %02d:%02d:%02d":
// padded, and signed before the zeros.
TEST(ClockText, ReadsAsPrintfWouldWriteIt) {
    const std::pair<ClockReading, const char*> cases[] = {
        {{2024, 2, 11, 1, 30, 0}, "2024-02-11 01:30:00"},
        {{987, 12, 31, 23, 59, 59}, "0987-12-31 23:59:59"},
        {{12345, 1, 1, 0, 0, 5}, "12345-01-01 00:00:05"},
        {{-5, -1, 0, 100, 0, 0}, "-005--1-00 100:00:00"},
    };
    for (const auto& [reading, text] : cases) EXPECT_EQ(moment::ClockText(reading), text);
}
