// The hexagrams and the trigrams by pinyin and by English name, for the
// window's English face. Texts are GBK, as every text below the window is;
// GBK holds pinyin's toned vowels.
#pragma once

#include <optional>
#include <string_view>

namespace reading {

struct NameForms {
    std::string_view chinese;  // the short name: 乾, 小畜, 未济
    std::string_view pinyin;   // one syllable a character, tone marked: xiǎo chù
    std::string_view english;  // The Taming Power of the Small; a trigram's image: Heaven
};

// The names of the hexagram of an upper and a lower trigram. Throws
// std::out_of_range for a trigram outside 1..8.
NameForms HexagramNameForms(int upper, int lower);

struct HexagramTrigrams {
    int upper = 0, lower = 0;
};

// The trigrams of the hexagram the casting engine calls `name` (乾为天,
// 山风蛊), as reports and the journal name it; none for any other text.
std::optional<HexagramTrigrams> TrigramsOfHexagram(std::string_view name);

// The names of a trigram, 1..8 as the casting engine numbers them. Throws
// std::out_of_range outside 1..8.
NameForms TrigramNameForms(int trigram);

}  // namespace reading
