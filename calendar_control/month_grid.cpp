#include "month_grid.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "calendar/calendar_names.h"
#include "calendar/date_rule.h"
#include "calendar/festival_text.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"
#include "calendar/week_number.h"
#include "qt_text/gbk_qt.h"

using namespace std::chrono;

int MonthsOf(CalendarArrow arrow) {
    constexpr int kMonthsPerYear = 12;
    switch (arrow) {
        case CalendarArrow::PrevYear: return -kMonthsPerYear;
        case CalendarArrow::PrevMonth: return -1;
        case CalendarArrow::NextMonth: return 1;
        case CalendarArrow::NextYear: return kMonthsPerYear;
    }
    return 0;
}

const char* HintOf(CalendarArrow arrow) {
    switch (arrow) {
        case CalendarArrow::PrevYear: return "上一年";
        case CalendarArrow::PrevMonth: return "上一月";
        case CalendarArrow::NextMonth: return "下一月";
        case CalendarArrow::NextYear: return "下一年";
    }
    return "";
}

MonthGrid::MonthGrid(DateTime day) { Select(calendar::ClampedToYears(day)); }

bool MonthGrid::Select(DateTime date) {
    const auto day = calendar::AcceptedDay(date);
    if (!day || *day == date_) return false;
    date_ = *day;
    const year_month_day civil = *calendar::CivilDateOf(date_);
    year_ = static_cast<int>(civil.year());
    month_ = calendar::MonthOf(civil);
    day_ = calendar::DayOf(civil);
    ComputeFirstGridDate();
    return true;
}

void MonthGrid::SetUseISO8601(bool on) {
    useISO8601_ = on;
    ComputeFirstGridDate();
}

void MonthGrid::ComputeFirstGridDate() {
    const sys_days first{year{year_} / month_ / 1};
    const weekday wd{first};
    int w = useISO8601_ ? static_cast<int>(wd.iso_encoding()) : static_cast<int>(wd.c_encoding()) + 1;
    if (w == 1) w = 8;
    firstGridDate_ = calendar::DateTimeOf(first) + 1 - w;
}

MonthGrid::Cell MonthGrid::CellOfDate(DateTime date) const {
    constexpr double kFarthestCell = 1e6;
    double distance = std::fabs(date - firstGridDate_);
    if (!(distance <= kFarthestCell)) distance = kFarthestCell;
    const auto n = static_cast<int>(distance);
    return {n % kColumns, n / kColumns};
}

bool MonthGrid::InShownMonth(DateTime date) const {
    const auto civil = calendar::CivilDateOf(date);
    return civil && calendar::MonthOf(*civil) == month_;
}

std::optional<calendar::DateTime> MonthGrid::MonthsAway(int months) const {
    const year_month target = year{year_} / month_ + std::chrono::months{months};
    if (!target.ok()) return std::nullopt;
    const unsigned lastDay = static_cast<unsigned>((target / last).day());
    return calendar::DateTimeOf(sys_days{target / day{std::min<unsigned>(day_, lastDay)}});
}

calendar::DateTime MonthGrid::InYear(int newYear) const {
    const year_month target = year{std::clamp(newYear, calendar::kFirstYear, calendar::kLastYear)} / month_;
    const unsigned lastDay = static_cast<unsigned>((target / last).day());
    return calendar::DateTimeOf(sys_days{target / day{std::min<unsigned>(day_, lastDay)}});
}

calendar::DateTime MonthGrid::MonthStart() const { return calendar::DateTimeOf(sys_days{year{year_} / month_ / 1}); }
calendar::DateTime MonthGrid::MonthEnd() const { return calendar::DateTimeOf(sys_days{year{year_} / month_ / last}); }

std::string MonthGrid::DayHintText(DateTime date, const calendar::TFestivalList& festivals) const {
    const auto civil = calendar::CivilDateOf(date);
    if (!civil) return {};
    const int y = static_cast<int>(civil->year()), m = calendar::MonthOf(*civil), d = calendar::DayOf(*civil);

    char gregorian[64];
    std::snprintf(gregorian, sizeof gregorian, "%04d年%d月%d日 ", y, m, d);
    const std::string weekday = GbkFromQString(QLocale().dayName(QDate(y, m, d).dayOfWeek(), QLocale::LongFormat));
    std::string text = std::string("公元= ") + gregorian + weekday + "  第" +
                       std::to_string(calendar::WeekNumber(date, useISO8601_)) + "周";

    // Days outside the lunar table, or before the sexagenary count begins,
    // keep their labels with nothing after them.
    text += "\n农历= ";
    if (const calendar::LunarDate lunar = calendar::SolarToLunar(date, rule_); lunar.day != 0) {
        text += calendar::ChineseYearText(lunar.year) + calendar::LunarMonthName(lunar.month, lunar.isLeap) +
                calendar::LunarDayName(lunar.day);
    }
    text += "\n干支= ";
    if (const auto cycle = calendar::CycleIndicesOf(date, rule_)) {
        text += calendar::GanZhiName(cycle->yearIndex) + "(" + calendar::AnimalName(cycle->yearIndex) + ")年" +
                calendar::GanZhiName(cycle->monthIndex) + "月" + calendar::GanZhiName(cycle->dayIndex) + "日";
    }
    if (const std::string festivalText = calendar::FestivalText(festivals, date, rule_); !festivalText.empty()) {
        text += "\n节日= " + festivalText;
    }
    return text;
}
