#include "chart.h"

#include <stdexcept>
#include <string>

#include "casting/guaku_calls.h"
#include "reading/trigrams.h"

namespace liuyao {
namespace {

using reading::Element;

constexpr std::array<std::string_view, 5> kKinNames = {"父母", "兄弟", "子孙", "妻财", "官鬼"};
constexpr std::array<std::string_view, 6> kSpiritNames = {"青龙", "朱雀", "勾陈", "螣蛇", "白虎", "玄武"};

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

PlacedBranch Placed(StemBranch stemBranch, Element palace) {
    const Element element = ElementOf(stemBranch);
    return {stemBranch, element, KinOf(element, palace)};
}

// The two branches the ten-day week opening on 甲 and `headBranch` leaves
// out, as guaku names them.
std::array<int, 2> WeekVoidBranches(int headBranch) {
    const std::string voids = casting::VoidBranches("甲" + BranchName(headBranch));
    std::array<int, 2> branches{};
    for (int b = 1; b <= 12; ++b) {
        if (voids.substr(0, 2) == BranchName(b)) branches[0] = b;
        if (voids.size() >= 5 && voids.substr(3, 2) == BranchName(b)) branches[1] = b;
    }
    if (branches[0] == 0 || branches[1] == 0) throw std::logic_error("guaku gave no void branches");
    return branches;
}

// The day's ten-day week opens on the 甲 day at or before it. A stem and a
// branch of one parity put that day on an odd branch: six weeks, asked of
// guaku once each rather than for every chart.
std::array<int, 2> VoidBranchesOf(int dayStem, int dayBranch) {
    static const auto kWeeks = [] {
        std::array<std::array<int, 2>, 6> weeks;
        for (int w = 0; w < 6; ++w) weeks[w] = WeekVoidBranches(2 * w + 1);
        return weeks;
    }();
    const int weekHeadBranch = (dayBranch - dayStem + 12) % 12 + 1;
    return kWeeks[(weekHeadBranch - 1) / 2];
}

}  // namespace

Kin KinOf(Element line, Element palace) {
    if (line == palace) return Kin::Siblings;
    if (reading::Generates(line, palace)) return Kin::Parents;
    if (reading::Generates(palace, line)) return Kin::Offspring;
    if (reading::Overcomes(palace, line)) return Kin::Wealth;
    return Kin::Officials;  // the only relation left in a five-cycle
}

std::string_view KinName(Kin kin) { return kKinNames[static_cast<int>(kin)]; }

std::string_view SpiritName(Spirit spirit) { return kSpiritNames[static_cast<int>(spirit)]; }

Spirit SpiritOf(int dayStem, int line) {
    // 甲乙 and 庚辛 and 壬癸 share a first spirit; 戊 and 己 have one each.
    constexpr std::array<int, 10> kFirst = {0, 0, 1, 1, 2, 3, 4, 4, 5, 5};
    return static_cast<Spirit>((kFirst.at(dayStem - 1) + line - 1) % 6);
}

ChartInput ChartInputOf(const casting::CastingRecord& record, const casting::MomentFacts& facts) {
    return {record.UpperTrigram, record.LowerTrigram, record.MovingLine, facts.DayStem, facts.DayBranch};
}

Chart ComputeChart(const ChartInput& in) {
    if (!InRange(in.upperTrigram, 1, 8) || !InRange(in.lowerTrigram, 1, 8) || !InRange(in.movingLine, 1, 6) ||
        !InRange(in.dayStem, 1, 10) || !InRange(in.dayBranch, 1, 12) || in.dayStem % 2 != in.dayBranch % 2) {
        throw std::invalid_argument("no casting to chart");
    }
    Chart chart;
    chart.input = in;
    chart.palace = PalaceOf(in.upperTrigram, in.lowerTrigram);
    chart.element = reading::ElementOfTrigram(chart.palace.trigram);
    chart.shi = ShiLine(chart.palace.generation);
    chart.ying = YingLine(chart.palace.generation);
    chart.voidBranches = VoidBranchesOf(in.dayStem, in.dayBranch);

    const casting::CastingRecord& names = casting::StartRecord();
    const std::string lines = names.TrigramLines(in.lowerTrigram) + names.TrigramLines(in.upperTrigram);
    std::array<bool, 5> present{};
    for (int k = 1; k <= 6; ++k) {
        ChartLine& line = chart.lines[k - 1];
        line.placed = Placed(NajiaOf(in.upperTrigram, in.lowerTrigram, k), chart.element);
        line.yang = lines[k - 1] == '1';
        line.spirit = SpiritOf(in.dayStem, k);
        const int branch = line.placed.stemBranch.branch;
        line.isVoid = branch == chart.voidBranches[0] || branch == chart.voidBranches[1];
        present[static_cast<int>(line.placed.kin)] = true;
    }
    // A relation the hexagram lacks lies hidden under the line that holds
    // it in the palace's pure hexagram.
    const int pure = chart.palace.trigram;
    for (int k = 1; k <= 6; ++k) {
        const PlacedBranch own = Placed(NajiaOf(pure, pure, k), chart.element);
        if (!present[static_cast<int>(own.kin)]) chart.lines[k - 1].hidden = own;
    }

    // The changed line: the moving line flipped changes its trigram, whose
    // set (inner below, outer above) gives the new stem and branch.
    const bool upper = in.movingLine > 3;
    std::string changedTrigram = upper ? names.TrigramLines(in.upperTrigram) : names.TrigramLines(in.lowerTrigram);
    char& flipped = changedTrigram[(in.movingLine - 1) % 3];
    flipped = flipped == '1' ? '0' : '1';
    const int changed = names.TrigramOf(changedTrigram);
    chart.changed = Placed(NajiaOf(upper ? changed : in.upperTrigram, upper ? in.lowerTrigram : changed, in.movingLine),
                           chart.element);
    return chart;
}

}  // namespace liuyao
