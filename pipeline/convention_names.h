// What the reading page, the window and the history call each convention
// and its values, so all three say the same. UTF-8.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "casting/conventions.h"

namespace pipeline {

struct ChoiceNames {
    const char* name;                     // "子时"
    std::span<const char* const> values;  // in the order of the choice's enum: "子初换日", ...
};

template <typename Choice>
ChoiceNames NamesOf();
template <>
ChoiceNames NamesOf<casting::ZiHour>();
template <>
ChoiceNames NamesOf<calendar::PillarBoundary>();
template <>
ChoiceNames NamesOf<casting::YearNumber>();
template <>
ChoiceNames NamesOf<casting::StrengthBy>();

// "早晚子": the name of the value chosen.
template <typename Choice>
const char* ValueName(Choice value) {
    return NamesOf<Choice>().values[static_cast<std::size_t>(value)];
}

// "口径：子时早晚子，年月柱按交节日，年数年柱地支，旺衰按月令".
std::string ConventionsLine(const casting::Conventions& conventions);

}  // namespace pipeline
