// The choices on which schools part: where the day turns in the 子 hour,
// where the year and month pillars change, which year 传统起卦 counts and
// what the body's strength is weighed against. Each casting carries its
// own; the defaults are the readings every report has always followed.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/sexagenary.h"

namespace casting {

// 23:00 to 24:00.
enum class ZiHour {
    NextDay,   // the date moves to the next day, day and hour pillars and lunar date with it
    Split,     // 早晚子: the day and lunar date stay; the hour pillar is the next day's 子 hour
    Midnight,  // the day turns at 0:00; the hour is today's 子 hour, its stem from today's stem
};

enum class YearNumber {
    Pillar,  // the year pillar's branch
    Lunar,   // the branch of the lunar year, which begins on 正月初一
};

enum class StrengthBy {
    Month,   // by the month pillar's branch
    Season,  // by the season, 土 ruling the last 18 days before each 立春, 立夏, 立秋 and 立冬
};

struct Conventions {
    ZiHour zi = ZiHour::NextDay;
    calendar::PillarBoundary pillarBoundary = calendar::PillarBoundary::Mixed;
    YearNumber yearNumber = YearNumber::Pillar;
    StrengthBy strength = StrengthBy::Month;

    bool IsDefault() const { return *this == Conventions{}; }
    friend bool operator==(const Conventions&, const Conventions&) = default;
};

// One choice's key and its values' keys, as typed and stored, in the order
// of the choice's enum. ASCII: a header's literals take the encoding of
// whoever includes it, so the pages keep their own names for them.
template <typename Choice>
struct ChoiceKeysOf;
template <>
struct ChoiceKeysOf<ZiHour> {
    static constexpr const char* kKey = "zi";
    static constexpr std::array<const char*, 3> kValues{"next-day", "split", "midnight"};
};
template <>
struct ChoiceKeysOf<calendar::PillarBoundary> {
    static constexpr const char* kKey = "pillar_boundary";
    static constexpr std::array<const char*, 3> kValues{"mixed", "day", "moment"};
};
template <>
struct ChoiceKeysOf<YearNumber> {
    static constexpr const char* kKey = "year_number";
    static constexpr std::array<const char*, 2> kValues{"pillar", "lunar"};
};
template <>
struct ChoiceKeysOf<StrengthBy> {
    static constexpr const char* kKey = "strength";
    static constexpr std::array<const char*, 2> kValues{"month", "season"};
};

template <typename Choice>
constexpr const char* KeyOf(Choice choice) {
    return ChoiceKeysOf<Choice>::kValues[static_cast<std::size_t>(choice)];
}

// The value typed as `key`; nothing for any other text.
template <typename Choice>
std::optional<Choice> ChoiceNamed(std::string_view key) {
    const auto& values = ChoiceKeysOf<Choice>::kValues;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (key == values[i]) return static_cast<Choice>(i);
    }
    return std::nullopt;
}

// "next-day, split or midnight": the keys a choice takes.
template <typename Choice>
std::string ChoiceKeys() {
    const auto& values = ChoiceKeysOf<Choice>::kValues;
    std::string keys;
    for (std::size_t i = 0; i < values.size(); ++i) {
        keys += (i == 0 ? "" : i + 1 == values.size() ? " or " : ", ") + std::string(values[i]);
    }
    return keys;
}

// Calls `visit(conventions.<choice>)` for each of the four choices, in the
// order they are listed everywhere. `Held` is Conventions or const Conventions.
template <typename Held, typename Visit>
void VisitChoices(Held& conventions, Visit&& visit) {
    visit(conventions.zi);
    visit(conventions.pillarBoundary);
    visit(conventions.yearNumber);
    visit(conventions.strength);
}

}  // namespace casting
