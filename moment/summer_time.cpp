#include "summer_time.h"

#include <date/tz.h>

namespace moment {
namespace {

using namespace std::chrono;

// The standard offset in force with `info`. The system's compiled zone
// files mark summer time but do not say by how much it moves the clock (the
// library then gives `save` as a flag), so the offset is read from the
// nearest period before it that is not summer time.
seconds StandardOffset(const date::time_zone& zone, date::sys_info info) {
    // Bounded: a zone never keeps summer time through many changes in a row.
    for (int step = 0; step < 16 && info.save != minutes{0}; ++step) info = zone.get_info(info.begin - seconds{1});
    return info.offset;
}

ZoneReading ReadingOf(const date::time_zone& zone, const date::sys_info& info, ZoneReading::Kind kind) {
    const seconds standard = info.save == minutes{0} ? info.offset : StandardOffset(zone, info);
    return {kind, standard, info.offset - standard};
}

// The zone of `zoneName`. The last one found is kept: a batch reads the
// same zone line after line, and finding it by name among the database's
// six hundred cost more than reading the clock in it. The database is
// loaded once and never reloaded, so a zone found stays where it is.
const date::time_zone* ZoneNamed(const std::string& zoneName) {
    thread_local std::string lastName;
    thread_local const date::time_zone* last = nullptr;
    if (last == nullptr || zoneName != lastName) {
        last = date::locate_zone(zoneName);
        lastName = zoneName;
    }
    return last;
}

}  // namespace

ZoneReading ReadInZone(const std::string& zoneName, local_seconds clock) {
    const date::time_zone* zone = ZoneNamed(zoneName);
    const date::local_info info = zone->get_info(date::local_seconds{clock.time_since_epoch()});
    switch (info.result) {
        case date::local_info::nonexistent:
            return ReadingOf(*zone, info.second, ZoneReading::Kind::Skipped);
        case date::local_info::ambiguous:
            return ReadingOf(*zone, info.first, ZoneReading::Kind::Doubled);
        default:
            return ReadingOf(*zone, info.first, ZoneReading::Kind::Once);
    }
}

}  // namespace moment
