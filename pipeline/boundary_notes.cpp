#include "boundary_notes.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "calendar/astronomical_calendar.h"
#include "calendar/solar_terms.h"
#include "casting_road.h"

namespace pipeline {
namespace {

using namespace std::chrono;

constexpr long kMinutesPerDay = 1440;
constexpr int kSpringTerm = 2;  // 立春, the 节 of February

// Minutes from date-time 0 (1899-12-30 00:00) to a clock reading, its
// seconds dropped as the casting drops them.
long MinutesOf(const moment::ClockReading& at) {
    const year_month_day day{year{at.year}, month{static_cast<unsigned>(at.month)},
                             std::chrono::day{static_cast<unsigned>(at.day)}};
    return static_cast<long>(calendar::DateTimeOf(sys_days{day})) * kMinutesPerDay + at.hour * 60 + at.minute;
}

moment::ClockReading ClockAt(long minutes) {
    const long day = minutes / kMinutesPerDay, ofDay = minutes % kMinutesPerDay;
    const auto date = calendar::CivilDateOf(static_cast<calendar::DateTime>(day));
    if (!date) return {};
    return {static_cast<int>(date->year()), calendar::MonthOf(*date), calendar::DayOf(*date),
            static_cast<int>(ofDay / 60), static_cast<int>(ofDay % 60), 0};
}

// A calendar moment in whole seconds, so a table moment a hair off its
// minute still lands on it.
long long SecondsOf(calendar::DateTime moment) { return std::llround(moment * kMinutesPerDay * 60); }

// Whole minutes at or after, and at or before, a moment in seconds. Every
// moment here lies after date-time 0, so division rounds down.
long CeilMinute(long long seconds) { return static_cast<long>((seconds + 59) / 60); }
long FloorMinute(long long seconds) { return static_cast<long>(seconds / 60); }

class NoteMaker {
public:
    NoteMaker(const Casting& c, const moment::CorrectedMoment& castFrom)
        : casting_(c), castFrom_(castFrom), at_(MinutesOf(castFrom.castFrom)) {}

    // A note for a boundary at `moment` (seconds from date-time 0) when the
    // casting lies within kNearMinutes of it, its other side cast at the
    // nearest whole minute across.
    void Near(BoundaryKind kind, long long moment, std::string termName = {}) {
        if (std::llabs(Distance(moment)) > kNearMinutes * 60) return;
        moment::CorrectedMoment other = castFrom_;
        other.castFrom = ClockAt(Distance(moment) > 0 ? CeilMinute(moment) : CeilMinute(moment) - 1);
        Add(kind, moment, casting_, other, std::move(termName), std::nullopt);
    }

    // What `rule` makes of the same moment, on the day of 立春 at `spring`.
    void SpringDay(long long spring, calendar::PillarBoundary rule) {
        Casting other = casting_;
        other.conventions.pillarBoundary = rule;
        Add(BoundaryKind::SpringDay, spring, other, castFrom_, {}, rule);
    }

    long at() const { return at_; }
    std::vector<BoundaryNote> notes;

private:
    long long Distance(long long moment) const { return moment - static_cast<long long>(at_) * 60; }

    void Add(BoundaryKind kind, long long moment, const Casting& c, const moment::CorrectedMoment& castFrom,
             std::string termName, std::optional<calendar::PillarBoundary> rule) {
        const std::optional<CastValues> aside = CastAside(c, castFrom);
        if (!aside) return;
        notes.push_back({kind, std::move(termName), ClockAt(FloorMinute(moment)), std::lround(Distance(moment) / 60.0),
                         rule, {aside->facts, aside->hexagrams[0].name, aside->hexagrams[2].name}});
    }

    const Casting& casting_;
    const moment::CorrectedMoment& castFrom_;
    long at_;
};

// The boundaries a quarter hour either side of `at` (minutes) can reach:
// the double hour's turn, a 节, a new moon.
void NearInsideTheHour(NoteMaker& maker, const Casting& c, long at) {
    // The double hours change at the odd hours, the day at 0:00. The
    // nearest hour's turn is the only one a quarter hour can reach.
    const long hourTurn = (at + 30) / 60 * 60;
    const long hour = hourTurn % kMinutesPerDay / 60;
    if (hour % 2 == 1 || hour == 0) {
        const BoundaryKind kind = hour == 0 ? BoundaryKind::Midnight : hour == 23 ? BoundaryKind::ZiStart
                                                                                  : BoundaryKind::DoubleHour;
        maker.Near(kind, static_cast<long long>(hourTurn) * 60);
    }

    // A 节 falls early in its Gregorian month, so the months of the quarter
    // hours either side hold every 节 near.
    const long edges[] = {at - kNearMinutes, at + kNearMinutes};
    int lastMonth = 0;
    for (const long edge : edges) {
        const moment::ClockReading day = ClockAt(edge);
        if (day.month == lastMonth) continue;
        lastMonth = day.month;
        const int term = 2 * (day.month - 1);
        const calendar::DateTime moment = calendar::SolarTermMoment(day.year, term, c.rule);
        const BoundaryKind kind = term == kSpringTerm ? BoundaryKind::Spring : BoundaryKind::Term;
        maker.Near(kind, SecondsOf(moment), calendar::SolarTermName(std::floor(moment), c.rule));
    }

    // The built-in table holds no new-moon times.
    if (c.rule == calendar::CalendarRule::Astronomical) {
        calendar::DateTime lastNewMoon = std::numeric_limits<double>::quiet_NaN();
        for (const long edge : edges) {
            const auto day = static_cast<calendar::DateTime>(edge / kMinutesPerDay);
            const calendar::DateTime newMoon = calendar::AstronomicalNewMoonOn(day);
            if (std::isnan(newMoon) || newMoon == lastNewMoon) continue;
            lastNewMoon = newMoon;
            maker.Near(BoundaryKind::NewMoon, SecondsOf(newMoon));
        }
    }
}

}  // namespace

const char* BoundaryKey(BoundaryKind kind) {
    switch (kind) {
        case BoundaryKind::DoubleHour: return "double_hour";
        case BoundaryKind::ZiStart: return "zi_start";
        case BoundaryKind::Midnight: return "midnight";
        case BoundaryKind::Term: return "jie";
        case BoundaryKind::Spring: return "lichun";
        case BoundaryKind::NewMoon: return "new_moon";
        case BoundaryKind::SpringDay: return "lichun_day";
    }
    return "";
}

std::vector<BoundaryNote> BoundaryNotes(const Casting& c, const moment::CorrectedMoment& castFrom) {
    NoteMaker maker(c, castFrom);
    const long at = maker.at();
    // An hour without its minute is no nearer one end of it than the other.
    if (c.minuteKnown) NearInsideTheHour(maker, c, at);

    // The day whose pillars the casting has: the next one in a 子 hour the
    // next-day rule moves.
    const bool nextDay = c.conventions.zi == casting::ZiHour::NextDay && castFrom.castFrom.hour == 23;
    const long pillarDay = at - at % kMinutesPerDay + (nextDay ? kMinutesPerDay : 0);
    const calendar::DateTime spring = calendar::SolarTermMoment(ClockAt(pillarDay).year, kSpringTerm, c.rule);
    const bool springDay = FloorMinute(SecondsOf(std::floor(spring))) == pillarDay;
    if (springDay && c.conventions.pillarBoundary == calendar::PillarBoundary::Mixed) {
        for (const auto rule : {calendar::PillarBoundary::Day, calendar::PillarBoundary::Moment}) {
            maker.SpringDay(SecondsOf(spring), rule);
        }
    }
    return std::move(maker.notes);
}

}  // namespace pipeline
