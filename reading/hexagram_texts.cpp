#include "hexagram_texts.h"

#include <array>
#include <span>
#include <stdexcept>

#include "trigrams.h"

namespace reading {
namespace {

// Upper and lower trigram name, short name, judgment, then label and
// statement for each line; the last two fields are null but for 乾 and 坤.
constexpr int kFields = 18;
constexpr int kFirstStatement = 4;
using TextRow = std::array<const char*, kFields>;

constexpr TextRow kSimplifiedRows[] = {
#include "hexagram_texts.inc"
};

constexpr TextRow kTraditionalRows[] = {
#include "hexagram_texts_traditional.inc"
};

HexagramText FromRow(const TextRow& row) {
    HexagramText text{TrigramNamed(row[0]), TrigramNamed(row[1]), row[2], row[3], {}};
    for (int field = kFirstStatement; field < kFields && row[field] != nullptr; field += 2) {
        text.statements.push_back({row[field], row[field + 1]});
    }
    return text;
}

std::vector<HexagramText> FromRows(std::span<const TextRow> rows) {
    std::vector<HexagramText> all;
    for (const TextRow& row : rows) all.push_back(FromRow(row));
    return all;
}

}  // namespace

const std::vector<HexagramText>& HexagramTexts(Script script) {
    static const std::vector<HexagramText> simplified = FromRows(kSimplifiedRows);
    static const std::vector<HexagramText> traditional = FromRows(kTraditionalRows);
    return script == Script::Traditional ? traditional : simplified;
}

const HexagramText& HexagramTextOf(int upper, int lower, Script script) {
    for (const HexagramText& text : HexagramTexts(script)) {
        if (text.upper == upper && text.lower == lower) return text;
    }
    throw std::out_of_range("no hexagram of trigrams " + std::to_string(upper) + " over " + std::to_string(lower));
}

}  // namespace reading
