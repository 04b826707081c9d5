// Every name of the hexagrams and the calendar pinned in its traditional
// form, a row of names at a time; OpenCC alone gets 丑, 咸, 无妄 and 遯 wrong.
#include "script_conversion/traditional_name.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "script_conversion/opencc_converter.h"

namespace {

// Simplified, then traditional.
constexpr std::pair<const char*, const char*> kPins[] = {
    {"乾为天 天泽履 天火同人 天雷无妄 天风姤 天水讼 天山遁 天地否", "乾為天 天澤履 天火同人 天雷无妄 天風姤 天水訟 天山遯 天地否"},
    {"泽天夬 兑为泽 泽火革 泽雷随 泽风大过 泽水困 泽山咸 泽地萃", "澤天夬 兌為澤 澤火革 澤雷隨 澤風大過 澤水困 澤山咸 澤地萃"},
    {"火天大有 火泽睽 离为火 火雷噬嗑 火风鼎 火水未济 火山旅 火地晋", "火天大有 火澤睽 離為火 火雷噬嗑 火風鼎 火水未濟 火山旅 火地晉"},
    {"雷天大壮 雷泽归妹 雷火丰 震为雷 雷风恒 雷水解 雷山小过 雷地豫", "雷天大壯 雷澤歸妹 雷火豐 震為雷 雷風恆 雷水解 雷山小過 雷地豫"},
    {"风天小畜 风泽中孚 风火家人 风雷益 巽为风 风水涣 风山渐 风地观", "風天小畜 風澤中孚 風火家人 風雷益 巽為風 風水渙 風山漸 風地觀"},
    {"水天需 水泽节 水火既济 水雷屯 水风井 坎为水 水山蹇 水地比", "水天需 水澤節 水火既濟 水雷屯 水風井 坎為水 水山蹇 水地比"},
    {"山天大畜 山泽损 山火贲 山雷颐 山风蛊 山水蒙 艮为山 山地剥", "山天大畜 山澤損 山火賁 山雷頤 山風蠱 山水蒙 艮為山 山地剝"},
    {"地天泰 地泽临 地火明夷 地雷复 地风升 地水师 地山谦 坤为地", "地天泰 地澤臨 地火明夷 地雷復 地風升 地水師 地山謙 坤為地"},
    {"乾 兑 离 震 巽 坎 艮 坤 蛊 咸 遁 无妄", "乾 兌 離 震 巽 坎 艮 坤 蠱 咸 遯 无妄"},
    {"甲 乙 丙 丁 戊 己 庚 辛 壬 癸", "甲 乙 丙 丁 戊 己 庚 辛 壬 癸"},
    {"子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥 乙丑 癸丑", "子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥 乙丑 癸丑"},
    {"小寒 大寒 立春 雨水 惊蛰 春分 清明 谷雨 立夏 小满 芒种 夏至", "小寒 大寒 立春 雨水 驚蟄 春分 清明 穀雨 立夏 小滿 芒種 夏至"},
    {"小暑 大暑 立秋 处暑 白露 秋分 寒露 霜降 立冬 小雪 大雪 冬至", "小暑 大暑 立秋 處暑 白露 秋分 寒露 霜降 立冬 小雪 大雪 冬至"},
    {"正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 十一月 腊月 闰腊月",
     "正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 十一月 臘月 閏臘月"},
};

TEST(TraditionalName, PinsEveryNameOfTheHexagramsAndTheCalendar) {
    for (const auto& [simplified, traditional] : kPins) EXPECT_EQ(script_conversion::TraditionalName(simplified), traditional);
}

TEST(OpenccConverter, RefusesAConfigurationItCannotLoad) {
    EXPECT_THROW(script_conversion::OpenccConverter("no-such-conversion.json"), std::runtime_error);
}

}  // namespace
