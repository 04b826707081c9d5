// The reading of a casting: which trigram is the body and which the use, how
// the use, the two nuclear trigrams and the changed trigram stand towards
// the body, the verdict, the body's strength in the month, and the three
// classic texts a reader turns to. Texts are GBK.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "casting/casting_record.h"
#include "casting/moment_facts.h"
#include "five_elements.h"
#include "hexagram_texts.h"

namespace reading {

// What a reading is computed from.
struct ReadingInput {
    int upperTrigram = 0;  // of the primary hexagram, 1..8 as the casting engine numbers them
    int lowerTrigram = 0;
    int movingLine = 0;    // 1..6, bottom first
    int monthBranch = 0;   // the month pillar's branch, 1..12 from 子
    // What the body's strength is weighed against; by season, the month
    // branch names the season and `earthDays` its last 18 days, 土's.
    casting::StrengthBy strengthBy = casting::StrengthBy::Month;
    bool earthDays = false;
    // The clock reading 时分起卦 cast from, named so the reader sees which
    // minute the hexagram stands for; none for the other methods.
    std::optional<casting::ClockTime> clock = std::nullopt;

    friend bool operator==(const ReadingInput&, const ReadingInput&) = default;
};

// The input of the casting a record and its moment's facts hold, weighed
// by `strengthBy`.
ReadingInput ReadingInputOf(const casting::CastingRecord& record, const casting::MomentFacts& facts,
                            casting::StrengthBy strengthBy = casting::StrengthBy::Month);

// One trigram's standing towards the body.
struct RelationToBodyRow {
    std::string_view heading;  // 用卦, 上互卦, 下互卦, 变卦
    std::string_view role;     // 用, 互, 变: the word the relation is written with
    int trigram = 0;
    Element element = Element::Wood;
    Relation relation = Relation::Same;
    std::string word;          // 比和, 用生体, 互克体, 变生体, ...
};

struct Reading {
    ReadingInput input;
    int body = 0, use = 0;  // trigram numbers
    bool useIsUpper = false;
    // The use trigram; the upper nuclear trigram (lines 3-5 of the primary)
    // and the lower one (lines 2-4); the trigram that replaced the use in
    // the changed hexagram.
    std::array<RelationToBodyRow, 4> relations;
    std::string_view verdict;  // of the use on the body
    Element monthElement = Element::Wood;  // the month's, or by season the season's
    Strength strength = Strength::Prosperous;
    const HexagramText* primary = nullptr;
    const HexagramText* changed = nullptr;
    LineStatement movingStatement;  // the primary's statement of the moving line
};

// The season of the month of `monthBranch`: 0 spring (寅卯辰), 1 summer,
// 2 autumn, 3 winter (亥子丑).
constexpr int SeasonOfMonth(int monthBranch) { return (monthBranch + 9) % 12 / 3; }

// The element ruling the season the month of `monthBranch` lies in: 土 in
// its last 18 days (`earthDays`).
Element SeasonElement(int monthBranch, bool earthDays);

// Throws std::invalid_argument for input outside its ranges (as a record
// holds before any casting).
Reading ComputeReading(const ReadingInput& input);

// The same from `derived`, a record whose primary, nuclear and changed
// hexagrams were derived from the input's trigrams and moving line, as a
// casting's own record is: the reading need not derive them again.
Reading ComputeReading(const ReadingInput& input, const casting::CastingRecord& derived);

}  // namespace reading
