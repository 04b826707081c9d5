// The casting's texts in traditional characters: every name in its one
// traditional form under both forms, the classic texts exactly as the
// proofread data, and the person's own words as typed.
#include "pipeline/traditional_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gbk.h"
#include "pipeline/casting_road.h"
#include "reading/hexagram_texts.h"
#include "text/gbk_utf8.h"

namespace {

using pipeline::TraditionalForm;

constexpr TraditionalForm kForms[] = {TraditionalForm::Taiwan, TraditionalForm::HongKong};

// Simplified, then traditional: each hexagram, trigram, stem, branch, term
// and lunar month as the report, the reading and the chart write it.
constexpr std::pair<const char*, const char*> kNamePins[] = {
    {"乾 履 同人 无妄 姤 讼 遁 否 夬 兑 革 随 大过 困 咸 萃", "乾 履 同人 无妄 姤 訟 遯 否 夬 兌 革 隨 大過 困 咸 萃"},
    {"大有 睽 离 噬嗑 鼎 未济 旅 晋 大壮 归妹 丰 震 恒 解 小过 豫", "大有 睽 離 噬嗑 鼎 未濟 旅 晉 大壯 歸妹 豐 震 恆 解 小過 豫"},
    {"小畜 中孚 家人 益 巽 涣 渐 观 需 节 既济 屯 井 坎 蹇 比", "小畜 中孚 家人 益 巽 渙 漸 觀 需 節 既濟 屯 井 坎 蹇 比"},
    {"大畜 损 贲 颐 蛊 蒙 艮 剥 泰 临 明夷 复 升 师 谦 坤", "大畜 損 賁 頤 蠱 蒙 艮 剝 泰 臨 明夷 復 升 師 謙 坤"},
    {"甲 乙 丙 丁 戊 己 庚 辛 壬 癸", "甲 乙 丙 丁 戊 己 庚 辛 壬 癸"},
    {"子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥 乙丑 月令丑属土", "子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥 乙丑 月令丑屬土"},
    {"小寒 大寒 立春 雨水 惊蛰 春分 清明 谷雨 立夏 小满 芒种 夏至", "小寒 大寒 立春 雨水 驚蟄 春分 清明 穀雨 立夏 小滿 芒種 夏至"},
    {"小暑 大暑 立秋 处暑 白露 秋分 寒露 霜降 立冬 小雪 大雪 冬至", "小暑 大暑 立秋 處暑 白露 秋分 寒露 霜降 立冬 小雪 大雪 冬至"},
    {"正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 十一月 腊月 闰腊月",
     "正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 十一月 臘月 閏臘月"},
    {"体卦：兑金（下卦）", "體卦：兌金（下卦）"},
};

TEST(TraditionalText, EveryNameHasItsOneTraditionalFormUnderEitherForm) {
    for (TraditionalForm form : kForms) {
        for (const auto& [simplified, traditional] : kNamePins) {
            EXPECT_EQ(pipeline::TraditionalText(testing_support::gbk(simplified), form), traditional)
                << static_cast<int>(form);
        }
    }
}

pipeline::CastValues ManualCasting(const char* name, int upper, int lower, int line) {
    pipeline::CastRequest request;
    request.name = name;
    request.method = "manual";
    request.upper = upper, request.lower = lower, request.line = line;
    request.date = "2024-02-10";
    request.hour = 9;
    return std::get<pipeline::CastDone>(pipeline::CastRequested(request, {2024, 2, 10, 9, 0})).values;
}

bool Holds(const std::vector<std::string>& lines, std::string_view piece) {
    return std::ranges::any_of(lines, [piece](const std::string& line) { return line.ends_with(piece); });
}

// Every hexagram and moving line: the citations are the traditional data's
// bytes (凶 stays 凶, 征 stays 征), never a conversion of the simplified.
TEST(TraditionalText, TheClassicTextsAreTheTraditionalData) {
    for (int upper = 1; upper <= 8; ++upper) {
        for (int lower = 1; lower <= 8; ++lower) {
            const int line = (upper + lower) % 6 + 1;
            const pipeline::CastValues values = ManualCasting("某人", upper, lower, line);
            const auto& primary = *values.reading->primary;
            const auto& data = reading::HexagramTextOf(primary.upper, primary.lower, reading::Script::Traditional);
            const auto& changed = *values.reading->changed;
            const auto& changedData = reading::HexagramTextOf(changed.upper, changed.lower, reading::Script::Traditional);
            for (TraditionalForm form : kForms) {
                const auto lines = pipeline::TraditionalReadingText(values.reading, values.chart, {}, form);
                const auto cited = [](std::string_view label, std::string_view text) {
                    return text::Utf8FromGbk(label) + "：" + text::Utf8FromGbk(text);
                };
                EXPECT_TRUE(Holds(lines, cited(data.name, data.judgment))) << upper << lower;
                EXPECT_TRUE(Holds(lines, cited(data.statements[line - 1].label, data.statements[line - 1].text)));
                EXPECT_TRUE(Holds(lines, cited(changedData.name, changedData.judgment)));
            }
        }
    }
}

TEST(TraditionalText, TheReportConvertsAllButThePersonsName) {
    const pipeline::CastValues values = ManualCasting("张丑", 7, 5, 5);  // 山风蛊
    const auto report = pipeline::TraditionalReport(values.report, testing_support::gbk("张丑"), TraditionalForm::Taiwan);
    ASSERT_EQ(report.size(), values.report.size());
    EXPECT_TRUE(report[0].starts_with("  姓名： 张丑  性別： ")) << report[0];
    EXPECT_NE(report[6].find("蠱"), std::string::npos) << report[6];
    // The figures' columns keep their places: one character for one.
    for (std::size_t k = 7; k < report.size(); ++k) EXPECT_EQ(report[k], text::Utf8FromGbk(values.report[k]));
}

}  // namespace
