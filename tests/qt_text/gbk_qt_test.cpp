#include "qt_text/gbk_qt.h"

#include <gtest/gtest.h>

#include <string>

#include "gbk.h"

using testing_support::gbk;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(GbkQt, ChineseAndAsciiSurviveBothWays) {
    for (const char* utf8 : {"", "abc 123", "宋体", "九九九九", "2010年9月", "庚寅(虎)年乙酉月", "《〈〉》…"}) {
        const QString text = QString::fromUtf8(utf8);
        EXPECT_EQ(QStringFromGbk(gbk(utf8)), text) << utf8;
        EXPECT_EQ(GbkFromQString(text), gbk(utf8)) << utf8;
    }
}

TEST(GbkQt, BytesGbkCannotDecodeBecomeQuestionMarks) {
    struct Case {
        std::string bytes;
        QString expected;
    };
    const Case cases[] = {
        {"\xFF", q("?")},                        // no GBK character
        {"a\xFF" "b", q("a?b")},                 // 0xFF never begins a character
        {"\xB0", q("?")},                        // lead byte cut off at the end
        {"\xB0" "0", q("?0")},                   // lead byte before a digit: the digit survives
        {std::string("\xCB\xCE") + "\x81\x20" + "x", QString::fromUtf8("宋") + q("? x")},
        {std::string("x\0y", 3), q("x") + QChar(0) + q("y")},  // NUL is a character too
    };
    for (const Case& c : cases) EXPECT_EQ(QStringFromGbk(c.bytes), c.expected) << c.expected.toStdString();
}

TEST(GbkQt, CharactersGbkCannotHoldBecomeQuestionMarks) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // outside the BMP
    const QString loneSurrogate(QChar(0xD800));
    EXPECT_EQ(GbkFromQString(q("a") + emoji + q("b")), "a?b");
    EXPECT_EQ(GbkFromQString(loneSurrogate + q("z")), "?z");
    EXPECT_EQ(GbkFromQString(QString::fromUtf8("한九")), "?" + gbk("九"));
}

TEST(GbkQt, LongTextsConvertWhole) {
    std::string utf8;
    for (int i = 0; i < 3000; ++i) utf8 += "九a";
    const std::string bytes = gbk(utf8);
    EXPECT_EQ(GbkFromQString(QStringFromGbk(bytes)), bytes);
    EXPECT_EQ(QStringFromGbk(bytes).size(), 6000);
}

}  // namespace
