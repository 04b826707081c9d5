#include "casting/divination_report.h"

#include <gtest/gtest.h>

#include "casting/hexagram_derivation.h"
#include "gbk.h"
#include "sample_reading.h"

namespace {

using testing_support::gbk;
using testing_support::utf8;

struct ReportFixture : testing::Test {
    casting::CastingRecord record;
    casting::MomentFacts facts;

    void SetUp() override {
        record.SetStartValues();
        record.UpperTrigram = 1;
        record.LowerTrigram = 3;
        record.MovingLine = 3;
        record.MethodText = gbk("传统起卦");
        casting::DeriveHexagrams(record);
        facts.LunarDate = gbk("二零一零年八月初六");
        facts.YearPillarText = gbk("庚寅");
        facts.MonthPillarText = gbk("乙酉");
        facts.DayPillarText = gbk("丙寅");
        facts.HourPillarText = gbk("丁酉");
    }

    std::vector<std::string> Report(const casting::Person& person, const casting::Moment& moment) {
        std::vector<std::string> lines;
        for (const std::string& line : casting::ComposeReport(record, facts, person, moment)) {
            lines.push_back(utf8(line));
        }
        return lines;
    }
};

TEST_F(ReportFixture, WritesTheThirteenLinesOfAReading) {
    const std::vector<std::string> expected(std::begin(testing_support::kSampleReport),
                                            std::end(testing_support::kSampleReport));
    EXPECT_EQ(Report({gbk("某人"), "30", gbk("男")}, {2010, 9, 13, 17}), expected);
}

TEST_F(ReportFixture, EveryLineKeepsItsByteWidths) {
    const auto lines = casting::ComposeReport(record, facts, {gbk("某人"), "30", gbk("男")}, {2010, 9, 13, 17});
    EXPECT_EQ(lines[5].size(), 57u);
    EXPECT_EQ(lines[6].size(), 1u + 5 * 12);
    for (int row = 7; row < 13; ++row) EXPECT_EQ(lines[row].size(), 5u * 12) << row;
}

TEST_F(ReportFixture, EmptyPersonLeavesTheLabelsAlone) {
    EXPECT_EQ(Report({}, {2010, 9, 13, 17})[0], "  姓名：   性别：   年龄： ");
}

TEST_F(ReportFixture, MarksOnlyTheMovingLineAndLeavesTheRecordsMarksBlank) {
    for (int moving = 1; moving <= 6; ++moving) {
        SetUp();
        record.MovingLine = moving;
        const auto lines = casting::ComposeReport(record, facts, {}, {2010, 9, 13, 17});
        for (int row = 7; row < 13; ++row) {
            const bool marked = lines[row].substr(12, 2) == "* ";
            EXPECT_EQ(marked, row == 13 - moving) << "moving line " << moving << ", row " << row;
        }
        for (int line = 1; line <= 6; ++line) EXPECT_EQ(record.LineMarks(line), "  ");
    }
}

}  // namespace
