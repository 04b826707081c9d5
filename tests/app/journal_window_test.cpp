// The journal as the window keeps it: castings recorded after their report,
// the 记录起卦 switch, the history window and the report's export. Each
// test has a journal of its own in a temporary folder.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

#include "gbk.h"
#include "history_model.h"
#include "history_window.h"
#include "input_fields.h"
#include "journal/casting_journal.h"
#include "journal/journal_export.h"
#include "journal/journal_location.h"
#include "main_window.h"
#include "program_language.h"
#include "qt_text/gbk_qt.h"
#include "reading/hexagram_texts.h"
#include "program_settings.h"
#include "reading_page.h"
#include "reference_panel.h"
#include "report_file.h"
#include "report_view.h"

namespace {

using namespace std::chrono_literals;

class JournalWindowTest : public testing::Test {
protected:
    QTemporaryDir home;
    const QByteArray sharedHome = qgetenv("XDG_DATA_HOME");
    QDateTime now{QDate(2010, 9, 13), QTime(17, 5)};
    QStringList messages, questions;
    bool answer = true;
    SaveTarget saveTo;
    std::vector<SaveRequest> asked;
    std::optional<QString> note;
    std::unique_ptr<TForm1> form;
    bool settle = true;  // each click waits for the casting it makes to be stored
    std::atomic<bool> lockReleased = false;

    void SetUp() override {
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        form = NewForm();
        form->recordAction->setChecked(true);
    }
    void TearDown() override {
        form.reset();
        qputenv("XDG_DATA_HOME", sharedHome);
    }

    std::unique_ptr<TForm1> NewForm() {
        ShellServices services{[](const QUrl&) {},
                               [this](QWidget*, MessageBox, const QString& text) { messages.append(text); },
                               [this] { return now; }};
        services.ask = [this](QWidget*, const QString& question) { return questions.append(question), answer; };
        services.chooseSaveFile = [this](QWidget*, const SaveRequest& request) {
            asked.push_back(request);
            return saveTo;
        };
        services.editText = [this](QWidget*, const QString&, const QString&) { return note; };
        return std::make_unique<TForm1>(services);
    }

    static std::vector<journal::JournalEntry> Stored() {
        journal::CastingJournal journal(journal::DefaultJournalFile());
        return journal.List({}, 1000);
    }

    // Clicks `button` and lets the recording that follows the report run.
    void Click(QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
        if (!settle) return;
        EXPECT_TRUE(form->recorder->Settle(10s));
        QCoreApplication::processEvents();
    }
    void CastManually(int upper, int lower, int line) {
        Click(form->bsSkinButton5);
        form->bsSkinComboBox2->setCurrentIndex(upper - 1);
        form->bsSkinComboBox3->setCurrentIndex(lower - 1);
        form->bsSkinComboBox4->setCurrentIndex(line - 1);
        Click(form->bsSkinButton12);
    }
    // Opens an input page, types `text` and confirms it.
    void Confirm(QPushButton* page, QLineEdit* edit, const QString& text, QPushButton* confirm) {
        Click(page);
        edit->setText(text);
        Click(confirm);
    }
    void AskQuestion(const QString& question) {
        Confirm(form->bsSkinButton7, form->bsSkinEdit2, question, form->bsSkinButton10);
    }

    // Three castings an hour apart: 张三 the traditional way, 李四 by hand,
    // 王五 by a question.
    void CastThree() {
        const std::pair<const char*, std::function<void()>> castings[] = {
            {"张三", [&] { Click(form->bsSkinButton1); }},
            {"李四", [&] { CastManually(8, 1, 6); }},  // 坤 over 乾: 地天泰, changing to 山天大畜
            {"王五", [&] { AskQuestion("猜我吃的什么"); }},
        };
        for (const auto& [name, cast] : castings) {
            form->bsSkinEdit1->setText(name);
            cast();
            now = now.addSecs(3600);
        }
    }

    // Another program holds the journal's write lock from now for `holdFor`;
    // `lockReleased` is set just before it lets go.
    std::jthread HoldJournalLock(std::chrono::milliseconds holdFor) {
        { journal::CastingJournal made(journal::DefaultJournalFile()); }  // as the window will find it
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(journal::DefaultJournalFile().c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        return std::jthread([this, db, holdFor] {
            std::this_thread::sleep_for(holdFor);
            lockReleased = true;
            sqlite3_close(db);  // which rolls the transaction back
        });
    }

    HistoryWindow* History() { return form->OpenHistory(); }
    QStringList ListedNames() {
        QStringList names;
        for (int row = 0; row < History()->model().rowCount(); ++row) names.append(Listed(row, HistoryModel::Name));
        return names;
    }
    QString Listed(int row, int column) { return History()->model().index(row, column).data().toString(); }
    void Select(int row) { History()->table->selectRow(row); }
};

TEST_F(JournalWindowTest, ACastingIsRecordedWithWhatItWasGivenAndARefusalIsNot) {
    form->bsSkinEdit1->setText("某人");
    form->bsSkinEdit5->setText("30");
    QTest::mouseClick(form->RadioButton1, Qt::LeftButton, {}, QPoint(5, 9));
    Click(form->bsSkinButton1);
    ASSERT_EQ(Stored().size(), 1u);
    const journal::JournalEntry sample = Stored().front();
    EXPECT_EQ((std::array{sample.name, sample.sex, sample.age, sample.method}),
              (std::array<std::string, 4>{"某人", "男", "30", "传统起卦"}));
    EXPECT_EQ((std::array{sample.year, sample.month, sample.day, sample.hour}), (std::array{2010, 9, 13, 17}));
    EXPECT_EQ(sample.hexagrams, (std::array<std::string, 5>{"天火同人", "天风姤", "天雷无妄", "地水师", "火天大有"}));
    EXPECT_EQ((std::tuple{sample.movingLine, sample.castAt, sample.note}), (std::tuple{3, now.toSecsSinceEpoch(), ""}));
    EXPECT_EQ(sample.report, form->bsSkinRichEdit1->toPlainText().toStdString());
    form->show();  // the page builds its text when it is on screen
    form->N21->trigger();
    EXPECT_EQ(sample.reading, form->readingPage->toPlainText().toStdString());

    now.setTime(QTime(12, 30));
    const struct {
        const char* what;
        std::function<void()> cast;
        const char* question;
        std::array<int, 4> manualAndMinute;
    } rows[] = {
        {"question", [&] { AskQuestion("猜我吃的什么"); }, "猜我吃的什么", {0, 0, 0, 0}},
        {"number", [&] { Confirm(form->bsSkinButton6, form->bsSkinEdit4, "12345", form->bsSkinButton13); }, "12345",
         {0, 0, 0, 0}},
        {"manual", [&] { CastManually(8, 1, 6); }, "", {8, 1, 6, 0}},
        {"clock", [&] { Click(form->bsSkinButton2); }, "", {0, 0, 0, 30}},
    };
    for (const auto& row : rows) {
        row.cast();
        const journal::JournalEntry latest = Stored().front();
        EXPECT_EQ(latest.question, row.question) << row.what;
        const std::array manualAndMinute{latest.manualUpper, latest.manualLower, latest.manualLine, latest.minute};
        EXPECT_EQ(manualAndMinute, row.manualAndMinute) << row.what;
        EXPECT_EQ(latest.report, form->bsSkinRichEdit1->toPlainText().toStdString()) << row.what;
    }
    form->bsSkinEdit4->setText("13a");
    Click(form->bsSkinButton13);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(Stored().size(), 5u) << "a refused casting is not recorded";
    for (QAction* step : {form->N9, form->N4, form->N11}) step->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(Stored().size(), 5u) << "a single step of the pipeline is no casting";
}

TEST_F(JournalWindowTest, RecordingSwitchedOffRecordsNothingAndIsRemembered) {
    form->recordAction->trigger();
    Click(form->bsSkinButton1);
    EXPECT_TRUE(Stored().empty());
    EXPECT_EQ(form->bsSkinRichEdit1->toPlainText().split('\n').size(), 13);

    form = NewForm();
    EXPECT_FALSE(form->recordAction->isChecked());
    Click(form->bsSkinButton1);
    EXPECT_TRUE(Stored().empty());
    form->recordAction->trigger();
    form = NewForm();
    EXPECT_TRUE(form->recordAction->isChecked());
    Click(form->bsSkinButton1);
    EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(JournalWindowTest, HistoryListsNewestFirstAndSearches) {
    CastThree();
    EXPECT_EQ(ListedNames(), (QStringList{"王五", "李四", "张三"}));
    const QStringList newest = {Listed(0, HistoryModel::Time), Listed(0, HistoryModel::Method),
                                Listed(0, HistoryModel::Hexagrams)};
    EXPECT_EQ(newest, (QStringList{"2010-09-13 19:05", "问话字的笔画数起卦", "地山谦 → 坤为地"}));

    const struct {
        const char* query;
        QStringList names;
    } searches[] = {
        {"李", {"李四"}},          {"大畜", {"李四"}},  // the changed hexagram
        {"吃的", {"王五"}},        {"大", {"李四", "张三"}},  // 山天大畜, 火天大有
        {"无此人", {}},            {"", {"王五", "李四", "张三"}},
    };
    for (const auto& search : searches) {
        History()->search->setText(QString::fromUtf8(search.query));
        EXPECT_EQ(ListedNames(), search.names) << search.query;
    }

    now = now.addSecs(3600);
    form->bsSkinEdit1->setText("赵六");
    Click(form->bsSkinButton1);
    EXPECT_EQ(ListedNames().front(), "赵六") << "a new casting joins the open list";
}

// Each batch is read after the last row listed: castings deleted elsewhere
// meanwhile, one listed and one not, shift no casting past a batch's edge.
TEST_F(JournalWindowTest, TheListIsReadABatchAtATimeEachCastingOnce) {
    journal::CastingJournal other(journal::DefaultJournalFile());
    QStringList expected;
    for (int i = 0; i < 120; ++i) {
        journal::JournalEntry casting;
        casting.name = std::to_string(i);
        ASSERT_TRUE(other.Record(casting).ok());
        expected.prepend(QString::number(i));
    }
    HistoryModel& model = History()->model();
    const int read = model.rowCount();
    ASSERT_LT(read, 119);
    for (const int row : {read, read - 1}) other.Delete(other.List({}, 120)[row].id);
    expected.removeAt(read);  // the one not yet read; the other stays listed
    while (model.canFetchMore()) model.fetchMore();
    EXPECT_EQ(ListedNames(), expected);
}

// Each column sorts both ways, by the journal's query a batch at a time, as
// sorting every casting at once would: ties (on every column) follow the
// id the same way, and a search lists its castings in the same order.
TEST_F(JournalWindowTest, AColumnSortsTheWholeListBothWays) {
    journal::CastingJournal other(journal::DefaultJournalFile());
    const char* const texts[] = {"甲", "乙", "丙", ""};
    for (int i = 0; i < 120; ++i) {
        journal::JournalEntry casting;
        casting.name = texts[i % 3];
        casting.method = texts[i % 2];
        casting.question = texts[i % 4];
        casting.note = texts[i / 10 % 4];
        casting.hexagrams[journal::Primary] = texts[i % 2];
        casting.hexagrams[journal::Changed] = texts[i / 3 % 3];
        casting.castAt = 1'300'000'000 + i % 7 * 60;
        ASSERT_TRUE(other.Record(casting).ok());
    }
    HistoryModel& model = History()->model();
    for (const char* query : {"", "甲"}) {
        History()->search->setText(query);
        for (int column = 0; column < HistoryModel::ColumnCount; ++column) {
            for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                History()->table->sortByColumn(column, order);
                while (model.canFetchMore()) model.fetchMore();
                std::vector<std::pair<QString, std::int64_t>> listed;
                std::set<std::int64_t> ids;
                for (int row = 0; row < model.rowCount(); ++row) {
                    listed.emplace_back(Listed(row, column), model.Entry(row).id);
                    ids.insert(model.Entry(row).id);
                }
                auto sorted = listed;
                std::sort(sorted.begin(), sorted.end());
                if (order == Qt::DescendingOrder) std::reverse(sorted.begin(), sorted.end());
                EXPECT_EQ(listed, sorted) << query << column << order;
                EXPECT_EQ(ids.size(), *query ? other.Find(query).size() : 120u) << query << column << order;
            }
        }
    }
}

TEST_F(JournalWindowTest, TheHistoryShowsQuestionAndNoteAndEscClosesIt) {
    AskQuestion("猜我吃的什么");
    note = "应验";
    Select(0);
    Click(History()->noteButton);
    const QStringList shown = {Listed(0, HistoryModel::Question), Listed(0, HistoryModel::Note),
                               History()->model().headerData(HistoryModel::Question, Qt::Horizontal).toString(),
                               History()->model().headerData(HistoryModel::Note, Qt::Horizontal).toString()};
    EXPECT_EQ(shown, (QStringList{"猜我吃的什么", "应验", "问话", "备注"}));
    HistoryWindow* window = History();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->table, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// The program promises to keep nothing: a casting is stored only once the
// person turns recording on, or kept a journal before the switch existed.
TEST_F(JournalWindowTest, RecordingIsOffUntilTurnedOnUnlessAJournalIsKept) {
    ProgramSettings().remove("journal/record");
    form = NewForm();
    EXPECT_FALSE(form->recordAction->isChecked());
    Click(form->bsSkinButton1);
    answer = false;
    EXPECT_EQ(form->OpenHistory(), nullptr);
    EXPECT_EQ(questions.size(), 1);
    EXPECT_FALSE(std::filesystem::exists(journal::DefaultJournalFile())) << "neither casting nor asking made one";

    answer = true;
    ASSERT_NE(form->OpenHistory(), nullptr);
    EXPECT_TRUE(form->recordAction->isChecked());
    EXPECT_EQ(History()->model().rowCount(), 0) << "a casting made while off is never stored";
    Click(form->bsSkinButton1);
    EXPECT_EQ(Stored().size(), 1u);

    form->recordAction->setChecked(false);
    EXPECT_NE(form->OpenHistory(), nullptr) << "a kept journal is shown without asking";
    EXPECT_EQ(questions.size(), 2);
    ProgramSettings().remove("journal/record");
    form = NewForm();
    EXPECT_TRUE(form->recordAction->isChecked()) << "a journal is kept";
}

TEST_F(JournalWindowTest, ACastingIsOpenedGivenANoteAndDeletedAfterAsking) {
    CastThree();
    const std::vector<journal::JournalEntry> stored = Stored();
    Select(1);
    Click(History()->openButton);
    EXPECT_EQ(form->bsSkinRichEdit1->toPlainText().toStdString(), stored[1].report);
    EXPECT_EQ(form->bsSkinNotebook2->currentIndex(), ReferencePanel::kReadingPage);
    EXPECT_EQ(form->readingPage->toPlainText().toStdString(), stored[1].reading.value_or("none"));
    EXPECT_TRUE(form->readingPage->toPlainText().contains("地天泰"));

    note = "应验了，值得再看";
    Click(History()->noteButton);
    note.reset();  // cancelled
    Click(History()->noteButton);
    EXPECT_EQ(Stored()[1].note, "应验了，值得再看");
    History()->search->setText("应验");
    EXPECT_EQ(ListedNames(), QStringList{"李四"});

    History()->search->clear();
    Select(0);
    answer = false;
    Click(History()->deleteButton);
    EXPECT_EQ(Stored().size(), 3u);
    answer = true;
    Click(History()->deleteButton);
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions.front().contains("王五"));
    EXPECT_EQ(ListedNames(), (QStringList{"李四", "张三"}));
    EXPECT_EQ(Stored().size(), 2u);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(JournalWindowTest, TheListedCastingsAreExportedAsCsvOrJson) {
    CastThree();
    History()->search->setText("大");  // 李四 and 张三
    const std::vector<journal::JournalEntry> stored = Stored(), listed{stored[1], stored[2]};
    const struct {
        int filter;
        const char* file;  // as typed
        const char* written;
        std::string text;
    } rows[] = {
        {0, "castings", "castings.csv", journal::ToCsv(listed)},
        {1, "castings", "castings.json", journal::ToJson(listed)},
        {0, "list.txt", "list.txt", journal::ToCsv(listed)},
    };
    for (const auto& row : rows) {
        saveTo = {home.filePath(row.file), row.filter};
        Click(History()->exportButton);
        QFile written(home.filePath(row.written));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << row.written;
        EXPECT_EQ(written.readAll().toStdString(), row.text) << row.written;
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(JournalWindowTest, OpeningACastingFillsTheFieldsItWasCastWith) {
    using Radio = QRadioButton* TForm1::*;
    using Edit = QLineEdit* TForm1::*;
    const struct {
        const char* what;
        Radio sex;  // nullptr: neither
        std::array<int, 4> moment;
        std::function<void()> cast;
        int page;
        Edit edit;  // emptied before opening
        QPushButton* TForm1::*recast;
    } rows[] = {
        {"question", nullptr, {2010, 10, 31, 5}, [&] { AskQuestion("猜我吃的什么"); }, 1, &TForm1::bsSkinEdit2,
         &TForm1::bsSkinButton10},
        {"character", &TForm1::RadioButton1, {2012, 2, 29, 23},
         [&] { Confirm(form->bsSkinButton8, form->bsSkinEdit3, "易", form->bsSkinButton11); }, 2, &TForm1::bsSkinEdit3,
         &TForm1::bsSkinButton11},
        {"number", &TForm1::RadioButton2, {1999, 12, 1, 0},
         [&] { Confirm(form->bsSkinButton6, form->bsSkinEdit4, "12345", form->bsSkinButton13); }, 4,
         &TForm1::bsSkinEdit4, &TForm1::bsSkinButton13},
        {"manual", &TForm1::RadioButton1, {2024, 2, 10, 9}, [&] { CastManually(3, 6, 2); }, 3, nullptr,
         &TForm1::bsSkinButton12},
        {"clock", &TForm1::RadioButton2, {2010, 9, 13, 17}, [&] { Click(form->bsSkinButton2); }, 0, nullptr,
         &TForm1::bsSkinButton2},
    };
    SpinEdit* TForm1::*const moment[] = {&TForm1::bsSkinSpinEdit1, &TForm1::bsSkinSpinEdit2, &TForm1::bsSkinSpinEdit3,
                                         &TForm1::bsSkinSpinEdit4};
    for (const auto& row : rows) {
        form->bsSkinEdit1->setText(row.what);
        form->bsSkinEdit5->setText(QString::number(row.moment[3]));
        if (row.sex != nullptr) (form.get()->*row.sex)->setChecked(true);
        for (int i = 0; i < 4; ++i) {
            if (i == 2) form->bsSkinSpinEdit3->setValue(1);  // a change of day bounds it by the month
            (form.get()->*moment[i])->setValue(row.moment[i]);
        }
        row.cast();
        const std::string report = form->bsSkinRichEdit1->toPlainText().toStdString();
        // The window moves on: another person, the other sex, February, another page.
        form->bsSkinEdit1->setText("别人");
        form->bsSkinEdit5->clear();
        (row.sex == &TForm1::RadioButton1 ? form->RadioButton2 : form->RadioButton1)->setChecked(true);
        for (SpinEdit* field : {form->bsSkinSpinEdit1, form->bsSkinSpinEdit2, form->bsSkinSpinEdit4}) {
            field->setValue(2);
        }
        form->bsSkinNotebook1->setCurrentIndex(row.page == 0 ? 3 : 0);
        if (row.edit != nullptr) (form.get()->*row.edit)->clear();
        for (QComboBox* list : {form->bsSkinComboBox2, form->bsSkinComboBox3, form->bsSkinComboBox4}) {
            list->setCurrentIndex(0);
        }
        Select(0);
        Click(History()->openButton);
        for (Radio radio : {&TForm1::RadioButton1, &TForm1::RadioButton2}) {
            EXPECT_EQ((form.get()->*radio)->isChecked(), radio == row.sex) << row.what;
        }
        EXPECT_EQ(form->bsSkinSpinEdit3->value(), row.moment[2]) << row.what;
        EXPECT_EQ(form->bsSkinNotebook1->currentIndex(), row.page) << row.what;
        // The report names the person and the moment: what was filled in
        // casts the same report again.
        Click(form.get()->*row.recast);
        EXPECT_EQ(form->bsSkinRichEdit1->toPlainText().toStdString(), report) << row.what;
    }
}

// A corrected casting opens with the minute it was entered at, and its
// time in the history tells the moment it was cast from and the place.
TEST_F(JournalWindowTest, ACorrectedCastingKeepsItsMinuteAndTellsWhereItWasCast) {
    moment::MomentOptions kashgar;
    kashgar.trueSolarTime = true;
    kashgar.longitude = 75.9868;
    kashgar.placeName = testing_support::gbk("喀什市");
    form->SetMomentOptions(kashgar);
    form->bsSkinSpinEdit4->setValue(23);
    form->minuteEdit->setValue(30);
    Click(form->bsSkinButton1);
    form->minuteEdit->setValue(0);
    Select(0);
    Click(History()->openButton);
    EXPECT_EQ(form->minuteEdit->value(), 30);
    const QString tip = History()->model().index(0, HistoryModel::Time).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.startsWith(QStringLiteral("起卦时刻：2010-09-13 20:"))) << tip.toStdString();
    EXPECT_TRUE(tip.endsWith(QStringLiteral("真太阳时：喀什市")));
    form->SetMomentOptions({});
}

// A casting reckoned away from the default conventions is marked in the
// time column, its tooltip naming them; one at the defaults is not.
TEST_F(JournalWindowTest, ACastingAwayFromTheDefaultConventionsIsMarked) {
    const struct {
        casting::Conventions conventions;
        const char* tip;  // none where unmarked
    } rows[] = {{{.zi = casting::ZiHour::Split, .strength = casting::StrengthBy::Season},
                 "口径：子时早晚子，年月柱年按立春时刻、月按交节日，年数年柱地支，旺衰按四时"},
                {{}, nullptr}};
    for (const auto& row : rows) {
        form->SetConventions(row.conventions);
        Click(form->bsSkinButton1);
        History()->model().Reload();
        EXPECT_EQ(Listed(0, HistoryModel::Time).endsWith(QStringLiteral("※")), row.tip != nullptr);
        const QVariant tip = History()->model().index(0, HistoryModel::Time).data(Qt::ToolTipRole);
        EXPECT_EQ(tip.toString(), row.tip != nullptr ? QString::fromUtf8(row.tip) : QString());
    }
}

TEST_F(JournalWindowTest, TheTextExportHoldsTheHeadingTheReportAndTheReading) {
    const auto choose = [this](int i) { form->findChild<QMenu*>("CalendarRuleMenu")->actions().at(i)->trigger(); };
    now.setTime(QTime(12, 30));
    const struct {
        const char* what;
        std::function<void()> cast;
        int calendar;  // the 历法 item
        const char* heading;
    } rows[] = {
        {"question", [&] { AskQuestion("猜我吃的什么"); }, 0, "起卦方式：问话字的笔画数起卦　问话：“猜我吃的什么”"},
        {"manual", [&] { CastManually(8, 1, 6); }, 0, "起卦方式：手工指定起卦　上卦：坤　下卦：乾　动爻：第6爻"},
        {"clock", [&] { Click(form->bsSkinButton2); }, 1, "起卦方式：时分起卦　时钟分钟：30"},
        {"opened", [&] { Select(2), Click(History()->openButton); }, 0, "起卦方式：问话字的笔画数起卦　问话"},
    };
    form->bsSkinEdit1->setText("张三");
    for (const auto& row : rows) {
        choose(row.calendar);
        row.cast();
        saveTo = {home.filePath("report"), 0};
        form->exportReportAction->trigger();
        QFile file(home.filePath("report.txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const QString report = form->bsSkinRichEdit1->toPlainText(), reading = form->readingPage->Reading();
        const QStringList heading = text.section("\n\n", 0, 0).split('\n');
        EXPECT_EQ(heading.mid(1, 2), (QStringList{"姓名：张三　性别：未填　年龄：未填", "时间：公历2010年9月13日17时"}));
        EXPECT_TRUE(heading.value(3).startsWith(row.heading)) << heading.value(3).toStdString();
        EXPECT_TRUE(heading.value(4).startsWith(row.calendar == 0 ? "历法：内置" : "历法：天文")) << row.what;
        EXPECT_EQ(text.section("\n\n", 1, 1), report) << row.what;
        EXPECT_EQ(text.section("\n\n", 2), reading + "\n") << row.what;
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(JournalWindowTest, ExportAsksBeforeReplacingAFileOnlyTheAddedSuffixNames) {
    form->bsSkinEdit1->setText("张三");
    Click(form->bsSkinButton1);
    const struct {
        const char* typed;
        bool answer;
        int questions;
        bool replaced;
    } rows[] = {{"new", false, 0, true}, {"report", false, 1, false}, {"report", true, 1, true},
                {"report.txt", false, 0, true}};
    for (const auto& row : rows) {
        questions.clear();
        QFile old(home.filePath("report.txt"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        saveTo = {home.filePath(row.typed), 0};
        answer = row.answer;
        form->exportReportAction->trigger();
        EXPECT_EQ(questions, QStringList(row.questions, "“report.txt”已存在，要替换它吗？")) << row.typed;
        QFile written(home.filePath(QFileInfo(row.typed).completeBaseName() + ".txt"));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll() != "old", row.replaced) << row.typed;
        EXPECT_EQ(asked.back().name, "张三-2010-09-13.txt");
        EXPECT_EQ(asked.back().folder == home.path(), &row != rows) << "the folder last saved into";
    }
}

TEST_F(JournalWindowTest, ThePictureIsTheComposedReportAtTheDevicePixelRatio) {
    Click(form->bsSkinButton1);
    saveTo = {home.filePath("report"), 1};
    form->exportReportAction->trigger();
    const QImage picture(home.filePath("report.png"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(picture.height(), form->bsSkinRichEdit1->height()) << "the whole composition, not the view";
    for (int y = 0; y < picture.height(); ++y) {
        ASSERT_EQ(picture.pixel(picture.width() - 1, y), qRgb(255, 255, 255)) << "no scroll bar at " << y;
    }
    const ShownReport shown{std::nullopt, form->bsSkinRichEdit1->toPlainText(), {}, form->bsSkinRichEdit1->font()};
    EXPECT_EQ(ReportPicture(shown, 2).size(), ReportPicture(shown, 1).size() * 2);

    // The table's columns (headings, names, figures) stay aligned, and lie
    // further apart than a yin figure's gap of two bytes.
    const std::unique_ptr<QTextDocument> document = ReportDocument(shown);
    document->size();  // lays it out
    const auto x = [&](int line, int byte) {  // where byte column `byte` of report line `line` starts
        const QTextBlock block = document->findBlockByNumber(line);
        int index = 0;
        for (int at = 0; at < byte; ++index) at += block.text()[index].unicode() < 0x80 ? 1 : 2;
        return block.layout()->lineAt(0).cursorToX(index);
    };
    for (int column = 1; column < 5; ++column) {
        for (int line = 5; line < 13; ++line) EXPECT_EQ(x(line, 12 * column + 2), x(12, 12 * column + 2)) << line;
        EXPECT_GT(x(12, 12 * column + 2) - x(12, 12 * column), 1.5 * (x(12, 6) - x(12, 4))) << column;
    }

    QFile(home.filePath("plain")).open(QIODevice::WriteOnly);
    saveTo = {home.filePath("plain/report.txt"), 0};
    form->exportReportAction->trigger();
    EXPECT_EQ(messages.size(), 1) << "a file that cannot be written is told";
}

TEST_F(JournalWindowTest, ThePrintIsOnePageHoweverLongTheReading) {
    Click(form->bsSkinButton1);
    const QString reading = form->readingPage->Reading();
    const QSizeF a4(794, 1123);  // at 96 dots an inch
    for (const QString& shownReading : {reading, (reading + '\n').repeated(20)}) {
        const ShownReport shown{std::nullopt, form->bsSkinRichEdit1->toPlainText(), shownReading,
                                form->bsSkinRichEdit1->font()};
        const std::unique_ptr<QTextDocument> document = ReportDocument(shown);
        const qreal scale = FitToPage(*document, a4);
        EXPECT_EQ(scale < 1, shownReading != reading) << "only a long reading is drawn smaller";
        EXPECT_LE(document->size().width() * scale, a4.width() + 0.5);
        EXPECT_LE(document->size().height() * scale, a4.height() + 0.5);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(home.filePath("report.pdf"));
        PrintReportOn(printer, shown);
        QFile pdf(home.filePath("report.pdf"));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page\\b")), 1);
    }
}

// The journal's folder lies under a regular file: nothing can be written.
TEST_F(JournalWindowTest, AnUnwritableJournalIsToldOnceAndCastingGoesOn) {
    QFile(home.filePath("blocker")).open(QIODevice::WriteOnly);
    qputenv("XDG_DATA_HOME", home.filePath("blocker/data").toLocal8Bit());
    form = NewForm();
    for (int casting = 0; casting < 3; ++casting) {
        form->bsSkinRichEdit1->clear();
        Click(form->bsSkinButton1);
        EXPECT_EQ(form->bsSkinRichEdit1->toPlainText().split('\n').size(), 13) << casting;
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains("无法写入"));
    EXPECT_EQ(History()->model().rowCount(), 0);
}

// The window turns while the writer waits for another program's lock, and
// the castings made meanwhile are all stored, in order, once it is free.
TEST_F(JournalWindowTest, AnotherProgramsLockNeverHoldsTheWindow) {
    History();
    const std::jthread lock = HoldJournalLock(2s);
    bool turned = false, turnedWhileLocked = false;
    QTimer::singleShot(100ms, [&] { turnedWhileLocked = !lockReleased, turned = true; });
    settle = false;
    CastThree();
    EXPECT_TRUE(QTest::qWaitFor([&] { return turned; }) && turnedWhileLocked);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ListedNames().size() == 3; }, 10000)) << "the list follows the writer";
    EXPECT_EQ(ListedNames(), (QStringList{"王五", "李四", "张三"}));
    EXPECT_TRUE(messages.isEmpty());
}

// Closing waits for the writer (with the window's own wait, past the lock;
// with a shorter one, not) and names in one message each casting it could
// not store.
TEST_F(JournalWindowTest, ClosingWaitsForTheJournalAndNamesWhatWentUnstored) {
    settle = false;
    for (const std::optional<std::chrono::milliseconds> wait : {std::optional<std::chrono::milliseconds>(), {200ms}}) {
        qputenv("XDG_DATA_HOME", home.filePath(wait ? "short" : "own").toLocal8Bit());
        form = NewForm();
        now = QDateTime(QDate(2010, 9, 13), QTime(17, 5));
        {
            const std::jthread lock = HoldJournalLock(2s);
            CastThree();
            if (wait) form->recorder->Finish(*wait);
            form.reset();
        }
        QStringList stored;
        for (const journal::JournalEntry& casting : Stored()) stored.append(QString::fromStdString(casting.name));
        const QString told = messages.join('|');
        EXPECT_EQ(messages.size(), wait ? 1 : 0) << told.toStdString();
        EXPECT_EQ(stored.size() == 3, !wait);
        for (const char* name : {"张三", "李四", "王五"}) EXPECT_NE(stored.contains(name), told.contains(name)) << name;
        if (!wait) continue;
        EXPECT_TRUE(told.startsWith(QStringLiteral("%1 次起卦未能记录：").arg(3 - stored.size()))) << told.toStdString();
        EXPECT_TRUE(told.contains("2010-09-13 19:05 王五 问话字的笔画数起卦")) << "by time, name and method";
    }
}

// The history's names and a casting opened from it follow the language: in
// traditional characters, the classic texts the traditional data's word for
// word (its 凶, not the conversion's 兇); in English with pinyin, the
// headings translated; back in Simplified Chinese all as kept.
TEST_F(JournalWindowTest, TheHistoryAndAnOpenedCastingFollowTheLanguage) {
    const auto restore = qScopeGuard([] { ApplyLanguage(QLocale(QStringLiteral("zh_CN"))); });
    form->bsSkinEdit1->setText("张三");
    CastManually(1, 6, 1);  // 乾 over 坎: 天水讼, whose judgment ends 终凶; changing to 天泽履
    AskQuestion("猜我吃的什么");
    const auto shown = [&] {
        Select(1);
        Click(History()->openButton);
        const QModelIndex hexagrams = History()->model().index(1, HistoryModel::Hexagrams);
        return QStringList{hexagrams.data().toString(), hexagrams.data(Qt::ToolTipRole).toString(),
                           Listed(0, HistoryModel::Method), form->bsSkinRichEdit1->toPlainText(),
                           form->readingPage->Reading()};
    };
    const QStringList simplified = shown();
    ASSERT_EQ(simplified[4].toStdString(), Stored()[1].reading);
    const QString judgment = QStringFromGbk(reading::HexagramTextOf(1, 6, reading::Script::Traditional).judgment);
    const struct {
        const char* language;
        QStringList has, hasNot;
    } languages[] = {
        {"zh_TW", {"天水訟 → 天澤履", "問話字的筆畫數起卦", "農曆", "张三", "訟：" + judgment, "【經文】"}, {"兇", "【经文】"}},
        {"zh_HK", {"天水訟 → 天澤履", "問話字的筆畫數起卦", "訟：" + judgment}, {"兇"}},
        {"en", {"讼 sòng → 履 lǚ", "Sòng · Conflict\n→ Lǚ · Treading", "Question's strokes", "【Body and Use】", "讼：有孚"},
         {"【体用】"}},
    };
    for (const auto& l : languages) {
        ApplyLanguage(QLocale(QString::fromLatin1(l.language)));
        const QString all = shown().join(QLatin1Char('\n'));
        for (const QString& text : l.has) EXPECT_TRUE(all.contains(text)) << l.language << " " << text.toStdString();
        for (const QString& text : l.hasNot) EXPECT_FALSE(all.contains(text)) << l.language << " " << text.toStdString();
    }
    ApplyLanguage(QLocale(QStringLiteral("zh_CN")));
    EXPECT_EQ(shown(), simplified);
    ApplyLanguage(QLocale(QStringLiteral("en")));
    CastManually(1, 6, 1);
    const QString reading = form->readingPage->Reading();
    for (const char* glossed : {"【Hexagrams】\n本卦：天水讼　动爻：初六　变卦：天泽履\n　本卦　讼 sòng · Conflict\n",
                                "体卦：乾金（上卦）　乾 qián · Heaven\n", "用卦　　坎水　体生用　坎 kǎn · Water\n"}) {
        EXPECT_TRUE(reading.contains(QString::fromUtf8(glossed))) << reading.toStdString();
    }
}

}  // namespace
