#include "entry_of_casting.h"

#include <optional>
#include <stdexcept>

#include "calendar/calendar_rule.h"
#include "reading/reading.h"
#include "reading/reading_layout.h"
#include "text/gbk_utf8.h"

namespace journal {
namespace {

// The record frames each hexagram name in spaces.
std::string Unframed(const std::string& gbk) {
    const auto first = gbk.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text::Utf8FromGbk(std::string_view(gbk).substr(first, gbk.find_last_not_of(' ') + 1 - first));
}

std::optional<std::string> ReadingOf(const FinishedCasting& casting) {
    try {
        std::string lines;
        for (const std::string& line :
             reading::ReadingLines(reading::ComputeReading(reading::ReadingInputOf(casting.record, casting.facts)))) {
            if (!lines.empty()) lines += '\n';
            lines += line;
        }
        return text::Utf8FromGbk(lines);
    } catch (const std::invalid_argument&) {
        return std::nullopt;  // a moment with no month pillar to weigh the body against has no reading
    }
}

}  // namespace

JournalEntry EntryOfCasting(const FinishedCasting& casting) {
    JournalEntry entry;
    entry.name = text::Utf8FromGbk(casting.person.name);
    entry.sex = text::Utf8FromGbk(casting.person.sex);
    entry.age = text::Utf8FromGbk(casting.person.age);
    entry.year = casting.moment.year;
    entry.month = casting.moment.month;
    entry.day = casting.moment.day;
    entry.hour = casting.moment.hour;
    // The minute the casting itself read, not a second look at the clock.
    entry.minute = casting.record.Clock ? casting.record.Clock->minute : 0;
    entry.method = text::Utf8FromGbk(casting.record.MethodText);
    entry.question = text::Utf8FromGbk(casting.inputs.text);
    entry.manualUpper = casting.inputs.manualUpper;
    entry.manualLower = casting.inputs.manualLower;
    entry.manualLine = casting.inputs.manualLine;
    for (int role = 0; role < HexagramRoleCount; ++role) {
        entry.hexagrams[role] = Unframed(casting.record.HexagramNames(role + 1));
    }
    entry.movingLine = casting.record.MovingLine;
    entry.report = casting.report;
    entry.castAt = casting.castAt;
    entry.calendarRule = calendar::CalendarRuleName(casting.moment.rule);
    entry.reading = ReadingOf(casting);
    return entry;
}

}  // namespace journal
