// The reading page end to end: cast in the window, then read the page the
// report menu shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "main_window.h"
#include "qt_printers.h"
#include "reading_page.h"
#include "report_view.h"

namespace {

// 2024-02-10 at 9 o'clock, cast the traditional way.
const QString kReading = QStringLiteral(
    "【卦】\n"
    "本卦：山风蛊　动爻：初六　变卦：山天大畜\n"
    "【体用】\n"
    "体卦：艮土（上卦）\n"
    "用卦：巽木（下卦）\n"
    "【生克】\n"
    "用卦　　巽木　用克体\n"
    "上互卦　震木　互克体\n"
    "下互卦　兑金　体生互\n"
    "变卦　　乾金　体生变\n"
    "断语：用克体，诸事凶\n"
    "【旺衰】\n"
    "月令寅属木，体卦艮属土：死\n"
    "【经文】\n"
    "本卦　蛊：元亨，利涉大川。先甲三日，后甲三日。\n"
    "动爻　初六：干父之蛊，有子，考无咎，厉终吉。\n"
    "变卦　大畜：利贞，不家食吉，利涉大川。");

TEST(ReadingPage, ShowsTheLastCastingsReadingFromTheReportMenu) {
    ShellServices services = DesktopShellServices();
    services.openWebPage = [](const QUrl&) {};
    services.now = [] { return QDateTime(QDate(2024, 2, 10), QTime(9, 0)); };
    TForm1 form(services);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QList<QAction*> menu = form.PopupMenu2->actions();
    EXPECT_EQ(menu.mid(menu.size() - 3), (QList<QAction*>{form.N20, menu[menu.size() - 2], form.N21}));
    EXPECT_TRUE(menu[menu.size() - 2]->isSeparator());
    EXPECT_EQ(form.N21->text(), "显示解卦");

    form.N21->trigger();
    EXPECT_EQ(form.bsSkinNotebook2->currentWidget(), form.readingPage);
    EXPECT_TRUE(form.readingPage->toPlainText().startsWith("尚未起卦"));

    form.N20->trigger();
    QTest::mouseClick(form.bsSkinButton1, Qt::LeftButton);  // 传统起卦 while the page is hidden
    form.N21->trigger();
    EXPECT_EQ(form.readingPage->toPlainText(), kReading);

    QTest::mouseClick(form.bsSkinButton5, Qt::LeftButton);  // a page button empties the report only
    EXPECT_TRUE(form.bsSkinRichEdit1->toPlainText().isEmpty());
    EXPECT_TRUE(form.readingPage->isReadOnly());
    form.readingPage->selectAll();
    form.readingPage->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), kReading);

    form.bsSkinComboBox2->setCurrentIndex(5);  // 坎 over 坎, line 2, while the page shows
    form.bsSkinComboBox3->setCurrentIndex(5);
    form.bsSkinComboBox4->setCurrentIndex(1);
    QTest::mouseClick(form.bsSkinButton12, Qt::LeftButton);
    QTRY_VERIFY(form.readingPage->toPlainText().contains("动爻　九二：坎有险，求小得。"));
}

}  // namespace
