// The hint that follows the pointer over the calendar: it shows the facts of
// the day under the pointer, or the name of the arrow there, and keeps which
// cell it shows so that moving inside one cell does not rebuild it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "calendar/date_time.h"
#include "calendar_control/calendar_hint.h"
#include "calendar_control/calendar_layout.h"

class HoverHint {
public:
    // Creates the hint window hidden, owned by `calendar`.
    explicit HoverHint(QWidget* calendar) : window_(std::make_unique<TCalendarHint>(calendar)) {}

    TCalendarHint* Window() const { return window_.get(); }
    // The box of the cell whose facts the hint holds, in client coordinates.
    const TRect& CellRect() const { return cellRect_; }

    // The day `date` in the cell `box`: the hint shows again if it was hidden
    // with a text, and takes the day's facts (asked of `facts`) only when the
    // cell or the day in it changed.
    void ShowCell(const TRect& box, calendar::DateTime date, const std::function<std::string()>& facts);
    // The arrow's name (HintOf) as the calendar shows its texts.
    void ShowArrow(std::string name);
    // The facts of the day it holds are out of date (the calendar rule
    // changed): the next ShowCell takes them anew even for the same day.
    void ForgetFacts() { holdsCell_ = false; }
    void Hide() { window_->hide(); }

private:
    std::unique_ptr<TCalendarHint> window_;
    TRect cellRect_;
    calendar::DateTime date_ = 0;
    // The hint holds the facts of CellRect's cell (no arrow name since).
    bool holdsCell_ = false;
};
