// What one casting asks for, as typed on the command line or keyed in a
// batch line, and the check that turns it into a casting the engine can
// run. Requests are UTF-8; a checked casting holds GBK, as the engine does.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calendar/calendar_rule.h"
#include "casting/conventions.h"
#include "moment/clock_correction.h"

namespace pipeline {

enum class Method { Traditional, Clock, Stems, Branches, Name, Question, Character, Manual, Number };

// What a method reads besides the person and the moment.
enum class MethodInput { None, Text, Trigrams, Clock };

struct MethodName {
    Method method;
    const char* key;      // as given to --method
    const char* caption;  // the window's button, UTF-8
    MethodInput input;
};

inline constexpr std::array<MethodName, 9> kMethods{{
    {Method::Traditional, "traditional", "传统起卦", MethodInput::None},
    {Method::Clock, "clock", "时分起卦", MethodInput::Clock},
    {Method::Stems, "stems", "天干起卦", MethodInput::None},
    {Method::Branches, "branches", "地支起卦", MethodInput::None},
    {Method::Name, "name", "姓名起卦", MethodInput::None},
    {Method::Question, "question", "问话起卦", MethodInput::Text},
    {Method::Character, "character", "单字起卦", MethodInput::Text},
    {Method::Manual, "manual", "自定起卦", MethodInput::Trigrams},
    {Method::Number, "number", "报数起卦", MethodInput::Text},
}};

const MethodName& NameOf(Method method);

// The fields of a request as given, each absent until given.
struct CastRequest {
    std::optional<std::string> name, sex, age, date, method, text, calendar;
    std::optional<std::string> place;  // a name from the place list, for true solar time instead of a longitude
    std::optional<std::string> zi, pillarBoundary, yearNumber, strength;  // the conventions, by their keys
    std::optional<long long> hour, minute, upper, lower, line;
    std::optional<double> longitude;  // degrees, east positive, for true solar time
    bool trueSolarTime = false;       // cast from true solar time at the longitude
    bool summerTime = false;          // turn a clock reading inside summer time back to standard time
    bool record = false;              // keep the casting in the journal
};

// The request's fields by key: the long options without their dashes and
// the keys of a batch line, so both take the same names.
struct TextField {
    const char* key;
    std::optional<std::string> CastRequest::*value;
    const char* help;
};
struct NumberField {
    const char* key;
    std::optional<long long> CastRequest::*value;
    const char* help;
};
extern const std::array<TextField, 12> kTextFields;
extern const std::array<NumberField, 5> kNumberFields;

// A date as typed: YYYY-MM-DD, the month and day with one or two digits.
// The fields are not checked to name a day (2011-02-30 parses).
struct DateFields {
    int year, month, day;
};
std::optional<DateFields> ParseDate(std::string_view text);

// The local time an omitted date, hour or minute takes.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};
LocalTime LocalNow();

// A checked request. Texts are GBK; numbers a method does not read are 0.
struct Casting {
    Method method = Method::Traditional;
    std::string name, sex, age;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    // Whether `minute` is the clock's, given or read, rather than the 0 an
    // hour alone stands for: only then can a casting be near a boundary
    // inside its hour.
    bool minuteKnown = false;
    std::string text;  // the question, the character or the number
    int upper = 0, lower = 0, line = 0;
    bool record = false;
    calendar::CalendarRule rule = calendar::CalendarRule::Table;
    std::int64_t castAt = 0;  // seconds since 1970-01-01 UTC as the journal keeps it; 0 for the present moment
    // How the clock reading above becomes the moment cast from; all off
    // casts from the reading as it is.
    moment::MomentOptions momentOptions;
    casting::Conventions conventions = {};  // how the moment's facts and strength are reckoned
};

// The clock reading a casting was entered at, to the minute.
moment::ClockReading ClockOf(const Casting& casting);

// Why a request casts nothing, in UTF-8.
struct Refusal {
    std::string message;
};

// Checks `request`, filling what it omits from `now`: an omitted minute is
// now's for the clock method, and for a corrected casting whose hour is
// omitted too; else 0. A date that is no day
// at all (2011-02-30) passes, so the engine refuses it with the window's
// own message.
std::variant<Casting, Refusal> Check(const CastRequest& request, const LocalTime& now);

}  // namespace pipeline
