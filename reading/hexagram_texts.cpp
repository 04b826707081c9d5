#include "hexagram_texts.h"

#include <array>
#include <stdexcept>

#include "trigrams.h"

namespace reading {
namespace {

// Upper and lower trigram name, short name, judgment, then label and
// statement for each line; the last two fields are null but for 乾 and 坤.
constexpr int kFields = 18;
constexpr int kFirstStatement = 4;

constexpr std::array<const char*, kFields> kRows[] = {
#include "hexagram_texts.inc"
};

HexagramText FromRow(const std::array<const char*, kFields>& row) {
    HexagramText text{TrigramNamed(row[0]), TrigramNamed(row[1]), row[2], row[3], {}};
    for (int field = kFirstStatement; field < kFields && row[field] != nullptr; field += 2) {
        text.statements.push_back({row[field], row[field + 1]});
    }
    return text;
}

}  // namespace

const std::vector<HexagramText>& HexagramTexts() {
    static const std::vector<HexagramText> texts = [] {
        std::vector<HexagramText> all;
        for (const auto& row : kRows) all.push_back(FromRow(row));
        return all;
    }();
    return texts;
}

const HexagramText& HexagramTextOf(int upper, int lower) {
    for (const HexagramText& text : HexagramTexts()) {
        if (text.upper == upper && text.lower == lower) return text;
    }
    throw std::out_of_range("no hexagram of trigrams " + std::to_string(upper) + " over " + std::to_string(lower));
}

}  // namespace reading
