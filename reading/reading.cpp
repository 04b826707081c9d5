#include "reading.h"

#include <stdexcept>

#include "casting/hexagram_derivation.h"
#include "trigrams.h"

namespace reading {
namespace {

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

void CheckInput(const ReadingInput& input) {
    if (!InRange(input.upperTrigram, 1, kTrigramCount) || !InRange(input.lowerTrigram, 1, kTrigramCount) ||
        !InRange(input.movingLine, 1, 6) || !InRange(input.monthBranch, 1, 12)) {
        throw std::invalid_argument("no casting to read");
    }
}

// The nuclear and changed hexagrams come from the casting engine's own
// derivation, so the reading always agrees with the report.
casting::CastingRecord Derived(const ReadingInput& input) {
    casting::CastingRecord record = casting::StartRecord();
    record.UpperTrigram = input.upperTrigram;
    record.LowerTrigram = input.lowerTrigram;
    record.MovingLine = input.movingLine;
    casting::DerivePrimary(record);
    casting::DeriveNuclear(record);
    casting::DeriveChanged(record);
    return record;
}

RelationToBodyRow Row(std::string_view heading, std::string_view role, int trigram, Element body) {
    const Element element = ElementOfTrigram(trigram);
    const Relation relation = RelationToBody(element, body);
    return {heading, role, trigram, element, relation, RelationWord(relation, role)};
}

}  // namespace

ReadingInput ReadingInputOf(const casting::CastingRecord& record, const casting::MomentFacts& facts,
                            casting::StrengthBy strengthBy) {
    return {record.UpperTrigram, record.LowerTrigram, record.MovingLine, facts.MonthBranch, strengthBy,
            facts.EarthDays, record.Clock};
}

Element SeasonElement(int monthBranch, bool earthDays) {
    if (earthDays) return Element::Earth;
    // 寅 巳 申 亥 open spring, summer, autumn and winter, and carry their elements.
    constexpr int kSeasonOpening[] = {3, 6, 9, 12};
    return ElementOfBranch(kSeasonOpening[SeasonOfMonth(monthBranch)]);
}

Reading ComputeReading(const ReadingInput& input) {
    CheckInput(input);
    return ComputeReading(input, Derived(input));
}

Reading ComputeReading(const ReadingInput& input, const casting::CastingRecord& record) {
    CheckInput(input);
    auto trigramAt = [&](const casting::HexagramLines& lines, int from) {
        return record.TrigramOf(casting::LineTextOf(lines, from));
    };

    Reading reading;
    reading.input = input;
    reading.useIsUpper = input.movingLine > 3;
    reading.use = reading.useIsUpper ? input.upperTrigram : input.lowerTrigram;
    reading.body = reading.useIsUpper ? input.lowerTrigram : input.upperTrigram;
    const Element body = ElementOfTrigram(reading.body);

    const int changedUpper = trigramAt(record.ChangedLines, 4), changedLower = trigramAt(record.ChangedLines, 1);
    reading.relations = {
        Row("用卦", "用", reading.use, body),
        Row("上互卦", "互", trigramAt(record.NuclearLines, 4), body),
        Row("下互卦", "互", trigramAt(record.NuclearLines, 1), body),
        Row("变卦", "变", reading.useIsUpper ? changedUpper : changedLower, body),
    };
    reading.verdict = Verdict(reading.relations[0].relation);
    reading.monthElement = input.strengthBy == casting::StrengthBy::Season
                               ? SeasonElement(input.monthBranch, input.earthDays)
                               : ElementOfBranch(input.monthBranch);
    reading.strength = StrengthInMonth(body, reading.monthElement);

    reading.primary = &HexagramTextOf(input.upperTrigram, input.lowerTrigram);
    reading.changed = &HexagramTextOf(changedUpper, changedLower);
    reading.movingStatement = reading.primary->statements[input.movingLine - 1];
    return reading;
}

}  // namespace reading
