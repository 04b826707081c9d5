#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <exception>

#include "qt_text/gbk_qt.h"
#include "calendar/date_rule.h"
#include "calendar_control/nong_calendar.h"
#include "pipeline/reading_text.h"
#include "almanac_window.h"
#include "history_window.h"
#include "information_dialog.h"
#include "input_fields.h"
#include "picture_view.h"
#include "program_settings.h"
#include "reading_page.h"
#include "reference_panel.h"
#include "report_file.h"
#include "report_view.h"
#include "roll_panel.h"
#include "time_correction_dialog.h"
#include "conventions_dialog.h"
#include "engine_message.h"
#include "language_menu.h"

namespace {

const QString kOpenHomePageKey = QStringLiteral("start/openHomePage");

constexpr int kQuestionMaxBytes = 50;

// Places `widget` at client coordinates, as the window description does.
template <typename W>
W* Placed(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(left, top, width, height);
    return widget;
}

// The sexes as the engine takes them, whatever the buttons say.
constexpr const char* kSexes[] = {"男", "女"};

// A method's input page. Its line edits and closed lists leave Enter to
// their parent, so Enter in any of its boxes reaches the page, which casts
// as its 确认起卦 button does.
class InputPage : public QWidget {
public:
    explicit InputPage(QPushButton* confirm) : confirm_(confirm) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            confirm_->click();
        } else {
            QWidget::keyPressEvent(event);
        }
    }

private:
    QPushButton* confirm_;
};

}  // namespace

TForm1::TForm1(ShellServices services, QWidget* parent) : QWidget(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(976, 547);
    move(203, 110);

    // The calendar lies under the reference panel, so it is made first.
    NongCalendar1 = Placed(new TNongCalendar(this), 760, 192, 9, 1);
    NongCalendar1->setObjectName(QStringLiteral("NongCalendar1"));
    // Nothing of it shows, yet its first layout fits every calendar font and
    // loads their faces, which nothing else on the first paint uses: it is
    // shown once the window has painted (ShowRestAfterFirstPaint).
    NongCalendar1->hide();
    DescribeCalendar();

    BuildMenus();
    BuildToolbox();
    BuildPersonAndMoment();
    BuildInputPages();

    bsSkinRichEdit1 = Placed(new ReportView(this), 150, 174, 496, 301);
    bsSkinRichEdit1->setObjectName(QStringLiteral("bsSkinRichEdit1"));
    texts_.Add(QT_TR_NOOP("卦象"), [this](const QString& text) { bsSkinRichEdit1->setAccessibleName(text); });
    bsSkinRichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bsSkinRichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu2->popup(bsSkinRichEdit1->mapToGlobal(at)); });
    connect(bsSkinRichEdit1, &QPlainTextEdit::textChanged, this, [this] {
        if (bsSkinRichEdit1->document()->isEmpty()) shownHeading_.reset();
    });
    // The report menu is the window's own context menu too.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu2->popup(mapToGlobal(at)); });

    bsSkinExPanel6 = Placed(new RollPanel(QString(), 527, this), 648, 22, 329, 527);
    bsSkinExPanel6->setObjectName(QStringLiteral("bsSkinExPanel6"));
    texts_.Add(QT_TR_NOOP("八卦干支开悟图"), [this](const QString& text) { bsSkinExPanel6->setCaption(text); });
    const ReferencePanel reference = BuildReferencePanel(bsSkinExPanel6->body());
    bsSkinNotebook2 = reference.bsSkinNotebook2;
    Image1 = reference.Image1;
    bsSkinPageControl1 = reference.bsSkinPageControl1;
    readingPage = reference.readingPage;
    connect(Image1, &PictureView::clicked, this, &TForm1::Image1Click);

    RetranslateUi();
    FormCreate();
}

void TForm1::RetranslateUi() {
    setWindowTitle(ProductTitle());
    texts_.Retranslate();
    RetranslateCalendarRuleMenu(calendarRuleMenu_);
    RetranslateReferencePanel({bsSkinNotebook2, Image1, bsSkinPageControl1, readingPage});
    // The hour's and the minute's labels changed width.
    ShowMinuteField();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QWidget::changeEvent(event);
}

QLabel* TForm1::NewLabel(const char* source, QWidget* parent, int left, int top) {
    auto* label = new QLabel(parent);
    label->move(left, top);
    texts_.Add(source, [label](const QString& text) {
        label->setText(text);
        label->adjustSize();
    });
    return label;
}

// Every way out (the window closed, 退出, a signal ending the event loop)
// ends here; the recorder's messages need the window's services, which
// are gone by the time its children are destroyed.
TForm1::~TForm1() { recorder->Finish(); }

void TForm1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!firstPainted_) {
        firstPainted_ = true;
        QMetaObject::invokeMethod(this, &TForm1::ShowRestAfterFirstPaint, Qt::QueuedConnection);
    }
}

void TForm1::ShowRestAfterFirstPaint() {
    NongCalendar1->show();
    // Decoding the icon (and finding the image readers) and handing it to
    // the window system would hold up the first frame, which it is not
    // part of; the desktop takes it as readily once the window is up.
    setWindowIcon(QIcon(QStringLiteral(":/icons/yaopan.png")));
}

int TForm1::MonthLength(int year, int month) const {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

void TForm1::DescribeCalendar() {
    constexpr TColor kNavy = 0x800000;
    NongCalendar1->SetDate(40434);  // 2010-09-13, until start-up sets today
    NongCalendar1->SetShowHint(true);
    NongCalendar1->SetRule(calendarRule_);
    NongCalendar1->SetVerticalScale(4.0);
    NongCalendar1->SetHorizonScale(2.5);
    TNongCalColors& colors = NongCalendar1->CalColors();
    colors.SetLunarTermColor(kNavy);
    TCalFont font = NongCalendar1->Font();
    font.SetPixelHeight(11);
    NongCalendar1->SetFont(font);
    // The first layout fits these sizes anew.
    for (int i = 0; i < kCalFontCount; ++i) {
        TCalFont calendarFont = colors.Font(i);
        calendarFont.SetPixelHeight(5);
        colors.SetFont(i, calendarFont);
    }
}

void TForm1::BuildMenus() {
    bsSkinMainMenuBar1 = new QMenuBar(this);
    bsSkinMainMenuBar1->setObjectName(QStringLiteral("bsSkinMainMenuBar1"));
    // The Chinese face is taller than the style's item padding allows for in
    // the bar's 22 pixels, which would fold every menu behind the overflow
    // button; slimmer padding keeps them on the bar. (Styled before it is
    // placed: restyling lays the bar out anew.)
    bsSkinMainMenuBar1->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 1px 8px; }"));
    bsSkinMainMenuBar1->setGeometry(0, 0, 976, 22);
    QMenu* file = bsSkinMainMenuBar1->addMenu(QString());
    file->setObjectName(QStringLiteral("N1"));
    texts_.Add(QT_TR_NOOP("文件"), file);
    calendarRuleMenu_ = AddCalendarRuleMenu(file, [this](calendar::CalendarRule rule) {
        calendarRule_ = rule;
        NongCalendar1->SetRule(rule);
        if (almanac_ != nullptr) almanac_->SetRule(rule);
    });
    timeCorrectionAction = file->addAction(QString(), this, &TForm1::OpenTimeCorrection);
    texts_.Add(QT_TR_NOOP("时间校正…"), timeCorrectionAction);
    conventionsAction = file->addAction(QString(), this, &TForm1::OpenConventions);
    texts_.Add(QT_TR_NOOP("口径…"), conventionsAction);
    file->addSeparator();
    QMenu* query = bsSkinMainMenuBar1->addMenu(QString());
    query->setObjectName(QStringLiteral("N3"));
    texts_.Add(QT_TR_NOOP("查询"), query);
    BuildJournalMenus(file, query);
    almanacAction = query->addAction(QString(), this, &TForm1::OpenAlmanac);
    texts_.Add(QT_TR_NOOP("万年历…"), almanacAction);
    QMenu* help = bsSkinMainMenuBar1->addMenu(QString());
    help->setObjectName(QStringLiteral("N2"));
    texts_.Add(QT_TR_NOOP("帮助"), help);
    N15 = help->addAction(QString(), this, &TForm1::N15Click);
    texts_.Add(QT_TR_NOOP("问题反馈"), N15);
    N16 = help->addAction(QString(), this, &TForm1::N16Click);
    texts_.Add(QT_TR_NOOP("关于我们"), N16);
    N17 = help->addAction(QString(), this, &TForm1::N17Click);
    texts_.Add(QT_TR_NOOP("理论机制"), N17);
    N18 = help->addAction(QString(), this, &TForm1::N18Click);
    texts_.Add(QT_TR_NOOP("最新软件"), N18);
    help->addSeparator();
    openHomePageAction = help->addAction(QString());
    texts_.Add(QT_TR_NOOP("启动时打开主页"), openHomePageAction);
    openHomePageAction->setCheckable(true);
    openHomePageAction->setChecked(ProgramSettings().value(kOpenHomePageKey, true).toBool());
    connect(openHomePageAction, &QAction::toggled, this,
            [](bool on) { ProgramSettings().setValue(kOpenHomePageKey, on); });
    texts_.Add(QT_TR_NOOP("语言"), AddLanguageMenu(help));

    // The casting pipeline's steps, as a command menu that is never shown.
    // They run on the fields with errors shown as the casting buttons do, but
    // a single step is no casting: nothing is read or recorded.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto step = [this](const char* caption, std::function<void()> run) {
        QAction* action = PopupMenu1->addAction(QString(), this, [this, run] {
            Attempt([&run] {
                run();
                return casting::CastingOutcome{};
            });
        });
        texts_.Add(caption, action);
        return action;
    };
    N9 = step(QT_TR_NOOP("时间"), [this] { engine_->ComputeFacts(EnteredMoment()); });
    N10 = PopupMenu1->addAction(QString());
    texts_.Add(QT_TR_NOOP("计算"), N10);
    N4 = step(QT_TR_NOOP("本卦"), [this] { engine_->DerivePrimary(); });
    N5 = step(QT_TR_NOOP("互卦"), [this] { engine_->DeriveNuclear(); });
    N6 = step(QT_TR_NOOP("变卦"), [this] { engine_->DeriveChanged(); });
    N7 = step(QT_TR_NOOP("错卦"), [this] { engine_->DeriveOpposite(); });
    N8 = step(QT_TR_NOOP("综卦"), [this] { engine_->DeriveReversed(); });
    N11 = step(QT_TR_NOOP("运行"), [this] {
        const casting::Person person = EnteredPerson();
        bsSkinRichEdit1->Replace(engine_->WriteReport(person, EnteredMoment()), person.name);
    });
    N12 = PopupMenu1->addAction(QString());
    texts_.Add(QT_TR_NOOP("试验"), N12);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    const struct {
        const char* caption;
        void (TForm1::*handler)();
        QAction* TForm1::*field;
    } reportItems[] = {
        {QT_TR_NOOP("全选"), &TForm1::N13Click, &TForm1::N13},
        {QT_TR_NOOP("复制"), &TForm1::N14Click, &TForm1::N14},
        {QT_TR_NOOP("显示象意"), &TForm1::N19Click, &TForm1::N19},
        {QT_TR_NOOP("显示开悟图"), &TForm1::N20Click, &TForm1::N20},
        {QT_TR_NOOP("显示解卦"), &TForm1::N21Click, &TForm1::N21},
    };  // separated from each other
    for (const auto& item : reportItems) {
        if (!PopupMenu2->isEmpty()) PopupMenu2->addSeparator();
        this->*item.field = PopupMenu2->addAction(QString(), this, item.handler);
        texts_.Add(item.caption, this->*item.field);
    }
}

void TForm1::BuildJournalMenus(QMenu* file, QMenu* query) {
    recorder = new CastingRecorder(
        [this](const QString& text) { services_.showMessage(this, MessageBox::Information, text); }, this);
    exportReportAction = file->addAction(QString(), this, [this] { ExportReport(Shown(), services_, this); });
    texts_.Add(QT_TR_NOOP("导出报告…"), exportReportAction);
    printAction = file->addAction(QString(), this, [this] { PrintReport(Shown(), this); });
    texts_.Add(QT_TR_NOOP("打印…"), printAction);
    file->addSeparator();
    recordAction = file->addAction(QString());
    texts_.Add(QT_TR_NOOP("记录起卦"), recordAction);
    recordAction->setCheckable(true);
    recordAction->setChecked(recorder->enabled());
    connect(recordAction, &QAction::toggled, recorder, &CastingRecorder::setEnabled);
    file->addSeparator();
    quitAction = file->addAction(QString(), this, [] { QApplication::closeAllWindows(); });
    texts_.Add(QT_TR_NOOP("退出"), quitAction);
    historyAction = query->addAction(QString(), this, &TForm1::OpenHistory);
    texts_.Add(QT_TR_NOOP("历史记录…"), historyAction);
}

QPushButton* TForm1::NewButton(const char* caption, const char* name, void (TForm1::*handler)(), QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    texts_.Add(caption, [button](const QString& text) {
        button->setText(text);
        button->setAccessibleName(text);
    });
    // Enter on a focused button presses it. Only a dialog makes its buttons
    // take Enter by itself; outside one, an auto-default button does.
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TForm1::BuildToolbox() {
    bsSkinExPanel1 = Placed(new RollPanel(QString(), 525, this), 0, 22, 146, 525);
    bsSkinExPanel1->setObjectName(QStringLiteral("bsSkinExPanel1"));
    texts_.Add(QT_TR_NOOP("工具箱"), [this](const QString& text) { bsSkinExPanel1->setCaption(text); });
    auto* groups = new QVBoxLayout(bsSkinExPanel1->body());
    groups->setContentsMargins(0, 0, 0, 0);
    groups->setSpacing(0);

    struct Button {
        const char* caption;
        const char* name;
        void (TForm1::*handler)();
        QPushButton* TForm1::*field;
    };
    struct Group {
        const char* caption;
        int height;
        std::vector<Button> buttons;  // reading order, two to a row
    };
    const Group toolbox[] = {
        {QT_TR_NOOP("时间起卦法"), 116,
         {{QT_TR_NOOP("传统起卦"), "bsSkinButton1", &TForm1::bsSkinButton1Click, &TForm1::bsSkinButton1},
          {QT_TR_NOOP("天干起卦"), "bsSkinButton3", &TForm1::bsSkinButton3Click, &TForm1::bsSkinButton3},
          {QT_TR_NOOP("时分起卦"), "bsSkinButton2", &TForm1::bsSkinButton2Click, &TForm1::bsSkinButton2},
          {QT_TR_NOOP("地支起卦"), "bsSkinButton9", &TForm1::bsSkinButton9Click, &TForm1::bsSkinButton9}}},
        {QT_TR_NOOP("姓名起卦法"), 100,
         {{QT_TR_NOOP("姓名起卦"), "bsSkinButton4", &TForm1::bsSkinButton4Click, &TForm1::bsSkinButton4},
          {QT_TR_NOOP("单字起卦"), "bsSkinButton8", &TForm1::bsSkinButton8Click, &TForm1::bsSkinButton8}}},
        {QT_TR_NOOP("问话起卦法"), 100,
         {{QT_TR_NOOP("问话起卦"), "bsSkinButton7", &TForm1::bsSkinButton7Click, &TForm1::bsSkinButton7}}},
        {QT_TR_NOOP("自定起卦法"), 100,
         {{QT_TR_NOOP("自定起卦"), "bsSkinButton5", &TForm1::bsSkinButton5Click, &TForm1::bsSkinButton5},
          {QT_TR_NOOP("报数起卦"), "bsSkinButton6", &TForm1::bsSkinButton6Click, &TForm1::bsSkinButton6}}},
    };
    for (const Group& g : toolbox) {
        auto* group = new RollPanel(QString(), g.height, bsSkinExPanel1->body());
        texts_.Add(g.caption, [group](const QString& text) { group->setCaption(text); });
        for (std::size_t i = 0; i < g.buttons.size(); ++i) {
            const Button& b = g.buttons[i];
            QPushButton* button = NewButton(b.caption, b.name, b.handler, group->body());
            button->setGeometry(i % 2 == 0 ? 2 : 74, 12 + static_cast<int>(i / 2) * 31, 67, 21);
            this->*b.field = button;
        }
        groups->addWidget(group);
    }
    groups->addStretch(1);
}

void TForm1::BuildPersonAndMoment() {
    GroupBox1 = Placed(new QGroupBox(this), 216, 24, 369, 97);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));

    NewLabel(QT_TR_NOOP("姓名："), GroupBox1, 12, 25);
    bsSkinEdit1 = Placed(new QLineEdit(GroupBox1), 52, 21, 59, 21);
    NewLabel(QT_TR_NOOP("性别："), GroupBox1, 126, 25);
    RadioButton1 = Placed(new QRadioButton(GroupBox1), 166, 23, 40, 18);
    texts_.Add(QT_TR_NOOP("男"), RadioButton1);
    RadioButton2 = Placed(new QRadioButton(GroupBox1), 208, 23, 40, 18);
    texts_.Add(QT_TR_NOOP("女"), RadioButton2);
    NewLabel(QT_TR_NOOP("年龄："), GroupBox1, 262, 25);
    bsSkinEdit5 = Placed(new QLineEdit(GroupBox1), 302, 21, 41, 21);

    NewLabel(QT_TR_NOOP("公历： "), GroupBox1, 12, 66);
    bsSkinSpinEdit1 = Placed(new SpinEdit(calendar::kFirstYear, calendar::kLastYear, 4, GroupBox1), 52, 62, 58, 21);
    NewLabel(QT_TR_NOOP("年"), GroupBox1, 112, 66);
    bsSkinSpinEdit2 = Placed(new SpinEdit(1, 12, 2, GroupBox1), 130, 62, 44, 21);
    NewLabel(QT_TR_NOOP("月"), GroupBox1, 176, 66);
    bsSkinSpinEdit3 = Placed(new SpinEdit(1, 31, 2, GroupBox1), 194, 62, 44, 21);
    NewLabel(QT_TR_NOOP("日"), GroupBox1, 240, 66);
    bsSkinSpinEdit4 = Placed(new SpinEdit(INT_MIN, INT_MAX, 0, GroupBox1), 258, 62, 64, 21);
    hourLabel_ = NewLabel(QT_TR_NOOP("时"), GroupBox1, 324, 66);
    minuteEdit = new SpinEdit(0, 59, 2, GroupBox1);
    minuteLabel_ = NewLabel(QT_TR_NOOP("分"), GroupBox1, 0, 66);

    const struct {
        QWidget* field;
        const char* name;
        const char* accessibleName;
    } fields[] = {
        {bsSkinEdit1, "bsSkinEdit1", QT_TR_NOOP("姓名")},
        {RadioButton1, "RadioButton1", QT_TR_NOOP("男")},
        {RadioButton2, "RadioButton2", QT_TR_NOOP("女")},
        {bsSkinEdit5, "bsSkinEdit5", QT_TR_NOOP("年龄")},
        {bsSkinSpinEdit1, "bsSkinSpinEdit1", QT_TR_NOOP("年")},
        {bsSkinSpinEdit2, "bsSkinSpinEdit2", QT_TR_NOOP("月")},
        {bsSkinSpinEdit3, "bsSkinSpinEdit3", QT_TR_NOOP("日")},
        {bsSkinSpinEdit4, "bsSkinSpinEdit4", QT_TR_NOOP("时")},
        {minuteEdit, "minuteEdit", QT_TR_NOOP("分")},
    };  // reading order, which Tab follows
    QWidget* previous = nullptr;
    for (const auto& f : fields) {
        f.field->setObjectName(QString::fromLatin1(f.name));
        texts_.Add(f.accessibleName, [field = f.field](const QString& text) { field->setAccessibleName(text); });
        if (previous != nullptr) setTabOrder(previous, f.field);
        previous = f.field;
    }

    connect(bsSkinSpinEdit1, &QSpinBox::valueChanged, this, &TForm1::bsSkinSpinEdit1Change);
    connect(bsSkinSpinEdit2, &QSpinBox::valueChanged, this, &TForm1::bsSkinSpinEdit2Change);
    connect(bsSkinSpinEdit3, &QSpinBox::valueChanged, this, &TForm1::bsSkinSpinEdit3Change);
    // Checked by a click, by the keyboard, by assistive technology's toggle
    // action or from code: only toggled() comes in every case.
    connect(RadioButton1, &QRadioButton::toggled, this, &TForm1::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::toggled, this, &TForm1::RadioButton2Click);
}

QWidget* TForm1::NewInputPage(const char* label, QWidget* input, const char* hint, QPushButton* confirm) {
    constexpr int kGap = 8;
    auto* page = new InputPage(confirm);
    QLabel* caption = NewLabel(label, page, 8, 15);
    input->setParent(page);
    page->setFocusProxy(input);
    input->move(input->x() > 0 ? input->x() : 120, 12);
    confirm->setParent(page);
    confirm->setGeometry(380, 10, 89, 25);
    auto* hintLabel = new QLabel(page);
    // Placed anew in each language: a longer hint may no longer fit beside the edit.
    texts_.Add(hint, [=, this](const QString& text) {
        hintLabel->setText(text);
        hintLabel->adjustSize();
        input->move(input->x(), 12);
        caption->move(caption->x(), 15);
        hintLabel->move(input->x() + input->width() + kGap, 15);
        if (hintLabel->geometry().right() < confirm->x()) return;
        // No room before the button: the hint goes under the edit, and the edit
        // with its caption moves up to make room, keeping its width.
        const int top = std::max(0, (bsSkinNotebook1->height() - input->height() - hintLabel->height()) / 2);
        input->move(input->x(), top);
        caption->move(caption->x(), top + 3);
        hintLabel->move(input->x(), input->y() + input->height());
    });
    return page;
}

void TForm1::BuildInputPages() {
    bsSkinNotebook1 = Placed(new QStackedWidget(this), 151, 121, 494, 52);
    bsSkinNotebook1->setObjectName(QStringLiteral("bsSkinNotebook1"));
    const char* const confirmCaption = QT_TR_NOOP("确认起卦");
    QFont pageFont = font();
    pageFont.setPixelSize(16);

    auto newEdit = [&](const char* name, const char* accessibleName, int width) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(name));
        texts_.Add(accessibleName, [edit](const QString& text) { edit->setAccessibleName(text); });
        edit->setFont(pageFont);
        edit->resize(width, 24);
        return edit;
    };
    bsSkinEdit2 = newEdit("bsSkinEdit2", QT_TR_NOOP("问话"), 233);
    LimitToGbkBytes(bsSkinEdit2, kQuestionMaxBytes);
    bsSkinEdit3 = newEdit("bsSkinEdit3", QT_TR_NOOP("汉字"), 28);
    bsSkinEdit4 = newEdit("bsSkinEdit4", QT_TR_NOOP("数字"), 145);
    bsSkinButton10 = NewButton(confirmCaption, "bsSkinButton10", &TForm1::bsSkinButton10Click, nullptr);
    bsSkinButton11 = NewButton(confirmCaption, "bsSkinButton11", &TForm1::bsSkinButton11Click, nullptr);
    bsSkinButton12 = NewButton(confirmCaption, "bsSkinButton12", &TForm1::bsSkinButton12Click, nullptr);
    bsSkinButton13 = NewButton(confirmCaption, "bsSkinButton13", &TForm1::bsSkinButton13Click, nullptr);

    // Page 3: three fixed lists in trigram-number and line order.
    auto* manual = new InputPage(bsSkinButton12);
    const std::vector<const char*> trigrams = {QT_TR_NOOP("乾"), QT_TR_NOOP("兑"), QT_TR_NOOP("离"),
                                               QT_TR_NOOP("震"), QT_TR_NOOP("巽"), QT_TR_NOOP("坎"),
                                               QT_TR_NOOP("艮"), QT_TR_NOOP("坤")};
    const std::vector<const char*> lines = {QT_TR_NOOP("初爻"), QT_TR_NOOP("二爻"), QT_TR_NOOP("三爻"),
                                            QT_TR_NOOP("四爻"), QT_TR_NOOP("五爻"), QT_TR_NOOP("六爻")};
    auto newList = [&](const char* label, const char* name, const char* accessibleName,
                       const std::vector<const char*>& items, int left) {
        NewLabel(label, manual, left, 15);
        auto* list = Placed(new QComboBox(manual), left + 40, 12, 64, 24);
        list->setObjectName(QString::fromLatin1(name));
        texts_.Add(accessibleName, [list](const QString& text) { list->setAccessibleName(text); });
        list->setEditable(false);
        for (const char* item : items) {
            const int index = list->count();
            list->addItem(QString());
            texts_.Add(item, [list, index](const QString& text) { list->setItemText(index, text); });
        }
        return list;
    };
    bsSkinComboBox2 = newList(QT_TR_NOOP("上卦："), "bsSkinComboBox2", QT_TR_NOOP("上卦"), trigrams, 8);
    bsSkinComboBox3 = newList(QT_TR_NOOP("下卦："), "bsSkinComboBox3", QT_TR_NOOP("下卦"), trigrams, 126);
    bsSkinComboBox4 = newList(QT_TR_NOOP("动爻："), "bsSkinComboBox4", QT_TR_NOOP("动爻"), lines, 244);
    manual->setFocusProxy(bsSkinComboBox2);
    bsSkinButton12->setParent(manual);
    bsSkinButton12->setGeometry(380, 10, 89, 25);

    bsSkinNotebook1->addWidget(new QWidget);  // 0: blank
    bsSkinNotebook1->addWidget(
        NewInputPage(QT_TR_NOOP("输入问话内容："), bsSkinEdit2, QT_TR_NOOP("例如：猜我吃的什么"), bsSkinButton10));
    bsSkinNotebook1->addWidget(
        NewInputPage(QT_TR_NOOP("请输入一个汉字："), bsSkinEdit3, QT_TR_NOOP("可以用做测字"), bsSkinButton11));
    bsSkinNotebook1->addWidget(manual);
    bsSkinNotebook1->addWidget(NewInputPage(QT_TR_NOOP("请输入数字："), bsSkinEdit4,
                                            QT_TR_NOOP("例如：QQ号吗 手机号码等"), bsSkinButton13));
    for (int unused = 5; unused <= 7; ++unused) bsSkinNotebook1->addWidget(new QWidget);
}

void TForm1::SetField(SpinEdit* field, int value, void (TForm1::*rule)()) {
    {
        const QSignalBlocker quiet(field);
        field->setValue(value);
    }
    if (rule != nullptr) (this->*rule)();
}

void TForm1::FormCreate() {
    if (openHomePageAction->isChecked()) services_.openWebPage(kMakersBlogPage);
    const QDateTime now = services_.now();
    NongCalendar1->SetDate(calendar::DateTimeOf(std::chrono::sys_days{
        std::chrono::year{now.date().year()} / now.date().month() / now.date().day()}));
    SetField(bsSkinSpinEdit1, now.date().year(), &TForm1::bsSkinSpinEdit1Change);
    SetField(bsSkinSpinEdit2, now.date().month(), &TForm1::bsSkinSpinEdit2Change);
    SetField(bsSkinSpinEdit3, now.date().day(), &TForm1::bsSkinSpinEdit3Change);
    SetField(bsSkinSpinEdit4, now.time().hour(), nullptr);
    SetField(minuteEdit, now.time().minute(), nullptr);
    momentOptions_ = StoredMomentOptions();
    conventions_ = StoredConventions();
    ShowMinuteField();
    // The engine starts with the record's line texts, figures and blank marks.
    castingDate_ = std::make_unique<CalendarDateHolder>(*NongCalendar1);
    engine_ = std::make_unique<casting::CastingEngine>(*castingDate_, [this] {
        if (clockCastFrom_) return casting::ClockTime{clockCastFrom_->hour, clockCastFrom_->minute};
        const QTime time = services_.now().time();
        return casting::ClockTime{time.hour(), time.minute()};
    });
    bsSkinNotebook1->setCurrentIndex(0);
    bsSkinRichEdit1->clear();
    // The name is asked first: the cursor starts there, not on the toolbox.
    bsSkinEdit1->setFocus();
}

void TForm1::bsSkinSpinEdit1Change() {
    const int year = bsSkinSpinEdit1->value();
    // Strictly inside the calendar's years: the bounds themselves are not
    // passed on, as the window has always done (the calendar would take them).
    if (year > calendar::kFirstYear && year < calendar::kLastYear) NongCalendar1->SetYear(year);
}

void TForm1::bsSkinSpinEdit2Change() {
    const int length = MonthLength(bsSkinSpinEdit1->value(), bsSkinSpinEdit2->value());
    if (bsSkinSpinEdit3->value() > length) bsSkinSpinEdit3->setValue(length);
}

void TForm1::bsSkinSpinEdit3Change() {
    // Lowering the bound pulls a larger value down to it.
    bsSkinSpinEdit3->setMaximum(MonthLength(bsSkinSpinEdit1->value(), bsSkinSpinEdit2->value()));
}

void TForm1::SetDateFields(int year, int month, int day) {
    SetField(bsSkinSpinEdit1, year, &TForm1::bsSkinSpinEdit1Change);
    SetField(bsSkinSpinEdit2, month, &TForm1::bsSkinSpinEdit2Change);
    bsSkinSpinEdit3Change();
    SetField(bsSkinSpinEdit3, day, &TForm1::bsSkinSpinEdit3Change);
}

bool TForm1::MinuteRead() const { return momentOptions_.AnyOn() || !conventions_.IsDefault(); }

void TForm1::ShowMinuteField() {
    // Most of the minute's room is taken from the hour field, wider than
    // its two digits need; the group grows by the rest.
    constexpr int kTop = 62, kHeight = 21, kLabelGap = 2, kHourWidth = 64, kNarrowHourWidth = 42, kMinuteWidth = 40,
                  kGroupWidth = 369, kRightMargin = 14;
    const bool on = MinuteRead();
    bsSkinSpinEdit4->resize(on ? kNarrowHourWidth : kHourWidth, kHeight);
    hourLabel_->move(bsSkinSpinEdit4->geometry().right() + 1 + kLabelGap, hourLabel_->y());
    minuteEdit->setGeometry(hourLabel_->geometry().right() + 1 + kLabelGap, kTop, kMinuteWidth, kHeight);
    minuteLabel_->move(minuteEdit->geometry().right() + 1 + kLabelGap, minuteLabel_->y());
    minuteEdit->setVisible(on);
    minuteLabel_->setVisible(on);
    GroupBox1->resize(on ? std::max(kGroupWidth, minuteLabel_->geometry().right() + 1 + kRightMargin) : kGroupWidth,
                      GroupBox1->height());
}

void TForm1::SetMomentOptions(const moment::MomentOptions& options) {
    momentOptions_ = options;
    StoreMomentOptions(options);
    ShowMinuteField();
}

void TForm1::OpenTimeCorrection() {
    TimeCorrectionDialog dialog(
        momentOptions_, [this](const QString& why) { services_.showMessage(this, MessageBox::Information, why); },
        this);
    if (dialog.exec() == QDialog::Accepted) SetMomentOptions(dialog.Chosen());
}

void TForm1::SetConventions(const casting::Conventions& conventions) {
    conventions_ = conventions;
    StoreConventions(conventions);
    ShowMinuteField();
}

void TForm1::OpenConventions() {
    ConventionsDialog dialog(conventions_, this);
    if (dialog.exec() == QDialog::Accepted) SetConventions(dialog.Chosen());
}

// The report and the journal keep the sex in Chinese, whatever the button says.
void TForm1::RadioButton1Click() {
    if (RadioButton1->isChecked()) sexText_ = GbkFromQString(QString::fromUtf8(kSexes[0]));
}

void TForm1::RadioButton2Click() {
    if (RadioButton2->isChecked()) sexText_ = GbkFromQString(QString::fromUtf8(kSexes[1]));
}

casting::Person TForm1::EnteredPerson() const {
    return {GbkFromQString(bsSkinEdit1->text()), GbkFromQString(bsSkinEdit5->text()), sexText_};
}

casting::Moment TForm1::EnteredMoment() const {
    return {bsSkinSpinEdit1->value(), bsSkinSpinEdit2->value(), bsSkinSpinEdit3->value(), bsSkinSpinEdit4->value(),
            calendarRule_};
}

namespace {

// The box each refusal is shown in: the input checks and a moment that
// cannot be cast in a hint, a missing number plainly, a value that does not
// convert as an error.
MessageBox BoxFor(casting::Refusal refusal) {
    switch (refusal) {
        case casting::Refusal::None:
        case casting::Refusal::NotChinese:
        case casting::Refusal::NameNotChinese:
        case casting::Refusal::OutsideCalendar: return MessageBox::Information;
        case casting::Refusal::Incomplete: return MessageBox::Plain;
        case casting::Refusal::InvalidValue: return MessageBox::Error;
    }
    return MessageBox::Error;
}

}  // namespace

bool TForm1::Attempt(const std::function<casting::CastingOutcome()>& command) {
    // No exception may leave a slot: whatever the engine throws is shown.
    casting::CastingOutcome outcome;
    try {
        outcome = command();
    } catch (const std::exception& error) {
        outcome = {casting::Refusal::InvalidValue, error.what()};
    }
    if (outcome.refusal == casting::Refusal::None) return true;
    services_.showMessage(this, BoxFor(outcome.refusal), EngineMessage(QStringFromGbk(outcome.message)));
    return false;
}

void TForm1::Cast(pipeline::Method method, const pipeline::CastingInputs& inputs) {
    pipeline::Casting asked = pipeline::CastingOf(method, EnteredPerson(), EnteredMoment(), inputs);
    asked.record = recorder->enabled();
    asked.castAt = services_.now().toSecsSinceEpoch();
    asked.momentOptions = momentOptions_;
    asked.conventions = conventions_;
    // The minute field shows while it is read.
    asked.minuteKnown = MinuteRead();
    if (asked.minuteKnown) asked.minute = minuteEdit->value();
    std::optional<pipeline::CastValues> cast;
    const bool done = Attempt([&] {
        auto castFrom = pipeline::MomentCastFrom(asked);
        if (const auto* refusal = std::get_if<pipeline::Refusal>(&castFrom)) {
            return casting::CastingOutcome{casting::Refusal::InvalidValue, GbkFromQString(QString::fromStdString(refusal->message))};
        }
        const moment::CorrectedMoment& corrected = std::get<moment::CorrectedMoment>(castFrom);
        // With a correction on, the minute field is the clock read; 时分起卦
        // reads the moment it became instead of the clock as it is now.
        if (asked.momentOptions.AnyOn()) clockCastFrom_ = corrected.castFrom;
        const auto clockBack = qScopeGuard([this] { clockCastFrom_.reset(); });
        auto result = pipeline::CastOn(*engine_, asked, corrected);
        if (const auto* refused = std::get_if<casting::CastingOutcome>(&result)) return *refused;
        cast = std::get<pipeline::CastValues>(std::move(result));
        return casting::CastingOutcome{};
    });
    if (!done) return;
    bsSkinRichEdit1->Replace(cast->report, asked.name);
    std::vector<std::string> typedAndCounted;
    for (const pipeline::CountedAs& counted : cast->countedAs) {
        typedAndCounted.insert(typedAndCounted.end(), {counted.entered, counted.counted});
    }
    readingPage->SetReading(cast->reading, cast->chart, pipeline::OpeningText(asked, *cast, cast->boundaries),
                            typedAndCounted);
    shownHeading_ = HeadingOf(PersonOf(asked), MomentOf(asked), cast->record, inputs);
    // The clock's minute as entered, as the journal keeps it, not the
    // corrected one 时分起卦 read.
    if (!cast->moment.corrections.empty()) shownHeading_->minute = asked.minute;
    if (cast->entry) recorder->Record(std::move(*cast->entry));
}

void TForm1::bsSkinButton1Click() {
    bsSkinNotebook1->setCurrentIndex(0);
    Cast(pipeline::Method::Traditional);
}

void TForm1::bsSkinButton2Click() { Cast(pipeline::Method::Clock); }

void TForm1::bsSkinButton3Click() {
    bsSkinNotebook1->setCurrentIndex(0);
    Cast(pipeline::Method::Stems);
}

void TForm1::bsSkinButton9Click() {
    bsSkinNotebook1->setCurrentIndex(0);
    Cast(pipeline::Method::Branches);
}

void TForm1::bsSkinButton4Click() {
    bsSkinNotebook1->setCurrentIndex(0);
    Cast(pipeline::Method::Name);
}

void TForm1::OpenInputPage(int page, QLineEdit* edit) {
    // The reading page reads the report on screen: with no report, no reading.
    bsSkinRichEdit1->clear();
    readingPage->Clear();
    bsSkinNotebook1->setCurrentIndex(page);
    bsSkinNotebook1->currentWidget()->setFocus();  // the page's first box
    if (edit != nullptr) edit->clear();
}

void TForm1::bsSkinButton7Click() { OpenInputPage(1, bsSkinEdit2); }
void TForm1::bsSkinButton8Click() { OpenInputPage(2, bsSkinEdit3); }
void TForm1::bsSkinButton5Click() { OpenInputPage(3, nullptr); }
void TForm1::bsSkinButton6Click() { OpenInputPage(4, bsSkinEdit4); }

void TForm1::bsSkinButton10Click() {
    Cast(pipeline::Method::Question, InputsOf(GbkFromQString(bsSkinEdit2->text())));
}

void TForm1::bsSkinButton11Click() {
    Cast(pipeline::Method::Character, InputsOf(GbkFromQString(bsSkinEdit3->text())));
}

void TForm1::bsSkinButton12Click() {
    Cast(pipeline::Method::Manual, InputsOf(bsSkinComboBox2->currentIndex() + 1, bsSkinComboBox3->currentIndex() + 1,
                                            bsSkinComboBox4->currentIndex() + 1));
}

void TForm1::bsSkinButton13Click() {
    Cast(pipeline::Method::Number, InputsOf(GbkFromQString(bsSkinEdit4->text())));
}

void TForm1::N13Click() { bsSkinRichEdit1->selectAll(); }
void TForm1::N14Click() { bsSkinRichEdit1->copy(); }

// Switching pages leaves the selected trigram tab as it is.
void TForm1::N19Click() { bsSkinNotebook2->setCurrentIndex(ReferencePanel::kTrigramsPage); }
void TForm1::N20Click() { bsSkinNotebook2->setCurrentIndex(ReferencePanel::kChartPage); }
void TForm1::N21Click() { bsSkinNotebook2->setCurrentIndex(ReferencePanel::kReadingPage); }
void TForm1::Image1Click() { services_.openWebPage(kMakersShopPage); }

void TForm1::OpenInformation(int page, const QString& title) {
    TForm2 dialog(services_.openWebPage, this);
    dialog.PageControl1->setCurrentIndex(page);
    dialog.setWindowTitle(title);
    dialog.exec();
}

void TForm1::N15Click() { OpenInformation(0, tr("问题反馈")); }
void TForm1::N16Click() { OpenInformation(1, tr("关于我们")); }
void TForm1::N17Click() { OpenInformation(2, tr("理论机制")); }
void TForm1::N18Click() { OpenInformation(3, tr("最新成果")); }

void TForm1::ShowStoredCasting(const journal::JournalEntry& casting) {
    const ReportHeading heading = HeadingOf(casting);
    bsSkinEdit1->setText(heading.name);
    bsSkinEdit5->setText(heading.age);
    // Neither button is checked for a casting made without a sex.
    QRadioButton* const sexes[] = {RadioButton1, RadioButton2};
    for (std::size_t i = 0; i < std::size(sexes); ++i) {
        sexes[i]->setAutoExclusive(false);
        sexes[i]->setChecked(QString::fromUtf8(kSexes[i]) == heading.sex);
        sexes[i]->setAutoExclusive(true);
    }
    sexText_ = RadioButton1->isChecked() || RadioButton2->isChecked() ? GbkFromQString(heading.sex) : std::string();
    SetDateFields(heading.year, heading.month, heading.day);
    SetField(bsSkinSpinEdit4, heading.hour, nullptr);
    SetField(minuteEdit, heading.minute, nullptr);
    // The method's input page with what it was given.
    const MethodInput input = InputOfMethod(heading.method);
    const struct {
        MethodInput input;
        QLineEdit* edit;
        int page;
    } pages[] = {{MethodInput::Question, bsSkinEdit2, 1},
                 {MethodInput::Character, bsSkinEdit3, 2},
                 {MethodInput::Manual, nullptr, 3},
                 {MethodInput::Number, bsSkinEdit4, 4}};
    const auto page =
        std::find_if(std::begin(pages), std::end(pages), [input](const auto& p) { return p.input == input; });
    bsSkinNotebook1->setCurrentIndex(page == std::end(pages) ? 0 : page->page);
    if (page != std::end(pages) && page->edit != nullptr) page->edit->setText(heading.text);
    if (input == MethodInput::Manual) {
        bsSkinComboBox2->setCurrentIndex(heading.manualUpper - 1);
        bsSkinComboBox3->setCurrentIndex(heading.manualLower - 1);
        bsSkinComboBox4->setCurrentIndex(heading.manualLine - 1);
    }

    bsSkinRichEdit1->ShowStored(casting.report, casting.name);
    shownHeading_ = heading;
    readingPage->ShowStored(casting);
    if (casting.reading) N21Click();
}

ShownReport TForm1::Shown() {
    return {shownHeading_, bsSkinRichEdit1->toPlainText(), readingPage->Reading(), bsSkinRichEdit1->font()};
}

HistoryWindow* TForm1::OpenHistory() {
    // With recording off and no journal kept there is nothing to show, and
    // opening one would create its file: the person is asked to turn
    // recording on. A journal kept from before stays open to reading.
    if (!recorder->enabled() && !CastingRecorder::JournalKept()) {
        if (!services_.ask(this, tr("起卦记录未开启：本程序默认不存档，起卦不会记录。\n"
                                    "要开启“文件 › 记录起卦”，记录今后的起卦，并打开历史记录吗？"))) {
            return nullptr;
        }
        recordAction->setChecked(true);
    }
    if (history_ == nullptr) {
        history_ = new HistoryWindow(*recorder, services_, this);
        connect(history_, &HistoryWindow::opened, this, &TForm1::ShowStoredCasting);
    }
    history_->show();
    history_->raise();
    history_->activateWindow();
    return history_;
}

AlmanacWindow* TForm1::OpenAlmanac() {
    if (almanac_ == nullptr) {
        almanac_ = new AlmanacWindow(calendarRule_, services_.now().date(), this);
        connect(almanac_, &AlmanacWindow::castOn, this, [this](QDate day) {
            SetDateFields(day.year(), day.month(), day.day());
            raise();
            activateWindow();
        });
    }
    almanac_->show();
    almanac_->raise();
    almanac_->activateWindow();
    return almanac_;
}
