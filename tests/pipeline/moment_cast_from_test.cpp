#include <gtest/gtest.h>

#include <optional>

#include "cast_or_fail.h"

namespace {

pipeline::CastDone Cast(const char* method, const char* date, int hour, int minute,
                        std::optional<double> longitude = std::nullopt, bool summerTime = false) {
    pipeline::CastRequest request;
    request.method = method;
    request.date = date;
    request.hour = hour;
    request.minute = minute;
    request.longitude = longitude;
    request.trueSolarTime = longitude.has_value();
    request.summerTime = summerTime;
    return CastOrFail(request);
}

// A corrected casting is the plain casting of the moment cast from, but for
// the report's second line, which names the clock reading as entered.
TEST(MomentCastFrom, CastsAsTheMomentCastFromAndNamesTheClockReading) {
    const struct {
        const char *method, *date;
        int hour, minute;
        std::optional<double> longitude;
        bool summerTime;
        const char* castDate;
        int castHour, castMinute;
    } cases[] = {
        // Kashgar: back across midnight, into the day before and its pillar;
        // 时分起卦 reads the hour and minute cast from.
        {"traditional", "2024-02-11", 1, 30, 75.99, false, "2024-02-10", 22, 19},
        {"clock", "2024-02-11", 1, 30, 75.99, false, "2024-02-10", 22, 19},
        // Ürümqi: back into 23:00, the next day's 子 hour, so the day stays.
        {"stems", "2000-01-02", 1, 50, 87.6, false, "2000-01-01", 23, 37},
        {"branches", "1988-07-01", 12, 0, std::nullopt, true, "1988-07-01", 11, 0},
    };
    for (const auto& c : cases) {
        const pipeline::CastDone corrected = Cast(c.method, c.date, c.hour, c.minute, c.longitude, c.summerTime);
        const pipeline::CastDone plain = Cast(c.method, c.castDate, c.castHour, c.castMinute);
        const pipeline::CastDone entered = Cast(c.method, c.date, c.hour, c.minute);
        ASSERT_EQ(corrected.values.report.size(), 13u) << c.date;
        for (std::size_t line = 0; line < 13; ++line) {
            EXPECT_EQ(corrected.values.report[line], (line == 1 ? entered : plain).values.report[line])
                << c.method << ' ' << c.date << " line " << line + 1;
        }
        EXPECT_EQ(plain.values.moment.castFrom, pipeline::ClockOf(plain.casting));
        EXPECT_EQ(corrected.values.entry->minute, c.minute) << c.method;
    }
}

// The reading the page shows and the journal keeps opens with the moment
// whenever a correction is on or there is a warning, and only then.
TEST(MomentCastFrom, TheReadingOpensWithTheMomentWhenThereIsSomethingToSay) {
    const std::string clock = "【时间】\n时钟读数：";
    const struct {
        const char* date;
        std::optional<double> longitude;
        bool summerTime;
        std::string opening;
    } cases[] = {
        {"2024-02-11", 75.99, false, clock + "2024-02-11 12:00（Asia/Shanghai）\n经度 -2小时56分2秒（东经75.99°）\n"},
        {"2024-02-11", -0.5, false, clock + "2024-02-11 12:00（Asia/Shanghai）\n经度 -8小时2分（西经0.5°）\n"},
        {"1988-07-01", std::nullopt, true, clock + "1988-07-01 12:00（Asia/Shanghai）\n夏令时 -1小时\n起卦时刻：1988-07-01 11:00:00\n时钟读数 "},
        // Summer time left on the clock: only the warning to tell.
        {"1988-07-01", std::nullopt, false, clock + "1988-07-01 12:00（Asia/Shanghai）\n起卦时刻：1988-07-01 12:00:00\n时钟读数 "},
        {"1992-07-01", std::nullopt, false, "【卦】"},
    };
    for (const auto& c : cases) {
        const pipeline::CastDone done = Cast("traditional", c.date, 12, 0, c.longitude, c.summerTime);
        ASSERT_TRUE(done.values.entry && done.values.entry->reading);
        EXPECT_TRUE(done.values.entry->reading->starts_with(c.opening)) << *done.values.entry->reading;
        EXPECT_EQ(done.values.entry->castFrom.has_value(), !done.values.moment.corrections.empty()) << c.date;
        EXPECT_EQ(done.values.entry->longitude, c.longitude) << c.date;
    }
}

}  // namespace
