#include "casting_road.h"

#include <chrono>
#include <stdexcept>

#include "entry_of_casting.h"
#include "messages/catalog.h"
#include "text/gbk_utf8.h"

namespace pipeline {
namespace {

// Whether the engine a casting is cast on lives on after it, as the
// window's does for its next step, or ends with it, giving up what it made.
enum class EngineAfter { Kept, Ended };

// `counted`, when given, stands for the text the method counts the strokes of.
casting::CastingOutcome CastBy(casting::CastingEngine& engine, const Casting& c, const casting::Moment& moment,
                               const std::string* counted) {
    casting::Person person = PersonOf(c);
    if (counted && c.method == Method::Name) person.name = *counted;
    const std::string& text = counted ? *counted : c.text;
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
            return engine.CastByQuestion(person, moment, text);
        case Method::Character:
            return engine.CastByCharacter(person, moment, text);
        case Method::Manual:
            return engine.CastManually(person, moment, c.upper, c.lower, c.line);
        case Method::Number:
            return engine.CastByNumber(person, moment, c.text);
    }
    return {};
}

Hexagram HexagramOf(const std::string& name, const casting::HexagramLines& lines) {
    Hexagram hexagram{name, {}};
    for (int k = 1; k <= 6; ++k) hexagram.lines[k - 1] = lines[k];
    return hexagram;
}

std::optional<reading::Reading> ReadingOf(const casting::CastingRecord& record, const casting::MomentFacts& facts,
                                          casting::StrengthBy strength) {
    try {
        return reading::ComputeReading(reading::ReadingInputOf(record, facts, strength), record);
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

std::optional<liuyao::Chart> ChartOf(const casting::CastingRecord& record, const casting::MomentFacts& facts) {
    try {
        return liuyao::ComputeChart(liuyao::ChartInputOf(record, facts));
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

// The entered text a method counts the strokes of, if it counts any.
const std::string* CountedField(const Casting& c) {
    switch (c.method) {
        case Method::Name: return &c.name;
        case Method::Question:
        case Method::Character: return &c.text;
        default: return nullptr;
    }
}

// The text `c`'s method counts the strokes of, in the characters the stroke
// table knows (nothing when the method counts none), or the refusal of one
// it cannot count.
std::variant<std::optional<CountedText>, casting::CastingOutcome> CountedFieldOf(const Casting& c) {
    const std::string* field = CountedField(c);
    if (field == nullptr) return std::nullopt;
    try {
        auto text = CountedTextOf(*field);
        if (const auto* uncounted = std::get_if<UncountedCharacter>(&text)) {
            return casting::CastingOutcome{casting::Refusal::NotChinese, UncountedMessage(*uncounted)};
        }
        return std::optional<CountedText>(std::get<CountedText>(std::move(text)));
    } catch (const std::runtime_error& error) {
        // OpenCC's dictionaries missing: said, rather than counted as 0.
        return casting::CastingOutcome{casting::Refusal::InvalidValue, text::GbkFromUtf8(error.what())};
    }
}

casting::Moment MomentAt(const Casting& c, const moment::ClockReading& at) {
    return {at.year, at.month, at.day, at.hour, c.rule, at.minute, c.conventions};
}

// What the engine's casting produced, read and charted, into `values`, a
// CastValues made empty where its caller returns it (each move of one
// moved some forty strings); no notes, no entry. A refusal leaves
// `values` as it was.
casting::CastingOutcome ValuesInto(CastValues& values, casting::CastingEngine& engine, EngineAfter after,
                                   const Casting& c, const moment::CorrectedMoment& castFrom) {
    auto counted = CountedFieldOf(c);
    if (auto* refused = std::get_if<casting::CastingOutcome>(&counted)) return std::move(*refused);
    std::optional<CountedText>& countedText = std::get<std::optional<CountedText>>(counted);
    casting::CastingOutcome outcome =
        CastBy(engine, c, MomentAt(c, castFrom.castFrom), countedText ? &countedText->text : nullptr);
    if (outcome.refusal != casting::Refusal::None) return outcome;
    if (countedText) values.countedAs = std::move(countedText->countedAs);
    // The report names the person and the clock reading as entered; its
    // facts are the moment cast from's.
    if (!castFrom.corrections.empty() || !values.countedAs.empty()) engine.WriteReport(PersonOf(c), MomentOf(c));

    if (after == EngineAfter::Ended) {
        std::move(engine).TakeLastCasting(values.record, values.facts, values.report);
    } else {
        values.record = engine.record();
        values.facts = engine.facts();
        values.report = engine.report();
    }
    values.moment = castFrom;
    const casting::CastingRecord& r = values.record;
    const casting::HexagramLines* lines[] = {&r.PrimaryLines, &r.NuclearLines, &r.ChangedLines, &r.OppositeLines,
                                             &r.ReversedLines};
    for (int k = 1; k <= 5; ++k) values.hexagrams[k - 1] = HexagramOf(r.HexagramNames(k), *lines[k - 1]);
    values.reading = ReadingOf(r, values.facts, c.conventions.strength);
    values.chart = ChartOf(r, values.facts);
    return outcome;
}

// ValuesInto with the boundary notes and, when asked for, the journal's
// entry: the whole of a casting.
casting::CastingOutcome CastInto(CastValues& values, casting::CastingEngine& engine, EngineAfter after,
                                 const Casting& c, const moment::CorrectedMoment& castFrom) {
    casting::CastingOutcome outcome = ValuesInto(values, engine, after, c, castFrom);
    if (outcome.refusal != casting::Refusal::None) return outcome;
    values.boundaries = BoundaryNotes(c, castFrom);
    if (c.record) values.entry = EntryOfCasting(c, values);
    return outcome;
}

// An engine of its own for a casting cast from `castFrom`: its clock reads
// that moment, and the check keeps the cast day within the calendar's
// range, so the holder takes every date it is given and its first one is
// never read.
struct OwnEngine {
    explicit OwnEngine(const moment::CorrectedMoment& castFrom)
        : calendar(calendar::DateTimeOf(std::chrono::sys_days{std::chrono::year{1900} / 1 / 1})),
          engine(calendar,
                 [&castFrom] { return casting::ClockTime{castFrom.castFrom.hour, castFrom.castFrom.minute}; }) {}
    casting::PlainDateHolder calendar;
    casting::CastingEngine engine;
};

// A correction may carry a moment out of the calendar's days that the
// entered one lay in.
std::optional<Refusal> RefuseOutOfRange(const Casting& c, const moment::CorrectedMoment& castFrom) {
    if (!c.momentOptions.AnyOn() || casting::FaultOf(MomentAt(c, castFrom.castFrom)) == casting::MomentFault::None) {
        return std::nullopt;
    }
    // In the corrections' own language, as the window shows it too.
    return Refusal{messages::Formatted(
        messages::Translated(N_("校正后的起卦时刻 %s 超出历法范围（1900-01-01 至 2100-12-31，23时算作次日）")),
        moment::ClockText(castFrom.castFrom).c_str())};
}

}  // namespace

std::variant<moment::CorrectedMoment, Refusal> MomentCastFrom(const Casting& c) {
    const moment::ClockReading clock = ClockOf(c);
    // No day, or no hour of one: the engine refuses the reading itself.
    if (!casting::DayOf(MomentOf(c)) || casting::FaultOf(MomentOf(c)) == casting::MomentFault::HourOutOfRange) {
        return moment::CorrectedMoment{clock, {}, {}};
    }
    auto corrected = moment::CorrectClock(clock, c.momentOptions);
    if (auto* refusal = std::get_if<moment::MomentRefusal>(&corrected)) return Refusal{std::move(refusal->message)};
    if (auto refusal = RefuseOutOfRange(c, std::get<moment::CorrectedMoment>(corrected))) return *refusal;
    return std::get<moment::CorrectedMoment>(std::move(corrected));
}

casting::Person PersonOf(const Casting& c) { return {c.name, c.age, c.sex}; }
casting::Moment MomentOf(const Casting& c) {
    return {c.year, c.month, c.day, c.hour, c.rule, c.minute, c.conventions};
}
CastingInputs InputsOf(const Casting& c) { return {c.text, c.upper, c.lower, c.line}; }

Casting CastingOf(Method method, const casting::Person& person, const casting::Moment& moment,
                  const CastingInputs& inputs) {
    Casting c;
    c.method = method;
    c.name = person.name;
    c.sex = person.sex;
    c.age = person.age;
    c.year = moment.year;
    c.month = moment.month;
    c.day = moment.day;
    c.hour = moment.hour;
    c.rule = moment.rule;
    c.minute = moment.minute;
    c.conventions = moment.conventions;
    c.text = inputs.text;
    c.upper = inputs.manualUpper;
    c.lower = inputs.manualLower;
    c.line = inputs.manualLine;
    return c;
}

// Each function below returns the one variable it fills, so that it is
// made where its caller keeps it.
std::variant<CastValues, casting::CastingOutcome> CastOn(casting::CastingEngine& engine, const Casting& c,
                                                         const moment::CorrectedMoment& castFrom) {
    std::variant<CastValues, casting::CastingOutcome> cast;
    casting::CastingOutcome outcome = CastInto(std::get<CastValues>(cast), engine, EngineAfter::Kept, c, castFrom);
    if (outcome.refusal != casting::Refusal::None) cast = std::move(outcome);
    return cast;
}

std::optional<CastValues> CastAside(const Casting& c, const moment::CorrectedMoment& castFrom) {
    OwnEngine own(castFrom);
    std::optional<CastValues> aside(std::in_place);
    if (ValuesInto(*aside, own.engine, EngineAfter::Ended, c, castFrom).refusal != casting::Refusal::None) {
        aside.reset();
    }
    return aside;
}

std::variant<CastDone, Refusal> CastRequested(const CastRequest& request, const LocalTime& now) {
    std::variant<CastDone, Refusal> done;
    auto checked = Check(request, now);
    if (auto* refusal = std::get_if<Refusal>(&checked)) {
        done = std::move(*refusal);
        return done;
    }
    Casting& c = std::get<CastDone>(done).casting = std::get<Casting>(std::move(checked));
    auto corrected = MomentCastFrom(c);
    if (auto* refusal = std::get_if<Refusal>(&corrected)) {
        done = std::move(*refusal);
        return done;
    }
    const moment::CorrectedMoment& castFrom = std::get<moment::CorrectedMoment>(corrected);
    OwnEngine own(castFrom);
    const casting::CastingOutcome outcome =
        CastInto(std::get<CastDone>(done).values, own.engine, EngineAfter::Ended, c, castFrom);
    // The engine speaks GBK and keeps its words as written; the command
    // line prints them in its language.
    if (outcome.refusal != casting::Refusal::None) {
        done = Refusal{messages::Translated(text::Utf8FromGbk(outcome.message))};
    }
    return done;
}

}  // namespace pipeline
