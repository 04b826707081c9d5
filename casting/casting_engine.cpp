#include "casting_engine.h"

#include <ctime>

#include "convert_error.h"
#include "guaku_calls.h"
#include "hexagram_derivation.h"

namespace casting {
namespace {

constexpr char kChineseCharactersWanted[] = "参数错误：请输入汉字！";
constexpr char kChineseNameWanted[] = "参数错误：请输入汉字姓名！";
constexpr char kInputIncomplete[] = "参数错误：请检查是否输入完整！";

CommandOutcome Refused(MessageKind kind, const char* message) { return {kind, message}; }

}  // namespace

ClockTime LocalClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_hour, local.tm_min};
}

CastingEngine::CastingEngine(DateHolder& calendar, ReportSink& report, std::function<ClockTime()> clock)
    : calendar_(calendar), report_(report), clock_(std::move(clock)) {
    record.SetStartValues();
}

void CastingEngine::N9Click() { ComputeMomentFacts(moment, calendar_, facts); }
void CastingEngine::N4Click() { DerivePrimary(record); }
void CastingEngine::N5Click() { DeriveNuclear(record); }
void CastingEngine::N6Click() { DeriveChanged(record); }
void CastingEngine::N7Click() { DeriveOpposite(record); }
void CastingEngine::N8Click() { DeriveReversed(record); }
void CastingEngine::N11Click() {
    const std::vector<std::string> lines = ComposeReport(record, facts, person, moment);
    report_.Clear();
    for (const std::string& line : lines) report_.AppendLine(line);
}

CommandOutcome CastingEngine::Run(const std::function<CommandOutcome()>& command) {
    try {
        return command();
    } catch (const ConvertError& error) {
        return {MessageKind::Error, error.what()};
    }
}

CommandOutcome CastingEngine::Complete(CastNumbers numbers, const char* methodText) {
    numbers = ApplyZeroRules(numbers);
    record.UpperTrigram = numbers.upper;
    record.LowerTrigram = numbers.lower;
    record.MovingLine = numbers.movingLine;
    record.MethodText = methodText;
    N4Click();
    N5Click();
    N6Click();
    N7Click();
    N8Click();
    N11Click();
    return {};
}

std::vector<int> CastingEngine::StrokesOfUnits(std::string_view text) {
    std::vector<int> strokes;
    for (std::string_view unit : TwoByteUnits(text)) strokes.push_back(StrokesOf(unit));
    return strokes;
}

CommandOutcome CastingEngine::CastTraditional() {
    return Run([this] {
        N9Click();
        return Complete(TraditionalRule(facts), "传统起卦");
    });
}

CommandOutcome CastingEngine::CastByClock() {
    return Run([this] {
        N9Click();
        const ClockTime now = clock_();
        return Complete(ClockRule(now.hour, now.minute), "时分起卦");
    });
}

CommandOutcome CastingEngine::CastByStems() {
    return Run([this] {
        N9Click();
        return Complete(StemsRule(facts), "日期天干数起卦");
    });
}

CommandOutcome CastingEngine::CastByBranches() {
    return Run([this] {
        N9Click();
        return Complete(BranchesRule(facts), "日期地支数起卦");
    });
}

CommandOutcome CastingEngine::CastByQuestion(std::string_view question) {
    return Run([this, question] {
        // Unlike the character and name checks, the question's check comes
        // after the facts are refreshed: a refused question still moves the
        // calendar to the moment.
        N9Click();
        const std::string text = WithoutSpaces(question);
        if (text.size() < 2) return Refused(MessageKind::Information, kChineseCharactersWanted);
        return Complete(SplitSumRule(StrokesOfUnits(text)), "问话字的笔画数起卦");
    });
}

CommandOutcome CastingEngine::CastByCharacter(std::string_view character) {
    return Run([this, character] {
        const std::string text = WithoutSpaces(character);
        if (text.size() != 2) return Refused(MessageKind::Information, kChineseCharactersWanted);
        N9Click();
        return Complete(SingleCharacterRule(StrokesOf(text), facts.HourBranch), "单字笔画数起卦");
    });
}

CommandOutcome CastingEngine::CastByName() {
    return Run([this] {
        const std::string name = WithoutSpaces(person.name);
        if (name.size() < 4) return Refused(MessageKind::Information, kChineseNameWanted);
        N9Click();
        return Complete(SplitSumRule(StrokesOfUnits(name)), "姓名笔画数起卦");
    });
}

CommandOutcome CastingEngine::CastManually(int upper, int lower, int movingLine) {
    return Run([this, upper, lower, movingLine] {
        N9Click();
        return Complete({upper, lower, movingLine}, "手工指定起卦");
    });
}

CommandOutcome CastingEngine::CastByNumber(std::string_view number) {
    return Run([this, number] {
        const std::string text = WithoutSpaces(number);
        if (text.empty()) return Refused(MessageKind::Plain, kInputIncomplete);
        N9Click();
        return Complete(NumberRule(DigitsOf(text), facts.HourBranch), "数字起卦");
    });
}

}  // namespace casting
