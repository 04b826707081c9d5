#include "chart_layout.h"

#include "casting/guaku_calls.h"
#include "reading/trigrams.h"

namespace liuyao {
namespace {

constexpr std::string_view kWideSpace = "　";

std::string Cell(const PlacedBranch& placed) {
    return std::string(KinName(placed.kin)) + StemBranchName(placed.stemBranch) +
           std::string(reading::ElementName(placed.element));
}

// The moving line is marked as a chart marks it: ○ for a yang line that
// moves, × for a yin one.
std::string Figure(const ChartLine& line, bool moving) {
    std::string figure = line.yang ? "▄▄▄▄▄" : "▄▄　▄▄";
    if (!moving) return figure + std::string(kWideSpace);
    return figure + (line.yang ? "○" : "×");
}

std::string WithoutTrailingSpace(std::string row) {
    while (row.ends_with(kWideSpace)) row.resize(row.size() - kWideSpace.size());
    return row;
}

}  // namespace

std::vector<std::string> ChartLines(const Chart& chart) {
    const ChartInput& in = chart.input;
    std::vector<std::string> rows;
    rows.push_back("【六爻】");
    rows.push_back(casting::HexagramName(in.upperTrigram, in.lowerTrigram) + "：" +
                   std::string(reading::TrigramName(chart.palace.trigram)) + "宫" +
                   std::string(reading::ElementName(chart.element)) + "　" +
                   std::string(GenerationName(chart.palace.generation)) + "　旬空：" +
                   BranchName(chart.voidBranches[0]) + BranchName(chart.voidBranches[1]));
    const std::string wide(kWideSpace);
    for (int k = 6; k >= 1; --k) {
        const ChartLine& line = chart.lines[k - 1];
        const bool moving = k == in.movingLine;
        std::string row = std::string(SpiritName(line.spirit)) + wide + Cell(line.placed) + wide +
                          Figure(line, moving) + (k == chart.shi ? "世" : k == chart.ying ? "应" : wide) +
                          (line.isVoid ? "空" : wide);
        if (moving) row += "→" + Cell(chart.changed);
        rows.push_back(WithoutTrailingSpace(row));
        if (line.hidden) rows.push_back(wide + wide + wide + "伏神：" + Cell(*line.hidden));
    }
    return rows;
}

}  // namespace liuyao
