#include <gtest/gtest.h>

#include <optional>

#include "pipeline/casting_road.h"

namespace {

const pipeline::LocalTime kNow{2010, 9, 13, 17, 42};

pipeline::CastDone Cast(const char* method, const char* date, int hour, int minute, std::optional<double> longitude,
                        bool summerTime) {
    pipeline::CastRequest request;
    request.method = method;
    request.date = date;
    request.hour = hour;
    request.minute = minute;
    request.longitude = longitude;
    request.trueSolarTime = longitude.has_value();
    request.summerTime = summerTime;
    auto cast = pipeline::CastRequested(request, kNow);
    if (auto* refusal = std::get_if<pipeline::Refusal>(&cast)) ADD_FAILURE() << refusal->message;
    return std::get_if<pipeline::CastDone>(&cast) ? std::get<pipeline::CastDone>(cast) : pipeline::CastDone{};
}

// A corrected casting is the plain casting of the moment cast from, but for
// the report's second line, which names the clock reading as entered.
TEST(MomentCastFrom, CastsAsTheMomentCastFromAndNamesTheClockReading) {
    const struct {
        const char* method;
        const char* date;
        int hour, minute;
        std::optional<double> longitude;
        bool summerTime;
        const char* castDate;
        int castHour, castMinute;
    } cases[] = {
        // Kashgar: back across midnight, into the day before and its pillar.
        {"traditional", "2024-02-11", 1, 30, 75.99, false, "2024-02-10", 22, 19},
        // 时分起卦 reads the hour and minute cast from.
        {"clock", "2024-02-11", 1, 30, 75.99, false, "2024-02-10", 22, 19},
        // Ürümqi: back into 23:00, the next day's 子 hour, so the day stays.
        {"stems", "2000-01-02", 1, 50, 87.6, false, "2000-01-01", 23, 37},
        {"branches", "1988-07-01", 12, 0, std::nullopt, true, "1988-07-01", 11, 0},
    };
    for (const auto& c : cases) {
        const pipeline::CastDone corrected = Cast(c.method, c.date, c.hour, c.minute, c.longitude, c.summerTime);
        const pipeline::CastDone plain = Cast(c.method, c.castDate, c.castHour, c.castMinute, std::nullopt, false);
        const pipeline::CastDone entered = Cast(c.method, c.date, c.hour, c.minute, std::nullopt, false);
        ASSERT_EQ(corrected.values.report.size(), 13u) << c.date;
        for (std::size_t line = 0; line < 13; ++line) {
            EXPECT_EQ(corrected.values.report[line], (line == 1 ? entered : plain).values.report[line])
                << c.method << ' ' << c.date << " line " << line + 1;
        }
        EXPECT_FALSE(corrected.values.moment.corrections.empty());
        EXPECT_TRUE(plain.values.moment.corrections.empty());
        EXPECT_EQ(plain.values.moment.castFrom, pipeline::ClockOf(plain.casting));
    }
}

}  // namespace
