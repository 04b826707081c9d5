// A request cast as a test expects it to be: with its journal entry made
// (nothing is written), on an engine whose clock reads a fixed moment, and
// a failure of the test when it is refused.
#pragma once

#include <gtest/gtest.h>

#include <variant>

#include "pipeline/casting_road.h"

inline pipeline::CastDone CastOrFail(pipeline::CastRequest request) {
    request.record = true;
    auto cast = pipeline::CastRequested(request, {2010, 9, 13, 17, 42});
    if (auto* refusal = std::get_if<pipeline::Refusal>(&cast)) ADD_FAILURE() << refusal->message;
    return std::get_if<pipeline::CastDone>(&cast) ? std::get<pipeline::CastDone>(cast) : pipeline::CastDone{};
}
