// The reference panel beside the report: the chart, the trigram tabs and the
// reading, switched by the report menu, and the chart's link to the shop page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "jpeg_image.h"
#include "main_window.h"
#include "picture_view.h"
#include "qt_printers.h"
#include "reading_page.h"
#include "report_view.h"
#include "roll_panel.h"

namespace {

class ReferencePanelTest : public testing::Test {
protected:
    QList<QUrl> opened;
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        ShellServices services = DesktopShellServices();
        services.openWebPage = [this](const QUrl& page) { opened.append(page); };
        services.now = [] { return QDateTime(QDate(2010, 9, 13), QTime(17, 5)); };
        form = std::make_unique<TForm1>(services);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        opened.clear();  // the start-up page
    }

    QString SelectedTab() const {
        return form->bsSkinPageControl1->tabText(form->bsSkinPageControl1->currentIndex());
    }
};

TEST_F(ReferencePanelTest, StartsOnTheChartWithTheTrigramTabsReadyOnKan) {
    EXPECT_FALSE(form->bsSkinExPanel6->isRolledUp());
    EXPECT_EQ(form->bsSkinNotebook2->count(), 4);
    EXPECT_EQ(form->bsSkinNotebook2->currentWidget(), form->Image1);
    EXPECT_TRUE(form->Image1->isVisible());
    EXPECT_EQ(form->Image1->picture().size(), QSize(445, 690));
    // Drawn stretched over the whole page below the caption bar.
    EXPECT_EQ(form->Image1->size(), form->bsSkinNotebook2->contentsRect().size());
    EXPECT_GE(form->Image1->height(), 500);

    QStringList tabs;
    for (int i = 0; i < form->bsSkinPageControl1->count(); ++i) tabs.append(form->bsSkinPageControl1->tabText(i));
    EXPECT_EQ(tabs, QString("乾 坎 艮 震 巽 离 坤 兑").split(' '));
    EXPECT_EQ(form->bsSkinPageControl1->tabPosition(), QTabWidget::West);
    EXPECT_EQ(SelectedTab(), "坎");
}

TEST_F(ReferencePanelTest, RollButtonFoldsThePanelToItsCaptionAndBack) {
    QTest::mouseClick(form->bsSkinExPanel6->rollButton(), Qt::LeftButton);
    EXPECT_EQ(form->bsSkinExPanel6->height(), RollPanel::kCaptionHeight);
    EXPECT_FALSE(form->bsSkinNotebook2->isVisible());
    QTest::mouseClick(form->bsSkinExPanel6->rollButton(), Qt::LeftButton);
    EXPECT_EQ(form->bsSkinExPanel6->height(), 527);
    EXPECT_EQ(form->bsSkinNotebook2->currentWidget(), form->Image1);
    EXPECT_TRUE(form->Image1->isVisible());
}

TEST_F(ReferencePanelTest, ReportMenuSwitchesPagesAndKeepsTheChosenTab) {
    form->N19->trigger();
    EXPECT_EQ(form->bsSkinNotebook2->currentWidget(), form->bsSkinPageControl1);
    EXPECT_EQ(SelectedTab(), "坎");

    QTest::mouseClick(form->bsSkinPageControl1->tabBar(), Qt::LeftButton, {},
                      form->bsSkinPageControl1->tabBar()->tabRect(3).center());
    EXPECT_EQ(SelectedTab(), "震");

    form->N20->trigger();
    EXPECT_EQ(form->bsSkinNotebook2->currentWidget(), form->Image1);
    form->N20->trigger();  // already shown: nothing changes
    EXPECT_EQ(form->bsSkinNotebook2->currentWidget(), form->Image1);

    form->N19->trigger();
    EXPECT_EQ(SelectedTab(), "震");
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(ReferencePanelTest, OnlyTheChartOpensTheShopPage) {
    QTest::mouseClick(form->Image1, Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>{kMakersShopPage});
    EXPECT_TRUE(kMakersShopPage.isLocalFile());

    opened.clear();
    form->N19->trigger();
    QTest::mouseClick(form->bsSkinPageControl1->currentWidget(), Qt::LeftButton);
    QTest::mouseClick(form->Image1, Qt::RightButton);
    EXPECT_TRUE(opened.isEmpty());
}

// The texts do not scroll, so each must fit its tab whole, word-wrapped,
// and nothing may edit them.
TEST_F(ReferencePanelTest, EveryTrigramTextFitsItsTabAndIsReadOnly) {
    form->N19->trigger();
    for (int i = 0; i < form->bsSkinPageControl1->count(); ++i) {
        form->bsSkinPageControl1->setCurrentIndex(i);
        QWidget* sheet = form->bsSkinPageControl1->currentWidget();
        auto* text = sheet->findChild<QLabel*>(QStringLiteral("bsSkinTextLabel%1").arg(i + 1));
        ASSERT_NE(text, nullptr) << i;
        SCOPED_TRACE(text->text().left(12).toStdString());
        EXPECT_EQ(sheet->objectName(), QStringLiteral("bsSkinTabSheet%1").arg(i + 1));
        EXPECT_TRUE(text->wordWrap());
        EXPECT_EQ(text->size(), sheet->size());
        EXPECT_LE(text->heightForWidth(text->width()), text->height());
        EXPECT_GE(text->font().pixelSize(), 11) << "too small to read";
        EXPECT_FALSE(text->textInteractionFlags() & Qt::TextEditable);
        EXPECT_TRUE(text->text().startsWith("「天时」："));
    }
}

// The fields start on 2010-09-13 at 17, so 传统起卦 casts the sample reading.
TEST_F(ReferencePanelTest, ReadingPageShowsTheLastCastingFromTheReportMenu) {
    const QList<QAction*> menu = form->PopupMenu2->actions();
    EXPECT_EQ(menu.mid(menu.size() - 3), (QList<QAction*>{form->N20, menu[menu.size() - 2], form->N21}));
    EXPECT_TRUE(menu[menu.size() - 2]->isSeparator());
    EXPECT_EQ(form->N21->text(), "显示解卦");
    form->N21->trigger();
    EXPECT_EQ(form->bsSkinNotebook2->currentWidget(), form->readingPage);
    EXPECT_TRUE(form->readingPage->toPlainText().startsWith("尚未起卦"));

    form->N20->trigger();
    QTest::mouseClick(form->bsSkinButton1, Qt::LeftButton);  // while the page is hidden
    form->N21->trigger();
    const QString reading = QStringLiteral(
        "【卦】\n本卦：天火同人　动爻：九三　变卦：天雷无妄\n"
        "【体用】\n体卦：乾金（上卦）\n用卦：离火（下卦）\n"
        "【生克】\n用卦　　离火　用克体\n上互卦　乾金　比和\n下互卦　巽木　体克互\n变卦　　震木　体克变\n"
        "断语：用克体，诸事凶\n"
        "【旺衰】\n月令酉属金，体卦乾属金：旺\n"
        "【经文】\n本卦　同人：同人于野，亨。利涉大川，利君子贞。\n"
        "动爻　九三：伏戎于莽，升其高陵，三岁不兴。\n"
        "变卦　无妄：元亨利贞。其匪正有眚，不利有攸往。\n"
        "【六爻】\n天火同人：离宫火　归魂　旬空：戌亥\n"
        "青龙　子孙壬戌土　▄▄▄▄▄　应空\n玄武　妻财壬申金　▄▄▄▄▄\n白虎　兄弟壬午火　▄▄▄▄▄\n"
        "螣蛇　官鬼己亥水　▄▄▄▄▄○世空→子孙庚辰土\n勾陈　子孙己丑土　▄▄　▄▄\n朱雀　父母己卯木　▄▄▄▄▄");
    EXPECT_EQ(form->readingPage->toPlainText(), reading);
    EXPECT_TRUE(form->readingPage->isReadOnly());
    form->readingPage->selectAll();
    form->readingPage->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), reading);

    QTest::mouseClick(form->bsSkinButton5, Qt::LeftButton);  // a page button empties the report and its reading
    EXPECT_TRUE(form->bsSkinRichEdit1->toPlainText().isEmpty());
    EXPECT_TRUE(form->readingPage->toPlainText().startsWith("尚未起卦"));

    form->bsSkinComboBox2->setCurrentIndex(5);  // 坎 over 坎, line 2, while the page shows
    form->bsSkinComboBox3->setCurrentIndex(5);
    form->bsSkinComboBox4->setCurrentIndex(1);
    QTest::mouseClick(form->bsSkinButton12, Qt::LeftButton);
    QTRY_VERIFY(form->readingPage->toPlainText().contains("动爻　九二：坎有险，求小得。"));
}

// A picture that did not decode leaves its page blank, and still clicks.
TEST(PictureView, BlankWhenThePictureDidNotDecode) {
    QFile file(QStringLiteral(":/pictures/chart.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    PictureView view(DecodeJpeg(file.readAll().left(5000)), PictureView::Fit::Stretch);
    view.resize(60, 90);
    const QImage shown = view.grab().toImage();
    bool uniform = true;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) uniform = uniform && shown.pixel(x, y) == shown.pixel(0, 0);
    EXPECT_TRUE(uniform);

    int clicks = 0;
    QObject::connect(&view, &PictureView::clicked, [&clicks] { ++clicks; });
    QTest::mouseClick(&view, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
