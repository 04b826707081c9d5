#include "reading_layout.h"

#include "calendar/calendar_names.h"
#include "casting/guaku_calls.h"
#include "hexagram_names.h"
#include "trigrams.h"

namespace reading {
namespace {

constexpr std::string_view kWideSpace = "　";
constexpr std::string_view kSeasonNames[] = {"春", "夏", "秋", "冬"};

// `text` padded with full-width spaces to `width` characters, so the columns
// of the table line up in any font that gives Chinese characters one width.
std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    while (padded.size() < 2 * width) padded += kWideSpace;
    return padded;
}

std::string TrigramAndElement(int trigram) {
    return std::string(TrigramName(trigram)) + std::string(ElementName(ElementOfTrigram(trigram)));
}

// The branch of a sexagenary index is its index modulo 12, so the pair at
// index branch - 1 ends with that branch.
std::string BranchName(int branch) { return calendar::GanZhiName(branch - 1).substr(2); }

std::string Cited(std::string_view heading, std::string_view label, std::string_view text) {
    return Padded(heading, 3) + std::string(label) + "：" + std::string(text);
}

// 蛊 gǔ · Work on What Has Been Spoiled
std::string Glossed(const NameForms& names) {
    return std::string(names.chinese) + " " + std::string(names.pinyin) + " · " + std::string(names.english);
}

// A trigram's gloss, to follow the line that names it; nothing unglossed.
std::string TrigramGloss(int trigram, NameGloss gloss) {
    if (gloss == NameGloss::None) return {};
    return std::string(kWideSpace) + Glossed(TrigramNameForms(trigram));
}

}  // namespace

std::vector<std::string> ReadingLines(const Reading& reading, NameGloss gloss) {
    const ReadingInput& in = reading.input;
    const HexagramText& changed = *reading.changed;
    std::vector<std::string> lines;
    lines.push_back("【卦】");
    if (in.clock) {
        lines.push_back("时分起卦所用钟点：" + std::to_string(in.clock->hour) + "时" + std::to_string(in.clock->minute) +
                        "分");
    }
    lines.push_back("本卦：" + casting::HexagramName(in.upperTrigram, in.lowerTrigram) + "　动爻：" +
                    std::string(reading.movingStatement.label) +
                    "　变卦：" + casting::HexagramName(changed.upper, changed.lower));
    if (gloss == NameGloss::PinyinAndEnglish) {
        // The two hexagrams on lines of their own: a gloss is too long to
        // share the line with both names.
        lines.push_back("　本卦　" + Glossed(HexagramNameForms(in.upperTrigram, in.lowerTrigram)));
        lines.push_back("　变卦　" + Glossed(HexagramNameForms(changed.upper, changed.lower)));
    }

    lines.push_back("【体用】");
    const char* bodyPlace = reading.useIsUpper ? "（下卦）" : "（上卦）";
    const char* usePlace = reading.useIsUpper ? "（上卦）" : "（下卦）";
    lines.push_back("体卦：" + TrigramAndElement(reading.body) + bodyPlace + TrigramGloss(reading.body, gloss));
    lines.push_back("用卦：" + TrigramAndElement(reading.use) + usePlace + TrigramGloss(reading.use, gloss));

    lines.push_back("【生克】");
    for (const RelationToBodyRow& row : reading.relations) {
        // Glossed, the words are padded to the longest's three characters so
        // that the glosses start in one column.
        const std::string word = gloss == NameGloss::None ? row.word : Padded(row.word, 3);
        lines.push_back(Padded(row.heading, 4) + TrigramAndElement(row.trigram) + kWideSpace.data() + word +
                        TrigramGloss(row.trigram, gloss));
    }
    lines.push_back("断语：" + reading.relations[0].word + "，" + std::string(reading.verdict));

    lines.push_back("【旺衰】");
    const bool bySeason = in.strengthBy == casting::StrengthBy::Season;
    const std::string weighedBy = !bySeason ? "月令" + BranchName(in.monthBranch)
                                  : in.earthDays ? std::string("时令四立前十八日")
                                                 : "时令" + std::string(kSeasonNames[SeasonOfMonth(in.monthBranch)]);
    lines.push_back(weighedBy + "属" + std::string(ElementName(reading.monthElement)) +
                    "，体卦" + std::string(TrigramName(reading.body)) + "属" +
                    std::string(ElementName(ElementOfTrigram(reading.body))) + "：" +
                    std::string(StrengthName(reading.strength)));

    lines.push_back("【经文】");
    lines.push_back(Cited("本卦", reading.primary->name, reading.primary->judgment));
    lines.push_back(Cited("动爻", reading.movingStatement.label, reading.movingStatement.text));
    lines.push_back(Cited("变卦", changed.name, changed.judgment));
    return lines;
}

}  // namespace reading
