// The main window end to end: clicks and typing on the real widgets, the
// casting engine behind them, message boxes and the browser intercepted.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStackedWidget>
#include <QInputMethodEvent>
#include <QTest>

#include "calendar_control/nong_calendar.h"
#include "dates.h"
#include "qt_printers.h"
#include "sample_reading.h"
#include "main_window.h"
#include "conventions_dialog.h"
#include "program_settings.h"
#include "paint_counter.h"
#include "report_view.h"
#include "input_fields.h"
#include "journal/casting_journal.h"
#include "journal/journal_location.h"
#include "reading_page.h"
#include "places/place_list.h"
#include "time_correction_dialog.h"
#include "gbk.h"

namespace {

struct Message {
    MessageBox box;
    QString text;
    bool operator==(const Message&) const = default;
};

QStringList SampleReport() {
    QStringList lines;
    for (const char* line : testing_support::kSampleReport) lines.append(QString::fromUtf8(line));
    return lines;
}

class MainWindowTest : public testing::Test {
protected:
    QDateTime now{QDate(2010, 9, 13), QTime(17, 5)};
    QList<QUrl> opened;
    QList<Message> messages;
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        ShellServices services{
            [this](const QUrl& page) { opened.append(page); },
            [this](QWidget*, MessageBox box, const QString& text) { messages.append({box, text}); },
            [this] { return now; },
        };
        form = std::make_unique<TForm1>(services);
    }
    void TearDown() override {
        StoreMomentOptions({});
        StoreConventions({});
    }

    QStringList Report() const {
        const QString text = form->bsSkinRichEdit1->toPlainText();
        return text.isEmpty() ? QStringList() : text.split('\n');
    }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Types `text` as a person would: ASCII key by key, Chinese through the
    // input method's commit.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->clear();
        edit->setFocus();
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(edit, QString(c));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(edit, &commit);
            }
        }
    }

    void EnterSamplePerson() {
        Type(form->bsSkinEdit1, "某人");
        Type(form->bsSkinEdit5, "30");
        QTest::mouseClick(form->RadioButton1, Qt::LeftButton, {}, QPoint(5, 9));
    }

    calendar::DateTime CalendarDate() const { return form->NongCalendar1->Date(); }

    // Shown and active: only then does a widget hold the keyboard focus.
    void ShowActive() {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // The reading page as 显示解卦 shows it, once the report's paint has passed.
    QString Reading() {
        form->show();
        form->N21->trigger();
        QApplication::processEvents();
        return form->readingPage->toPlainText();
    }
};

TEST_F(MainWindowTest, StartsOnTodayWithABlankPageAndAnEmptyReport) {
    EXPECT_EQ(form->bsSkinSpinEdit1->value(), 2010);
    EXPECT_EQ(form->bsSkinSpinEdit2->value(), 9);
    EXPECT_EQ(form->bsSkinSpinEdit3->value(), 13);
    EXPECT_EQ(form->bsSkinSpinEdit4->value(), 17);
    EXPECT_EQ(form->minuteEdit->value(), 5);
    EXPECT_EQ(form->bsSkinNotebook1->currentIndex(), 0);
    EXPECT_TRUE(Report().isEmpty());
    EXPECT_EQ(CalendarDate(), testing_support::at(2010, 9, 13));
    EXPECT_EQ(opened, QList<QUrl>{kMakersBlogPage});
    EXPECT_EQ(form->size(), QSize(976, 547));
    EXPECT_EQ(form->windowTitle(), kProductTitle);
    // Every menu of the bar has room on it (none folded behind the overflow).
    EXPECT_LE(form->bsSkinMainMenuBar1->sizeHint().height(), form->bsSkinMainMenuBar1->height());
    for (QAction* menu : form->bsSkinMainMenuBar1->actions()) {
        EXPECT_FALSE(form->bsSkinMainMenuBar1->actionGeometry(menu).isEmpty()) << menu->text().toStdString();
    }
    EXPECT_TRUE(form->EnteredPerson().sex.empty());
    // The icon comes once the first frame is painted.
    form->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->windowIcon().pixmap(32, 32).isNull(); }));
}

// 帮助 > 启动时打开主页, on until switched off, is remembered.
TEST_F(MainWindowTest, TheHomePageOpensAtStartUnlessSwitchedOff) {
    for (const bool on : {false, true}) {
        form->openHomePageAction->setChecked(on);
        opened.clear();
        SetUp();
        EXPECT_EQ(form->openHomePageAction->isChecked(), on);
        EXPECT_EQ(opened, on ? QList<QUrl>{kMakersBlogPage} : QList<QUrl>{}) << on;
    }
}

TEST_F(MainWindowTest, TraditionalCastingWritesTheSampleReport) {
    EnterSamplePerson();
    Click(form->bsSkinButton1);
    EXPECT_EQ(Report(), SampleReport());
    EXPECT_TRUE(messages.isEmpty());
}

// A casting rewrites the report in one edit: the scroll bars keep their
// range and page and are not repainted.
TEST_F(MainWindowTest, ANewReportRepaintsOnlyItsText) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EnterSamplePerson();
    Click(form->bsSkinButton1);
    QApplication::processEvents();
    const testing_support::PaintCounter counter{form->bsSkinRichEdit1->horizontalScrollBar(),
                                                form->bsSkinRichEdit1->verticalScrollBar()};
    Click(form->bsSkinButton1);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(Report(), SampleReport());
}

TEST_F(MainWindowTest, EveryCastingButtonWritesItsReading) {
    now.setTime(QTime(12, 30));  // what 时分起卦 reads; the fields keep 17
    const struct {
        const char* what;
        std::function<void()> act;
        const char* method;
        const char* names;  // line 7
        int page;           // the input page shown afterwards
    } rows[] = {
        {"traditional", [&] { Click(form->bsSkinButton1); }, "传统起卦",
         "   天火同人     天风姤     天雷无妄     地水师     火天大有  ", 0},
        {"stems", [&] { Click(form->bsSkinButton3); }, "日期天干数起卦",
         "    雷地豫      水山蹇      坤为地     风天小畜     地山谦   ", 0},
        {"branches", [&] { Click(form->bsSkinButton9); }, "日期地支数起卦",
         "    地泽临      地雷复      地雷复      天山遁      风地观   ", 0},
        {"clock", [&] {
             form->bsSkinNotebook1->setCurrentIndex(2);
             Click(form->bsSkinButton2);
         },
         "时分起卦", "    雷水解     水火既济     地水师     风火家人     水山蹇   ", 2},
        {"question", [&] {
             Click(form->bsSkinButton7);
             Type(form->bsSkinEdit2, "猜我吃的什么");
             Click(form->bsSkinButton10);
         },
         "问话字的笔画数起卦", "    地山谦      雷水解      坤为地      天泽履      雷地豫   ", 1},
        {"character", [&] {
             Click(form->bsSkinButton8);
             Type(form->bsSkinEdit3, "天");
             Click(form->bsSkinButton11);
         },
         "单字笔画数起卦", "   雷泽归妹    水火既济     震为雷      风山渐      风山渐   ", 2},
        {"manual", [&] {
             Click(form->bsSkinButton5);
             form->bsSkinComboBox2->setCurrentIndex(7);
             form->bsSkinComboBox4->setCurrentIndex(5);
             Click(form->bsSkinButton12);
         },
         "手工指定起卦", "    地天泰     雷泽归妹    山天大畜     天地否      天地否   ", 3},
        {"number", [&] {
             Click(form->bsSkinButton6);
             Type(form->bsSkinEdit4, "12345");
             Click(form->bsSkinButton13);
         },
         "数字起卦", "   火雷噬嗑     水山蹇      离为火      水风井      山火贲   ", 4},
    };
    for (const auto& row : rows) {
        row.act();
        const QStringList report = Report();
        ASSERT_EQ(report.size(), 13) << row.what;
        EXPECT_EQ(report[2], QStringLiteral("  起卦方式： ") + QString::fromUtf8(row.method)) << row.what;
        EXPECT_EQ(report[6], QString::fromUtf8(row.names)) << row.what;
        EXPECT_EQ(form->bsSkinNotebook1->currentIndex(), row.page) << row.what;
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainWindowTest, NameCastingUsesTheNameField) {
    Type(form->bsSkinEdit1, "兑坤");
    form->bsSkinNotebook1->setCurrentIndex(4);
    Click(form->bsSkinButton4);
    ASSERT_EQ(Report().size(), 13);
    EXPECT_EQ(Report()[6].left(10), QStringLiteral("    山地剥   "));
    EXPECT_EQ(form->bsSkinNotebook1->currentIndex(), 0);
    Type(form->bsSkinEdit1, "兌坤");  // counted as 兑, and the reading says so
    Click(form->bsSkinButton4);
    EXPECT_EQ(Report()[6].left(10), QStringLiteral("    山地剥   "));
    EXPECT_TRUE(Reading().startsWith(QStringLiteral("【笔画】\n兌→兑 7画\n【卦】"))) << Reading().toStdString();
}

TEST_F(MainWindowTest, RefusedInputShowsItsBoxAndKeepsTheReport) {
    EnterSamplePerson();
    Click(form->bsSkinButton1);
    const QStringList before = Report();
    const struct {
        const char* what;
        std::function<void()> act;
        Message message;
    } rows[] = {
        {"empty question", [&] {
             form->bsSkinNotebook1->setCurrentIndex(1);
             Type(form->bsSkinEdit2, "　 ");
             Click(form->bsSkinButton10);
         },
         {MessageBox::Information, "参数错误：请输入汉字！"}},
        {"one-character name", [&] {
             Type(form->bsSkinEdit1, "某");
             Click(form->bsSkinButton4);
             Type(form->bsSkinEdit1, "某人");
         },
         {MessageBox::Information, "参数错误：请输入汉字姓名！"}},
        {"name of a character with no stroke count", [&] {
             Type(form->bsSkinEdit1, "乫三");
             Click(form->bsSkinButton4);
             Type(form->bsSkinEdit1, "某人");
         },
         {MessageBox::Information, "参数错误：无法计算笔画的字：乫"}},
        {"empty number", [&] {
             form->bsSkinEdit4->clear();
             Click(form->bsSkinButton13);
         },
         {MessageBox::Plain, "参数错误：请检查是否输入完整！"}},
        {"letter in the number", [&] {
             Type(form->bsSkinEdit4, "13a");
             Click(form->bsSkinButton13);
         },
         {MessageBox::Error, "'a' is not a valid integer value"}},
        {"29 February reached by changing only the year", [&] {
             form->bsSkinSpinEdit1->setValue(2012);
             form->bsSkinSpinEdit2->setValue(2);
             form->bsSkinSpinEdit3->setValue(29);
             form->bsSkinSpinEdit1->setValue(2011);
             Click(form->bsSkinButton1);
             form->bsSkinSpinEdit1->setValue(2010);
             form->bsSkinSpinEdit2->setValue(9);
             form->bsSkinSpinEdit3->setValue(13);
         },
         {MessageBox::Error, "'2011-2-29' is not a valid date"}},
    };
    for (const auto& row : rows) {
        messages.clear();
        row.act();
        EXPECT_EQ(messages, QList<Message>{row.message}) << row.what;
        EXPECT_EQ(Report(), before) << row.what;
    }
}

// A moment the calendar cannot cast is refused in a hint; report, reading
// and journal stay as they were. Before the lunar table only 传统起卦 is.
TEST_F(MainWindowTest, AMomentTheCalendarCannotCastChangesNothing) {
    journal::CastingJournal journal(journal::DefaultJournalFile());
    form->recordAction->setChecked(true);
    EnterSamplePerson();
    Click(form->bsSkinButton1);
    const auto [report, reading] = std::pair{Report(), Reading()};
    const char* noSuchHour = "参数错误：时须在0到23之间！";
    const struct { QDate date; int hour; QPushButton* button; const char* message; } rows[] = {
        {{2010, 9, 13}, 24, form->bsSkinButton3, noSuchHour},
        {{2010, 9, 13}, 25, form->bsSkinButton1, noSuchHour},
        {{2010, 9, 13}, -5, form->bsSkinButton2, noSuchHour},
        {{2010, 9, 13}, 999999999, form->bsSkinButton9, noSuchHour},
        {{2100, 12, 31}, 23, form->bsSkinButton1, "参数错误：23时是次日的子时，次日已超出1900年1月1日到2100年12月31日的历法范围！"},
        {{1900, 1, 15}, 10, form->bsSkinButton1, "参数错误：1900年1月31日之前没有农历日期，传统起卦要用农历月日，请改用其他起卦方式！"},
    };
    for (const auto& row : rows) {
        messages.clear();
        form->bsSkinSpinEdit1->setValue(row.date.year());
        form->bsSkinSpinEdit2->setValue(row.date.month());
        form->bsSkinSpinEdit3->setValue(1);  // a change of the day fits its bound to the month
        form->bsSkinSpinEdit3->setValue(row.date.day());
        form->bsSkinSpinEdit4->setValue(row.hour);
        Click(row.button);
        EXPECT_EQ(messages, (QList<Message>{{MessageBox::Information, QString::fromUtf8(row.message)}})) << row.hour;
        EXPECT_EQ(Report(), report) << row.hour;
        EXPECT_EQ(Reading(), reading) << row.hour;
    }
    messages.clear();
    for (QPushButton* method : {form->bsSkinButton2, form->bsSkinButton4}) {
        Click(method);
        EXPECT_EQ(Report().value(3), QStringLiteral("  农历：")) << method->text().toStdString();
    }
    EXPECT_TRUE(messages.isEmpty());
    // Stored in order: once the name casting is in, all before it are.
    QTRY_VERIFY(journal.List(std::nullopt, 1).size() == 1 &&
                journal.List(std::nullopt, 1)[0].method == "姓名笔画数起卦");
    const auto latest = journal.List(std::nullopt, 3);
    EXPECT_EQ((std::array{latest.at(0).year, latest.at(1).year, latest.at(2).year}), (std::array{1900, 1900, 2010}));
}

TEST_F(MainWindowTest, TheClockCastingsReadingNamesItsClockReading) {
    now.setTime(QTime(9, 41));
    Click(form->bsSkinButton2);
    EXPECT_EQ(Reading().split('\n').value(1), QStringLiteral("时分起卦所用钟点：9时41分"));
}

TEST_F(MainWindowTest, HourTwentyThreeKeepsTheEnteredHourInTheReport) {
    form->bsSkinSpinEdit4->setValue(23);
    Click(form->bsSkinButton1);
    ASSERT_EQ(Report().size(), 13);
    EXPECT_EQ(Report()[1], QStringLiteral("  公历：2010年9月13日23时"));
    EXPECT_EQ(Report()[3], QStringLiteral("  农历：二零一零年八月初七"));
    EXPECT_EQ(CalendarDate(), testing_support::at(2010, 9, 14));
}

// 1914-11-17: 九月三十 by the lunar table, 十月初一 in the sky. The calendar
// chosen under 文件 is the one castings and the calendar control read, and
// a new window starts on it.
TEST_F(MainWindowTest, CalendarChosenInTheFileMenuIsCastAndRemembered) {
    const auto choose = [this](int item) { form->findChild<QMenu*>("CalendarRuleMenu")->actions().at(item)->trigger(); };
    const auto lunarDateCast = [this] {
        form->bsSkinSpinEdit1->setValue(1914);
        form->bsSkinSpinEdit2->setValue(11);
        form->bsSkinSpinEdit3->setValue(17);
        Click(form->bsSkinButton1);
        return Report().value(3);
    };
    choose(1);
    SetUp();
    EXPECT_EQ(form->NongCalendar1->Rule(), calendar::CalendarRule::Astronomical);
    EXPECT_EQ(lunarDateCast(), QStringLiteral("  农历：一九一四年十月初一"));
    choose(0);
    SetUp();
    EXPECT_EQ(lunarDateCast(), QStringLiteral("  农历：一九一四年九月三十"));
}

TEST_F(MainWindowTest, DateFieldsFollowTheirRules) {
    // Month change lowers a day the month cannot hold.
    form->bsSkinSpinEdit3->setValue(31);  // the bound is 30 in September
    EXPECT_EQ(form->bsSkinSpinEdit3->value(), 30);
    form->bsSkinSpinEdit2->setValue(2);
    EXPECT_EQ(form->bsSkinSpinEdit3->value(), 28);
    form->bsSkinSpinEdit1->setValue(2012);
    form->bsSkinSpinEdit2->setValue(3);
    form->bsSkinSpinEdit2->setValue(2);
    EXPECT_EQ(form->bsSkinSpinEdit3->value(), 28) << "a smaller day stays";

    // The calendar follows years strictly between 1900 and 2100.
    form->bsSkinSpinEdit1->setValue(2099);
    EXPECT_EQ(*calendar::CivilDateOf(CalendarDate()), std::chrono::year{2099} / 9 / 13);
    form->bsSkinSpinEdit1->setValue(2100);
    EXPECT_EQ(*calendar::CivilDateOf(CalendarDate()), std::chrono::year{2099} / 9 / 13);
    form->bsSkinSpinEdit1->setValue(1900);
    EXPECT_EQ(*calendar::CivilDateOf(CalendarDate()), std::chrono::year{2099} / 9 / 13);
    EXPECT_EQ(form->MonthLength(2000, 2), 29);
    EXPECT_EQ(form->MonthLength(1900, 2), 28);
    EXPECT_EQ(form->MonthLength(2100, 12), 31);
}

TEST_F(MainWindowTest, PageButtonsOpenTheirPageAndClearTheReport) {
    const struct {
        QPushButton* TForm1::*button;
        int page;
        QLineEdit* TForm1::*edit;
    } rows[] = {
        {&TForm1::bsSkinButton7, 1, &TForm1::bsSkinEdit2},
        {&TForm1::bsSkinButton8, 2, &TForm1::bsSkinEdit3},
        {&TForm1::bsSkinButton5, 3, nullptr},
        {&TForm1::bsSkinButton6, 4, &TForm1::bsSkinEdit4},
    };
    for (const auto& row : rows) {
        Click(form->bsSkinButton1);
        ASSERT_TRUE(Reading().startsWith("【卦】"));
        if (row.edit != nullptr) (form.get()->*row.edit)->setText("x");
        Click(form.get()->*row.button);
        EXPECT_TRUE(Report().isEmpty()) << row.page;
        EXPECT_TRUE(Reading().startsWith("尚未起卦")) << row.page;
        EXPECT_EQ(form->bsSkinNotebook1->currentIndex(), row.page);
        if (row.edit != nullptr) {
            EXPECT_TRUE((form.get()->*row.edit)->text().isEmpty());
        }
    }
}

// Enter, the main key or the keypad's, casts in each of a method's boxes as
// its 确认起卦 does, and presses whichever casting button has the focus.
TEST_F(MainWindowTest, EnterCastsInAMethodsBoxesAndOnAFocusedButton) {
    const struct {
        QPushButton* page;  // opens the method's input page
        QLineEdit* edit;    // given `text`
        const char* text;
        QWidget* target;    // where Enter is pressed
        Qt::Key key;
        const char* method;
    } rows[] = {
        {form->bsSkinButton7, form->bsSkinEdit2, "猜我吃的什么", form->bsSkinEdit2, Qt::Key_Return, "问话字的笔画数起卦"},
        {form->bsSkinButton8, form->bsSkinEdit3, "天", form->bsSkinEdit3, Qt::Key_Enter, "单字笔画数起卦"},
        {form->bsSkinButton6, form->bsSkinEdit4, "12345", form->bsSkinEdit4, Qt::Key_Return, "数字起卦"},
        {form->bsSkinButton5, nullptr, "", form->bsSkinComboBox2, Qt::Key_Enter, "手工指定起卦"},
        {form->bsSkinButton5, nullptr, "", form->bsSkinComboBox3, Qt::Key_Return, "手工指定起卦"},
        {form->bsSkinButton5, nullptr, "", form->bsSkinComboBox4, Qt::Key_Return, "手工指定起卦"},
        {form->bsSkinButton6, form->bsSkinEdit4, "12345", form->bsSkinButton13, Qt::Key_Return, "数字起卦"},
        {nullptr, nullptr, "", form->bsSkinButton1, Qt::Key_Return, "传统起卦"},
        {nullptr, nullptr, "", form->bsSkinButton3, Qt::Key_Enter, "日期天干数起卦"},
    };
    ShowActive();
    for (const auto& row : rows) {
        const std::string what = row.target->accessibleName().toStdString();
        form->bsSkinRichEdit1->clear();
        if (row.page != nullptr) Click(row.page);
        if (row.edit != nullptr) Type(row.edit, QString::fromUtf8(row.text));
        row.target->setFocus();
        QTest::keyClick(QApplication::focusWidget(), row.key,
                        row.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        ASSERT_EQ(Report().size(), 13) << what;
        EXPECT_EQ(Report()[2], QStringLiteral("  起卦方式： ") + QString::fromUtf8(row.method)) << what;
    }
    EXPECT_TRUE(messages.isEmpty());
}

// The cursor starts in the name, Tab follows the fields in reading order,
// and opening a method's page puts the cursor in its first box.
TEST_F(MainWindowTest, FocusFollowsWhereAPersonTypesNext) {
    ShowActive();
    EXPECT_EQ(QApplication::focusWidget(), form->bsSkinEdit1);
    // The two sexes are one stop, as radio buttons are: arrows choose between them.
    QWidget* const tabOrder[] = {form->RadioButton1,    form->bsSkinEdit5,     form->bsSkinSpinEdit1,
                                 form->bsSkinSpinEdit2, form->bsSkinSpinEdit3, form->bsSkinSpinEdit4};
    for (QWidget* next : tabOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->accessibleName().toStdString();
    }
    const std::pair<QPushButton*, QWidget*> pages[] = {
        {form->bsSkinButton7, form->bsSkinEdit2},
        {form->bsSkinButton8, form->bsSkinEdit3},
        {form->bsSkinButton5, form->bsSkinComboBox2},
        {form->bsSkinButton6, form->bsSkinEdit4},
    };
    for (const auto& [button, first] : pages) {
        Click(button);
        EXPECT_EQ(QApplication::focusWidget(), first) << button->text().toStdString();
    }
}

TEST_F(MainWindowTest, SexFollowsTheRadioButtonLastChecked) {
    // A mouse click, the "Toggle" action assistive technology uses, and a
    // check from code: each must reach the record.
    const std::pair<const char*, std::function<void(QRadioButton*)>> ways[] = {
        {"mouse", [](QRadioButton* radio) { QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(5, 9)); }},
        {"accessibility",
         [](QRadioButton* radio) {
             QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(radio);
             ASSERT_NE(accessible, nullptr);
             ASSERT_NE(accessible->actionInterface(), nullptr);
             accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
         }},
        {"code", [](QRadioButton* radio) { radio->setChecked(true); }},
    };
    for (const auto& [way, check] : ways) {
        SetUp();
        check(form->RadioButton1);
        check(form->RadioButton2);
        Click(form->bsSkinButton1);
        ASSERT_EQ(Report().size(), 13) << way;
        EXPECT_EQ(Report()[0], QStringLiteral("  姓名：   性别： 女  年龄： ")) << way;
        EXPECT_FALSE(form->RadioButton1->isChecked()) << way;
        check(form->RadioButton1);
        Click(form->bsSkinButton1);
        EXPECT_EQ(Report()[0], QStringLiteral("  姓名：   性别： 男  年龄： ")) << way;
    }
}

TEST_F(MainWindowTest, StepActionsTakeTheFieldsAndShowTheirErrors) {
    // A fresh window: the steps read the fields, as the casting buttons do.
    for (QAction* step : {form->N9, form->N4, form->N5, form->N6, form->N7, form->N8, form->N11}) {
        EXPECT_NO_THROW(step->trigger()) << step->text().toStdString();
    }
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(Report().size(), 13);
    EXPECT_EQ(Report()[1], QStringLiteral("  公历：2010年9月13日17时"));

    form->bsSkinSpinEdit1->setValue(2012);
    form->bsSkinSpinEdit2->setValue(2);
    form->bsSkinSpinEdit3->setValue(29);
    form->bsSkinSpinEdit1->setValue(2011);
    EXPECT_NO_THROW(form->N9->trigger());
    EXPECT_EQ(messages, QList<Message>({{MessageBox::Error, "'2011-2-29' is not a valid date"}}));
}

TEST_F(MainWindowTest, InputPagesShowEveryChildWhole) {
    // Each child of a page lies inside the page and clear of the others,
    // with the edits' widths and the confirm button's place as designed.
    const QRect page(QPoint(), form->bsSkinNotebook1->size());
    for (int index = 0; index < form->bsSkinNotebook1->count(); ++index) {
        const QList<QWidget*> children =
            form->bsSkinNotebook1->widget(index)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        auto name = [](QWidget* w) {
            auto* label = qobject_cast<QLabel*>(w);
            return (label != nullptr ? label->text() : w->objectName()).toStdString();
        };
        for (qsizetype i = 0; i < children.size(); ++i) {
            EXPECT_TRUE(page.contains(children[i]->geometry())) << index << " " << name(children[i]);
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                    << index << " " << name(children[i]) << " / " << name(children[j]);
            }
        }
    }
    EXPECT_EQ(form->bsSkinEdit2->width(), 233);
    EXPECT_EQ(form->bsSkinEdit4->width(), 145);
    for (QPushButton* confirm : {form->bsSkinButton10, form->bsSkinButton11, form->bsSkinButton12,
                                 form->bsSkinButton13}) {
        EXPECT_EQ(confirm->geometry(), QRect(380, 10, 89, 25));
    }
}

TEST_F(MainWindowTest, QuestionEditHoldsAtMostFiftyBytes) {
    Click(form->bsSkinButton7);
    Type(form->bsSkinEdit2, QString(30, QChar(0x5929)));  // 30 × 天 = 60 bytes
    EXPECT_EQ(form->bsSkinEdit2->text(), QString(25, QChar(0x5929)));
    form->bsSkinEdit2->setText(QString(49, 'a') + QStringLiteral("天"));
    EXPECT_EQ(form->bsSkinEdit2->text(), QString(49, 'a')) << "never half a character";
}

TEST_F(MainWindowTest, AnyTypedTextCastsOrIsRefused) {
    Click(form->bsSkinButton1);
    const QString inputs[] = {
        QStringLiteral("😀😀"), QStringLiteral("한국"), QString(10000, '7'), QStringLiteral("\t\x01\x7f"),
        QStringLiteral("٣٤"), QString(),
    };
    for (const QString& input : inputs) {
        for (auto [edit, confirm] : {std::pair{form->bsSkinEdit2, form->bsSkinButton10},
                                     std::pair{form->bsSkinEdit3, form->bsSkinButton11},
                                     std::pair{form->bsSkinEdit4, form->bsSkinButton13}}) {
            messages.clear();
            const QStringList before = Report();
            edit->setText(input);
            Click(confirm);
            if (messages.isEmpty()) {
                EXPECT_EQ(Report().size(), 13) << input.left(10).toStdString();
                continue;
            }
            EXPECT_EQ(Report(), before) << input.left(10).toStdString();
        }
    }
}

TEST_F(MainWindowTest, SelectAllAndCopyPutTheWholeReportOnTheClipboard) {
    EnterSamplePerson();
    Click(form->bsSkinButton1);
    form->N13->trigger();
    form->N14->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), SampleReport().join('\n'));
}

TEST_F(MainWindowTest, EveryInputHasAnAccessibleName) {
    const std::pair<QWidget*, const char*> inputs[] = {
        {form->bsSkinEdit1, "姓名"},     {form->RadioButton1, "男"},      {form->RadioButton2, "女"},
        {form->bsSkinEdit5, "年龄"},     {form->bsSkinSpinEdit1, "年"},   {form->bsSkinSpinEdit2, "月"},
        {form->bsSkinSpinEdit3, "日"},   {form->bsSkinSpinEdit4, "时"},   {form->bsSkinEdit2, "问话"},
        {form->bsSkinEdit3, "汉字"},     {form->bsSkinComboBox2, "上卦"}, {form->bsSkinComboBox3, "下卦"},
        {form->bsSkinComboBox4, "动爻"}, {form->bsSkinEdit4, "数字"},     {form->bsSkinRichEdit1, "卦象"},
    };
    for (const auto& [input, name] : inputs) EXPECT_EQ(input->accessibleName(), QString::fromUtf8(name));
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        EXPECT_EQ(button->accessibleName(), button->text());
    }
}

auto Key(const moment::MomentOptions& o) { return std::tie(o.trueSolarTime, o.longitude, o.zone, o.placeName, o.summerTime); }

// 文件 › 时间校正…: what cannot be taken for the place is refused in a box
// of its own and the choice stays; what can is remembered by the next window.
TEST_F(MainWindowTest, TimeCorrectionRefusesABadPlaceAndRemembersAGoodOne) {
    const struct {
        bool trueSolarTime;
        const char* place;
        const char* refusal;  // a part of it; none where the place is taken
    } rows[] = {
        {true, "", "要知道地点"},         {true, "-180.5", "不是 -180.5"},
        {true, "亚特兰蒂斯", "没有“亚特兰蒂斯”"}, {true, "朝阳区", "可选：朝阳区（北京）、朝阳区（吉林）"},
        {true, "喀什市", nullptr},        {true, "-75.5", nullptr},
        {false, "喀什市", nullptr},  // off, the field is not read: the place before stays
    };
    for (const auto& row : rows) {
        QStringList refused;
        const moment::MomentOptions before = form->momentOptions();
        TimeCorrectionDialog dialog(before, [&refused](const QString& why) { refused.append(why); });
        dialog.trueSolarTimeBox->setChecked(row.trueSolarTime);
        dialog.summerTimeBox->setChecked(true);
        dialog.placeEdit->setText(QString::fromUtf8(row.place));
        dialog.accept();
        if (row.refusal != nullptr) {
            EXPECT_NE(dialog.result(), QDialog::Accepted) << row.place;
            EXPECT_TRUE(refused.size() == 1 && refused[0].contains(QString::fromUtf8(row.refusal))) << row.place;
            EXPECT_EQ(Key(dialog.Chosen()), Key(before)) << row.place;
            continue;
        }
        EXPECT_TRUE(refused.isEmpty()) << row.place;
        const moment::MomentOptions chosen = dialog.Chosen();
        EXPECT_EQ(chosen.placeName, testing_support::gbk(row.trueSolarTime && row.place[0] != '-' ? row.place : ""))
            << row.place;
        form->SetMomentOptions(chosen);
        SetUp();
        EXPECT_EQ(Key(form->momentOptions()), Key(chosen)) << row.place;
        EXPECT_TRUE(form->minuteEdit->isVisibleTo(form.get())) << "summer time is on";
    }
}

// 23:30 on 2010-09-13 is the 14th's 子 hour by Beijing's clock, 20:3x by the
// sun at 喀什: the day pillar is the 13th's, the report still names the
// clock, and the reading says why. Turned off, all is as it was.
TEST_F(MainWindowTest, TrueSolarTimeAtKashgarKeepsTheDayAndSaysSo) {
    const places::Place* kashgar = places::PlaceNamed(testing_support::gbk("喀什市"));
    ASSERT_NE(kashgar, nullptr);
    const auto dayPillar = [this] { return Report().value(4).section(QStringLiteral("日建: "), 1).left(2); };
    form->bsSkinSpinEdit4->setValue(23);
    form->minuteEdit->setValue(30);
    moment::MomentOptions options;
    options.longitude = kashgar->longitude;
    options.zone = kashgar->zone;
    options.placeName = kashgar->name;
    for (const bool on : {true, false}) {
        options.trueSolarTime = on;
        form->SetMomentOptions(options);
        EXPECT_EQ(form->minuteEdit->isVisibleTo(form.get()), on);
        Click(form->bsSkinButton1);
        EXPECT_EQ(Report().value(1), QStringLiteral("  公历：2010年9月13日23时"));
        EXPECT_EQ(dayPillar(), on ? QStringLiteral("丙寅") : QStringLiteral("丁卯"));
        const QStringList reading = Reading().split('\n');
        EXPECT_EQ(reading.value(0) == QStringLiteral("【时间】"), on);
        EXPECT_EQ(reading.filter(QStringLiteral("起卦时刻：2010-09-13 20:")).size(), on ? 1 : 0);
        if (!on) continue;
        // 时分起卦 reads the moment cast from, not the clock on the wall (17:05).
        const int minuteCastFrom = reading.filter(QStringLiteral("起卦时刻：")).value(0).mid(19, 2).toInt();
        Click(form->bsSkinButton2);
        EXPECT_TRUE(Reading().contains(QStringLiteral("时分起卦所用钟点：20时%1分").arg(minuteCastFrom)));
    }
    EXPECT_TRUE(messages.isEmpty());
}

// A reading the clocks skipped, with summer time turned back, is refused in
// the window's box and casts nothing.
TEST_F(MainWindowTest, ACorrectionsRefusalShowsItsBoxAndCastsNothing) {
    moment::MomentOptions summerTime;
    summerTime.summerTime = true;
    form->SetMomentOptions(summerTime);
    const std::pair<SpinEdit*, int> fields[] = {{form->bsSkinSpinEdit1, 1986}, {form->bsSkinSpinEdit2, 5},
                                                {form->bsSkinSpinEdit3, 4},    {form->bsSkinSpinEdit4, 2},
                                                {form->minuteEdit, 30}};
    for (const auto& [field, value] : fields) field->setValue(value);
    Click(form->bsSkinButton2);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].box, MessageBox::Error);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("从未出现"))) << messages[0].text.toStdString();
    EXPECT_TRUE(Report().isEmpty());
}

// 文件 › 口径…: the boxes' choices are what the dialog is accepted with,
// kept under yaopan-cast's keys for the next window, whose minute field
// shows while any is away from its default.
TEST_F(MainWindowTest, TheConventionsChosenAreRememberedAndShowTheMinute) {
    const struct {
        std::array<int, 4> boxes;
        const char* storedZi;
    } rows[] = {{{1, 0, 0, 0}, "split"}, {{0, 2, 1, 1}, "next-day"},
                {{2, 1, 0, 1}, "midnight"}, {{0, 0, 0, 0}, "next-day"}};
    for (const auto& row : rows) {
        ConventionsDialog dialog(form->conventions());
        for (std::size_t k = 0; k < row.boxes.size(); ++k) dialog.choiceBoxes[k]->setCurrentIndex(row.boxes[k]);
        dialog.accept();
        const casting::Conventions chosen = dialog.Chosen();
        const std::array boxes{int(chosen.zi), int(chosen.pillarBoundary), int(chosen.yearNumber),
                               int(chosen.strength)};
        EXPECT_EQ(boxes, row.boxes);
        form->SetConventions(chosen);
        EXPECT_EQ(ProgramSettings().value("conventions/zi").toString(), row.storedZi);
        SetUp();
        EXPECT_EQ(form->conventions(), chosen) << row.storedZi;
        EXPECT_EQ(form->minuteEdit->isVisibleTo(form.get()), !chosen.IsDefault()) << row.storedZi;
    }
}

// 23:30 on 2010-09-13: by default the 14th's day, lunar date and 子 hour;
// 早晚子 keeps the 13th's day and lunar date with the 14th's 子 hour, and
// the reading names the choice.
TEST_F(MainWindowTest, SplitZiKeepsTheDayAtHalfPastEleven) {
    const auto pillar = [this](const char* which) {
        return Report().value(4).section(QString::fromUtf8(which), 1).left(2);
    };
    form->bsSkinSpinEdit4->setValue(23);
    form->minuteEdit->setValue(30);
    const struct {
        casting::ZiHour zi;
        const char *dayPillar, *lunarDate, *opening;
    } rows[] = {{casting::ZiHour::Split, "丙寅", "  农历：二零一零年八月初六", "口径：子时早晚子"},
                {casting::ZiHour::NextDay, "丁卯", "  农历：二零一零年八月初七", nullptr}};
    for (const auto& row : rows) {
        form->SetConventions({.zi = row.zi});
        Click(form->bsSkinButton1);
        EXPECT_EQ(pillar("日建: "), QString::fromUtf8(row.dayPillar));
        EXPECT_EQ(pillar("时建: "), QStringLiteral("庚子")) << "the 14th's 子 hour either way";
        EXPECT_EQ(Report().value(3), QString::fromUtf8(row.lunarDate));
        const QString reading = Reading();
        EXPECT_EQ(reading.contains(QStringLiteral("口径：")), row.opening != nullptr);
        if (row.opening != nullptr) {
            EXPECT_TRUE(reading.contains(QString::fromUtf8(row.opening)));
        }
    }
    EXPECT_TRUE(messages.isEmpty());
}

}  // namespace

namespace {

// As the language menu does: the locale first, then every widget told.
void SwitchLanguage(QWidget* window, const QLocale& language) {
    QLocale::setDefault(language);
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(window, &change);
}

// Under 繁體中文 the report and the reading are shown, read back for export
// and copied in traditional characters, the person's name as typed; back
// under Simplified Chinese they are today's to the byte.
TEST_F(MainWindowTest, TraditionalChineseShowsTheCastingInTraditionalCharacters) {
    const QLocale simplified(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    const auto restore = qScopeGuard([&simplified] { QLocale::setDefault(simplified); });
    Type(form->bsSkinEdit1, "张丑");
    Click(form->bsSkinButton1);
    const QStringList simplifiedReport = Report();
    const QString simplifiedReading = Reading();
    const struct {
        QLocale language;
        const char* sexLabel;
    } traditional[] = {
        {QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan), "性別"},
        {QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::HongKong), "性別"},
    };
    for (const auto& t : traditional) {
        SwitchLanguage(form.get(), t.language);
        const QStringList report = Report();
        ASSERT_EQ(report.size(), simplifiedReport.size());
        EXPECT_TRUE(report[0].startsWith(QStringLiteral("  姓名： 张丑  ") + t.sexLabel)) << report[0].toStdString();
        EXPECT_TRUE(report.join('\n').contains(QStringLiteral("農曆")));
        const QString reading = Reading();
        EXPECT_TRUE(reading.contains(QStringLiteral("【經文】"))) << reading.toStdString();
        EXPECT_FALSE(reading.contains(QStringLiteral("【经文】")));
        EXPECT_EQ(form->readingPage->Reading(), reading);
        form->N13->trigger();
        form->N14->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(), report.join('\n'));
    }
    SwitchLanguage(form.get(), simplified);
    EXPECT_EQ(Report(), simplifiedReport);
    EXPECT_EQ(Reading(), simplifiedReading);
}

}  // namespace
