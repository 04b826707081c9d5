// The eight reference texts as shipped: per tab the keys in their order,
// every line in the form 「key」：text, and the lines that are fixed word
// for word.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "trigram_texts.h"

namespace {

struct Expected {
    const char* name;
    const char* keys;  // space-separated, in order
    QStringList fixedLines;  // the first line if fixed, then the closing lines
};

const Expected kTabs[] = {
    {"乾", "天时 地理 人物 人事 身体 时序 动物 静物 屋宿 家宅 婚姻 饮食 求名 谋旺 交易 求利 出行 谒见 疾病 官讼 坟墓 方道 五色 姓字 数目 五味",
     {"「天时」：天、冰、雹、霰", "「方道」：西北", "「五色」：大赤色、玄色", "「姓字」：带金旁者，行位一四九",
      "「数目」：一四九", "「五味」：辛、辣"}},
    {"坎", "天时 地理 人物 人事 身体 时序 静物 动物 屋舍 饮食 家宅 婚姻 生产 求名 求利 交易 谋旺 出行 谒见 疾病 官讼 坟墓 姓字 数目 方道 五味 五色",
     {"「天时」：月、雨、雪、露、霜、水", "「姓字」：点水旁之姓氏", "「数目」：一、六", "「方道」：北方",
      "「五味」：咸、酸", "「五色」：黑"}},
    {"艮", "天时 地理 人物 人事 身体 时序 静物 动物 家宅 屋舍 饮食 婚姻 求名 生产 交易 出行 谒见 疾病 官讼 坟墓 数目 方道 五色 五味",
     {"「数目」：五七十", "「方道」：东北方", "「五色」：黄", "「五味」：甘"}},
    {"震", "天时 地理 身体 人物 人事 时序 静物 动物 屋舍 家宅 饮食 婚姻 求利 求名 生产 疾病 谋旺 交易 官讼 谒见 出行 坟墓 姓字 数目 方道 五味 五色",
     {"「姓字」：带木姓人、行位四八三", "「数目」：四八三", "「方道」：东", "「五味」：甘、酸味", "「五色」：黑青、绿碧"}},
    {"巽", "天时 地理 人物 人事 身体 时序 静物 动物 屋舍 家宅 饮食 婚姻 生产 求名 求利 交易 谋旺 出行 谒见 疾病 姓字 官讼 坟墓 数目 方道 五味 五色",
     {"「姓字」：草木旁姓氏、行位五三八", "「数目」：一三八", "「方道」：东南", "「五味」：酸味", "「五色」：青绿、碧洁白"}},
    {"离", "天时 地理 人物 人事 身体 时序 静物 动物 屋舍 家宅 饮食 婚姻 生产 求名 求利 交易 出行 谒见 官讼 疾病 坟墓 姓字 数目 方道 五色 五味",
     {"「姓字」：带次或立人旁士姓氏，行位三二七", "「数目」：三二七", "「方道」：南", "「五色」：赤、紫、红", "「五味」：苦"}},
    {"坤", "天时 地理 人物 人事 身体 时序 静物 动物 屋宿 家宅 饮食 婚姻 生产 求名 交易 求利 谋旺 出行 谒见 疾病 官讼 坟墓 姓字 数目 方道 五味 五色",
     {"「姓字」：带土姓人、行位八五十", "「数目」：八五十", "「方道」：西南", "「五味」：甘", "「五色」：黄、黑"}},
    {"兑", "天时 地理 人物 人事 身体 时序 静物 动物 屋舍 家宅 饮食 婚姻 生产 求名 求利 出行 交易 谒见 疾病 坟墓 官讼 姓字 数目 方道 五色 五味",
     {"「姓字」：带口带金字旁姓氏，行位四二九", "「数目」：四二九", "「方道」：西方", "「五色」：白", "「五味」：辛辣"}},
};

TEST(TrigramTexts, KeysInOrderAndFixedLinesVerbatim) {
    const QList<TrigramText> texts = TrigramTexts();
    ASSERT_EQ(texts.size(), std::size(kTabs));
    const QRegularExpression line(QStringLiteral("^「(\\S{2})」：(\\S.*)$"));
    for (qsizetype tab = 0; tab < texts.size(); ++tab) {
        const Expected& expected = kTabs[tab];
        const TrigramText& text = texts[tab];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(text.name, QString::fromUtf8(expected.name));

        QStringList keys;
        for (const QString& entry : text.lines) {
            const QRegularExpressionMatch match = line.match(entry);
            EXPECT_TRUE(match.hasMatch()) << entry.toStdString();
            keys.append(match.captured(1));
        }
        EXPECT_EQ(keys, QString::fromUtf8(expected.keys).split(' '));

        // The fixed lines stand in the text in the stated order; the
        // closing ones are its last lines apart from keys placed between.
        qsizetype from = 0;
        for (const QString& fixed : expected.fixedLines) {
            const qsizetype at = text.lines.indexOf(fixed, from);
            EXPECT_GE(at, from) << fixed.toStdString();
            from = at + 1;
        }
        EXPECT_EQ(text.lines.last(), expected.fixedLines.last());
    }
}

}  // namespace
