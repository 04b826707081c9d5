#include "trigrams.h"

#include <array>

namespace reading {
namespace {

constexpr std::array<std::string_view, kTrigramCount> kNames = {"乾", "兑", "离", "震", "巽", "坎", "艮", "坤"};

constexpr std::array<Element, kTrigramCount> kElementOfTrigram = {
    Element::Metal, Element::Metal, Element::Fire,  Element::Wood,
    Element::Wood,  Element::Water, Element::Earth, Element::Earth,
};

}  // namespace

std::string_view TrigramName(int trigram) { return kNames.at(trigram - 1); }

Element ElementOfTrigram(int trigram) { return kElementOfTrigram.at(trigram - 1); }

int TrigramNamed(std::string_view name) {
    for (int n = 1; n <= kTrigramCount; ++n) {
        if (kNames[n - 1] == name) return n;
    }
    return 0;
}

}  // namespace reading
