// The casting engine: the nine casting methods, the pipeline's steps they
// run, and what the last casting left behind (its record and the moment's
// facts, and its report as lines for the caller to show). Every casting
// takes who asks and when as arguments; a refusal comes back as an outcome.
//
//   casting::PlainDateHolder calendar(date);
//   casting::CastingEngine engine(calendar);
//   const casting::CastingOutcome outcome = engine.CastByNumber(person, moment, "2468");
//   if (outcome.refusal == casting::Refusal::None) use(engine.record(), engine.facts(), engine.report());
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "casting_methods.h"
#include "casting_record.h"
#include "date_holder.h"
#include "divination_report.h"
#include "moment_check.h"
#include "moment_facts.h"

namespace casting {

// Why a casting was refused. The engine names the refusal; how it is shown
// (caption, icon) is the caller's choice.
enum class Refusal {
    None,             // the casting went through
    NotChinese,       // an empty question, or a character entry that is not one character
    NameNotChinese,   // a name shorter than two characters
    Incomplete,       // no number entered
    InvalidValue,     // a number or date that does not convert (a ConvertError's text)
    OutsideCalendar,  // a moment the calendar cannot cast (a MomentFault's text)
};

struct CastingOutcome {
    Refusal refusal = Refusal::None;
    std::string message;  // GBK, empty when nothing was refused

    friend bool operator==(const CastingOutcome&, const CastingOutcome&) = default;
};

// The computer's local clock.
ClockTime LocalClock();

class CastingEngine {
public:
    // `calendar` holds the casting date; `clock` is read by 时分起卦.
    explicit CastingEngine(DateHolder& calendar, std::function<ClockTime()> clock = LocalClock);

    // The steps every casting runs, in this order after its method's rule.
    // Callers outside the engine use them one at a time as the pipeline's
    // commands; each works on what the steps before it left.
    void ComputeFacts(const Moment& moment);  // the moment's facts; throws ConvertError
    void DerivePrimary();
    void DeriveNuclear();
    void DeriveChanged();
    void DeriveOpposite();
    void DeriveReversed();
    // Composes the report anew and returns it.
    const std::vector<std::string>& WriteReport(const Person& person, const Moment& moment);

    // The nine methods. Each refreshes the facts from `moment`, takes its
    // numbers, derives the five hexagrams and writes the report; a refused
    // casting leaves record, facts and report as they were, except that a
    // question is checked after the facts are refreshed. A moment that
    // cannot be cast (moment_check.h) is refused before anything else.
    CastingOutcome CastTraditional(const Person& person, const Moment& moment);  // 传统起卦
    CastingOutcome CastByClock(const Person& person, const Moment& moment);      // 时分起卦: reads the clock
    CastingOutcome CastByStems(const Person& person, const Moment& moment);      // 天干起卦
    CastingOutcome CastByBranches(const Person& person, const Moment& moment);   // 地支起卦
    // 问话: strokes of the question.
    CastingOutcome CastByQuestion(const Person& person, const Moment& moment, std::string_view question);
    // 单字: strokes of one character.
    CastingOutcome CastByCharacter(const Person& person, const Moment& moment, std::string_view character);
    CastingOutcome CastByName(const Person& person, const Moment& moment);  // 姓名: strokes of person.name
    // 自定: trigram numbers 1..8 and line 1..6 as picked from the lists.
    CastingOutcome CastManually(const Person& person, const Moment& moment, int upper, int lower, int movingLine);
    // 报数: digits of a number.
    CastingOutcome CastByNumber(const Person& person, const Moment& moment, std::string_view number);

    // The last casting: its hexagrams, numbers and texts, its moment's facts
    // and its report (GBK lines; none before the first).
    const CastingRecord& record() const { return record_; }
    const MomentFacts& facts() const { return facts_; }
    const std::vector<std::string>& report() const { return report_; }
    // The same moved out, by an engine that ends with its casting.
    void TakeLastCasting(CastingRecord& record, MomentFacts& facts, std::vector<std::string>& report) && {
        record = std::move(record_);
        facts = std::move(facts_);
        report = std::move(report_);
    }

private:
    // Refuses a moment with `fault`, else runs `command`, turning a
    // conversion error into an InvalidValue refusal; the command returns its
    // own outcome when a check fails.
    static CastingOutcome Run(MomentFault fault, const std::function<CastingOutcome()>& command);
    // The rest of every casting: zero rules, method text, the clock reading
    // 时分起卦 took, the five hexagrams and the report.
    CastingOutcome Complete(CastNumbers numbers, const char* methodText, const Person& person, const Moment& moment,
                            std::optional<ClockTime> clock = std::nullopt);
    // The strokes of each two-byte unit of a text.
    static std::vector<int> StrokesOfUnits(std::string_view text);

    DateHolder& calendar_;
    std::function<ClockTime()> clock_;
    CastingRecord record_;
    MomentFacts facts_;
    std::vector<std::string> report_;
};

}  // namespace casting
