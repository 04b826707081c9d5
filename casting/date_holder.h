// Where a casting keeps its date: the moment-facts step writes the date and
// reads it back, and from then on uses what the holder kept.
#pragma once

#include "calendar/date_time.h"

namespace casting {

class DateHolder {
public:
    virtual ~DateHolder() = default;
    // Takes the day of `date`; a date whose year lies outside 1900..2100 is
    // refused and the previous date kept.
    virtual void SetDate(calendar::DateTime date) = 0;
    virtual calendar::DateTime Date() const = 0;
};

// The engine's own holder, for use without the calendar control.
class PlainDateHolder final : public DateHolder {
public:
    explicit PlainDateHolder(calendar::DateTime date) : date_(date) {}
    void SetDate(calendar::DateTime date) override;
    calendar::DateTime Date() const override { return date_; }

private:
    calendar::DateTime date_;
};

}  // namespace casting
