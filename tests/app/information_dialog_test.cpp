// The information dialog from each help item, and its links, picture and
// close buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "information_dialog.h"
#include "main_window.h"
#include "picture_view.h"
#include "qt_printers.h"

namespace {

struct Seen {
    int page = -1;
    QString tab, title;
    bool modal = false, tabRowHidden = false, pageFillsClient = false;
    QSize size;
};

// Runs `open`, which shows the dialog modally, notes what the dialog shows
// and closes it with its window's close box.
Seen WhileOpen(const std::function<void()>& open) {
    Seen seen;
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<TForm2*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        QTabWidget* pages = dialog->PageControl1;
        seen.page = pages->currentIndex();
        seen.tab = pages->tabText(seen.page);
        seen.title = dialog->windowTitle();
        seen.modal = dialog->isModal();
        seen.size = dialog->size();
        // The tab row ends at or above the client area's top edge; the
        // page begins at it.
        seen.tabRowHidden = pages->tabBar()->mapTo(dialog, QPoint(0, pages->tabBar()->height())).y() <= 0;
        const QPoint pageTop = pages->currentWidget()->mapTo(dialog, QPoint(0, 0));
        seen.pageFillsClient = pageTop.y() >= 0 && pageTop.y() <= 4 &&
                               pageTop.y() + pages->currentWidget()->height() >= dialog->height() - 4;
        dialog->close();
    });
    open();
    return seen;
}

TEST(InformationDialog, EachHelpItemOpensItsPageWithItsTitle) {
    ShellServices services = DesktopShellServices();
    services.openWebPage = [](const QUrl&) {};
    TForm1 form(services);
    const struct {
        QAction* item;
        int page;
        const char* tab;
        const char* title;
    } cases[] = {
        {form.N15, 0, "问题反馈", "问题反馈"},
        {form.N16, 1, "关于我们", "关于我们"},
        {form.N17, 2, "验证机制", "理论机制"},
        {form.N18, 3, "最新软件", "最新成果"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const Seen seen = WhileOpen([&] { c.item->trigger(); });
        EXPECT_EQ(seen.page, c.page);
        EXPECT_EQ(seen.tab, c.tab);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_TRUE(seen.modal);
        EXPECT_TRUE(seen.tabRowHidden);
        EXPECT_TRUE(seen.pageFillsClient);
        EXPECT_EQ(seen.size, QSize(492, 442));
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

class DialogTest : public testing::Test {
protected:
    QList<QUrl> opened;
    TForm2 dialog{[this](const QUrl& page) { opened.append(page); }};

    void Show(int page) {
        dialog.PageControl1->setCurrentIndex(page);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
};

TEST_F(DialogTest, LinksAndPictureOpenTheMakersPagesAndTheDialogStays) {
    Show(0);
    QTest::mouseClick(dialog.bsSkinButtonLabel1, Qt::LeftButton);
    QTest::mouseClick(dialog.bsSkinButtonLabel2, Qt::LeftButton);
    EXPECT_EQ(opened, (QList<QUrl>{kMakersBlogPage, kMakersShopPage}));
    EXPECT_TRUE(dialog.bsSkinButtonLabel1->toolTip().startsWith("作者博客：file://"));
    // Both pages are shipped files, so the links work offline.
    for (const QUrl& page : {kMakersBlogPage, kMakersShopPage}) {
        EXPECT_TRUE(QFileInfo(page.toLocalFile()).isFile()) << page.toString().toStdString();
    }

    dialog.PageControl1->setCurrentIndex(3);
    QTest::mouseClick(dialog.Image1, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(opened.last(), kMakersBlogPage);
    EXPECT_EQ(opened.size(), 3);
    EXPECT_TRUE(dialog.isVisible());
}

// The page texts are resources; a missing one would leave a page blank.
TEST_F(DialogTest, TextPagesShowTheirContents) {
    for (QWidget* page : {dialog.TabSheet1, dialog.TabSheet3}) {
        int filled = 0;
        for (const QLabel* label : page->findChildren<QLabel*>()) filled += label->text().size() > 40 ? 1 : 0;
        EXPECT_GE(filled, 1) << page->objectName().toStdString();
    }
    const auto* table = dialog.TabSheet2->findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_GE(table->rowCount(), 3);
    EXPECT_EQ(table->item(0, 0)->text(), "版本");
    EXPECT_EQ(table->item(0, 1)->text(), YAOPAN_VERSION);
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            EXPECT_FALSE(table->item(row, column) == nullptr || table->item(row, column)->text().isEmpty())
                << row << "," << column;
}

TEST_F(DialogTest, PicturePageShowsTheColourPictureWithoutCloseButton) {
    Show(3);
    EXPECT_EQ(dialog.Image1->picture().size(), QSize(1366, 738));
    EXPECT_FALSE(dialog.Image1->picture().isGrayscale());
    EXPECT_TRUE(dialog.TabSheet4->findChildren<QPushButton*>().isEmpty());
}

TEST_F(DialogTest, CloseButtonsCloseTheDialog) {
    const struct {
        int page;
        QPushButton* button;
        QRect place;
    } cases[] = {
        {0, dialog.Button3, {392, 392, 75, 25}},
        {1, dialog.Button1, {384, 410, 91, 25}},
        {2, dialog.Button2, {376, 412, 91, 25}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        Show(c.page);
        EXPECT_EQ(c.button->text(), "关闭");
        EXPECT_EQ(c.button->geometry(), c.place);
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(DialogTest, CentredOnTheScreen) {
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((dialog.geometry().center() - screenCentre).manhattanLength(), 2);
}

}  // namespace
