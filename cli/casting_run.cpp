#include "casting_run.h"

#include <chrono>
#include <stdexcept>

#include "casting/casting_engine.h"
#include "journal/entry_of_casting.h"
#include "reading/reading.h"
#include "text/gbk_utf8.h"

namespace cli {
namespace {

casting::Person PersonOf(const Casting& c) { return {c.name, c.age, c.sex}; }
casting::Moment MomentOf(const Casting& c) { return {c.year, c.month, c.day, c.hour, c.rule}; }

casting::CastingOutcome Cast(casting::CastingEngine& engine, const Casting& c) {
    const casting::Person person = PersonOf(c);
    const casting::Moment moment = MomentOf(c);
    switch (c.method) {
        case Method::Traditional:
            return engine.CastTraditional(person, moment);
        case Method::Clock:
            return engine.CastByClock(person, moment);
        case Method::Stems:
            return engine.CastByStems(person, moment);
        case Method::Branches:
            return engine.CastByBranches(person, moment);
        case Method::Name:
            return engine.CastByName(person, moment);
        case Method::Question:
            return engine.CastByQuestion(person, moment, c.text);
        case Method::Character:
            return engine.CastByCharacter(person, moment, c.text);
        case Method::Manual:
            return engine.CastManually(person, moment, c.upper, c.lower, c.line);
        case Method::Number:
            return engine.CastByNumber(person, moment, c.text);
    }
    return {};
}

Hexagram HexagramOf(const std::string& name, const casting::HexagramLines& lines) {
    Hexagram hexagram{text::Utf8FromGbk(name), {}};
    for (int k = 1; k <= 6; ++k) hexagram.lines[k - 1] = lines[k];
    return hexagram;
}

std::string Utf8(std::string_view gbk) { return text::Utf8FromGbk(gbk); }

std::optional<ReadingResult> ReadingOf(const casting::CastingRecord& record, const casting::MomentFacts& facts) {
    reading::Reading r;
    try {
        r = reading::ComputeReading(reading::ReadingInputOf(record, facts));
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
    ReadingResult result;
    result.body = r.body;
    result.use = r.use;
    result.useIsUpper = r.useIsUpper;
    for (std::size_t k = 0; k < r.relations.size(); ++k) {
        const reading::RelationToBodyRow& row = r.relations[k];
        result.relations[k] = {Utf8(row.heading), row.trigram, Utf8(reading::ElementName(row.element)), Utf8(row.word)};
    }
    result.verdict = Utf8(r.verdict);
    result.monthElement = Utf8(reading::ElementName(r.monthElement));
    result.strength = Utf8(reading::StrengthName(r.strength));
    result.primary = {Utf8(r.primary->name), Utf8(r.primary->judgment)};
    result.changed = {Utf8(r.changed->name), Utf8(r.changed->judgment)};
    result.movingLabel = Utf8(r.movingStatement.label);
    result.movingText = Utf8(r.movingStatement.text);
    return result;
}

}  // namespace

std::variant<CastResult, Refusal> RunCasting(const Casting& c) {
    // The check keeps the cast day within the calendar's range, so the
    // holder takes every date it is given and its first one is never read.
    casting::PlainDateHolder calendar(calendar::DateTimeOf(std::chrono::sys_days{std::chrono::year{1900} / 1 / 1}));
    casting::CastingEngine engine(calendar, [&c] { return casting::ClockTime{c.hour, c.minute}; });

    const casting::CastingOutcome outcome = Cast(engine, c);
    if (outcome.refusal != casting::Refusal::None) return Refusal{text::Utf8FromGbk(outcome.message)};

    CastResult result;
    const casting::CastingRecord& r = engine.record();
    const casting::MomentFacts& f = engine.facts();
    result.methodText = text::Utf8FromGbk(r.MethodText);
    result.lunarDate = text::Utf8FromGbk(f.LunarDate);
    result.lunarMonth = f.LunarMonth;
    result.lunarDay = f.LunarDay;
    result.pillars = {text::Utf8FromGbk(f.YearPillarText), text::Utf8FromGbk(f.MonthPillarText),
                      text::Utf8FromGbk(f.DayPillarText), text::Utf8FromGbk(f.HourPillarText)};
    const casting::HexagramLines* lines[] = {&r.PrimaryLines, &r.NuclearLines, &r.ChangedLines, &r.OppositeLines,
                                             &r.ReversedLines};
    for (int k = 1; k <= 5; ++k) result.hexagrams[k - 1] = HexagramOf(r.HexagramNames(k), *lines[k - 1]);
    result.upper = r.UpperTrigram;
    result.lower = r.LowerTrigram;
    result.movingLine = r.MovingLine;
    for (const std::string& line : engine.report()) result.report.push_back(text::Utf8FromGbk(line));
    result.reading = ReadingOf(r, f);
    if (c.record) {
        std::string report;
        for (const std::string& line : result.report) report += (report.empty() ? "" : "\n") + line;
        result.journalEntry = journal::EntryOfCasting(
            {r, f, PersonOf(c), MomentOf(c), {c.text, c.upper, c.lower, c.line}, std::move(report)});
    }
    return result;
}

std::variant<CastDone, Refusal> CastRequested(const CastRequest& request, const LocalTime& now) {
    auto checked = Check(request, now);
    if (auto* refusal = std::get_if<Refusal>(&checked)) return std::move(*refusal);
    Casting& casting = std::get<Casting>(checked);
    auto cast = RunCasting(casting);
    if (auto* refusal = std::get_if<Refusal>(&cast)) return std::move(*refusal);
    return CastDone{std::move(casting), std::get<CastResult>(std::move(cast))};
}

}  // namespace cli
