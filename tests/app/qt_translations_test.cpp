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

TEST(QtTranslations, QtsBoxesAndDialogsSpeakChinese) {
    const auto translator = InstallQtTranslations(QLocale(QLocale::Chinese, QLocale::China));
    ASSERT_NE(translator, nullptr);
    const char* const texts[][3] = {{"QPlatformTheme", "OK", "确定"},
                                    {"QFileDialog", "&Save", "保存(&S)"},
                                    {"QPrintDialog", "Print", "打印"}};
    for (const auto& [context, english, chinese] : texts) {
        EXPECT_EQ(QCoreApplication::translate(context, english), QString::fromUtf8(chinese)) << english;
    }
    // A deletion cannot be undone: Enter alone answers 否.
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
