#include "divination_report.h"

#include <charconv>
#include <initializer_list>
#include <string_view>

namespace casting {
namespace {

constexpr char kLunarDatePrefix[] = "农历：";
constexpr char kMovingMark[] = "* ";
constexpr char kHeadings[] = "     本卦        互卦        变卦        错卦        综卦";

// A line of the report from its pieces, made in one allocation: joining
// them pairwise with `+` made and freed a string for every piece, most of
// the time a casting took.
std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (std::string_view piece : pieces) size += piece.size();
    std::string line;
    line.reserve(size);
    for (std::string_view piece : pieces) line.append(piece);
    return line;
}

// A number's decimal digits, as std::to_string writes them.
class Decimal {
public:
    explicit Decimal(int value) : end_(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr) {}
    operator std::string_view() const { return {digits_, static_cast<std::size_t>(end_ - digits_)}; }

private:
    char digits_[12];
    char* end_;
};

// A three-character name (6 bytes) gets three spaces a side, a four-character
// one two, so every cell is 12 bytes wide.
void AppendFramed(std::string& line, const std::string& name) {
    const std::size_t pad = name.size() == 6 ? 3 : 2;
    line.append(pad, ' ').append(name).append(pad, ' ');
}

}  // namespace

std::vector<std::string> ComposeReport(const CastingRecord& r, const MomentFacts& facts, const Person& person,
                                       const Moment& moment) {
    std::vector<std::string> lines;
    lines.reserve(13);
    lines.push_back(Joined({"  姓名： ", person.name, "  性别： ", person.sex, "  年龄： ", person.age}));
    lines.push_back(Joined({"  公历：", Decimal(moment.year), "年", Decimal(moment.month), "月", Decimal(moment.day),
                            "日", Decimal(moment.hour), "时"}));
    lines.push_back(Joined({"  起卦方式： ", r.MethodText}));
    lines.push_back(Joined({"  ", kLunarDatePrefix, facts.LunarDate}));
    lines.push_back(Joined({"  年建: ", facts.YearPillarText, "  月建: ", facts.MonthPillarText, "  日建: ",
                            facts.DayPillarText, "  时建: ", facts.HourPillarText}));
    lines.push_back(kHeadings);
    std::string& names = lines.emplace_back(" ");
    names.reserve(1 + 5 * 12);
    for (int k = 1; k <= 5; ++k) AppendFramed(names, r.HexagramNames(k));
    // Each column: two separator bytes, then a 10-byte figure; the primary
    // hexagram's mark is the separator before the nuclear column.
    for (int k = 6; k >= 1; --k) {
        const std::string_view mark = k == r.MovingLine ? std::string_view(kMovingMark) : r.LineMarks(k);
        lines.push_back(Joined({"  ", r.LineFigure(r.PrimaryLines[k]), mark, r.LineFigure(r.NuclearLines[k]), "  ",
                                r.LineFigure(r.ChangedLines[k]), "  ", r.LineFigure(r.OppositeLines[k]), "  ",
                                r.LineFigure(r.ReversedLines[k])}));
    }
    return lines;
}

}  // namespace casting
