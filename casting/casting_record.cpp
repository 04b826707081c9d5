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
    // Compared byte by byte: a casting looks up a dozen trigrams, eight
    // texts of three bytes each time, and a call to memcmp per text cost
    // more than its bytes.
    const auto same = [lines](const std::string& text) {
        if (text.size() != lines.size()) return false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != lines[i]) return false;
        }
        return true;
    };
    for (int n = Qian; n <= Kun; ++n) {
        if (same(texts[n])) return n;
    }
    return 0;
}

const CastingRecord& StartRecord() {
    static const CastingRecord kStart = [] {
        CastingRecord record;
        record.SetStartValues();
        return record;
    }();
    return kStart;
}

std::string LineTextOf(const HexagramLines& lines, int from) {
    std::string text;
    for (int line = from; line < from + 3; ++line) text += lines[line] == 1 ? '1' : '0';
    return text;
}

}  // namespace casting
