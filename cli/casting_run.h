// Runs a checked casting through the casting engine, as the window would
// run it right after start, reads it, and gives what it produced in UTF-8.
// Every call into the engines is here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cast_request.h"
#include "journal/journal_entry.h"

namespace cli {

struct Hexagram {
    std::string name;
    std::array<int, 6> lines{};  // 1 yang, 0 yin; the bottom line first
};

// The reading of the primary hexagram, its texts in UTF-8.
struct ReadingResult {
    int body = 0, use = 0;  // trigram numbers
    bool useIsUpper = false;
    struct Relation {
        std::string heading;  // 用卦, 上互卦, 下互卦, 变卦
        int trigram = 0;
        std::string element;  // 木 火 土 金 水
        std::string word;     // 比和, 用生体, 互克体, ...
    };
    std::array<Relation, 4> relations;
    std::string verdict;
    std::string monthElement, strength;  // 旺 相 休 囚 死
    struct Text {
        std::string name, judgment;
    };
    Text primary, changed;
    std::string movingLabel, movingText;  // the primary's statement of the moving line
};

struct CastResult {
    std::string methodText;  // as the report names the method
    std::string lunarDate;   // the names only, as the moment's facts hold it
    int lunarMonth = 0, lunarDay = 0;
    std::array<std::string, 4> pillars;  // year, month, day, hour
    std::array<Hexagram, 5> hexagrams;   // primary, nuclear, changed, opposite, reversed
    int upper = 0, lower = 0, movingLine = 0;
    std::vector<std::string> report;  // the thirteen lines
    // None where the moment has no month pillar to weigh the body against.
    std::optional<ReadingResult> reading;
    // What the journal keeps of the casting, made only when it is recorded.
    std::optional<journal::JournalEntry> journalEntry;
};

// The engine's refusals carry the window's own message texts.
std::variant<CastResult, Refusal> RunCasting(const Casting& casting);

struct CastDone {
    Casting casting;
    CastResult result;
};

// Checks a request and casts it: the one road of every casting.
std::variant<CastDone, Refusal> CastRequested(const CastRequest& request, const LocalTime& now);

}  // namespace cli
