#include "hexagram_names.h"

#include <array>
#include <stdexcept>
#include <string>

#include "casting/guaku_calls.h"
#include "trigrams.h"

namespace reading {
namespace {

// Upper trigram, lower trigram (empty for a trigram's own row), Chinese
// name, pinyin, English name.
using NameRow = std::array<const char*, 5>;

constexpr NameRow kRows[] = {
#include "hexagram_names_en.inc"
};

bool IsTrigram(int trigram) { return trigram >= 1 && trigram <= kTrigramCount; }

// `lower` 0 keys a trigram's own row, since TrigramNamed gives 0 for its
// empty field.
NameForms NamesKeyed(int upper, int lower) {
    for (const NameRow& row : kRows) {
        if (TrigramNamed(row[0]) == upper && TrigramNamed(row[1]) == lower) return {row[2], row[3], row[4]};
    }
    throw std::logic_error("no names kept for trigrams " + std::to_string(upper) + " and " + std::to_string(lower));
}

}  // namespace

NameForms HexagramNameForms(int upper, int lower) {
    if (!IsTrigram(upper) || !IsTrigram(lower)) {
        throw std::out_of_range("no hexagram of trigrams " + std::to_string(upper) + " over " + std::to_string(lower));
    }
    return NamesKeyed(upper, lower);
}

std::optional<HexagramTrigrams> TrigramsOfHexagram(std::string_view name) {
    for (int upper = 1; upper <= kTrigramCount; ++upper) {
        for (int lower = 1; lower <= kTrigramCount; ++lower) {
            if (casting::HexagramName(upper, lower) == name) return HexagramTrigrams{upper, lower};
        }
    }
    return std::nullopt;
}

NameForms TrigramNameForms(int trigram) {
    if (!IsTrigram(trigram)) throw std::out_of_range("no trigram " + std::to_string(trigram));
    return NamesKeyed(trigram, 0);
}

}  // namespace reading
