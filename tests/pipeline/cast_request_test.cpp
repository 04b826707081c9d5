#include "pipeline/cast_request.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const pipeline::LocalTime kNow{2010, 9, 13, 17, 42};

pipeline::Casting Checked(const pipeline::CastRequest& request) {
    auto checked = pipeline::Check(request, kNow);
    if (auto* refusal = std::get_if<pipeline::Refusal>(&checked)) ADD_FAILURE() << refusal->message;
    return std::get_if<pipeline::Casting>(&checked) ? std::get<pipeline::Casting>(checked) : pipeline::Casting{};
}

TEST(CastRequest, WhatIsOmittedIsNow) {
    const pipeline::Casting traditional = Checked({});
    EXPECT_EQ(traditional.method, pipeline::Method::Traditional);
    EXPECT_EQ(std::tie(traditional.year, traditional.month, traditional.day, traditional.hour, traditional.minute),
              std::make_tuple(2010, 9, 13, 17, 0))
        << "only the clock method reads the minute";

    pipeline::CastRequest clock;
    clock.method = "clock";
    clock.date = "1987-6-5";
    const pipeline::Casting c = Checked(clock);
    EXPECT_EQ(std::tie(c.year, c.month, c.day, c.hour, c.minute), std::make_tuple(1987, 6, 5, 17, 42));
}

TEST(CastRequest, TheFirstAndLastDaysCast) {
    for (const auto& [date, hour] : {std::pair{"1900-01-01", 0}, {"2100-12-31", 22}, {"2100-12-30", 23}}) {
        pipeline::CastRequest request;
        request.date = date;
        request.hour = hour;
        EXPECT_TRUE(std::holds_alternative<pipeline::Casting>(pipeline::Check(request, kNow))) << date;
    }
}

}  // namespace
