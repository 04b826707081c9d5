#include "casting_record.h"

namespace casting {
namespace {

// Read as a base-2 number with the bottom line most significant, the line
// text of trigram n is 8 - n.
constexpr const char* kTrigramLineTexts[9] = {"", "111", "110", "101", "100", "011", "010", "001", "000"};

constexpr char kYinFigure[] = "▄▄　▄▄";
constexpr char kYangFigure[] = "▄▄▄▄▄";
constexpr char kBlankMark[] = "  ";

}  // namespace

void CastingRecord::SetStartValues() {
    for (int n = Qian; n <= Kun; ++n) TrigramLines(n) = kTrigramLineTexts[n];
    texts[20] = kYinFigure;
    texts[21] = kYangFigure;
    for (int line = 1; line <= 6; ++line) LineMarks(line) = kBlankMark;
}

int CastingRecord::TrigramOf(std::string_view lines) const {
    for (int n = Qian; n <= Kun; ++n) {
        if (texts[n] == lines) return n;
    }
    return 0;
}

std::string LineTextOf(const HexagramLines& lines, int from) {
    std::string text;
    for (int line = from; line < from + 3; ++line) text += lines[line] == 1 ? '1' : '0';
    return text;
}

}  // namespace casting
