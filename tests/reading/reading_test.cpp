#include "reading/reading.h"

#include <gtest/gtest.h>

#include "reading/reading_layout.h"
#include "reading/trigrams.h"
#include "gbk.h"

namespace {

using casting::Li;
using casting::Qian;
using testing_support::utf8;

constexpr int kYou = 10;  // 酉, a metal month

std::string NameOf(int trigram) { return utf8(reading::TrigramName(trigram)); }

// 天火同人 with each of its lines moving: lines 1-3 make the lower trigram
// the use, lines 4-6 the upper; the changed trigram replaces the use.
TEST(Reading, TheTrigramHoldingTheMovingLineIsTheUse) {
    const struct {
        int line;
        const char *use, *body, *changed, *changedName, *label;
    } rows[] = {
        {1, "离", "乾", "艮", "遁", "初九"},   {2, "离", "乾", "乾", "乾", "六二"},
        {3, "离", "乾", "震", "无妄", "九三"}, {4, "乾", "离", "巽", "家人", "九四"},
        {5, "乾", "离", "离", "离", "九五"},   {6, "乾", "离", "兑", "革", "上九"},
    };
    for (const auto& row : rows) {
        const reading::Reading r = reading::ComputeReading({Qian, Li, row.line, kYou});
        EXPECT_EQ(NameOf(r.use), row.use) << "line " << row.line;
        EXPECT_EQ(NameOf(r.body), row.body) << "line " << row.line;
        EXPECT_EQ(NameOf(r.relations[3].trigram), row.changed) << "line " << row.line;
        EXPECT_EQ(utf8(r.changed->name), row.changedName) << "line " << row.line;
        EXPECT_EQ(utf8(r.movingStatement.label), row.label) << "line " << row.line;
    }
}

TEST(Reading, LaysOutTheSampleCastingForAReader) {
    casting::CastingRecord record;
    record.UpperTrigram = Qian;
    record.LowerTrigram = Li;
    record.MovingLine = 3;
    casting::MomentFacts facts;
    facts.MonthBranch = kYou;
    std::vector<std::string> lines;
    for (const std::string& line : reading::ReadingLines(reading::ComputeReading(reading::ReadingInputOf(record, facts)))) {
        lines.push_back(utf8(line));
    }
    const std::vector<std::string> expected = {
        "【卦】",
        "本卦：天火同人　动爻：九三　变卦：天雷无妄",
        "【体用】",
        "体卦：乾金（上卦）",
        "用卦：离火（下卦）",
        "【生克】",
        "用卦　　离火　用克体",
        "上互卦　乾金　比和",
        "下互卦　巽木　体克互",
        "变卦　　震木　体克变",
        "断语：用克体，诸事凶",
        "【旺衰】",
        "月令酉属金，体卦乾属金：旺",
        "【经文】",
        "本卦　同人：同人于野，亨。利涉大川，利君子贞。",
        "动爻　九三：伏戎于莽，升其高陵，三岁不兴。",
        "变卦　无妄：元亨利贞。其匪正有眚，不利有攸往。",
    };
    EXPECT_EQ(lines, expected);
}

TEST(Reading, RefusesARecordWithNoCasting) {
    EXPECT_THROW(reading::ComputeReading(reading::ReadingInputOf(casting::CastingRecord{}, casting::MomentFacts{})),
                 std::invalid_argument);
    EXPECT_THROW(reading::ComputeReading({Qian, Li, 7, kYou}), std::invalid_argument);
    EXPECT_THROW(reading::ComputeReading({Qian, Li, 3, 13}), std::invalid_argument);
}

}  // namespace
