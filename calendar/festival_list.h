// `TFestivalList`: the six editable lists of solar, lunar and weekday
// festivals and marks that the calendar shows on its days.
//
// Festival lines read KEY=text with a colour (0x00BBGGRR) beside them; mark
// lines are a bare KEY with a mark value beside them. Keys are four digits:
//   MMDD  month and day; in the lunar lists day 00 is the last day of the
//         month before MM ("0100" is New Year's Eve). A leap month counts as
//         the month it repeats.
//   MMWD  month, week W and weekday D (0 Sunday … 6 Saturday). W 1..5 counts
//         that weekday from the start of the month, W 5..9 from its end (5 is
//         the last such weekday, 6 the one before, …); the fifth from the
//         start is always the last, so both readings of 5 agree.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/date_time.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sorted_string_list.h"

namespace calendar {

// The lists in their published order; the first three are the festival
// kinds 0, 1 and 2 of `AddFestival`.
enum class FestivalLines : std::size_t {
    SolarFestivals,
    LunarFestivals,
    WeekFestivals,
    SolarMarks,
    LunarMarks,
    WeekMarks,
};

// A festival found for a day: its text and colour; empty text and colour -1
// when there is none.
struct Festival {
    std::string text;
    std::int32_t colour = -1;

    friend bool operator==(const Festival&, const Festival&) = default;
};

// A festival found for a day without copying it: its text views the line
// in the list and lasts until the list changes.
struct FestivalView {
    std::string_view text;
    std::int32_t colour = -1;
};

inline constexpr std::int32_t kNoMark = -1;

// A four-digit key held in place; empty, a key no lookup matches, when either
// of its numbers does not fit in two digits.
class FestivalKey {
public:
    FestivalKey() = default;
    // Defined here so that a key built and copied in one function stays in
    // registers: bytes stored one by one and read back as a whole stall.
    FestivalKey(int high, int low) {
        if (high < 0 || high > 99 || low < 0 || low > 99) return;
        digits_ = {static_cast<char>('0' + high / 10), static_cast<char>('0' + high % 10),
                   static_cast<char>('0' + low / 10), static_cast<char>('0' + low % 10)};
        size_ = digits_.size();
    }
    std::string_view View() const { return {digits_.data(), size_}; }

private:
    std::array<char, 4> digits_{};
    std::size_t size_ = 0;
};

// The Gregorian keys of a day, worked out once for every list it is looked
// up in: MMDD, and MMWD counted from the start and from the end of the
// month. All empty for a value that names no day.
struct DayKeys {
    explicit DayKeys(DateTime date);

    FestivalKey solar;
    std::array<FestivalKey, 2> week;
};

class TFestivalList {
public:
    // The built-in festivals: solar lines in red, lunar in purple, weekday in
    // navy; no marks.
    TFestivalList();

    // Replaces every list with a copy of the corresponding list of `source`,
    // lines and values.
    void Assign(const TFestivalList& source) { lists_ = source.lists_; }

    // The owned lists themselves: edits go straight into them, and assigning
    // one copies the given lines and values.
    SortedStringList& Lines(FestivalLines which) { return lists_[static_cast<std::size_t>(which)]; }
    const SortedStringList& Lines(FestivalLines which) const { return lists_[static_cast<std::size_t>(which)]; }

    // Puts KEY=text (text trimmed of blanks and control characters) into the
    // festival list of `kind` (0 solar, 1 lunar, 2 weekday) in place of the
    // first line named `key`. Refuses (false, nothing changed) another kind,
    // an empty key or an empty text.
    bool AddFestival(int kind, std::string_view key, std::int32_t colour, std::string_view text);

    Festival SolarFestival(DateTime date) const;
    // The leap flag plays no part: a leap month has the festivals of the
    // month it repeats.
    Festival LunarFestival(const LunarDate& date) const;
    // The MMWD line counted from the month's end wins over the one counted
    // from its start.
    Festival WeekFestival(DateTime date) const;

    // The same lookups on keys worked out once, without copying.
    FestivalView SolarFestivalView(const DayKeys& day) const;
    FestivalView LunarFestivalView(const LunarDate& date) const;
    FestivalView WeekFestivalView(const DayKeys& day) const;

    // Mark values, kNoMark when no mark line is the day's key.
    std::int32_t SolarMark(DateTime date) const { return SolarMark(DayKeys(date)); }
    std::int32_t SolarMark(const DayKeys& day) const;
    std::int32_t LunarMark(const LunarDate& date) const;
    std::int32_t WeekMark(DateTime date) const { return WeekMark(DayKeys(date)); }
    std::int32_t WeekMark(const DayKeys& day) const;

    friend bool operator==(const TFestivalList&, const TFestivalList&) = default;

private:
    std::array<SortedStringList, 6> lists_;
};

// `WeekFromMonthEnd`: 1 for the last seven days of the date's month, 2 for
// the seven before them, … up to 5; 0 for a value that names no day.
int WeekFromMonthEnd(DateTime date);

}  // namespace calendar
