#include "convention_names.h"

#include <array>

namespace pipeline {
namespace {

constexpr std::array<const char*, 3> kZiNames{"子初换日", "早晚子", "子正换日"};
constexpr std::array<const char*, 3> kPillarBoundaryNames{"年按立春时刻、月按交节日", "按交节日", "按交节时刻"};
constexpr std::array<const char*, 2> kYearNumberNames{"年柱地支", "农历年地支"};
constexpr std::array<const char*, 2> kStrengthNames{"按月令", "按四时"};

}  // namespace

template <>
ChoiceNames NamesOf<casting::ZiHour>() {
    return {"子时", kZiNames};
}
template <>
ChoiceNames NamesOf<calendar::PillarBoundary>() {
    return {"年月柱", kPillarBoundaryNames};
}
template <>
ChoiceNames NamesOf<casting::YearNumber>() {
    return {"年数", kYearNumberNames};
}
template <>
ChoiceNames NamesOf<casting::StrengthBy>() {
    return {"旺衰", kStrengthNames};
}

std::string ConventionsLine(const casting::Conventions& conventions) {
    std::string line;
    casting::VisitChoices(conventions, [&line](auto choice) {
        line += (line.empty() ? "口径：" : "，") + std::string(NamesOf<decltype(choice)>().name) + ValueName(choice);
    });
    return line;
}

}  // namespace pipeline
