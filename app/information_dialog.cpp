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

#include "jpeg_image.h"
#include "picture_view.h"
#include "shell_services.h"
#include "verification_chart.h"

namespace {

template <typename W>
W* Placed(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* NewHeading(const QString& text, QWidget* page, int top) {
    auto* heading = new QLabel(text, page);
    QFont font = heading->font();
    font.setPixelSize(19);
    font.setBold(true);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    return Placed(heading, 0, top, page->width(), 30);
}

QLabel* NewParagraphs(const QString& text, QWidget* page, int left, int top, int width, int height) {
    auto* label = Placed(new QLabel(text, page), left, top, width, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A flat button that looks like a link: its caption is `lead` followed by
// the address, shortened in the middle to fit; the tooltip has it whole.
QPushButton* NewLinkLabel(const QString& lead, const QUrl& address, QWidget* page, int left, int top, int width) {
    auto* link = Placed(new QPushButton(page), left, top, width, 16);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral(
        "QPushButton { border: none; padding: 0; text-align: left; color: palette(link); text-decoration: underline; }"));
    const QString whole = lead + address.toString();
    link->setText(QFontMetrics(link->font()).elidedText(whole, Qt::ElideMiddle, width));
    link->setToolTip(whole);
    link->setAccessibleName(whole);
    return link;
}

}  // namespace

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
    PageControl1->addTab(TabSheet1, QStringLiteral("问题反馈"));
    PageControl1->addTab(TabSheet2, QStringLiteral("关于我们"));
    PageControl1->addTab(TabSheet3, QStringLiteral("验证机制"));
    PageControl1->addTab(TabSheet4, QStringLiteral("最新软件"));

    // The tab row is placed above the client area, so the user sees only
    // the page the opener chose. Its height depends on the style; with the
    // usual 24 pixels this is (5, -24) at 489 × 468.
    PageControl1->ensurePolished();
    const int tabRow = PageControl1->tabBar()->sizeHint().height();
    PageControl1->setGeometry(5, -tabRow, 489, kClientHeight + tabRow + 2);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

QPushButton* TForm2::NewCloseButton(QWidget* page, const char* name, int left, int top, int width) {
    auto* button = Placed(new QPushButton(QStringLiteral("关闭"), page), left, top, width, 25);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    return button;
}

QWidget* TForm2::BuildFeedbackPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    page->resize(485, 442);
    NewHeading(QStringLiteral("简介"), page, 16);
    NewParagraphs(QStringLiteral(
                      "爻盘是一个按梅花易数起卦、排卦的小程序：填上人物与时间，选一种起卦方法，"
                      "即得本卦、互卦、变卦、错卦、综卦及其爻象，右侧的开悟图与象意可供断卦时查阅。\n\n"
                      "程序由 yaopan 开发者编写，随附 guaku 卦库与农历月历控件。使用中遇到问题，"
                      "发现卦名、笔画或历法有误，或者有改进的想法，都欢迎告诉我们。下面两个页面随程序一同安装，"
                      "不联网也能打开，页中写有反馈的办法。\n\n"
                      "反馈时请写明程序版本、所用的起卦方法、输入的内容和看到的结果，我们好照样重现、尽快改正。"),
                  page, 40, 60, 405, 250);
    bsSkinButtonLabel1 = NewLinkLabel(QStringLiteral("作者博客："), kMakersBlogPage, page, 228, 328, 233);
    bsSkinButtonLabel1->setObjectName(QStringLiteral("bsSkinButtonLabel1"));
    connect(bsSkinButtonLabel1, &QPushButton::clicked, this, &TForm2::bsSkinButtonLabel1Click);
    bsSkinButtonLabel2 = NewLinkLabel(QStringLiteral("作品小店："), kMakersShopPage, page, 240, 344, 233);
    bsSkinButtonLabel2->setObjectName(QStringLiteral("bsSkinButtonLabel2"));
    connect(bsSkinButtonLabel2, &QPushButton::clicked, this, &TForm2::bsSkinButtonLabel2Click);
    Button3 = NewCloseButton(page, "Button3", 392, 392, 75);
    return page;
}

QWidget* TForm2::BuildAboutPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    page->resize(485, 442);
    NewHeading(QStringLiteral("关于我们"), page, 16);
    const QList<QPair<QString, QString>> rows = {
        {"开发者", "yaopan 开发者（the yaopan developers），一个自愿维护本程序的小团队"},
        {"作品", "爻盘：梅花易数起卦程序，九种起卦方法，五卦并排的起卦报告"},
        {"卦库", "guaku：笔画、卦名、时柱、旬空、刻柱、奇门局数六个函数，任何程序都可调用"},
        {"日历", "农历月历控件：农历、节气、干支、节日与提示窗"},
        {"平台", "Linux 桌面，Qt 6 界面；卦库另有 32 位 Windows 版本"},
        {"原则", "不联网、不存档、不收集任何数据；所有表格对照典籍与公开数据"},
        {"联系", "见“问题反馈”页上的两个随附页面"},
    };
    auto* table = Placed(new QTableWidget(static_cast<int>(rows.size()), 2, page), 20, 60, 445, 330);
    table->setObjectName(QStringLiteral("AboutTable"));
    table->setHorizontalHeaderLabels({QStringLiteral("项目"), QStringLiteral("说明")});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setShowGrid(true);
    table->setWordWrap(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < rows.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows[row].first));
        table->setItem(row, 1, new QTableWidgetItem(rows[row].second));
    }
    Button1 = NewCloseButton(page, "Button1", 384, 410, 91);
    return page;
}

QWidget* TForm2::BuildVerificationPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    page->resize(485, 442);
    NewHeading(QStringLiteral("理论验证机制"), page, 16);
    NewParagraphs(QStringLiteral("程序里的每条规则都取自传统梅花易数的起卦法与类象。我们不改动理论本身，"
                                 "只核对程序是否忠实照做。核对分三路进行，互相印证："),
                  page, 30, 56, 425, 44);
    Placed(new VerificationChart(QStringLiteral("理论验证"),
                                 {QStringLiteral("典籍对照"), QStringLiteral("程序测试"), QStringLiteral("案例复核")},
                                 page),
           60, 106, 365, 86);
    NewParagraphs(QStringLiteral(
                      "典籍对照：卦名、笔画、干支、节气与八卦类象，逐条对照通行典籍和公开的标准数据。\n\n"
                      "程序测试：起卦、排卦与历法换算由自动测试把关，1900 至 2100 年逐日换算全部核过。\n\n"
                      "案例复核：用户寄来的起卦实例由两人分别手算，再与程序结果比对，有出入即记为问题，查明改正。"),
                  page, 30, 206, 425, 190);
    Button2 = NewCloseButton(page, "Button2", 376, 412, 91);
    return page;
}

QWidget* TForm2::BuildLatestWorkPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    Image1 = new PictureView(LoadJpeg(QStringLiteral(":/pictures/latest_work.jpg")), PictureView::Fit::TopLeft);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("最新成果"));
    auto* layout = new QVBoxLayout(page);  // the picture fills the page, which clips it
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    connect(Image1, &PictureView::clicked, this, &TForm2::Image1Click);
    return page;
}

void TForm2::bsSkinButtonLabel1Click() { openWebPage_(kMakersBlogPage); }
void TForm2::bsSkinButtonLabel2Click() { openWebPage_(kMakersShopPage); }
void TForm2::Image1Click() { openWebPage_(kMakersBlogPage); }
