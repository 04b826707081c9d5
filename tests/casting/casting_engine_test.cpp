#include "casting/casting_engine.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "gbk.h"

namespace {

using namespace std::chrono;
using casting::CastingOutcome;
using casting::Refusal;
using testing_support::gbk;
using testing_support::utf8;

const calendar::DateTime kStartDate = calendar::DateTimeOf(sys_days{year{2010} / 9 / 13});
CastingOutcome Outside(casting::MomentFault fault) { return {Refusal::OutsideCalendar, casting::FaultText(fault)}; }

struct EngineFixture : testing::Test {
    casting::PlainDateHolder calendar{kStartDate};
    casting::ClockTime clock{12, 30};
    casting::CastingEngine engine{calendar, [this] { return clock; }};
    casting::Person person{gbk("某人"), "30", {}};
    casting::Moment moment{2010, 9, 13, 17};

    std::string Primary() { return utf8(engine.record().HexagramNames(1)); }
    std::string Method() { return utf8(engine.record().MethodText); }
    casting::CastNumbers Numbers() {
        return {engine.record().UpperTrigram, engine.record().LowerTrigram, engine.record().MovingLine};
    }
};

TEST_F(EngineFixture, EachMethodCastsItsHexagram) {
    const struct {
        const char* what;
        std::function<CastingOutcome(casting::CastingEngine&)> command;
        casting::CastNumbers numbers;
        const char* primary;  // bare: only the report frames it
        const char* method;
    } rows[] = {
        {"traditional", [&](auto& e) { return e.CastTraditional(person, moment); }, {1, 3, 3}, "天火同人", "传统起卦"},
        {"stems", [&](auto& e) { return e.CastByStems(person, moment); }, {4, 8, 4}, "雷地豫", "日期天干数起卦"},
        {"branches", [&](auto& e) { return e.CastByBranches(person, moment); }, {8, 2, 2}, "地泽临", "日期地支数起卦"},
        {"clock 12:30", [&](auto& e) { return e.CastByClock(person, moment); }, {4, 6, 4}, "雷水解", "时分起卦"},
        {"question", [&](auto& e) { return e.CastByQuestion(person, moment, gbk("猜我吃的什么")); }, {8, 7, 3}, "地山谦",
         "问话字的笔画数起卦"},
        {"character 天", [&](auto& e) { return e.CastByCharacter(person, moment, gbk("天")); }, {4, 2, 2}, "雷泽归妹",
         "单字笔画数起卦"},
        {"manual", [&](auto& e) { return e.CastManually(person, moment, 8, 1, 6); }, {8, 1, 6}, "地天泰", "手工指定起卦"},
        {"number 7", [&](auto& e) { return e.CastByNumber(person, moment, "7"); }, {7, 2, 5}, "山泽损", "数字起卦"},
        {"number 1 2 3", [&](auto& e) { return e.CastByNumber(person, moment, "1 2 3"); }, {1, 2, 3}, "天泽履", "数字起卦"},
        {"number 12345", [&](auto& e) { return e.CastByNumber(person, moment, "12345"); }, {3, 4, 3}, "火雷噬嗑", "数字起卦"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.command(engine), CastingOutcome{}) << row.what;
        EXPECT_EQ(Numbers(), row.numbers) << row.what;
        EXPECT_EQ(Primary(), row.primary) << row.what;
        EXPECT_EQ(Method(), row.method) << row.what;
        ASSERT_EQ(engine.report().size(), 13u) << row.what;
        EXPECT_EQ(utf8(engine.report()[2]), std::string("  起卦方式： ") + row.method);
    }
}

TEST_F(EngineFixture, NameCastingSplitsSurnameFromGivenName) {
    // 兑 (7 strokes) 坤 (8 strokes): 艮 over 坤, moving line 3.
    person.name = gbk("兑 坤");
    EXPECT_EQ(engine.CastByName(person, moment), CastingOutcome{});
    EXPECT_EQ(Numbers(), (casting::CastNumbers{7, 8, 3}));
    EXPECT_EQ(Primary(), "山地剥");
    EXPECT_EQ(utf8(engine.report()[0]), "  姓名： 兑 坤  性别：   年龄： 30");
    const auto first = engine.report();
    EXPECT_EQ(engine.CastByName(person, moment), CastingOutcome{});
    EXPECT_EQ(engine.report(), first) << "the same name casts the same way twice";
}

TEST_F(EngineFixture, RefusedInputLeavesTheLastCastingInPlace) {
    ASSERT_EQ(engine.CastTraditional(person, moment), CastingOutcome{});
    const casting::CastingRecord record = engine.record();
    const std::vector<std::string> lastReport = engine.report();
    // Whether the facts were refreshed before the check refused the input:
    // the calendar then stands on this moment's day.
    const casting::Moment refusedMoment{2011, 3, 1, 10};
    const calendar::DateTime momentDay = calendar::DateTimeOf(sys_days{year{2011} / 3 / 1});

    const struct {
        const char* what;
        std::function<CastingOutcome(casting::CastingEngine&)> command;
        CastingOutcome outcome;
        bool factsRefreshed = false;
    } rows[] = {
        {"empty question", [&](auto& e) { return e.CastByQuestion(person, moment, gbk(" 　 ")); },
         {Refusal::NotChinese, gbk("参数错误：请输入汉字！")}, true},
        {"two characters", [&](auto& e) { return e.CastByCharacter(person, moment, gbk("天地")); },
         {Refusal::NotChinese, gbk("参数错误：请输入汉字！")}, false},
        {"no character", [&](auto& e) { return e.CastByCharacter(person, moment, ""); },
         {Refusal::NotChinese, gbk("参数错误：请输入汉字！")}, false},
        {"one-character name", [&](auto& e) {
             person.name = gbk(" 某 ");
             return e.CastByName(person, moment);
         },
         {Refusal::NameNotChinese, gbk("参数错误：请输入汉字姓名！")}, false},
        {"empty number", [&](auto& e) { return e.CastByNumber(person, moment, gbk("　")); },
         {Refusal::Incomplete, gbk("参数错误：请检查是否输入完整！")}, false},
        {"letter in number", [&](auto& e) { return e.CastByNumber(person, moment, "12x"); },
         {Refusal::InvalidValue, "'x' is not a valid integer value"}, true},
        {"no such day", [&](auto& e) {
             moment = {2011, 2, 29, 10};
             return e.CastTraditional(person, moment);
         },
         {Refusal::InvalidValue, "'2011-2-29' is not a valid date"}, false},
        // A moment the calendar cannot cast is refused before anything else.
        {"hour -5", [&](auto& e) { return e.CastByQuestion(person, {2011, 3, 1, -5}, gbk("天地")); },
         Outside(casting::MomentFault::HourOutOfRange)},
        {"1899-12-31", [&](auto& e) { return e.CastByClock(person, {1899, 12, 31, 10}); },
         Outside(casting::MomentFault::DayOutsideCalendar)},
        {"traditional on 1900-01-30 at 22", [&](auto& e) { return e.CastTraditional(person, {1900, 1, 30, 22}); },
         Outside(casting::MomentFault::NoLunarDate)},
    };
    for (const auto& row : rows) {
        calendar.SetDate(kStartDate);
        moment = refusedMoment;
        EXPECT_EQ(row.command(engine), row.outcome) << row.what;
        EXPECT_EQ(calendar.Date(), row.factsRefreshed ? momentDay : kStartDate) << row.what;
        EXPECT_EQ(engine.report(), lastReport) << row.what;
        EXPECT_EQ(engine.record().texts, record.texts) << row.what;
        EXPECT_EQ(engine.record().PrimaryLines, record.PrimaryLines) << row.what;
        EXPECT_EQ(engine.record().MovingLine, record.MovingLine) << row.what;
    }
}

TEST_F(EngineFixture, QuestionCheckComesAfterTheFactsAreRefreshed) {
    ASSERT_EQ(engine.CastTraditional(person, moment), CastingOutcome{});
    moment = {2010, 9, 13, 23};
    EXPECT_EQ(engine.CastByQuestion(person, moment, "").refusal, Refusal::NotChinese);
    EXPECT_EQ(utf8(engine.facts().DayPillarText), "丁卯");
    EXPECT_EQ(calendar.Date(), kStartDate + 1);

    moment = {2010, 9, 20, 10};
    EXPECT_EQ(engine.CastByCharacter(person, moment, "").refusal, Refusal::NotChinese);
    EXPECT_EQ(calendar.Date(), kStartDate + 1) << "the character check comes first";
}

TEST_F(EngineFixture, TwoAsciiLettersPassTheCharacterCheckWithNoStrokes) {
    EXPECT_EQ(engine.CastByCharacter(person, moment, "ab"), CastingOutcome{});
    EXPECT_EQ(engine.record().UpperTrigram, 8);
}

TEST_F(EngineFixture, NumberCastingNeverDependsOnTheCastingBefore) {
    ASSERT_EQ(engine.CastByNumber(person, moment, "2468"), CastingOutcome{});
    const auto first = engine.report();
    ASSERT_EQ(engine.CastByNumber(person, moment, "88"), CastingOutcome{});
    EXPECT_EQ(utf8(engine.record().HexagramNames(1)), "坤为地");
    ASSERT_EQ(engine.CastByNumber(person, moment, "2468"), CastingOutcome{});
    EXPECT_EQ(engine.report(), first);
}

TEST_F(EngineFixture, ReportShowsTheEnteredHourWhileFactsMoveToTheNextDay) {
    moment = {2010, 9, 13, 23};
    ASSERT_EQ(engine.CastTraditional(person, moment), CastingOutcome{});
    EXPECT_EQ(utf8(engine.report()[1]), "  公历：2010年9月13日23时");
    EXPECT_EQ(utf8(engine.report()[3]), "  农历：二零一零年八月初七");
    EXPECT_EQ(utf8(engine.report()[4]), "  年建: 庚寅  月建: 乙酉  日建: 丁卯  时建: 庚子");
}

// Hour 23 of 1900-01-30 is the 子 hour of the lunar table's first day.
TEST_F(EngineFixture, TheLunarTablesFirstDayCastsFromTheHourBefore) {
    ASSERT_EQ(engine.CastTraditional(person, {1900, 1, 30, 23}), CastingOutcome{});
    EXPECT_EQ(utf8(engine.report()[3]), "  农历：一九零零年正月初一");
}

TEST_F(EngineFixture, WritingTheReportAgainLeavesItAndTheRecordAsTheyWere) {
    ASSERT_EQ(engine.CastTraditional(person, moment), CastingOutcome{});
    const auto first = engine.report();
    EXPECT_EQ(engine.WriteReport(person, moment), first);
    EXPECT_EQ(Primary(), "天火同人");
}

}  // namespace

namespace {

// Any input a window can hand over, however odd, casts a whole reading or is
// refused; nothing else happens.
TEST_F(EngineFixture, AnyInputGivesAValidCastingOrAMessage) {
    std::mt19937 random(20101013);
    auto anyInt = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto anyBytes = [&](int maxLength, int low, int high) {
        std::string bytes(anyInt(0, maxLength), '\0');
        for (char& c : bytes) c = static_cast<char>(anyInt(low, high));
        return bytes;
    };
    for (int round = 0; round < 3000; ++round) {
        moment = {anyInt(1900, 2100), anyInt(1, 12), anyInt(1, 28),
                         round % 10 == 0 ? anyInt(INT_MIN, INT_MAX) : anyInt(-3, 26)};
        person.name = anyBytes(40, 0x01, 0xFF);
        clock = {anyInt(0, 23), anyInt(0, 59)};
        const std::string text = round % 3 == 0 ? anyBytes(300, 0x01, 0xFF) : anyBytes(60, 0xA1, 0xFE);
        CastingOutcome outcome;
        switch (round % 9) {
            case 0: outcome = engine.CastTraditional(person, moment); break;
            case 1: outcome = engine.CastByClock(person, moment); break;
            case 2: outcome = engine.CastByStems(person, moment); break;
            case 3: outcome = engine.CastByBranches(person, moment); break;
            case 4: outcome = engine.CastByQuestion(person, moment, text); break;
            case 5: outcome = engine.CastByCharacter(person, moment, text.substr(0, anyInt(0, 3))); break;
            case 6: outcome = engine.CastByName(person, moment); break;
            case 7: outcome = engine.CastManually(person, moment, anyInt(1, 8), anyInt(1, 8), anyInt(1, 6)); break;
            case 8: outcome = engine.CastByNumber(person, moment, round % 2 ? anyBytes(20, '0', '9') : anyBytes(20, ' ', 'z')); break;
        }
        if (outcome.refusal != Refusal::None) continue;
        ASSERT_GE(engine.record().UpperTrigram, 1);
        ASSERT_LE(engine.record().UpperTrigram, 8);
        ASSERT_GE(engine.record().LowerTrigram, 1);
        ASSERT_LE(engine.record().LowerTrigram, 8);
        ASSERT_GE(engine.record().MovingLine, 1);
        ASSERT_LE(engine.record().MovingLine, 6);
        ASSERT_EQ(engine.report().size(), 13u) << "round " << round;
        for (int row = 7; row < 13; ++row) ASSERT_EQ(engine.report()[row].size(), 60u);
    }
}

}  // namespace
