#include "casting_engine.h"

#include <ctime>

#include "convert_error.h"
#include "guaku_calls.h"
#include "hexagram_derivation.h"
#include "messages/catalog.h"

namespace casting {
namespace {

// The command line prints these in its language; the window as written.
constexpr char kChineseCharactersWanted[] = N_("参数错误：请输入汉字！");
constexpr char kChineseNameWanted[] = N_("参数错误：请输入汉字姓名！");
constexpr char kInputIncomplete[] = N_("参数错误：请检查是否输入完整！");

CastingOutcome Refused(Refusal refusal, const char* message) { return {refusal, message}; }

}  // namespace

ClockTime LocalClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_hour, local.tm_min};
}

CastingEngine::CastingEngine(DateHolder& calendar, std::function<ClockTime()> clock)
    : calendar_(calendar), clock_(std::move(clock)), record_(StartRecord()) {}

void CastingEngine::ComputeFacts(const Moment& moment) { ComputeMomentFacts(moment, calendar_, facts_); }
void CastingEngine::DerivePrimary() { casting::DerivePrimary(record_); }
void CastingEngine::DeriveNuclear() { casting::DeriveNuclear(record_); }
void CastingEngine::DeriveChanged() { casting::DeriveChanged(record_); }
void CastingEngine::DeriveOpposite() { casting::DeriveOpposite(record_); }
void CastingEngine::DeriveReversed() { casting::DeriveReversed(record_); }
const std::vector<std::string>& CastingEngine::WriteReport(const Person& person, const Moment& moment) {
    report_ = ComposeReport(record_, facts_, person, moment);
    return report_;
}

CastingOutcome CastingEngine::Run(MomentFault fault, const std::function<CastingOutcome()>& command) {
    if (fault != MomentFault::None) return {Refusal::OutsideCalendar, FaultText(fault)};
    try {
        return command();
    } catch (const ConvertError& error) {
        return {Refusal::InvalidValue, error.what()};
    }
}

CastingOutcome CastingEngine::Complete(CastNumbers numbers, const char* methodText, const Person& person,
                                       const Moment& moment, std::optional<ClockTime> clock) {
    numbers = ApplyZeroRules(numbers);
    record_.UpperTrigram = numbers.upper;
    record_.LowerTrigram = numbers.lower;
    record_.MovingLine = numbers.movingLine;
    record_.MethodText = methodText;
    record_.Clock = clock;
    DerivePrimary();
    DeriveNuclear();
    DeriveChanged();
    DeriveOpposite();
    DeriveReversed();
    WriteReport(person, moment);
    return {};
}

std::vector<int> CastingEngine::StrokesOfUnits(std::string_view text) {
    std::vector<int> strokes;
    for (std::string_view unit : TwoByteUnits(text)) strokes.push_back(StrokesOf(unit));
    return strokes;
}

CastingOutcome CastingEngine::CastTraditional(const Person& person, const Moment& moment) {
    return Run(LunarFaultOf(moment), [&] {
        ComputeFacts(moment);
        return Complete(TraditionalRule(facts_, moment.conventions.yearNumber), "传统起卦", person, moment);
    });
}

CastingOutcome CastingEngine::CastByClock(const Person& person, const Moment& moment) {
    return Run(FaultOf(moment), [&] {
        ComputeFacts(moment);
        const ClockTime now = clock_();
        return Complete(ClockRule(now.hour, now.minute), "时分起卦", person, moment, now);
    });
}

CastingOutcome CastingEngine::CastByStems(const Person& person, const Moment& moment) {
    return Run(FaultOf(moment), [&] {
        ComputeFacts(moment);
        return Complete(StemsRule(facts_), "日期天干数起卦", person, moment);
    });
}

CastingOutcome CastingEngine::CastByBranches(const Person& person, const Moment& moment) {
    return Run(FaultOf(moment), [&] {
        ComputeFacts(moment);
        return Complete(BranchesRule(facts_), "日期地支数起卦", person, moment);
    });
}

CastingOutcome CastingEngine::CastByQuestion(const Person& person, const Moment& moment, std::string_view question) {
    return Run(FaultOf(moment), [&] {
        // Unlike the character and name checks, the question's check comes
        // after the facts are refreshed: a refused question still moves the
        // calendar to the moment.
        ComputeFacts(moment);
        const std::string text = WithoutSpaces(question);
        if (text.size() < 2) return Refused(Refusal::NotChinese, kChineseCharactersWanted);
        return Complete(SplitSumRule(StrokesOfUnits(text)), "问话字的笔画数起卦", person, moment);
    });
}

CastingOutcome CastingEngine::CastByCharacter(const Person& person, const Moment& moment,
                                              std::string_view character) {
    return Run(FaultOf(moment), [&] {
        const std::string text = WithoutSpaces(character);
        if (text.size() != 2) return Refused(Refusal::NotChinese, kChineseCharactersWanted);
        ComputeFacts(moment);
        return Complete(SingleCharacterRule(StrokesOf(text), facts_.HourBranch), "单字笔画数起卦", person, moment);
    });
}

CastingOutcome CastingEngine::CastByName(const Person& person, const Moment& moment) {
    return Run(FaultOf(moment), [&] {
        const std::string name = WithoutSpaces(person.name);
        if (name.size() < 4) return Refused(Refusal::NameNotChinese, kChineseNameWanted);
        ComputeFacts(moment);
        return Complete(SplitSumRule(StrokesOfUnits(name)), "姓名笔画数起卦", person, moment);
    });
}

CastingOutcome CastingEngine::CastManually(const Person& person, const Moment& moment, int upper, int lower,
                                           int movingLine) {
    return Run(FaultOf(moment), [&] {
        ComputeFacts(moment);
        return Complete({upper, lower, movingLine}, "手工指定起卦", person, moment);
    });
}

CastingOutcome CastingEngine::CastByNumber(const Person& person, const Moment& moment, std::string_view number) {
    return Run(FaultOf(moment), [&] {
        const std::string text = WithoutSpaces(number);
        if (text.empty()) return Refused(Refusal::Incomplete, kInputIncomplete);
        ComputeFacts(moment);
        return Complete(NumberRule(DigitsOf(text), facts_.HourBranch), "数字起卦", person, moment);
    });
}

}  // namespace casting
