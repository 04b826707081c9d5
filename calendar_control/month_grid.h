// The calendar control's dates, kept apart from its widget: the selected day
// under the date rule, the month grid it shows (six weeks from the first
// grid date), the mapping between the grid's cells and their dates, the
// steps the arrows and keys take, and the texts of the hint.
#pragma once

#include <optional>
#include <string>

#include "calendar/calendar_rule.h"
#include "calendar/date_time.h"
#include "calendar/festival_list.h"

// The four arrows of the title band, in their order from the left.
enum class CalendarArrow { PrevYear, PrevMonth, NextMonth, NextYear };

// How many months an arrow steps (negative: back).
int MonthsOf(CalendarArrow arrow);
// The arrow's name as the hint shows it (GBK).
const char* HintOf(CalendarArrow arrow);

class MonthGrid {
public:
    using DateTime = calendar::DateTime;

    static constexpr int kColumns = 7;
    static constexpr int kRows = 6;

    // A cell by column (0..6) and row counted from the grid's first row.
    struct Cell {
        int column = 0;
        int row = 0;
        friend bool operator==(const Cell&, const Cell&) = default;
    };

    // Selects `day`, brought inside 1900..2100 first.
    explicit MonthGrid(DateTime day);

    // The selected date, always a whole day, and its parts.
    DateTime Date() const { return date_; }
    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }

    // Selects the day of `date`. A date outside 1900..2100 or the selected
    // day again changes nothing and gives false.
    bool Select(DateTime date);

    // The calendar the hint's lunar date, pillars and festivals follow.
    calendar::CalendarRule Rule() const { return rule_; }
    void SetRule(calendar::CalendarRule rule) { rule_ = rule; }

    // Column 0 is Sunday, or Monday with UseISO8601.
    bool UseISO8601() const { return useISO8601_; }
    void SetUseISO8601(bool on);

    DateTime FirstGridDate() const { return firstGridDate_; }
    // The date of the first cell: the weekday of column 0 on or before the
    // day before the 1st of the month, so one to seven days of the previous
    // month lead the grid.
    void ComputeFirstGridDate();

    DateTime DateOfCell(Cell cell) const { return firstGridDate_ + cell.column + kColumns * cell.row; }
    // The cell of a date counted from the first grid date. Far-off (or
    // non-numeric) dates land on a far-off cell instead of overflowing; only
    // cells of the grid are ever asked for.
    Cell CellOfDate(DateTime date) const;
    // The weekday number shown in a column: 0 Sunday .. 6 Saturday, or with
    // UseISO8601 1 Monday .. 7 Sunday.
    int WeekdayOfColumn(int column) const { return column + (useISO8601_ ? 1 : 0); }
    // Whether `date` lies in the selected month (not a trailing day).
    bool InShownMonth(DateTime date) const;

    // Where the steps lead from the selected date; selecting the result may
    // still be refused by the date rule. A month step keeps the day, shortened
    // to the target month's last day where needed.
    std::optional<DateTime> MonthsAway(int months) const;
    // The selected month and day in `year`, the year clamped to 1900..2100.
    DateTime InYear(int year) const;
    DateTime MonthStart() const;
    DateTime MonthEnd() const;

    // The hint's facts of a day: Gregorian date with weekday and week number,
    // lunar date, sexagenary year, month and day, and, when the day has
    // festivals in `festivals`, their text; labelled lines joined by line
    // feeds (GBK).
    std::string DayHintText(DateTime date, const calendar::TFestivalList& festivals) const;

private:
    DateTime date_ = 0;
    int year_ = 0, month_ = 0, day_ = 0;
    bool useISO8601_ = false;
    calendar::CalendarRule rule_ = calendar::CalendarRule::Table;
    DateTime firstGridDate_ = 0;
};
