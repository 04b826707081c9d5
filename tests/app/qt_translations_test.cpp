// Qt's own texts in Chinese, and the yes-or-no box asking before a deletion.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "qt_translations.h"
#include "shell_services.h"

namespace {

const QLocale kChinese(QLocale::Chinese, QLocale::China);

TEST(QtTranslations, QtsBoxesAndDialogsSpeakChinese) {
    const auto translator = InstallQtTranslations(kChinese);
    ASSERT_NE(translator, nullptr);
    const struct {
        const char* context;
        const char* english;
        const char* chinese;
    } texts[] = {
        {"QPlatformTheme", "OK", "确定"},     {"QPlatformTheme", "&Yes", "是(&Y)"},
        {"QPlatformTheme", "&No", "否(&N)"},  {"QFileDialog", "&Save", "保存(&S)"},
        {"QPrintDialog", "Print", "打印"},
    };
    for (const auto& text : texts) {
        EXPECT_EQ(QCoreApplication::translate(text.context, text.english), QString::fromUtf8(text.chinese))
            << text.context << " " << text.english;
    }
}

// A deletion cannot be undone: Enter alone answers 否.
TEST(AskYesNo, NoIsTheDefault) {
    const auto translator = InstallQtTranslations(kChinese);
    QString defaultButton;
    QTimer::singleShot(0, [&defaultButton] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        if (box->defaultButton() != nullptr) defaultButton = box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_FALSE(ShellServices::AskYesNo(nullptr, QStringLiteral("删除？")));
    EXPECT_EQ(defaultButton, QStringLiteral("否(&N)"));
}

}  // namespace
