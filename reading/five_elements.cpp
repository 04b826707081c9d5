#include "five_elements.h"

#include <array>

namespace reading {
namespace {

constexpr int kElementCount = 5;

constexpr int Index(Element element) { return static_cast<int>(element); }

constexpr std::array<std::string_view, kElementCount> kElementNames = {"木", "火", "土", "金", "水"};

// Branches 1..12 from 子.
constexpr std::array<Element, 12> kBranchElements = {
    Element::Water, Element::Earth, Element::Wood,  Element::Wood,  Element::Earth, Element::Fire,
    Element::Fire,  Element::Earth, Element::Metal, Element::Metal, Element::Earth, Element::Water,
};

constexpr std::array<std::string_view, 5> kVerdicts = {"百事顺遂", "有进益之喜", "有耗失之患", "诸事凶", "诸事吉"};

constexpr std::array<std::string_view, 5> kStrengthNames = {"旺", "相", "休", "囚", "死"};

}  // namespace

bool Generates(Element from, Element to) { return (Index(from) + 1) % kElementCount == Index(to); }

bool Overcomes(Element from, Element to) { return (Index(from) + 2) % kElementCount == Index(to); }

std::string_view ElementName(Element element) { return kElementNames[Index(element)]; }

Element ElementOfBranch(int branch) { return kBranchElements.at(branch - 1); }

Relation RelationToBody(Element other, Element body) {
    if (other == body) return Relation::Same;
    if (Generates(other, body)) return Relation::GeneratesBody;
    if (Generates(body, other)) return Relation::BodyGenerates;
    if (Overcomes(other, body)) return Relation::OvercomesBody;
    return Relation::BodyOvercomes;  // the only pair left in a five-cycle
}

std::string RelationWord(Relation relation, std::string_view role) {
    const std::string x(role);
    switch (relation) {
        case Relation::Same: return "比和";
        case Relation::GeneratesBody: return x + "生体";
        case Relation::BodyGenerates: return "体生" + x;
        case Relation::OvercomesBody: return x + "克体";
        case Relation::BodyOvercomes: return "体克" + x;
    }
    return {};
}

std::string_view Verdict(Relation useToBody) { return kVerdicts[static_cast<int>(useToBody)]; }

Strength StrengthInMonth(Element body, Element month) {
    switch (RelationToBody(month, body)) {
        case Relation::Same: return Strength::Prosperous;
        case Relation::GeneratesBody: return Strength::Assisted;
        case Relation::BodyGenerates: return Strength::Resting;
        case Relation::BodyOvercomes: return Strength::Confined;
        case Relation::OvercomesBody: return Strength::Dead;
    }
    return Strength::Prosperous;
}

std::string_view StrengthName(Strength strength) { return kStrengthNames[static_cast<int>(strength)]; }

}  // namespace reading
