#include "liuyao/chart.h"

#include <gtest/gtest.h>

#include "liuyao/chart_layout.h"
#include "reading/trigrams.h"
#include "gbk.h"

namespace {

using testing_support::utf8;

std::string Written(const liuyao::PlacedBranch& p) {
    return utf8(liuyao::KinName(p.kin)) + utf8(liuyao::StemBranchName(p.stemBranch)) +
           utf8(reading::ElementName(p.element));
}

// Whole charts worked out by hand from the palace lists, the 纳甲 sets and
// the day. Lines bottom first: spirit, relation, stem and branch, element,
// "空" when void, then "伏" and the hidden line when there is one.
TEST(Chart, HandWorkedChartsAgree) {
    const struct {
        const char* hexagram;
        int upper, lower, moving, dayStem, dayBranch;
        const char *palace, *generation;
        int shi, ying;
        const char* voids;
        const char* lines[6];
        const char* changed;
    } rows[] = {
        {"天风姤, 庚午日", 1, 5, 1, 7, 7, "乾金", "一世", 1, 4, "戌亥",
         {"白虎父母辛丑土", "玄武子孙辛亥水空伏妻财甲寅木", "青龙兄弟辛酉金", "朱雀官鬼壬午火", "勾陈兄弟壬申金",
          "螣蛇父母壬戌土空"},
         "子孙甲子水"},
        {"水火既济, 己亥日", 6, 3, 5, 6, 12, "坎水", "三世", 3, 6, "辰巳",
         {"螣蛇子孙己卯木", "白虎官鬼己丑土", "玄武兄弟己亥水伏妻财戊午火", "青龙父母戊申金", "朱雀官鬼戊戌土",
          "勾陈兄弟戊子水"},
         "兄弟癸亥水"},
        {"地泽临, 戊申日", 8, 2, 6, 5, 9, "坤土", "二世", 2, 5, "寅卯",
         {"勾陈父母丁巳火", "螣蛇官鬼丁卯木空", "白虎兄弟丁丑土", "玄武兄弟癸丑土", "青龙妻财癸亥水",
          "朱雀子孙癸酉金"},
         "官鬼丙寅木"},
        {"山风蛊, 甲辰日", 7, 5, 1, 1, 5, "巽木", "归魂", 3, 6, "寅卯",
         {"青龙妻财辛丑土", "朱雀父母辛亥水", "勾陈官鬼辛酉金", "螣蛇妻财丙戌土", "白虎父母丙子水伏子孙辛巳火",
          "玄武兄弟丙寅木空"},
         "父母甲子水"},
        {"天火同人, 丙寅日", 1, 3, 3, 3, 3, "离火", "归魂", 3, 6, "戌亥",
         {"朱雀父母己卯木", "勾陈子孙己丑土", "螣蛇官鬼己亥水空", "白虎兄弟壬午火", "玄武妻财壬申金",
          "青龙子孙壬戌土空"},
         "子孙庚辰土"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hexagram);
        const liuyao::Chart c = liuyao::ComputeChart({row.upper, row.lower, row.moving, row.dayStem, row.dayBranch});
        EXPECT_EQ(utf8(reading::TrigramName(c.palace.trigram)) + utf8(reading::ElementName(c.element)), row.palace);
        EXPECT_EQ(utf8(liuyao::GenerationName(c.palace.generation)), row.generation);
        EXPECT_EQ(c.shi, row.shi);
        EXPECT_EQ(c.ying, row.ying);
        EXPECT_EQ(utf8(liuyao::BranchName(c.voidBranches[0])) + utf8(liuyao::BranchName(c.voidBranches[1])), row.voids);
        for (int k = 0; k < 6; ++k) {
            const liuyao::ChartLine& line = c.lines[k];
            std::string written = utf8(liuyao::SpiritName(line.spirit)) + Written(line.placed);
            if (line.isVoid) written += "空";
            if (line.hidden) written += "伏" + Written(*line.hidden);
            EXPECT_EQ(written, row.lines[k]) << "line " << k + 1;
        }
        EXPECT_EQ(Written(c.changed), row.changed);
    }
}

// One day of each ten-day week; 乾为天 holds 子寅辰午申戌, so its void lines
// show which week left which branches out. With the hand-worked charts the
// rows give every day stem, which names the spirit of the bottom line.
TEST(Chart, TheDaysWeekLeavesTwoBranchesVoidAndItsStemLeadsTheSpirits) {
    const struct {
        int stem, branch;
        const char *voids, *voidLines;  // of 乾为天, bottom first
        const char* spirits;
    } rows[] = {
        {10, 10, "戌亥", "000001", "玄武青龙朱雀勾陈螣蛇白虎"}, {1, 11, "申酉", "000010", "青龙朱雀勾陈螣蛇白虎玄武"},
        {2, 10, "午未", "000100", "青龙朱雀勾陈螣蛇白虎玄武"},  {4, 10, "辰巳", "001000", "朱雀勾陈螣蛇白虎玄武青龙"},
        {9, 1, "寅卯", "010000", "玄武青龙朱雀勾陈螣蛇白虎"},   {8, 10, "子丑", "100000", "白虎玄武青龙朱雀勾陈螣蛇"},
    };
    for (const auto& row : rows) {
        const liuyao::Chart c = liuyao::ComputeChart({1, 1, 1, row.stem, row.branch});
        EXPECT_EQ(utf8(liuyao::BranchName(c.voidBranches[0])) + utf8(liuyao::BranchName(c.voidBranches[1])), row.voids);
        std::string lines, spirits;
        for (const liuyao::ChartLine& line : c.lines) {
            lines += line.isVoid ? '1' : '0';
            spirits += utf8(liuyao::SpiritName(line.spirit));
        }
        EXPECT_EQ(lines, row.voidLines) << row.voids;
        EXPECT_EQ(spirits, row.spirits) << "stem " << row.stem;
    }
}

TEST(Chart, RefusesInputWithNoCasting) {
    const liuyao::ChartInput bad[] = {{0, 1, 1, 1, 1}, {1, 1, 7, 1, 1}, {1, 1, 1, 11, 1}, {1, 1, 1, 1, 2}};
    for (const liuyao::ChartInput& input : bad) EXPECT_THROW(liuyao::ComputeChart(input), std::invalid_argument);
}

// The section as the page shows it: top line first, the hidden line under
// its line, the changed line beside the moving one, columns of full-width
// characters.
TEST(ChartLayout, DrawsTheTopLineFirst) {
    const std::vector<std::string> expected = {
        "【六爻】",
        "山风蛊：巽宫木　归魂　旬空：寅卯",
        "玄武　兄弟丙寅木　▄▄▄▄▄　应空",
        "白虎　父母丙子水　▄▄　▄▄",
        "　　　伏神：子孙辛巳火",
        "螣蛇　妻财丙戌土　▄▄　▄▄",
        "勾陈　官鬼辛酉金　▄▄▄▄▄　世",
        "朱雀　父母辛亥水　▄▄▄▄▄",
        "青龙　妻财辛丑土　▄▄　▄▄×　　→父母甲子水",
    };
    std::vector<std::string> lines;
    for (const std::string& line : liuyao::ChartLines(liuyao::ComputeChart({7, 5, 1, 1, 5}))) lines.push_back(utf8(line));
    EXPECT_EQ(lines, expected);
}

}  // namespace
