// The moment a casting is cast from: the clock reading as entered, turned
// back from summer time and carried to true solar time when asked. Each
// correction is a number of seconds added to the reading, listed so the
// reading page and the journal can say what was done.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace moment {

// A wall clock's reading, to the second.
struct ClockReading {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;

    friend bool operator==(const ClockReading&, const ClockReading&) = default;
};

// "YYYY-MM-DD HH:MM:SS".
std::string ClockText(const ClockReading& reading);

// The clock of China, which a typed longitude is read in.
inline constexpr char kBeijingZone[] = "Asia/Shanghai";
inline constexpr double kWestmostLongitude = -180;
inline constexpr double kEastmostLongitude = 180;

struct MomentOptions {
    bool trueSolarTime = false;
    std::optional<double> longitude;  // degrees, east positive: the meridian true solar time is reckoned on
    std::string zone = kBeijingZone;  // the tz database zone whose clock was read
    std::string placeName;            // GBK, as the place list names it; empty for a typed longitude
    bool summerTime = false;          // turn a reading inside summer time back to standard time

    bool AnyOn() const { return trueSolarTime || summerTime; }
};

enum class CorrectionKind { SummerTime, Longitude, EquationOfTime };

// "summer_time", "longitude" and "equation_of_time": the keys the JSON and
// the journal write.
const char* CorrectionKey(CorrectionKind kind);

struct Correction {
    CorrectionKind kind;
    long seconds;  // added to the clock reading

    friend bool operator==(const Correction&, const Correction&) = default;
};

struct CorrectedMoment {
    ClockReading castFrom;
    std::vector<Correction> corrections;  // in the order they were applied; none with every option off
    std::vector<std::string> warnings;    // UTF-8
};

// Why a clock reading cannot be corrected, in UTF-8.
struct MomentRefusal {
    std::string message;
};

// The moment `clock` (a day that exists) is cast from under `options`. With
// every option off it is the reading itself, with a warning when the reading
// falls in summer time. Refused: true solar time without a longitude, a
// longitude outside −180..180, a zone the system does not know, and, with
// summer time turned back, a reading the clocks jumped over.
std::variant<CorrectedMoment, MomentRefusal> CorrectClock(const ClockReading& clock, const MomentOptions& options);

}  // namespace moment
