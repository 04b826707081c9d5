// Moments checked by hand: 惊蛰 2024 at 10:22 and the new moon at 06:59 on
// 2024-02-10 in the sky, 立春 2024 at 14:39 by the built-in terms.
#include <gtest/gtest.h>

#include "gbk.h"
#include "cast_or_fail.h"
#include "pipeline/moment_text.h"

namespace {

using testing_support::utf8;

// A negative minute leaves it untyped.
pipeline::CastDone Cast(const char* date, int hour, int minute, const char* calendar = "table",
                        const char* pillarBoundary = "mixed", const char* zi = "next-day") {
    pipeline::CastRequest request;
    request.date = date;
    request.calendar = calendar;
    request.zi = zi;
    request.pillarBoundary = pillarBoundary;
    request.hour = hour;
    if (minute >= 0) request.minute = minute;
    return CastOrFail(request);
}

struct Note {
    const char *kind, *moment;
    long minutes;
    const char* pillars;  // the other side's
};

TEST(BoundaryNotes, NameTheBoundaryItsDistanceAndTheOtherSide) {
    const struct {
        pipeline::CastDone done;
        std::vector<Note> notes;
    } cases[] = {
        // Ten minutes before 惊蛰: under moment its month is still 丙寅.
        {Cast("2024-03-05", 10, 12, "astronomical", "moment"), {{"jie", "2024-03-05 10:22", 10, "甲辰丁卯戊辰丁巳"}}},
        // 23:05 under next-day: 22:59 is still the day's own 亥 hour.
        {Cast("2010-09-13", 23, 5), {{"zi_start", "2010-09-13 23:00", -5, "庚寅乙酉丙寅己亥"}}},
        {Cast("2010-09-14", 0, 10, "table", "mixed", "midnight"),
         {{"midnight", "2010-09-14 00:00", -10, "庚寅乙酉丙寅戊子"}}},
        {Cast("2010-09-13", 12, 50), {{"double_hour", "2010-09-13 13:00", 10, "庚寅乙酉丙寅乙未"}}},
        // An hour typed without its minute is near neither end of it.
        {Cast("2010-09-13", 13, -1), {}},
        // The new moon beside the 辰 hour's start; the table has no new moons.
        {Cast("2024-02-10", 7, 5, "astronomical"),
         {{"double_hour", "2024-02-10 07:00", -5, "甲辰丙寅甲辰丁卯"},
          {"new_moon", "2024-02-10 06:59", -6, "甲辰丙寅甲辰丁卯"}}},
        {Cast("2024-02-10", 7, 20, "astronomical"), {}},
        // 立春's day under mixed, far from its moment: what day and moment give.
        {Cast("2024-02-04", 12, 0),
         {{"lichun_day", "2024-02-04 14:39", 159, "甲辰丙寅戊戌戊午"},
          {"lichun_day", "2024-02-04 14:39", 159, "癸卯乙丑戊戌戊午"}}},
        {Cast("2024-02-04", 12, -1),
         {{"lichun_day", "2024-02-04 14:39", 159, "甲辰丙寅戊戌戊午"},
          {"lichun_day", "2024-02-04 14:39", 159, "癸卯乙丑戊戌戊午"}}},
        {Cast("2024-02-04", 12, 0, "table", "day"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(moment::ClockText(c.done.values.moment.castFrom));
        const auto& notes = c.done.values.boundaries;
        ASSERT_EQ(notes.size(), c.notes.size());
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const casting::MomentFacts& f = notes[i].other.facts;
            EXPECT_STREQ(pipeline::BoundaryKey(notes[i].kind), c.notes[i].kind);
            EXPECT_EQ(moment::ClockText(notes[i].moment).substr(0, 16), c.notes[i].moment);
            EXPECT_EQ(notes[i].minutes, c.notes[i].minutes);
            const std::string pillars = f.YearPillarText + f.MonthPillarText + f.DayPillarText + f.HourPillarText;
            EXPECT_EQ(utf8(pillars), c.notes[i].pillars);
        }
    }
}

// Conventions are said only when one is away from its default.
TEST(BoundaryNotes, ThePageSaysTheConventionsAndTheNotes) {
    const pipeline::CastDone plain = Cast("2010-09-13", 12, 40);
    EXPECT_TRUE(plain.values.boundaries.empty());
    EXPECT_TRUE(pipeline::MomentText(plain.casting, plain.values.moment, plain.values.boundaries).empty());

    const pipeline::CastDone split = Cast("2010-09-13", 23, 5, "table", "mixed", "split");
    std::vector<std::string> page;
    for (const std::string& line : pipeline::MomentText(split.casting, split.values.moment, split.values.boundaries)) {
        page.push_back(utf8(line));
    }
    // The journal keeps the choices away from their defaults, and the
    // reading as it always was: the notes are cast again from them.
    EXPECT_EQ(split.values.entry->zi, "split");
    EXPECT_FALSE(split.values.entry->pillarBoundary);
    EXPECT_EQ(Cast("2010-09-13", 23, 5).values.entry->reading->find("【时间】"), std::string::npos);
    const auto& other = split.values.boundaries.at(0).other;
    EXPECT_EQ(page, (std::vector<std::string>{
                        "【时间】", "起卦时刻：2010-09-13 23:05",
                        "口径：子时早晚子，年月柱年按立春时刻、月按交节日，年数年柱地支，旺衰按月令",
                        "临界：子初（23:00） 2010-09-13 23:00，在起卦时刻前5分",
                        "　另一侧：庚寅年 乙酉月 丙寅日 己亥时，本卦" + utf8(other.primary) + "，变卦" +
                            utf8(other.changed)}));
}

}  // namespace
