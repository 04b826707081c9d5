#include "hexagram_derivation.h"

#include "guaku_calls.h"

namespace casting {
namespace {

constexpr int kPrimary = 1, kNuclear = 2, kChanged = 3, kOpposite = 4, kReversed = 5;

// Line values from a line text, starting at line `from`.
void SetLinesFromText(HexagramLines& lines, int from, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) lines[from + i] = text[i] == '1' ? 1 : 0;
}

// Names hexagram k from its own lines: lower trigram from lines 1-3, upper
// from lines 4-6.
void NameFromLines(CastingRecord& record, int k, const HexagramLines& lines) {
    const int lower = record.TrigramOf(LineTextOf(lines, 1));
    const int upper = record.TrigramOf(LineTextOf(lines, 4));
    record.HexagramNames(k) = HexagramName(upper, lower);
}

}  // namespace

void DerivePrimary(CastingRecord& record) {
    SetLinesFromText(record.PrimaryLines, 1, record.TrigramLines(record.LowerTrigram));
    SetLinesFromText(record.PrimaryLines, 4, record.TrigramLines(record.UpperTrigram));
    record.HexagramNames(kPrimary) = HexagramName(record.UpperTrigram, record.LowerTrigram);
}

void DeriveNuclear(CastingRecord& record) {
    const HexagramLines& p = record.PrimaryLines;
    record.NuclearLines = {0, p[2], p[3], p[4], p[3], p[4], p[5]};
    NameFromLines(record, kNuclear, record.NuclearLines);
}

void DeriveChanged(CastingRecord& record) {
    std::string lines = record.TrigramLines(record.LowerTrigram) + record.TrigramLines(record.UpperTrigram);
    // Before the first casting the record has no moving line: nothing moves.
    if (record.MovingLine >= 1 && record.MovingLine <= static_cast<int>(lines.size())) {
        char& moving = lines[record.MovingLine - 1];
        moving = moving == '0' ? '1' : '0';
    }
    SetLinesFromText(record.ChangedLines, 1, lines);
    // Only the trigram that holds the moving line has changed.
    record.HexagramNames(kChanged) =
        record.MovingLine > 3 ? HexagramName(record.TrigramOf(lines.substr(3, 3)), record.LowerTrigram)
                              : HexagramName(record.UpperTrigram, record.TrigramOf(lines.substr(0, 3)));
}

void DeriveOpposite(CastingRecord& record) {
    for (int line = 1; line <= 6; ++line) record.OppositeLines[line] = record.PrimaryLines[line] == 0 ? 1 : 0;
    NameFromLines(record, kOpposite, record.OppositeLines);
}

void DeriveReversed(CastingRecord& record) {
    for (int line = 1; line <= 6; ++line) record.ReversedLines[line] = record.PrimaryLines[7 - line];
    NameFromLines(record, kReversed, record.ReversedLines);
}

void DeriveHexagrams(CastingRecord& record) {
    DerivePrimary(record);
    DeriveNuclear(record);
    DeriveChanged(record);
    DeriveOpposite(record);
    DeriveReversed(record);
}

}  // namespace casting
