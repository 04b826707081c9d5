// The calendar's dates without a widget: cells and their dates both ways,
// the steps of the arrows and keys, and the date rule.
#include "calendar_control/month_grid.h"

#include <gtest/gtest.h>

#include "dates.h"

namespace {

using testing_support::at;

TEST(MonthGrid, EveryCellAndItsDateMapBothWays) {
    const struct {
        calendar::DateTime selected;
        bool iso;
        calendar::DateTime first;  // the first cell's date
    } grids[] = {
        {at(2010, 9, 13), false, at(2010, 8, 29)},  // 1 Sep is a Wednesday
        {at(2010, 9, 13), true, at(2010, 8, 30)},
        {at(2010, 8, 20), false, at(2010, 7, 25)},  // 1 Aug is a Sunday: a whole week leads
        {at(2010, 2, 1), true, at(2010, 1, 25)},    // 1 Feb is a Monday: a whole week leads
        {at(1900, 1, 1), false, at(1899, 12, 31)},
    };
    for (const auto& g : grids) {
        MonthGrid grid(g.selected);
        grid.SetUseISO8601(g.iso);
        ASSERT_EQ(grid.FirstGridDate(), g.first) << g.selected;
        for (int row = 0; row < MonthGrid::kRows; ++row) {
            for (int column = 0; column < MonthGrid::kColumns; ++column) {
                const calendar::DateTime date = grid.DateOfCell({column, row});
                EXPECT_EQ(date, g.first + column + 7 * row);
                EXPECT_EQ(grid.CellOfDate(date + 0.75), (MonthGrid::Cell{column, row})) << date;
            }
        }
        EXPECT_FALSE(grid.InShownMonth(g.first));
        EXPECT_TRUE(grid.InShownMonth(g.selected));
    }
}

TEST(MonthGrid, FarOffDatesLandOnAFarOffCellWithoutOverflow) {
    const MonthGrid grid(at(2010, 9, 13));
    for (double date : testing_support::kNotADay) {
        const MonthGrid::Cell cell = grid.CellOfDate(date);
        EXPECT_GE(cell.row, MonthGrid::kRows) << date;
        EXPECT_LE(cell.row, 1000000 / 7) << date;
    }
}

TEST(MonthGrid, StepsKeepTheDayWhereTheTargetMonthHasIt) {
    MonthGrid grid(at(2012, 3, 31));
    EXPECT_EQ(grid.MonthsAway(-1), at(2012, 2, 29));
    EXPECT_EQ(grid.MonthsAway(1), at(2012, 4, 30));
    EXPECT_EQ(grid.MonthsAway(-12), at(2011, 3, 31));
    EXPECT_EQ(grid.MonthsAway(10), at(2013, 1, 31));
    EXPECT_EQ(grid.MonthStart(), at(2012, 3, 1));
    EXPECT_EQ(grid.MonthEnd(), at(2012, 3, 31));
    ASSERT_TRUE(grid.Select(at(2012, 2, 29)));
    EXPECT_EQ(grid.InYear(2013), at(2013, 2, 28));
    EXPECT_EQ(grid.InYear(1800), at(1900, 2, 28)) << "the year is clamped first";
    EXPECT_EQ(grid.InYear(3000), at(2100, 2, 28));
}

TEST(MonthGrid, SelectionKeepsToTheDateRule) {
    MonthGrid grid(at(2300, 1, 1));
    EXPECT_EQ(grid.Date(), at(2100, 12, 31)) << "a start outside the years is clamped";
    const struct {
        calendar::DateTime date;
        bool accepted;
        calendar::DateTime kept;
    } rows[] = {
        {at(2010, 9, 13, 17, 30), true, at(2010, 9, 13)},
        {at(2010, 9, 13, 8), false, at(2010, 9, 13)},  // the selected day again
        {at(1900, 1, 1), true, at(1900, 1, 1)},
        {at(1899, 12, 31, 23, 59), false, at(1900, 1, 1)},
        {at(2101, 1, 1), false, at(1900, 1, 1)},
        {testing_support::kNotADay[0], false, at(1900, 1, 1)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(grid.Select(row.date), row.accepted) << row.date;
        EXPECT_EQ(grid.Date(), row.kept) << row.date;
    }
    EXPECT_EQ(grid.Year() * 10000 + grid.Month() * 100 + grid.Day(), 19000101);
}

}  // namespace
