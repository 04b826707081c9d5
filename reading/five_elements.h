// The five elements and their two cycles, and how a trigram or the body
// stands towards another element: the relation words, the verdict of use on
// body and the body's strength in the month. Texts are GBK.
#pragma once

#include <string>
#include <string_view>

namespace reading {

// In generating order: each generates the next, 水 generates 木 again, and
// each overcomes the one two places on (木克土, 火克金, 土克水, 金克木, 水克火).
enum class Element { Wood, Fire, Earth, Metal, Water };

bool Generates(Element from, Element to);
bool Overcomes(Element from, Element to);

// 木 火 土 金 水.
std::string_view ElementName(Element element);

// The element of an earthly branch 1..12 (子..亥), as the month's element:
// 寅卯 木, 巳午 火, 申酉 金, 亥子 水, 辰戌丑未 土.
Element ElementOfBranch(int branch);

// How a trigram's element stands towards the body's.
enum class Relation {
    Same,           // 比和
    GeneratesBody,  // X生体
    BodyGenerates,  // 体生X
    OvercomesBody,  // X克体
    BodyOvercomes,  // 体克X
};

Relation RelationToBody(Element other, Element body);

// The relation written with the other trigram's role (用, 互 or 变):
// "用生体", "体克互", "比和" (bare, whatever the role).
std::string RelationWord(Relation relation, std::string_view role);

// The classic summary of the use trigram's relation to the body:
// 体克用 "诸事吉", 用克体 "诸事凶", 体生用 "有耗失之患", 用生体 "有进益之喜",
// 比和 "百事顺遂".
std::string_view Verdict(Relation useToBody);

// The body's strength in the month.
enum class Strength {
    Prosperous,  // 旺: the month's element is the body's
    Assisted,    // 相: the month's element generates the body's
    Resting,     // 休: the body's element generates the month's
    Confined,    // 囚: the body's element overcomes the month's
    Dead,        // 死: the month's element overcomes the body's
};

Strength StrengthInMonth(Element body, Element month);

// 旺 相 休 囚 死.
std::string_view StrengthName(Strength strength);

}  // namespace reading
