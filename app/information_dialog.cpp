#include "information_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data_script.h"
#include "jpeg_image.h"
#include "picture_view.h"
#include "resource_text.h"
#include "shell_services.h"
#include "verification_chart.h"

namespace {

template <typename W>
W* Placed(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* NewHeading(QWidget* page, int top) {
    auto* heading = new QLabel(page);
    QFont font = heading->font();
    font.setPixelSize(19);
    font.setBold(true);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    return Placed(heading, 0, top, page->width(), 30);
}

QLabel* NewParagraphs(QWidget* page, int left, int top, int width, int height) {
    auto* label = Placed(new QLabel(page), left, top, width, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A page's text in the window's language: the English file beside the
// Chinese one where there is one, else the Chinese in the characters shown.
QString PageText(const char* chinese, const char* english = nullptr) {
    if (english != nullptr && EnglishShown()) return ResourceText(QStringLiteral(":/information/") + english);
    return ShownDataText(ResourceText(QStringLiteral(":/information/") + chinese));
}

}  // namespace

QWidget* TForm2::NewPage(const char* name, const char* heading) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    page->resize(485, 442);
    QLabel* label = NewHeading(page, 16);
    texts_.Add(heading, [label](const QString& text) { label->setText(text); });
    return page;
}

TForm2::TForm2(std::function<void(const QUrl&)> openWebPage, QWidget* parent)
    : QDialog(parent), openWebPage_(std::move(openWebPage)) {
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(kClientWidth, kClientHeight);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // The pages are laid out for the client area; the page control's own
    // width and height stand 24 pixels above it, where the tab row goes.
    PageControl1->resize(489, 468);
    TabSheet1 = BuildFeedbackPage();
    TabSheet2 = BuildAboutPage();
    TabSheet3 = BuildVerificationPage();
    TabSheet4 = BuildLatestWorkPage();
    const char* const tabs[] = {QT_TR_NOOP("问题反馈"), QT_TR_NOOP("关于我们"), QT_TR_NOOP("验证机制"),
                                QT_TR_NOOP("最新软件")};
    for (QWidget* sheet : {TabSheet1, TabSheet2, TabSheet3, TabSheet4}) {
        const int index = PageControl1->addTab(sheet, QString());
        texts_.Add(tabs[index], [this, index](const QString& text) { PageControl1->setTabText(index, text); });
    }

    // The tab row is placed above the client area, so the user sees only
    // the page the opener chose. Its height depends on the style; with the
    // usual 24 pixels this is (5, -24) at 489 × 468.
    PageControl1->ensurePolished();
    const int tabRow = PageControl1->tabBar()->sizeHint().height();
    PageControl1->setGeometry(5, -tabRow, 489, kClientHeight + tabRow + 2);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
    RetranslateUi();
}

void TForm2::RetranslateUi() {
    texts_.Retranslate();
    chart_->SetTexts(tr("理论验证"), {tr("典籍对照"), tr("程序测试"), tr("案例复核")});
    ShowPageTexts();
}

void TForm2::ShowPageTexts() {
    feedbackText->setText(PageText("feedback.txt", "feedback.en.txt"));
    verificationIntro->setText(PageText("verification_intro.txt"));
    verificationBranches->setText(PageText("verification_branches.txt"));

    // A ruled table: the first line of the file is the header, the rest
    // rows, cells separated by tabs. The version heads the rows; it is the
    // build's, not the file's.
    QStringList lines = PageText("about.tsv", "about.en.tsv").split(QLatin1Char('\n'));
    const QStringList header = lines.takeFirst().split(QLatin1Char('\t'));
    lines.prepend(tr("版本") + QStringLiteral("\t" YAOPAN_VERSION));
    aboutTable->clear();
    aboutTable->setRowCount(static_cast<int>(lines.size()));
    aboutTable->setColumnCount(static_cast<int>(header.size()));
    aboutTable->setHorizontalHeaderLabels(header);
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList cells = lines[row].split(QLatin1Char('\t'));
        for (int column = 0; column < cells.size() && column < header.size(); ++column) {
            aboutTable->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
}

void TForm2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QDialog::changeEvent(event);
}

QPushButton* TForm2::NewCloseButton(QWidget* page, const char* name, int left, int top, int width) {
    auto* button = Placed(new QPushButton(page), left, top, width, 25);
    texts_.Add(QT_TR_NOOP("关闭"), button);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    return button;
}

QPushButton* TForm2::NewLinkLabel(QWidget* page, const char* name, const char* lead, const QUrl& address,
                                  QPoint at, void (TForm2::*handler)()) {
    constexpr int kWidth = 233;
    auto* link = Placed(new QPushButton(page), at.x(), at.y(), kWidth, 16);
    link->setObjectName(QString::fromLatin1(name));
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral(
        "QPushButton { border: none; padding: 0; text-align: left; color: palette(link); text-decoration: underline; }"));
    // The address is shortened in the middle to fit; the tooltip has it whole.
    texts_.Add(lead, [link, address](const QString& text) {
        const QString whole = text + address.toString();
        link->setText(QFontMetrics(link->font()).elidedText(whole, Qt::ElideMiddle, kWidth));
        link->setToolTip(whole);
        link->setAccessibleName(whole);
    });
    connect(link, &QPushButton::clicked, this, handler);
    return link;
}

QWidget* TForm2::BuildFeedbackPage() {
    QWidget* page = NewPage("TabSheet1", QT_TR_NOOP("简介"));
    feedbackText = NewParagraphs(page, 40, 60, 405, 250);
    bsSkinButtonLabel1 = NewLinkLabel(page, "bsSkinButtonLabel1", QT_TR_NOOP("作者博客："), kMakersBlogPage,
                                      {228, 328}, &TForm2::bsSkinButtonLabel1Click);
    bsSkinButtonLabel2 = NewLinkLabel(page, "bsSkinButtonLabel2", QT_TR_NOOP("作品小店："), kMakersShopPage,
                                      {240, 344}, &TForm2::bsSkinButtonLabel2Click);
    Button3 = NewCloseButton(page, "Button3", 392, 392, 75);
    return page;
}

QWidget* TForm2::BuildAboutPage() {
    QWidget* page = NewPage("TabSheet2", QT_TR_NOOP("关于我们"));
    auto* table = aboutTable = Placed(new QTableWidget(page), 20, 60, 445, 330);
    table->setObjectName(QStringLiteral("AboutTable"));
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setShowGrid(true);
    table->setWordWrap(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    Button1 = NewCloseButton(page, "Button1", 384, 410, 91);
    return page;
}

QWidget* TForm2::BuildVerificationPage() {
    QWidget* page = NewPage("TabSheet3", QT_TR_NOOP("理论验证机制"));
    verificationIntro = NewParagraphs(page, 30, 56, 425, 44);
    chart_ = Placed(new VerificationChart(page), 60, 106, 365, 86);
    verificationBranches = NewParagraphs(page, 30, 206, 425, 190);
    Button2 = NewCloseButton(page, "Button2", 376, 412, 91);
    return page;
}

QWidget* TForm2::BuildLatestWorkPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    Image1 = new PictureView(LoadJpeg(QStringLiteral(":/pictures/latest_work.jpg")), PictureView::Fit::TopLeft);
    Image1->setObjectName(QStringLiteral("Image1"));
    texts_.Add(QT_TR_NOOP("最新成果"), [this](const QString& text) { Image1->setAccessibleName(text); });
    auto* layout = new QVBoxLayout(page);  // the picture fills the page, which clips it
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    connect(Image1, &PictureView::clicked, this, &TForm2::Image1Click);
    return page;
}

void TForm2::bsSkinButtonLabel1Click() { openWebPage_(kMakersBlogPage); }
void TForm2::bsSkinButtonLabel2Click() { openWebPage_(kMakersShopPage); }
void TForm2::Image1Click() { openWebPage_(kMakersBlogPage); }
