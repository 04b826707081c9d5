#include "palaces.h"

#include <array>
#include <stdexcept>
#include <string>

#include "casting/casting_record.h"

namespace liuyao {
namespace {

constexpr int kGenerations = 8;

constexpr std::array<std::string_view, kGenerations> kGenerationNames = {"本宫", "一世", "二世", "三世",
                                                                         "四世", "五世", "游魂", "归魂"};

// Six line values bottom first, '1' yang, as the casting engine writes a
// trigram's lines.
using Lines = std::string;

char Flipped(char line) { return line == '1' ? '0' : '1'; }

// The palace's hexagram at `generation`: the pure hexagram with its lines
// changed from the bottom, one more each generation up to the fifth; 游魂
// turns the fourth line back, 归魂 then restores the lower trigram.
Lines AtGeneration(const Lines& pure, int generation) {
    Lines lines = pure;
    const int changed = generation <= 5 ? generation : 5;
    for (int k = 0; k < changed; ++k) lines[k] = Flipped(lines[k]);
    if (generation >= 6) lines[3] = pure[3];
    if (generation == 7) lines.replace(0, 3, pure, 0, 3);
    return lines;
}

Palace SearchPalaces(casting::CastingRecord& names, int upper, int lower) {
    const Lines hexagram = names.TrigramLines(lower) + names.TrigramLines(upper);
    for (int trigram = 1; trigram <= 8; ++trigram) {
        const Lines pure = names.TrigramLines(trigram) + names.TrigramLines(trigram);
        for (int g = 0; g < kGenerations; ++g) {
            if (AtGeneration(pure, g) == hexagram) return {trigram, static_cast<Generation>(g)};
        }
    }
    // Every hexagram is in exactly one palace: eight palaces of eight.
    throw std::logic_error("hexagram in no palace");
}

}  // namespace

Palace PalaceOf(int upper, int lower) {
    if (upper < 1 || upper > 8 || lower < 1 || lower > 8) throw std::out_of_range("no such trigram");
    // Searched once for all sixty-four: every chart asks, and the search
    // builds the trigrams' lines anew.
    static const auto kPalaces = [] {
        casting::CastingRecord names;
        names.SetStartValues();
        std::array<std::array<Palace, 8>, 8> palaces;
        for (int u = 1; u <= 8; ++u) {
            for (int l = 1; l <= 8; ++l) palaces[u - 1][l - 1] = SearchPalaces(names, u, l);
        }
        return palaces;
    }();
    return kPalaces[upper - 1][lower - 1];
}

std::string_view GenerationName(Generation generation) { return kGenerationNames[static_cast<int>(generation)]; }

int ShiLine(Generation generation) {
    constexpr std::array<int, kGenerations> kShi = {6, 1, 2, 3, 4, 5, 4, 3};
    return kShi[static_cast<int>(generation)];
}

int YingLine(Generation generation) {
    const int shi = ShiLine(generation);
    return shi > 3 ? shi - 3 : shi + 3;
}

}  // namespace liuyao
