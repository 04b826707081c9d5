// The one road of every casting, for the window and the command line alike:
// a checked casting goes in, and what it produced comes out as values: the
// record and the moment's facts, the five hexagrams, the report, the
// reading and the six-line chart (each computed once here) and, when asked
// for, the journal's entry.
// Every call into the engines on a casting's way is here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "boundary_notes.h"
#include "cast_request.h"
#include "casting/casting_engine.h"
#include "counted_text.h"
#include "journal/journal_entry.h"
#include "liuyao/chart.h"
#include "moment/clock_correction.h"
#include "reading/reading.h"

namespace pipeline {

// What a method was given beyond the person and the moment. GBK.
struct CastingInputs {
    std::string text;  // the question, character or number
    int manualUpper = 0, manualLower = 0, manualLine = 0;
};

struct Hexagram {
    std::string name;            // GBK, bare
    std::array<int, 6> lines{};  // 1 yang, 0 yin; the bottom line first
};

// What one casting produced. Texts are GBK, as the engines hold them; the
// journal's entry is UTF-8, as the journal keeps it.
struct CastValues {
    casting::CastingRecord record;
    casting::MomentFacts facts;
    std::array<Hexagram, 5> hexagrams;  // primary, nuclear, changed, opposite, reversed
    std::vector<std::string> report;    // the thirteen lines
    // None where the moment has no month pillar to weigh the body against.
    std::optional<reading::Reading> reading;
    // None where the moment has no day pillar to place the spirits and the
    // void by.
    std::optional<liuyao::Chart> chart;
    std::optional<journal::JournalEntry> entry;  // made when the casting is to be recorded
    // The moment cast from, the corrections that made it and the warnings
    // about the clock reading; the reading itself with none on.
    moment::CorrectedMoment moment;
    // The characters counted by another form; empty when none was. A
    // character that cannot be counted is refused as NotChinese, OpenCC
    // failing to load as InvalidValue.
    std::vector<CountedAs> countedAs;
    // The boundaries the moment cast from lies near; none for most castings.
    std::vector<BoundaryNote> boundaries;
};

casting::Person PersonOf(const Casting& casting);
casting::Moment MomentOf(const Casting& casting);
CastingInputs InputsOf(const Casting& casting);
// The casting of `method` that a person, a moment and the method's inputs
// as entered ask for.
Casting CastingOf(Method method, const casting::Person& person, const casting::Moment& moment,
                  const CastingInputs& inputs);

// The moment `casting` is cast from under its moment options, refused when
// a correction carries it out of the calendar's days. A day that does not
// exist, or an hour no day has, is left as it is, for the engine to name.
std::variant<moment::CorrectedMoment, Refusal> MomentCastFrom(const Casting& casting);

// Casts on `engine`, which keeps the date and reads the clock as its owner
// made it to, at `castFrom`, the casting's MomentCastFrom; the report's
// second line keeps the clock reading as entered. A refusal comes back as
// the engine gave it (GBK). 时分起卦 reads the engine's clock, which for a
// corrected casting should read the moment cast from, as CastRequested's
// does.
std::variant<CastValues, casting::CastingOutcome> CastOn(casting::CastingEngine& engine, const Casting& casting,
                                                         const moment::CorrectedMoment& castFrom);

// `casting` cast from `castFrom` on an engine of its own, whose clock reads
// that moment: the other side of a boundary. Nothing where it cannot be
// cast; no boundary notes and no journal entry.
std::optional<CastValues> CastAside(const Casting& casting, const moment::CorrectedMoment& castFrom);

struct CastDone {
    Casting casting;
    CastValues values;
};

// Checks a request and casts it on an engine of its own, whose clock reads
// the request's hour and minute. Refusals are UTF-8, the engine's in the
// window's own texts.
std::variant<CastDone, Refusal> CastRequested(const CastRequest& request, const LocalTime& now);

}  // namespace pipeline
