#include "liuyao/palaces.h"

#include <gtest/gtest.h>

#include <set>

#include "casting/guaku_calls.h"
#include "gbk.h"

namespace {

using testing_support::gbk;

// The received palace lists, each from its pure hexagram to its 归魂.
const struct {
    int trigram;  // as the casting engine numbers them: 乾 兑 离 震 巽 坎 艮 坤
    const char* hexagrams[8];
} kPalaces[] = {
    {1, {"乾为天", "天风姤", "天山遁", "天地否", "风地观", "山地剥", "火地晋", "火天大有"}},
    {6, {"坎为水", "水泽节", "水雷屯", "水火既济", "泽火革", "雷火丰", "地火明夷", "地水师"}},
    {7, {"艮为山", "山火贲", "山天大畜", "山泽损", "火泽睽", "天泽履", "风泽中孚", "风山渐"}},
    {4, {"震为雷", "雷地豫", "雷水解", "雷风恒", "地风升", "水风井", "泽风大过", "泽雷随"}},
    {5, {"巽为风", "风天小畜", "风火家人", "风雷益", "天雷无妄", "火雷噬嗑", "山雷颐", "山风蛊"}},
    {3, {"离为火", "火山旅", "火风鼎", "火水未济", "山水蒙", "风水涣", "天水讼", "天火同人"}},
    {8, {"坤为地", "地雷复", "地泽临", "地天泰", "雷天大壮", "泽天夬", "水天需", "水地比"}},
    {2, {"兑为泽", "泽水困", "泽地萃", "泽山咸", "水山蹇", "地山谦", "雷山小过", "雷泽归妹"}},
};

// 世 of each place in a palace list; 应 is three lines away.
constexpr int kShi[8] = {6, 1, 2, 3, 4, 5, 4, 3};

TEST(Palaces, EveryHexagramStandsWhereTheReceivedListsPutIt) {
    std::set<std::string> seen;
    for (const auto& palace : kPalaces) {
        for (int place = 0; place < 8; ++place) {
            const std::string name = gbk(palace.hexagrams[place]);
            SCOPED_TRACE(palace.hexagrams[place]);
            int found = 0;
            for (int upper = 1; upper <= 8; ++upper) {
                for (int lower = 1; lower <= 8; ++lower) {
                    if (casting::HexagramName(upper, lower) != name) continue;
                    ++found;
                    const liuyao::Palace got = liuyao::PalaceOf(upper, lower);
                    EXPECT_EQ(got.trigram, palace.trigram);
                    EXPECT_EQ(static_cast<int>(got.generation), place);
                    EXPECT_EQ(liuyao::ShiLine(got.generation), kShi[place]);
                    EXPECT_EQ(std::abs(liuyao::YingLine(got.generation) - kShi[place]), 3);
                }
            }
            EXPECT_EQ(found, 1) << "the engine names no hexagram so";
            seen.insert(name);
        }
    }
    EXPECT_EQ(seen.size(), 64u);
}

}  // namespace
