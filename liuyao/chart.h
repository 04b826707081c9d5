// The six-line chart (六爻) of a casting by the Jing Fang school: the
// primary hexagram's palace, 世 and 应, each line's stem and branch with its
// relation to the palace (六亲) and its spirit (六神), the day's void
// branches, the hidden lines (伏神) of the relations the hexagram lacks, and
// what the moving line changes into. Texts are GBK.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "casting/casting_record.h"
#include "casting/moment_facts.h"
#include "najia.h"
#include "palaces.h"
#include "reading/five_elements.h"

namespace liuyao {

// How a line's element stands to the palace's: 生我 父母, 同我 兄弟,
// 我生 子孙, 我克 妻财, 克我 官鬼.
enum class Kin { Parents, Siblings, Offspring, Wealth, Officials };

Kin KinOf(reading::Element line, reading::Element palace);

// 父母 兄弟 子孙 妻财 官鬼.
std::string_view KinName(Kin kin);

// 青龙 朱雀 勾陈 螣蛇 白虎 玄武, the order they climb the lines in.
enum class Spirit { AzureDragon, VermilionBird, HookedSnake, FlyingSerpent, WhiteTiger, BlackWarrior };

std::string_view SpiritName(Spirit spirit);

// The spirit of line 1..6 on a day of stem 1..10 (甲..癸).
Spirit SpiritOf(int dayStem, int line);

// What a chart is drawn from.
struct ChartInput {
    int upperTrigram = 0;  // of the primary hexagram, 1..8 as the casting engine numbers them
    int lowerTrigram = 0;
    int movingLine = 0;  // 1..6, bottom first
    int dayStem = 0;     // of the day pillar, 1..10 from 甲
    int dayBranch = 0;   // 1..12 from 子, of the stem's parity
};

ChartInput ChartInputOf(const casting::CastingRecord& record, const casting::MomentFacts& facts);

// A stem and branch placed in the chart, with its element and relation.
struct PlacedBranch {
    StemBranch stemBranch;
    reading::Element element = reading::Element::Wood;
    Kin kin = Kin::Siblings;
};

struct ChartLine {
    PlacedBranch placed;
    bool yang = false;
    Spirit spirit = Spirit::AzureDragon;
    bool isVoid = false;  // its branch is one of the day's void branches
    // The line of the palace's pure hexagram, when it holds a relation the
    // hexagram lacks.
    std::optional<PlacedBranch> hidden;
};

struct Chart {
    ChartInput input;
    Palace palace;
    reading::Element element = reading::Element::Wood;  // the palace's
    int shi = 0, ying = 0;
    std::array<int, 2> voidBranches{};  // 1..12
    std::array<ChartLine, 6> lines;     // bottom first
    // The moving line as it changes, judged by the primary's palace.
    PlacedBranch changed;
};

// Throws std::invalid_argument for input outside its ranges (as a record
// holds before any casting).
Chart ComputeChart(const ChartInput& input);

}  // namespace liuyao
