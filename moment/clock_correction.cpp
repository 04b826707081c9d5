#include "clock_correction.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <stdexcept>

#include "equation_of_time.h"
#include "messages/catalog.h"
#include "summer_time.h"

namespace moment {
namespace {

using namespace std::chrono;

local_seconds LocalOf(const ClockReading& r) {
    return local_days{year{r.year} / r.month / r.day} + hours{r.hour} + minutes{r.minute} + seconds{r.second};
}

ClockReading ReadingOf(local_seconds moment) {
    const local_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss time{moment - day};
    return {static_cast<int>(date.year()),           static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
}

// "YYYY-MM-DD HH:MM", the reading as a person types it.
std::string MinuteText(const ClockReading& r) { return ClockText(r).substr(0, 16); }

std::string HourText(seconds offset) {
    const long minutesOf = static_cast<long>(offset.count() / 60);
    return minutesOf % 60 == 0 ? std::to_string(minutesOf / 60) + "小时" : std::to_string(minutesOf) + "分钟";
}

}  // namespace

std::string ClockText(const ClockReading& r) {
    // printf's "%04d-%02d-%02d %02d:%02d:%02d" by hand: a batch writes
    // several of these a line, and printf's parsing of its format cost more
    // than the casting's hexagrams. Written into a buffer wide enough for
    // six ints and their separators, then copied out once.
    char text[6 * 12];
    char* out = text;
    const auto padded = [&out](int value, long width) {
        char digits[12];
        char* const end = std::to_chars(digits, digits + sizeof digits, std::abs(static_cast<long>(value))).ptr;
        if (value < 0) *out++ = '-';  // the sign counts in the width, the zeros come after it
        for (long length = (end - digits) + (value < 0); length < width; ++length) *out++ = '0';
        for (const char* digit = digits; digit != end; ++digit) *out++ = *digit;
    };
    padded(r.year, 4);
    for (const auto& [separator, value] : {std::pair{'-', r.month}, {'-', r.day}, {' ', r.hour}, {':', r.minute},
                                           {':', r.second}}) {
        *out++ = separator;
        padded(value, 2);
    }
    return std::string(text, out);
}

const char* CorrectionKey(CorrectionKind kind) {
    switch (kind) {
        case CorrectionKind::SummerTime: return "summer_time";
        case CorrectionKind::Longitude: return "longitude";
        case CorrectionKind::EquationOfTime: return "equation_of_time";
    }
    return "";
}

std::variant<CorrectedMoment, MomentRefusal> CorrectClock(const ClockReading& clock, const MomentOptions& options) {
    if (options.trueSolarTime && !options.longitude) return MomentRefusal{"真太阳时须有经度或地点"};
    if (options.longitude && !(*options.longitude >= kWestmostLongitude && *options.longitude <= kEastmostLongitude)) {
        return MomentRefusal{"经度须在-180到180之间"};
    }
    const local_seconds entered = LocalOf(clock);
    ZoneReading zone;
    try {
        zone = ReadInZone(options.zone, entered);
    } catch (const std::runtime_error&) {
        return MomentRefusal{"不认识时区 " + options.zone};
    }

    CorrectedMoment corrected;
    // Written only for a warning: most readings have none.
    const auto reading = [&clock] { return "时钟读数 " + MinuteText(clock); };
    seconds shift{0};
    if (zone.kind == ZoneReading::Kind::Skipped) {
        // The refusal is printed in the command line's language; the
        // warning goes into JSON and the journal, which keep the words as written.
        constexpr char kSkipped[] = N_("时钟读数 %s 从未出现：%s 的钟表在此拨快，跳过了这段时间");
        if (options.summerTime) {
            return MomentRefusal{
                messages::Formatted(messages::Translated(kSkipped), MinuteText(clock).c_str(), options.zone.c_str())};
        }
        corrected.warnings.push_back(messages::Formatted(kSkipped, MinuteText(clock).c_str(), options.zone.c_str()) +
                                     "，按标准时间起卦");
    } else if (zone.summerOffset != seconds{0}) {
        corrected.warnings.push_back(reading() + " 在夏令时内（" + options.zone + " 拨快" + HourText(zone.summerOffset) +
                                     (options.summerTime ? "），已拨回标准时间" : "），未拨回标准时间"));
        if (options.summerTime) {
            shift -= zone.summerOffset;
            corrected.corrections.push_back({CorrectionKind::SummerTime, static_cast<long>(-zone.summerOffset.count())});
        }
    }
    if (zone.kind == ZoneReading::Kind::Doubled && options.summerTime) {
        corrected.warnings.push_back(reading() + " 出现过两次：" + options.zone + " 的钟表在此拨回，按第一次起卦");
    }

    if (options.trueSolarTime) {
        // The clock read as standard time, the universal time it names, and
        // the mean solar time of the meridian.
        const sys_seconds universal{(entered + shift - zone.standardOffset).time_since_epoch()};
        const long longitude = std::lround(*options.longitude * 240) - static_cast<long>(zone.standardOffset.count());
        const long equation = std::lround(EquationOfTimeSeconds(universal));
        corrected.corrections.push_back({CorrectionKind::Longitude, longitude});
        corrected.corrections.push_back({CorrectionKind::EquationOfTime, equation});
        shift += seconds{longitude + equation};
    }
    corrected.castFrom = ReadingOf(entered + shift);
    return corrected;
}

}  // namespace moment
