#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "calendar/festival_list.h"
#include "calendar/festival_text.h"
#include "calendar/lunar_conversion.h"
#include "dates.h"
#include "gbk.h"

namespace {

using calendar::Festival;
using calendar::FestivalLines;
using calendar::SortedStringList;
using calendar::TFestivalList;
using calendar_test::at;
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
    EXPECT_EQ(textsOf(lines), (std::vector<std::string>{"0101=x", "A=1", "a=1", "b=2", "B=2", "c"}));
    EXPECT_EQ(lines[5].value, 7);
    EXPECT_EQ(lines.IndexOf("C"), 5u);
    EXPECT_EQ(lines.IndexOfName("b"), 3u);
    EXPECT_EQ(lines.IndexOfName("c"), std::nullopt) << "a line without = has no name";
    EXPECT_EQ(lines.IndexOfName("0101="), std::nullopt);
    EXPECT_EQ(lines.IndexOfName("010"), std::nullopt);
    lines.Delete(0);
    lines.Delete(99);
    EXPECT_EQ(lines.Count(), 5u);
}

TEST(SortedStringList, NeverFoldsTheSecondByteOfACharacter) {
    // 丄 is 81 41 and 乤 81 61: their second bytes are 'A' and 'a'.
    ASSERT_EQ(gbk("丄"), "\x81\x41");
    ASSERT_EQ(gbk("乤"), "\x81\x61");
    SortedStringList lines;
    lines.Add(gbk("1=乤"));
    lines.Add(gbk("1=丄"));
    EXPECT_EQ(textsOf(lines), (std::vector<std::string>{"1=丄", "1=乤"}));
    EXPECT_EQ(lines.IndexOf(gbk("1=乤")), 1u);
    EXPECT_LT(calendar::CompareText("Ab", "aC"), 0);
    EXPECT_EQ(calendar::CompareText("Ab", "aB"), 0);
}

TEST(TFestivalList, StartsWithTheBuiltInFestivals) {
    const TFestivalList list;
    const struct {
        FestivalLines which;
        std::size_t count;
        std::int32_t colour;
        const char* first;
        const char* last;
    } rows[] = {
        {FestivalLines::SolarFestivals, 99, kRed, "0101=新年元旦", "1229=国际生物多样性日"},
        {FestivalLines::LunarFestivals, 13, kPurple, "0100=除夕", "1224=小年"},
        {FestivalLines::WeekFestivals, 12, kNavy, "0110=黑人日", "1144=感恩节"},
    };
    for (const auto& row : rows) {
        const SortedStringList& lines = list.Lines(row.which);
        ASSERT_EQ(lines.Count(), row.count);
        EXPECT_EQ(utf8(lines[0].text), row.first);
        EXPECT_EQ(utf8(lines[row.count - 1].text), row.last);
        for (const auto& line : lines) EXPECT_EQ(line.value, row.colour) << utf8(line.text);
    }
    for (auto marks : {FestivalLines::SolarMarks, FestivalLines::LunarMarks, FestivalLines::WeekMarks}) {
        EXPECT_EQ(list.Lines(marks).Count(), 0u);
    }
}

TEST(TFestivalList, AddFestivalReplacesTheLineOfItsKey) {
    TFestivalList list;
    EXPECT_TRUE(list.AddFestival(0, "0101", 255, gbk("  新年 \t")));
    EXPECT_EQ(list.SolarFestival(at(2024, 1, 1)), (Festival{gbk("新年"), 255}));
    EXPECT_EQ(list.Lines(FestivalLines::SolarFestivals).Count(), 99u);
    EXPECT_TRUE(list.AddFestival(2, "0520", 0x123456, "Mother"));
    EXPECT_EQ(list.WeekFestival(at(2023, 5, 14)), (Festival{"Mother", 0x123456}));
    EXPECT_TRUE(list.AddFestival(1, "0230", 9, "x"));
    EXPECT_EQ(list.Lines(FestivalLines::LunarFestivals).Count(), 14u);

    const TFestivalList before = list;
    EXPECT_FALSE(list.AddFestival(3, "0101", 1, "x"));
    EXPECT_FALSE(list.AddFestival(-1, "0101", 1, "x"));
    EXPECT_FALSE(list.AddFestival(0, "", 1, "x"));
    EXPECT_FALSE(list.AddFestival(0, "0101", 1, ""));
    EXPECT_EQ(list, before);
}

TEST(TFestivalList, AssignAndListWritesCopyLinesWithValues) {
    TFestivalList source;
    source.AddFestival(0, "0102", 42, "x");
    source.Lines(FestivalLines::WeekMarks).Add("0520", 5);
    TFestivalList target;
    target.AddFestival(0, "0103", 1, "y");
    target.Assign(source);
    EXPECT_EQ(target, source);
    EXPECT_EQ(target.WeekMark(at(2023, 5, 14)), 5);

    SortedStringList marks;
    marks.Add("0101", 3);
    target.Lines(FestivalLines::LunarMarks) = marks;
    EXPECT_EQ(target.LunarMark({2024, 1, 1, false}), 3);
    EXPECT_EQ(source.LunarMark({2024, 1, 1, false}), calendar::kNoMark);
}

TEST(FestivalText, JoinsTheFestivalsOfADay) {
    const TFestivalList list;
    const struct {
        calendar::DateTime date;
        const char* text;
        std::int32_t colour;
    } rows[] = {
        {at(2024, 2, 9), "除夕", kPurple},
        {at(2024, 2, 10), "春节 国际气象节", kPurple},
        {at(2024, 10, 1), "国际音乐日", kRed},
        {at(2023, 5, 14), "国际母亲节", kNavy},
        {at(2024, 5, 12), "国际护士节 国际母亲节", kRed},
        {at(2023, 6, 22), "端午节", kPurple},
        {at(2017, 10, 4), "中秋节 世界动物日 国际减轻自然灾害日(减灾日)", kPurple},
        {at(2023, 3, 23), "龙抬头节 世界气象日", kPurple},  // 2nd day of the leap 2nd month
        {at(1900, 1, 30), "除夕", kPurple},                  // before the table, eve of its first day
        {at(2024, 1, 28), "世界麻风日", kNavy},               // last Sunday of January
        {at(2024, 1, 7), "黑人日", kNavy},
        {at(2024, 2, 9, 18), "除夕", kPurple},
        {at(2024, 1, 2), "", -1},
        {at(2101, 1, 1), "新年元旦", kRed},
    };
    for (const auto& row : rows) {
        std::int32_t colour = 0;
        EXPECT_EQ(utf8(calendar::FestivalText(list, row.date, colour)), row.text) << row.date;
        EXPECT_EQ(colour, row.colour) << row.date;
        EXPECT_EQ(utf8(calendar::FestivalText(list, row.date)), row.text) << row.date;
    }
    for (double date : calendar_test::kNotADay) {
        std::int32_t colour = 0;
        EXPECT_EQ(calendar::FestivalText(list, date, colour), "") << date;
        EXPECT_EQ(colour, -1) << date;
        EXPECT_EQ(calendar::FestivalMark(list, date), calendar::kNoMark) << date;
    }
}

TEST(FestivalText, PutsTheEveOfEveryLunarMonthOnItsLastDay) {
    TFestivalList list;
    for (int month = 2; month <= 12; ++month) {
        list.AddFestival(1, std::string(month < 10 ? "0" : "") + std::to_string(month) + "00", 1, "eve");
    }
    int eves = 0;
    for (calendar::DateTime date = at(1900, 1, 31); date <= at(2100, 12, 31); ++date) {
        const calendar::LunarDate tomorrow = calendar::SolarToLunar(date + 1);
        const bool eve = tomorrow.day == 1 && !tomorrow.isLeap;
        const std::string text = calendar::FestivalText(list, date);
        ASSERT_EQ(text.starts_with("eve") || text.starts_with(gbk("除夕")), eve) << date;
        eves += eve;
    }
    EXPECT_EQ(eves, 12 * 201 - 1);  // 1900's first eve falls before the range
}

// Weekday festivals over every day of the range, against the calendar's own
// weekdays.
TEST(FestivalText, FindsWeekdayFestivalsInEveryYear) {
    using namespace std::chrono;
    const TFestivalList list;
    for (calendar::DateTime date = at(1900, 1, 1); date <= at(2100, 12, 31); ++date) {
        const year_month_day day = *calendar::CivilDateOf(date);
        const weekday wd{sys_days{day}};
        const unsigned d = static_cast<unsigned>(day.day());
        const unsigned lastDay = static_cast<unsigned>((day.year() / day.month() / last).day());
        const std::string text = utf8(calendar::FestivalText(list, date));
        const auto has = [&](const char* name) { return text.find(name) != std::string::npos; };
        ASSERT_EQ(has("世界麻风日"), day.month() == January && wd == Sunday && d + 7 > lastDay) << date;
        ASSERT_EQ(has("国际母亲节"), day.month() == May && wd == Sunday && d > 7 && d <= 14) << date;
        ASSERT_EQ(has("感恩节"), day.month() == November && wd == Thursday && d > 21 && d <= 28) << date;
        ASSERT_EQ(has("全国助残日"), day.month() == May && wd == Sunday && d > 14 && d <= 21) << date;
    }
}

TEST(TFestivalList, CountsWeeksFromTheMonthEnd) {
    const struct {
        calendar::DateTime date;
        int week;
    } rows[] = {
        {at(2024, 2, 29), 1}, {at(2024, 2, 23), 1}, {at(2024, 2, 22), 2}, {at(2024, 2, 1), 5},
        {at(2023, 2, 1), 4},  {at(2023, 2, 28), 1}, {at(2024, 1, 1), 5},  {at(2024, 4, 2), 5},
        {at(2024, 4, 3), 4},
    };
    for (const auto& row : rows) EXPECT_EQ(calendar::WeekFromMonthEnd(row.date), row.week) << row.date;
    for (double date : calendar_test::kNotADay) EXPECT_EQ(calendar::WeekFromMonthEnd(date), 0) << date;
}

TEST(FestivalMark, PrefersLunarThenSolarThenWeekdayMarks) {
    TFestivalList list;
    list.Lines(FestivalLines::LunarMarks).Add("0101", 1);        // 2024-02-10
    list.Lines(FestivalLines::SolarMarks).Add("0210", 2);
    list.Lines(FestivalLines::SolarMarks).Add("0211", -5);       // a negative mark is no mark
    list.Lines(FestivalLines::WeekMarks).Add("0220", 3);         // 2nd Sunday of February: 02-11
    list.Lines(FestivalLines::WeekMarks).Add("0270", 4);         // 3rd Sunday from the end: 02-11 too
    list.Lines(FestivalLines::SolarMarks).Add("0212=x", 6);      // only a whole-line key marks
    EXPECT_EQ(calendar::FestivalMark(list, at(2024, 2, 10)), 1);
    EXPECT_EQ(calendar::FestivalMark(list, at(2025, 2, 10)), 2);
    EXPECT_EQ(calendar::FestivalMark(list, at(2024, 2, 11)), 4);
    EXPECT_EQ(list.WeekMark(at(2024, 2, 11)), 4);
    EXPECT_EQ(calendar::FestivalMark(list, at(2024, 2, 12)), calendar::kNoMark);
    EXPECT_EQ(list.LunarMark({}), calendar::kNoMark);
    EXPECT_EQ(list.LunarMark({2024, 100, 1, false}), calendar::kNoMark);
}

}  // namespace
