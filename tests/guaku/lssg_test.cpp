#include <gtest/gtest.h>

#include <string>

#include "guaku_texts.h"

namespace {

using guaku_test::gbk;
using testing_support::utf8;

// Written out independently of the library's data file, so a slip in
// either (or in its GBK encoding) shows up.
const char* const kExpected[8][8] = {
    {"乾为天", "天泽履", "天火同人", "天雷无妄", "天风姤", "天水讼", "天山遁", "天地否"},
    {"泽天夬", "兑为泽", "泽火革", "泽雷随", "泽风大过", "泽水困", "泽山咸", "泽地萃"},
    {"火天大有", "火泽睽", "离为火", "火雷噬嗑", "火风鼎", "火水未济", "火山旅", "火地晋"},
    {"雷天大壮", "雷泽归妹", "雷火丰", "震为雷", "雷风恒", "雷水解", "雷山小过", "雷地豫"},
    {"风天小畜", "风泽中孚", "风火家人", "风雷益", "巽为风", "风水涣", "风山渐", "风地观"},
    {"水天需", "水泽节", "水火既济", "水雷屯", "水风井", "坎为水", "水山蹇", "水地比"},
    {"山天大畜", "山泽损", "山火贲", "山雷颐", "山风蛊", "山水蒙", "艮为山", "山地剥"},
    {"地天泰", "地泽临", "地火明夷", "地雷复", "地风升", "地水师", "地山谦", "坤为地"},
};

TEST(Lssg, NamesEveryHexagramByUpperThenLowerTrigram) {
    for (int upper = 1; upper <= 8; ++upper) {
        for (int lower = 1; lower <= 8; ++lower) {
            EXPECT_EQ(utf8(lssg(upper, lower)), kExpected[upper - 1][lower - 1])
                << "upper " << upper << ", lower " << lower;
        }
    }
}

TEST(Lssg, FollowsTheImagePattern) {
    const char* const trigrams[8] = {"乾", "兑", "离", "震", "巽", "坎", "艮", "坤"};
    const char* const images[8] = {"天", "泽", "火", "雷", "风", "水", "山", "地"};
    for (int upper = 1; upper <= 8; ++upper) {
        for (int lower = 1; lower <= 8; ++lower) {
            const std::string name = lssg(upper, lower);
            ASSERT_TRUE(name.size() == 6 || name.size() == 8) << utf8(name);
            if (upper == lower) {
                EXPECT_EQ(name, gbk(std::string(trigrams[upper - 1]) + "为" + images[upper - 1]));
            } else {
                EXPECT_EQ(name.substr(0, 4), gbk(std::string(images[upper - 1]) + images[lower - 1]))
                    << utf8(name);
            }
        }
    }
}

TEST(Lssg, UsesGbkForTheTwoNamesOutsideGb2312) {
    EXPECT_EQ(std::string(lssg(1, 5)), "\xCC\xEC\xB7\xE7\x8A\xA5");  // 天风姤
    EXPECT_EQ(std::string(lssg(2, 1)), "\xD4\xF3\xCC\xEC\x89\xF8");  // 泽天夬
}

TEST(Lssg, ReturnsTheSameConstantOnEveryCall) {
    EXPECT_EQ(lssg(6, 3), lssg(6, 3));
}

TEST(Lssg, GivesAnEmptyTextOutsideOneToEight) {
    const int outside[][2] = {{0, 1}, {1, 0}, {9, 1}, {1, 9}, {-1, -1}, {INT32_MIN, INT32_MAX}};
    for (const auto& args : outside) {
        const char* name = lssg(args[0], args[1]);
        ASSERT_NE(name, nullptr);
        EXPECT_STREQ(name, "") << args[0] << ", " << args[1];
    }
}

}  // namespace
