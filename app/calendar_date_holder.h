// The casting's date kept in the window's calendar control: a casting moves
// the calendar to its day and reads back what the calendar kept.
#pragma once

#include "calendar_control/nong_calendar.h"
#include "casting/date_holder.h"

class CalendarDateHolder final : public casting::DateHolder {
public:
    explicit CalendarDateHolder(TNongCalendar& calendar) : calendar_(calendar) {}
    void SetDate(calendar::DateTime date) override { calendar_.SetDate(date); }
    calendar::DateTime Date() const override { return calendar_.Date(); }

private:
    TNongCalendar& calendar_;
};
