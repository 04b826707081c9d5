#include "calendar/astronomical_calendar.h"

#include <array>
#include <chrono>
#include <cmath>
#include <iterator>
#include <limits>

#include "calendar/solar_terms.h"

namespace calendar {
namespace {

using std::chrono::year;

// A row of the table: a Gregorian year's term and new-moon moments, in
// minutes from date-time 0 (1899-12-30 00:00) on Beijing's clock of the day
// (mean time before 1929, UTC+8 after), rounded down.
struct YearRow {
    std::int32_t year;
    std::int32_t terms[kSolarTermCount];
    std::int32_t newMoonCount;  // [12, 13]
    std::int32_t newMoons[13];
};

constexpr YearRow kRows[] = {
#include "data/astronomical_calendar.inc"
};
constexpr int kFirstRowYear = 1899;
constexpr int kRowCount = static_cast<int>(std::size(kRows));  // 203: 1899..2101
constexpr int kWinterSolstice = kSolarTermCount - 1;            // 冬至, 270°

constexpr std::int32_t kMinutesPerDay = 1440;
// The day a moment falls on, rounding down before 1899-12-30 too.
constexpr std::int32_t dayOf(std::int32_t minutes) {
    return minutes / kMinutesPerDay - (minutes % kMinutesPerDay < 0 ? 1 : 0);
}

// Major terms (中气) sit at multiples of 30°: 大寒 300° is term 1, and every
// second term after it.
constexpr bool isMajorTerm(int term) { return term % 2 == 1; }

constexpr int countNewMoons() {
    int count = 0;
    for (const YearRow& row : kRows) count += row.newMoonCount;
    return count;
}
constexpr int kNewMoonCount = countNewMoons();  // [2510, 2511]

constexpr bool rowsInOrder() {
    for (int i = 0; i < kRowCount; ++i) {
        const YearRow& row = kRows[i];
        if (row.year != kFirstRowYear + i || row.newMoonCount < 12 || row.newMoonCount > 13) return false;
        for (int t = 1; t < kSolarTermCount; ++t) {
            if (row.terms[t] <= row.terms[t - 1]) return false;
        }
    }
    return true;
}
static_assert(rowsInOrder(), "one row a year from 1899, terms in order, 12 or 13 new moons");

// Every new-moon day of the table, in order, and for each the month it
// begins: whether a major term falls in it, and then its place in the year.
struct NewMoonMonths {
    std::array<std::int32_t, kNewMoonCount> firstDay{};
    std::array<bool, kNewMoonCount> hasMajorTerm{};
    std::array<AstronomicalMonth, kNewMoonCount> month{};
    int firstNumbered = 0;  // the month holding the winter solstice of 1899
    int endNumbered = 0;    // the month holding that of 2101
    bool valid = true;      // months of 29 or 30 days, a leap month wherever 13 months run
};

constexpr NewMoonMonths buildMonths() {
    NewMoonMonths m;
    int n = 0;
    for (const YearRow& row : kRows) {
        for (int i = 0; i < row.newMoonCount; ++i) m.firstDay[n++] = dayOf(row.newMoons[i]);
    }
    for (int k = 1; k < kNewMoonCount; ++k) {
        const int length = m.firstDay[k] - m.firstDay[k - 1];
        m.valid &= length == 29 || length == 30;
    }

    // Walk terms and months together: both are in order. `holding[y]` is the
    // month holding the winter solstice of year 1899 + y.
    std::array<int, kRowCount> holding{};
    int k = 0;
    for (int y = 0; y < kRowCount; ++y) {
        for (int t = 0; t < kSolarTermCount; ++t) {
            const std::int32_t day = dayOf(kRows[y].terms[t]);
            while (k + 1 < kNewMoonCount && m.firstDay[k + 1] <= day) ++k;
            if (m.firstDay[k] > day) continue;  // before the first new moon of the table
            if (isMajorTerm(t)) m.hasMajorTerm[k] = true;
            if (t == kWinterSolstice) holding[y] = k;
        }
    }

    // Number the months from each month 11 to the next.
    for (int y = 1; y < kRowCount; ++y) {
        const int from = holding[y - 1], to = holding[y];
        const bool leapYear = to - from == 13;
        bool leapPlaced = false;
        int number = 11;
        for (int j = from; j < to; ++j) {
            bool isLeap = false;
            if (j > from) {
                isLeap = leapYear && !leapPlaced && !m.hasMajorTerm[j];
                leapPlaced |= isLeap;
                if (!isLeap) number = number % 12 + 1;
            }
            const int lunarYear = kFirstRowYear + y - (number >= 11 ? 1 : 0);
            m.month[j] = {m.firstDay[j], static_cast<std::int16_t>(lunarYear), static_cast<std::int8_t>(number), isLeap};
        }
        m.valid &= (to - from == 12 || to - from == 13) && leapPlaced == leapYear && number == 10;
    }
    m.firstNumbered = holding.front();
    m.endNumbered = holding.back();
    return m;
}

constexpr NewMoonMonths kMonths = buildMonths();
static_assert(kMonths.valid, "the table's months must number as a calendar");

constexpr int kFirstMonth = kMonths.firstNumbered;
constexpr int kMonthCount = kMonths.endNumbered - kFirstMonth;

constexpr std::int32_t kFirstDay = DateTimeOf(year{1900} / 1 / 31);  // 32
constexpr std::int32_t kEndDay = DateTimeOf(year{2101} / 1 / 1);     // 73416
static_assert(kMonths.firstDay[kFirstMonth] <= kFirstDay && kEndDay <= kMonths.firstDay[kMonths.endNumbered]);

// Lookups by blocks of 29 days, the shortest month: a block holds at most
// one month's first day, so the month of its first day or the next one
// holds any day of it. `kBlockMonth[b]` is the month, counted from
// kFirstMonth, of the first day of block b.
constexpr std::int32_t kBlockDays = 29;
constexpr std::int32_t kBlockOrigin = kMonths.firstDay[kFirstMonth];
constexpr int kBlockCount = (kEndDay - kBlockOrigin) / kBlockDays + 1;

constexpr std::array<std::int16_t, kBlockCount> buildBlocks() {
    std::array<std::int16_t, kBlockCount> blocks{};
    int month = 0;
    for (int b = 0; b < kBlockCount; ++b) {
        while (month + 1 < kMonthCount && kMonths.firstDay[kFirstMonth + month + 1] <= kBlockOrigin + b * kBlockDays)
            ++month;
        blocks[b] = static_cast<std::int16_t>(month);
    }
    return blocks;
}
constexpr std::array<std::int16_t, kBlockCount> kBlockMonth = buildBlocks();

// Lunar years by their 正月: its position in kMonths and the year's leap
// month, for 1900..2100 and the 正月 of 2101 that ends the last of them.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
constexpr int kYearCount = kLastYear - kFirstYear + 1;

struct YearMonths {
    std::int16_t first = 0;
    std::int8_t leapMonth = 0;
};

constexpr std::array<YearMonths, kYearCount + 1> buildYears() {
    std::array<YearMonths, kYearCount + 1> years{};
    for (int k = kFirstMonth; k < kMonths.endNumbered; ++k) {
        const AstronomicalMonth& month = kMonths.month[k];
        if (month.year < kFirstYear || month.year > kLastYear + 1) continue;
        YearMonths& y = years[month.year - kFirstYear];
        if (month.number == 1 && !month.isLeap) y.first = static_cast<std::int16_t>(k);
        if (month.isLeap) y.leapMonth = month.number;
    }
    return years;
}
constexpr std::array<YearMonths, kYearCount + 1> kYears = buildYears();

constexpr bool yearsComplete() {
    for (int y = 0; y < kYearCount; ++y) {
        if (kYears[y + 1].first - kYears[y].first != 12 + (kYears[y].leapMonth != 0)) return false;
    }
    return kMonths.firstDay[kYears.front().first] == kFirstDay;
}
static_assert(yearsComplete(), "lunar 1900..2100 of 12 or 13 months, lunar 1900 beginning where the table's does");

constexpr bool isLunarYear(int year) { return year >= kFirstYear && year <= kLastYear; }

}  // namespace

std::span<const AstronomicalMonth> AstronomicalMonths() {
    return std::span<const AstronomicalMonth>(kMonths.month).subspan(kFirstMonth, kMonthCount);
}

LunarDate AstronomicalLunarDate(DateTime date) {
    if (!(date >= kFirstDay && date < kEndDay)) return {};  // NaN fails both tests
    const auto day = static_cast<std::int32_t>(date);       // [32, 73415]
    const std::int32_t offset = day - kBlockOrigin;
    int k = kFirstMonth + kBlockMonth[offset / kBlockDays];
    if (day >= kMonths.firstDay[k + 1]) ++k;  // k + 1 <= endNumbered: kEndDay lies before it
    const AstronomicalMonth& month = kMonths.month[k];
    return {month.year, month.number, day - month.firstDay + 1, month.isLeap};
}

DateTime AstronomicalTermMoment(int year, int term) {
    if (year < kFirstRowYear || year >= kFirstRowYear + kRowCount || term < 0 || term >= kSolarTermCount)
        return std::numeric_limits<double>::quiet_NaN();
    return kRows[year - kFirstRowYear].terms[term] / static_cast<double>(kMinutesPerDay);
}

DateTime AstronomicalNewMoonOn(DateTime date) {
    const auto civil = CivilDateOf(date);
    const int year = civil ? static_cast<int>(civil->year()) : 0;
    if (year < kFirstRowYear || year >= kFirstRowYear + kRowCount) return std::numeric_limits<double>::quiet_NaN();
    const YearRow& row = kRows[year - kFirstRowYear];
    for (int i = 0; i < row.newMoonCount; ++i) {
        if (dayOf(row.newMoons[i]) == std::floor(date)) return row.newMoons[i] / static_cast<double>(kMinutesPerDay);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

int AstronomicalLeapMonthOf(int year) { return isLunarYear(year) ? kYears[year - kFirstYear].leapMonth : 0; }

int AstronomicalMonthDays(int year, int month, bool isLeap) {
    if (!isLunarYear(year) || month < 1 || month > 12) return 0;
    const YearMonths& months = kYears[year - kFirstYear];
    if (isLeap && month != months.leapMonth) return 0;
    // The leap month sits right after the month it repeats.
    const int k = months.first + month - 1 + (months.leapMonth != 0 && (month > months.leapMonth || isLeap));
    return kMonths.firstDay[k + 1] - kMonths.firstDay[k];
}

int AstronomicalYearDays(int year) {
    if (!isLunarYear(year)) return 0;
    return kMonths.firstDay[kYears[year - kFirstYear + 1].first] - kMonths.firstDay[kYears[year - kFirstYear].first];
}

}  // namespace calendar
