// Which moments a casting can be cast at. The window's engine and the
// command line's request check both ask here, so the two refuse the same
// moments; each words a refusal its own way, the window in Chinese
// (FaultText), the command line in English.
#pragma once

#include <string>

#include "moment_facts.h"

namespace casting {

// The hours of the clock; any other has no 时辰 and no place in a day.
inline constexpr int kFirstHour = 0;
inline constexpr int kLastHour = 23;

enum class MomentFault {
    None,
    HourOutOfRange,          // an hour outside kFirstHour..kLastHour
    DayOutsideCalendar,      // a day outside 1900-01-01..2100-12-31
    NextDayOutsideCalendar,  // hour 23 of 2100-12-31: its 子 hour belongs to a day past the calendar
    NoLunarDate,             // a day before the lunar table (1900-01-31), for a method that counts lunar month and day
};

// The fault of a moment, its hour first. A day that does not exist is none
// here: ComputeMomentFacts names it.
MomentFault FaultOf(const Moment& moment);

// FaultOf for the methods that count the lunar month and day, which the
// day cast must have.
MomentFault LunarFaultOf(const Moment& moment);

// The window's message for a fault, GBK; empty for None.
std::string FaultText(MomentFault fault);

}  // namespace casting
