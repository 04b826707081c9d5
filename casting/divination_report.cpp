#include "divination_report.h"

namespace casting {
namespace {

constexpr char kLunarDatePrefix[] = "农历：";
constexpr char kMovingMark[] = "* ";
constexpr char kHeadings[] = "     本卦        互卦        变卦        错卦        综卦";

// A three-character name (6 bytes) gets three spaces a side, a four-character
// one two, so every cell is 12 bytes wide.
std::string Framed(const std::string& name) {
    const std::string pad(name.size() == 6 ? 3 : 2, ' ');
    return pad + name + pad;
}

}  // namespace

std::vector<std::string> ComposeReport(const CastingRecord& r, const MomentFacts& facts, const Person& person,
                                       const Moment& moment) {
    std::vector<std::string> lines;
    lines.push_back("  姓名： " + person.name + "  性别： " + person.sex + "  年龄： " + person.age);
    lines.push_back("  公历：" + std::to_string(moment.year) + "年" + std::to_string(moment.month) + "月" +
                    std::to_string(moment.day) + "日" + std::to_string(moment.hour) + "时");
    lines.push_back("  起卦方式： " + r.MethodText);
    lines.push_back(std::string("  ") + kLunarDatePrefix + facts.LunarDate);
    lines.push_back("  年建: " + facts.YearPillarText + "  月建: " + facts.MonthPillarText + "  日建: " +
                    facts.DayPillarText + "  时建: " + facts.HourPillarText);
    lines.push_back(kHeadings);
    std::string names = " ";
    for (int k = 1; k <= 5; ++k) names += Framed(r.HexagramNames(k));
    lines.push_back(names);
    // Each column: two separator bytes, then a 10-byte figure; the primary
    // hexagram's mark is the separator before the nuclear column.
    for (int k = 6; k >= 1; --k) {
        lines.push_back("  " + r.LineFigure(r.PrimaryLines[k]) + (k == r.MovingLine ? kMovingMark : r.LineMarks(k)) +
                        r.LineFigure(r.NuclearLines[k]) +
                        "  " + r.LineFigure(r.ChangedLines[k]) + "  " + r.LineFigure(r.OppositeLines[k]) + "  " +
                        r.LineFigure(r.ReversedLines[k]));
    }
    return lines;
}

}  // namespace casting
