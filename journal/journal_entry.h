// One casting as the journal keeps it. Every text is UTF-8: the journal is
// an edge like the window and the terminal, and GBK's trail bytes would let
// a byte-wise search match across characters. Callers convert with
// text/gbk_utf8.h.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace journal {

// The five hexagrams in the order the report names them.
enum HexagramRole { Primary, Nuclear, Changed, Opposite, Reversed, HexagramRoleCount };

struct JournalEntry {
    std::int64_t id = 0;  // given by the journal when recorded; 0 before

    // Who asked.
    std::string name;
    std::string sex;
    std::string age;  // as typed

    // The moment the casting is about, as entered.
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;

    // The method, and what it was given: the question, character or number
    // text, or the trigram numbers and line picked by hand (0 when unused).
    std::string method;
    std::string question;
    int manualUpper = 0, manualLower = 0, manualLine = 0;

    std::array<std::string, HexagramRoleCount> hexagrams;  // names, by HexagramRole
    int movingLine = 0;                                     // 1..6
    std::string report;                                     // lines joined by '\n'

    std::int64_t castAt = 0;  // seconds since 1970-01-01 UTC; 0 records the present moment
    std::string note;
    std::string calendarRule = "table";  // which rule placed the moment in the calendar
    std::optional<std::string> reading;

    // Where and when the casting was cast from, when the clock reading was
    // corrected (true solar time, summer time); absent otherwise. The place
    // is there for true solar time alone, its name "" for a typed longitude.
    std::optional<std::string> placeName;
    std::optional<double> longitude;  // degrees, east positive
    std::optional<std::string> zone;
    std::optional<std::string> corrections;  // JSON: [{"kind": "longitude", "seconds": -10562}, ...]
    std::optional<std::string> castFrom;     // "YYYY-MM-DD HH:MM:SS"
    // The conventions the casting was reckoned by, by their keys ("split",
    // "moment", ...); absent where a choice was at its default.
    std::optional<std::string> zi, pillarBoundary, yearNumber, strength;

    // Whether any convention was away from its default, for a mark in the
    // history.
    bool AwayFromDefaults() const { return zi || pillarBoundary || yearNumber || strength; }

    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

}  // namespace journal
