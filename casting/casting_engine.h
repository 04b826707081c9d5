// The casting engine as the main window runs it: the record, the moment
// facts and the report, the pipeline's steps, and the nine casting
// commands. The window fills `person` and `moment` from its fields before
// a command and shows the outcome's message, if any, in the box it names.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "casting_methods.h"
#include "casting_record.h"
#include "date_holder.h"
#include "divination_report.h"
#include "moment_facts.h"

namespace casting {

// Which box a command asks the window to show.
enum class MessageKind {
    None,         // the casting went through
    Information,  // caption "提示", information icon, OK
    Plain,        // the application's title as caption, no icon, OK
    Error,        // the application's standard error box
};

struct CommandOutcome {
    MessageKind kind = MessageKind::None;
    std::string message;  // GBK

    friend bool operator==(const CommandOutcome&, const CommandOutcome&) = default;
};

struct ClockTime {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};

// The computer's local clock.
ClockTime LocalClock();

// Where the report goes: the window's read-only text view, line by line.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void Clear() = 0;
    virtual void AppendLine(const std::string& line) = 0;  // GBK
};

// A report kept as lines, for use without a window.
class ReportLines final : public ReportSink {
public:
    void Clear() override { lines.clear(); }
    void AppendLine(const std::string& line) override { lines.push_back(line); }

    std::vector<std::string> lines;
};

class CastingEngine {
public:
    // `calendar` holds the casting date, `report` receives the report;
    // `clock` is read by 时分起卦.
    CastingEngine(DateHolder& calendar, ReportSink& report, std::function<ClockTime()> clock = LocalClock);

    CastingRecord record;
    MomentFacts facts;
    Person person;
    Moment moment;

    // The steps every casting runs, in this order after its method's rule.
    void N9Click();  // 时间: the moment's facts; throws ConvertError
    void N4Click();  // 本卦
    void N5Click();  // 互卦
    void N6Click();  // 变卦
    void N7Click();  // 错卦
    void N8Click();  // 综卦
    void N11Click();  // 运行: writes the report

    CommandOutcome CastTraditional();  // 传统起卦
    CommandOutcome CastByClock();      // 时分起卦
    CommandOutcome CastByStems();      // 天干起卦
    CommandOutcome CastByBranches();   // 地支起卦
    CommandOutcome CastByQuestion(std::string_view question);    // 问话: strokes of the question
    CommandOutcome CastByCharacter(std::string_view character);  // 单字: strokes of one character
    CommandOutcome CastByName();                                 // 姓名: strokes of person.name
    // 自定: trigram numbers 1..8 and line 1..6 as picked from the lists.
    CommandOutcome CastManually(int upper, int lower, int movingLine);
    CommandOutcome CastByNumber(std::string_view number);  // 报数: digits of a number

    // What the page buttons do to the report view.
    void ClearReport() { report_.Clear(); }

private:
    // Runs `command`, turning a conversion error into the error box; the
    // command returns its own outcome when a check fails.
    CommandOutcome Run(const std::function<CommandOutcome()>& command);
    // The rest of every casting: zero rules, method text, the five
    // hexagrams and the report.
    CommandOutcome Complete(CastNumbers numbers, const char* methodText);
    // The strokes of each two-byte unit of a text.
    static std::vector<int> StrokesOfUnits(std::string_view text);

    DateHolder& calendar_;
    ReportSink& report_;
    std::function<ClockTime()> clock_;
};

}  // namespace casting
