#include "entry_of_casting.h"

#include <type_traits>

#include "calendar/calendar_rule.h"
#include "reading_text.h"
#include "text/gbk_utf8.h"

namespace pipeline {
namespace {

std::string JoinedUtf8(const std::vector<std::string>& gbkLines) {
    std::string joined;
    for (const std::string& line : gbkLines) {
        if (!joined.empty()) joined += '\n';
        joined += line;
    }
    return text::Utf8FromGbk(joined);
}

}  // namespace

journal::JournalEntry EntryOfCasting(const Casting& casting, const CastValues& values) {
    journal::JournalEntry entry;
    entry.name = text::Utf8FromGbk(casting.name);
    entry.sex = text::Utf8FromGbk(casting.sex);
    entry.age = text::Utf8FromGbk(casting.age);
    entry.year = casting.year;
    entry.month = casting.month;
    entry.day = casting.day;
    entry.hour = casting.hour;
    // The minute the casting itself read, not a second look at the clock.
    // A corrected casting read the moment cast from, which castFrom keeps;
    // the minute beside the hour is then the reading's as entered.
    const bool corrected = !values.moment.corrections.empty();
    entry.minute = corrected ? casting.minute : values.record.Clock ? values.record.Clock->minute : 0;
    entry.method = text::Utf8FromGbk(values.record.MethodText);
    entry.question = text::Utf8FromGbk(casting.text);
    entry.manualUpper = casting.upper;
    entry.manualLower = casting.lower;
    entry.manualLine = casting.line;
    for (int role = 0; role < journal::HexagramRoleCount; ++role) {
        entry.hexagrams[role] = text::Utf8FromGbk(values.hexagrams[role].name);
    }
    entry.movingLine = values.record.MovingLine;
    entry.report = JoinedUtf8(values.report);
    entry.castAt = casting.castAt;
    entry.calendarRule = calendar::CalendarRuleName(casting.rule);
    // Without the boundary notes: the choices kept beside it cast them
    // again, and a casting at the defaults keeps the reading it always had.
    const std::vector<std::string> readingText =
        ReadingText(values.reading, values.chart, OpeningText(casting, values, {}));
    if (!readingText.empty()) entry.reading = JoinedUtf8(readingText);

    std::optional<std::string>* choices[] = {&entry.zi, &entry.pillarBoundary, &entry.yearNumber, &entry.strength};
    std::optional<std::string>** choice = choices;
    casting::VisitChoices(casting.conventions, [&choice](auto value) {
        if (value != decltype(value){}) **choice = casting::KeyOf(value);  // each default is its enum's first
        ++choice;
    });
    const moment::CorrectedMoment& castFrom = values.moment;
    if (castFrom.corrections.empty()) return entry;
    const moment::MomentOptions& options = casting.momentOptions;
    if (options.trueSolarTime) {
        entry.placeName = text::Utf8FromGbk(options.placeName);
        entry.longitude = options.longitude;
        entry.zone = options.zone;
    }
    std::string corrections;
    for (const moment::Correction& correction : castFrom.corrections) {
        corrections += (corrections.empty() ? "[" : ",") + std::string(R"({"kind":")") +
                       moment::CorrectionKey(correction.kind) + R"(","seconds":)" + std::to_string(correction.seconds) +
                       "}";
    }
    entry.corrections = corrections + "]";
    entry.castFrom = moment::ClockText(castFrom.castFrom);
    return entry;
}

casting::Conventions ConventionsOf(const journal::JournalEntry& entry) {
    casting::Conventions conventions;
    const std::optional<std::string>* kept[] = {&entry.zi, &entry.pillarBoundary, &entry.yearNumber, &entry.strength};
    const std::optional<std::string>* const* choice = kept;
    casting::VisitChoices(conventions, [&choice](auto& value) {
        if (**choice) value = casting::ChoiceNamed<std::remove_reference_t<decltype(value)>>(***choice).value_or(value);
        ++choice;
    });
    return conventions;
}

}  // namespace pipeline
