#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "calendar/festival_list.h"
#include "calendar/festival_text.h"
#include "dates.h"
#include "gbk.h"

namespace {

using calendar::Festival;
using calendar::FestivalLines;
using calendar::SortedStringList;
using calendar::TFestivalList;
using testing_support::at;
using testing_support::gbk;
using testing_support::utf8;

constexpr std::int32_t kRed = 255, kPurple = 0x800080, kNavy = 0x800000;

std::vector<std::string> textsOf(const SortedStringList& lines) {
    std::vector<std::string> texts;
    for (const auto& line : lines) texts.push_back(utf8(line.text));
    return texts;
}

TEST(SortedStringList, KeepsCaseInsensitiveOrderAndDropsExactDuplicates) {
    SortedStringList lines;
    for (const char* text : {"b=2", "A=1", "a=1", "c", "B=2", "a=1", "0101=x"}) lines.Add(text, 7);
    lines.Add("c", 9);  // a duplicate keeps the first value
    // 丄 is 81 41 and 乤 81 61: second bytes in the letter range stay apart.
    lines.Add(gbk("d=乤"));
    lines.Add(gbk("d=丄"));
    EXPECT_EQ(textsOf(lines), (std::vector<std::string>{"0101=x", "A=1", "a=1", "b=2", "B=2", "c", "d=丄", "d=乤"}));
    EXPECT_EQ(lines[5].value, 7);
    EXPECT_EQ(lines.IndexOf("C"), 5u);
    EXPECT_EQ(lines.IndexOf(gbk("d=乤")), 7u);
    EXPECT_EQ(lines.IndexOfName("B"), 3u);
    for (const char* name : {"c", "0101=", "010", ""}) EXPECT_EQ(lines.IndexOfName(name), std::nullopt) << name;
}

// Texts of digits and signs are found by plain byte order, others by the
// folded order the lines are kept in: both must find what a scan finds, also
// after every kind of edit (the search reads numbers kept beside the lines,
// which must follow each change) and in copies and moves of the list.
TEST(SortedStringList, FindsWhatAScanFinds) {
    SortedStringList lines;
    const std::string withZero("01\0", 3);
    for (const std::string_view text : {"0101=a", "0101", "01", "0101=", "[", "_=x", "A=1", "a", "Z", "z=2", "@", "0",
                                        "1=", "0101=longer than eight", "01010101=x", "01010101", "0101=a"}) {
        lines.Add(std::string(text));
    }
    lines.Add(withZero);
    lines.Add(withZero + "=x");
    lines.Add(gbk("0102=丄"));
    lines.Add(gbk("乤=0"));
    const auto expectScanResults = [&](const SortedStringList& list, const char* stage) {
        const auto scan = [&](std::string_view text, bool byName) -> std::optional<std::size_t> {
            for (std::size_t i = 0; i < list.Count(); ++i) {
                const std::string_view line = list[i].text;
                const std::string_view name = line.substr(0, line.find('='));
                if (byName ? name.size() < line.size() && calendar::CompareText(name, text) == 0
                           : calendar::CompareText(line, text) == 0) {
                    return i;
                }
            }
            return std::nullopt;
        };
        for (const std::string_view text :
             {"0101", "0101=a", "01", "0", "1", "[", "_", "a", "A", "Z", "z", "@", "0102", "01010101",
              "0101=longer than eight", "0101=LONGER THAN EIGHT", "", "9", "=", "0101=", "01010", "zz"}) {
            EXPECT_EQ(list.IndexOf(text), scan(text, false)) << stage << ' ' << text;
            EXPECT_EQ(list.IndexOfName(text), scan(text, true)) << stage << ' ' << text;
        }
        for (const std::string& text : {withZero, gbk("乤")}) {
            EXPECT_EQ(list.IndexOf(text), scan(text, false)) << stage;
            EXPECT_EQ(list.IndexOfName(text), scan(text, true)) << stage;
        }
    };
    expectScanResults(lines, "added");
    for (const std::size_t index : {std::size_t{0}, lines.Count() / 2, lines.Count() - 1, lines.Count()}) {
        lines.Delete(index);
    }
    expectScanResults(lines, "deleted");
    SortedStringList copy = lines;
    lines.Delete(*lines.IndexOfName("0101"));
    copy.Add("01=9");
    expectScanResults(lines, "original after copying");
    expectScanResults(copy, "copy");
    lines = copy;
    expectScanResults(lines, "assigned");
    SortedStringList moved = std::move(copy);
    expectScanResults(moved, "moved");
    copy = std::move(moved);
    expectScanResults(copy, "moved back");
    lines.Clear();
    expectScanResults(lines, "cleared");
    lines.Add("0101=b");
    expectScanResults(lines, "refilled");
}

TEST(TFestivalList, StartsWithTheBuiltInFestivals) {
    const TFestivalList list;
    const struct {
        FestivalLines which;
        std::size_t count;
        std::int32_t colour;
    } rows[] = {{FestivalLines::SolarFestivals, 99, kRed},
                {FestivalLines::LunarFestivals, 13, kPurple},
                {FestivalLines::WeekFestivals, 12, kNavy},
                {FestivalLines::SolarMarks, 0, 0}};
    for (const auto& row : rows) {
        ASSERT_EQ(list.Lines(row.which).Count(), row.count);
        for (const auto& line : list.Lines(row.which)) EXPECT_EQ(line.value, row.colour) << utf8(line.text);
    }
}

TEST(TFestivalList, AddsReplacesCopiesAndRefuses) {
    TFestivalList list;
    EXPECT_TRUE(list.AddFestival(0, "0101", 255, gbk("\x7f  新年 \t\x7f")));
    EXPECT_EQ(list.SolarFestival(at(2024, 1, 1)), (Festival{gbk("新年"), 255}));
    EXPECT_EQ(list.Lines(FestivalLines::SolarFestivals).Count(), 99u);
    EXPECT_TRUE(list.AddFestival(2, "0520", 0x123456, "Mother"));
    EXPECT_EQ(list.WeekFestival(at(2023, 5, 14)), (Festival{"Mother", 0x123456}));

    const TFestivalList before = list;
    EXPECT_FALSE(list.AddFestival(3, "0101", 1, "x"));
    EXPECT_FALSE(list.AddFestival(-1, "0101", 1, "x"));
    EXPECT_FALSE(list.AddFestival(0, "", 1, "x"));
    EXPECT_FALSE(list.AddFestival(0, "0101", 1, ""));
    EXPECT_EQ(list, before);

    TFestivalList copy;
    copy.Assign(list);
    EXPECT_EQ(copy, list);
    SortedStringList marks;
    marks.Add("0101", 3);
    copy.Lines(FestivalLines::LunarMarks) = marks;
    EXPECT_EQ(copy.LunarMark({2024, 1, 1, false}), 3);
    EXPECT_EQ(list.LunarMark({2024, 1, 1, false}), calendar::kNoMark);
}

TEST(FestivalText, JoinsTheFestivalsOfADay) {
    const TFestivalList list;
    const struct {
        calendar::DateTime date;
        const char* text;
        std::int32_t colour;
    } rows[] = {
        {at(2024, 2, 9, 18), "除夕", kPurple},
        {at(2024, 2, 10), "春节 国际气象节", kPurple},
        {at(2024, 10, 1), "国际音乐日", kRed},
        {at(2023, 5, 14), "国际母亲节", kNavy},
        {at(2024, 5, 12), "国际护士节 国际母亲节", kRed},
        {at(2017, 10, 4), "中秋节 世界动物日 国际减轻自然灾害日(减灾日)", kPurple},
        {at(2023, 3, 23), "龙抬头节 世界气象日", kPurple},  // 2nd day of the leap 2nd month
        {at(1900, 1, 30), "除夕", kPurple},                 // before the table, eve of its first day
        {at(2024, 1, 28), "世界麻风日", kNavy},
        {at(2024, 1, 7), "黑人日", kNavy},
        {at(2024, 1, 2), "", -1},
        {at(2101, 1, 1), "新年元旦", kRed},
    };
    for (const auto& row : rows) {
        std::int32_t colour = 0;
        EXPECT_EQ(utf8(calendar::FestivalText(list, row.date, colour)), row.text) << row.date;
        EXPECT_EQ(colour, row.colour) << row.date;
    }
    for (double date : testing_support::kNotADay) {
        std::int32_t colour = 0;
        EXPECT_EQ(calendar::FestivalText(list, date, colour), "") << date;
        EXPECT_EQ(colour, -1) << date;
        EXPECT_EQ(calendar::FestivalMark(list, date) + calendar::WeekFromMonthEnd(date), -1) << date;
    }
}

// Every day of the range: an MM00 line stands exactly on the last day of
// each lunar month (not before a leap month), and the weekday lines on the
// weekdays they count from the start or the end of the month.
TEST(FestivalText, FindsEvesAndWeekdayFestivalsOnEveryDay) {
    using namespace std::chrono;
    TFestivalList list;
    for (const char* key : {"0200", "0300", "0400", "0500", "0600", "0700", "0800", "0900", "1000", "1100", "1200"}) {
        list.AddFestival(1, key, 1, gbk("除夕"));
    }
    int eves = 0;
    for (calendar::DateTime date = at(1900, 1, 31); date <= at(2100, 12, 31); ++date) {
        const calendar::LunarDate tomorrow = calendar::SolarToLunar(date + 1);
        const year_month_day day = *calendar::CivilDateOf(date);
        const weekday wd{sys_days{day}};
        const unsigned d = static_cast<unsigned>(day.day());
        const unsigned daysLeft = static_cast<unsigned>((day.year() / day.month() / last).day()) - d;
        const std::string text = utf8(calendar::FestivalText(list, date));
        const auto has = [&](const char* name) { return text.find(name) != std::string::npos; };
        const bool eve = tomorrow.day == 1 && !tomorrow.isLeap;
        ASSERT_EQ(has("除夕"), eve) << date;
        eves += eve;
        ASSERT_EQ(has("世界麻风日"), day.month() == January && wd == Sunday && daysLeft < 7) << date;
        ASSERT_EQ(has("国际母亲节"), day.month() == May && wd == Sunday && (d - 1) / 7 == 1) << date;
        ASSERT_EQ(has("感恩节"), day.month() == November && wd == Thursday && (d - 1) / 7 == 3) << date;
    }
    EXPECT_EQ(eves, 12 * 201 - 1);  // 1900's first eve falls before the range
}

TEST(FestivalMark, PrefersLunarThenSolarThenWeekdayMarks) {
    TFestivalList list;
    list.Lines(FestivalLines::LunarMarks).Add("0101", 1);  // 2024-02-10
    list.Lines(FestivalLines::SolarMarks).Add("0210", 2);
    list.Lines(FestivalLines::SolarMarks).Add("0211", -5);   // a negative mark is no mark
    list.Lines(FestivalLines::WeekMarks).Add("0220", 3);     // 2nd Sunday of February: 2024-02-11
    list.Lines(FestivalLines::WeekMarks).Add("0270", 4);     // 3rd Sunday from the end: the same day
    list.Lines(FestivalLines::SolarMarks).Add("0212=x", 6);  // only a whole-line key marks
    EXPECT_EQ(calendar::FestivalMark(list, at(2024, 2, 10)), 1);
    EXPECT_EQ(calendar::FestivalMark(list, at(2025, 2, 10)), 2);
    EXPECT_EQ(calendar::FestivalMark(list, at(2024, 2, 11)), 4);
    EXPECT_EQ(calendar::FestivalMark(list, at(2024, 2, 12)), calendar::kNoMark);
    EXPECT_EQ(list.LunarMark({2024, 100, 1, false}), calendar::kNoMark);
}

}  // namespace
