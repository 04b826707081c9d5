// The information dialog of the help menu: feedback and contact, about the
// makers, how the theory is checked, and a picture of the newest work. The
// opener chooses the page and the title; the tab row lies above the client
// area, so the user sees only that page.
#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

#include "translated_texts.h"

class PictureView;
class QLabel;
class QTableWidget;
class VerificationChart;
class QPushButton;
class QTabWidget;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 492;
    static constexpr int kClientHeight = 442;

    // `openWebPage` opens the makers' pages; its failures are not reported.
    explicit TForm2(std::function<void(const QUrl&)> openWebPage, QWidget* parent = nullptr);

    void bsSkinButtonLabel1Click();  // the blog link
    void bsSkinButtonLabel2Click();  // the shop link
    void Image1Click();              // the page-3 picture: the blog

    QTabWidget* PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4;
    QPushButton *bsSkinButtonLabel1, *bsSkinButtonLabel2;
    QPushButton *Button1, *Button2, *Button3;  // 关闭 on pages 1, 2 and 0
    PictureView* Image1;
    // The texts read from the pages' files.
    QLabel *feedbackText, *verificationIntro, *verificationBranches;
    QTableWidget* aboutTable;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The fixed texts in the program's language; the title is the opener's.
    void RetranslateUi();
    // The pages' texts from their files, in the program's language.
    void ShowPageTexts();
    // A page of the client area's size with its heading near the top.
    QWidget* NewPage(const char* name, const char* heading);
    QWidget* BuildFeedbackPage();
    QWidget* BuildAboutPage();
    QWidget* BuildVerificationPage();
    QWidget* BuildLatestWorkPage();
    QPushButton* NewCloseButton(QWidget* page, const char* name, int left, int top, int width);
    // A flat button that looks like a link, captioned `lead` and the address.
    QPushButton* NewLinkLabel(QWidget* page, const char* name, const char* lead, const QUrl& address, QPoint at,
                              void (TForm2::*handler)());

    std::function<void(const QUrl&)> openWebPage_;
    TranslatedTexts texts_{"TForm2"};
    VerificationChart* chart_;
};
