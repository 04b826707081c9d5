#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "guaku_texts.h"

namespace {

using guaku_test::prefixed;
using testing_support::utf8;

// DIJU with UTF-8 arguments; "(null)" for a null result.
std::string chart(const char* b1, const char* month, const char* day, const char* b2, const char* term,
                  const char* b3) {
    const auto a = prefixed(b1), m = prefixed(month), d = prefixed(day), b = prefixed(b2),
               t = prefixed(term), c = prefixed(b3);
    const char* result = DIJU(a.data(), m.data(), d.data(), b.data(), t.data(), c.data());
    return result == nullptr ? "(null)" : utf8(result);
}

TEST(Diju, AddsTheNumbersAndTakesTheDunOfTheTerm) {
    const struct {
        const char *b1, *month, *day, *b2, *term, *b3, *expected;
    } rows[] = {
        {"午", "三", "初五", "辰", "谷雨", "", "阳2"},
        {"子", "正", "初七", "", "夏至", "", "阴9"},
        {"亥", "腊", "三十", "亥", "冬至", "亥", "阳6"},
        {"", "", "", "", "冬至", "", "阳9"},
        {"子", "十一", "十一", "丑", "立秋", "寅", "阴1"},  // 1+11+11+2+3 = 28
        {"子", "十二", "", "", "小寒", "", "阳1"},          // 十二 is no month name
        {"子", "正月", "", "", "小寒", "", "阳1"},          // nor is 正月
        {"子子", "", "初一 ", "", "大雪", "", "阴9"},       // whole texts only
        {"", "", "", "", "春", "", "(null)"},
        {"", "", "", "", "立春 ", "", "(null)"},
        {"午", "三", "初五", "辰", "", "", "(null)"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(chart(r.b1, r.month, r.day, r.b2, r.term, r.b3), r.expected)
            << r.b1 << "," << r.month << "," << r.day << "," << r.b2 << "," << r.term << "," << r.b3;
    }
}

TEST(Diju, KnowsTheDunOfAllTwentyFourTerms) {
    const char* const yang[] = {"冬至", "小寒", "大寒", "立春", "雨水", "惊蛰",
                                "春分", "清明", "谷雨", "立夏", "小满", "芒种"};
    const char* const yin[] = {"夏至", "小暑", "大暑", "立秋", "处暑", "白露",
                               "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"};
    for (const char* term : yang) EXPECT_EQ(chart("", "", "", "", term, ""), "阳9") << term;
    for (const char* term : yin) EXPECT_EQ(chart("", "", "", "", term, ""), "阴9") << term;
}

TEST(Diju, NumbersEveryMonthDayAndBranch) {
    const char* const months[] = {"正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "腊"};
    const char* const branches[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
    for (int i = 0; i < 12; ++i) {
        const std::string expected = "阳" + std::to_string((i + 1) % 9 == 0 ? 9 : (i + 1) % 9);
        EXPECT_EQ(chart("", months[i], "", "", "冬至", ""), expected) << months[i];
        EXPECT_EQ(chart(branches[i], "", "", "", "冬至", ""), expected) << branches[i];
        EXPECT_EQ(chart("", "", "", branches[i], "冬至", ""), expected) << branches[i];
        EXPECT_EQ(chart("", "", "", "", "冬至", branches[i]), expected) << branches[i];
    }
    const char* const days[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                                "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                                "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    for (int i = 0; i < 30; ++i) {
        const std::string expected = "阴" + std::to_string((i + 1) % 9 == 0 ? 9 : (i + 1) % 9);
        EXPECT_EQ(chart("", "", days[i], "", "夏至", ""), expected) << days[i];
    }
}

TEST(Diju, NullArgumentsReadAsEmpty) {
    const auto term = prefixed("冬至");
    const char* result = DIJU(nullptr, nullptr, nullptr, nullptr, term.data(), nullptr);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(utf8(result), "阳9");
    EXPECT_EQ(DIJU(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), nullptr);
}

// Each thread must read back its own result even while others call DIJU.
TEST(Diju, EachThreadKeepsItsOwnResult) {
    constexpr int kThreads = 8;
    std::vector<int> failures(kThreads, 0);
    std::vector<std::thread> threads;
    const char* const days[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八"};
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const auto day = prefixed(days[t]), term = prefixed(t % 2 ? "夏至" : "冬至");
            const std::string expected = std::string(t % 2 ? "阴" : "阳") + std::to_string(t + 1);
            for (int i = 0; i < 2000; ++i) {
                const char* result = DIJU(nullptr, nullptr, day.data(), nullptr, term.data(), nullptr);
                std::this_thread::yield();
                if (result == nullptr || utf8(result) != expected) ++failures[t];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(failures[t], 0) << "thread " << t;
}

}  // namespace
