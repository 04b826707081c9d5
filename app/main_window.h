// The main window: toolbox of casting methods, the person and the moment,
// the input pages, the report view and the reference panel. The casting
// itself is the casting engine's; the window feeds it its fields and
// shows what it reports.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "calendar_date_holder.h"
#include "calendar_rule_menu.h"
#include "casting/casting_engine.h"
#include "pipeline/casting_road.h"
#include "casting_recorder.h"
#include "moment/clock_correction.h"
#include "report_heading.h"
#include "shell_services.h"
#include "translated_texts.h"

class AlmanacWindow;
class HistoryWindow;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class PictureView;
class QStackedWidget;
class QTabWidget;
class RollPanel;
class ReadingPage;
class ReportView;
class SpinEdit;
class TNongCalendar;
struct ShownReport;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(ShellServices services = DesktopShellServices(), QWidget* parent = nullptr);
    ~TForm1() override;

    // Days of a Gregorian month.
    virtual int MonthLength(int year, int month) const;

    const casting::CastingEngine& engine() const { return *engine_; }
    // Who asks and when, as the fields give them to a casting.
    casting::Person EnteredPerson() const;
    casting::Moment EnteredMoment() const;
    // The calendar the casting and the calendar control read dates by.
    calendar::CalendarRule calendarRule() const { return calendarRule_; }

    void bsSkinSpinEdit1Change();  // year rule
    void bsSkinSpinEdit2Change();  // month rule
    void bsSkinSpinEdit3Change();  // day rule
    void RadioButton1Click();
    void RadioButton2Click();

    void bsSkinButton1Click();   // 传统起卦
    void bsSkinButton2Click();   // 时分起卦
    void bsSkinButton3Click();   // 天干起卦
    void bsSkinButton9Click();   // 地支起卦
    void bsSkinButton4Click();   // 姓名起卦
    void bsSkinButton7Click();   // 问话起卦: the question page
    void bsSkinButton8Click();   // 单字起卦: the single-character page
    void bsSkinButton5Click();   // 自定起卦: the manual page
    void bsSkinButton6Click();   // 报数起卦: the number page
    void bsSkinButton10Click();  // confirm the question
    void bsSkinButton11Click();  // confirm the character
    void bsSkinButton12Click();  // confirm the manual casting
    void bsSkinButton13Click();  // confirm the number

    void N13Click();    // 全选
    void N14Click();    // 复制
    void N19Click();    // 显示象意: the trigram tabs
    void N20Click();    // 显示开悟图: the chart
    void N21Click();    // 显示解卦: the reading of the last casting
    void Image1Click(); // the chart opens the makers' shop page
    void N15Click();    // 问题反馈
    void N16Click();    // 关于我们
    void N17Click();    // 理论机制
    void N18Click();    // 最新软件

    // Shows a casting from the journal: its report in the report view, its
    // reading on the reading page, and who asked, when and with what in the
    // fields and the method's input page. The calendar setting stays.
    void ShowStoredCasting(const journal::JournalEntry& casting);
    // 查询 > 历史记录…: the one history window, opened or brought forward.
    // With recording off, asks to turn it on first; nothing when refused.
    HistoryWindow* OpenHistory();
    // 查询 > 万年历…: the one almanac window, opened on today or brought
    // forward. Its 用此日起卦 puts its day into the date fields.
    AlmanacWindow* OpenAlmanac();
    // 文件 > 时间校正…: the corrections chosen in its dialog, remembered.
    void OpenTimeCorrection();
    // The corrections castings are cast with from now on, remembered; the
    // minute field shows while any is on.
    void SetMomentOptions(const moment::MomentOptions& options);
    const moment::MomentOptions& momentOptions() const { return momentOptions_; }
    // 文件 > 口径…: the conventions chosen in its dialog, remembered.
    void OpenConventions();
    // The conventions castings are reckoned by from now on, remembered; the
    // minute field shows while any is away from its default.
    void SetConventions(const casting::Conventions& conventions);
    const casting::Conventions& conventions() const { return conventions_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Start-up: the makers' page (unless switched off), today's date, the fields from the clock,
    // the casting record's start values, page 0 and an empty report.
    void FormCreate();
    // The fixed texts in the program's language.
    void RetranslateUi();
    // What the first frame leaves out, shown once it is painted: the hidden
    // calendar (which lays itself out when shown) and the window's icon.
    void ShowRestAfterFirstPaint();
    // The hidden calendar's properties as the window sets them; its month
    // view is never seen, only its date and computations are used.
    void DescribeCalendar();
    void BuildMenus();
    // 文件 and 查询: export, print, recording on or off, quit; the history.
    void BuildJournalMenus(QMenu* file, QMenu* query);
    void BuildToolbox();
    void BuildPersonAndMoment();
    void BuildInputPages();
    // The widgets below take the source texts of their captions, which
    // they show in each language.
    QLabel* NewLabel(const char* source, QWidget* parent, int left, int top);
    QWidget* NewInputPage(const char* label, QWidget* input, const char* hint, QPushButton* confirm);
    QPushButton* NewButton(const char* caption, const char* name, void (TForm1::*handler)(), QWidget* parent);
    // Sets a field and runs its change rule once, whether or not the value
    // changes, as start-up requires.
    void SetField(SpinEdit* field, int value, void (TForm1::*rule)());
    // Opens the information dialog modally on `page` with `title`.
    void OpenInformation(int page, const QString& title);
    // Sets the date fields, year and month before the day, whose bound
    // they set.
    void SetDateFields(int year, int month, int day);
    // Whether a casting reads the minute field: while a correction is on,
    // or a convention away from its default may turn inside the hour.
    // Otherwise only the clock method reads a minute, from the clock.
    bool MinuteRead() const;
    // The minute beside the hour, shown only while it is read.
    void ShowMinuteField();
    // Shows input page `page` with the cursor in its first box, empties the
    // report view and `edit`.
    void OpenInputPage(int page, QLineEdit* edit);
    // Casts `method` on the fields' person and moment and the method's own
    // `inputs` down the casting road, on the window's engine; shows what it
    // produced, or a refusal in its box, and hands the journal its entry.
    void Cast(pipeline::Method method, const pipeline::CastingInputs& inputs = {});
    // Runs `command` and shows a refusal in its box; whatever the engine
    // throws is shown as an error. True when it went through.
    bool Attempt(const std::function<casting::CastingOutcome()>& command);

    // The report shown, with its heading and reading, as it is printed and
    // exported.
    ShownReport Shown();

    ShellServices services_;
    TranslatedTexts texts_{"TForm1"};
    QMenu* calendarRuleMenu_ = nullptr;
    std::string sexText_;  // the caption of the sex last chosen, GBK
    // The heading facts of the casting the report view shows: set at each
    // casting and when one is opened, gone with the report.
    std::optional<ReportHeading> shownHeading_;

public:
    // The controls, under the names the casting steps and tests refer to.
    QMenuBar* bsSkinMainMenuBar1;
    QMenu* PopupMenu1;  // the pipeline steps, attached to nothing
    QMenu* PopupMenu2;  // the report menu
    QAction *N9, *N10, *N4, *N5, *N6, *N7, *N8, *N11, *N12;
    QAction *N13, *N14, *N19, *N20, *N21;
    QAction *N15, *N16, *N17, *N18;
    QAction* openHomePageAction;  // 帮助 > 启动时打开主页, remembered
    QAction *exportReportAction, *printAction, *recordAction, *quitAction, *historyAction, *almanacAction;
    QAction *timeCorrectionAction, *conventionsAction;
    CastingRecorder* recorder;
    RollPanel* bsSkinExPanel1;
    QPushButton *bsSkinButton1, *bsSkinButton2, *bsSkinButton3, *bsSkinButton4, *bsSkinButton5, *bsSkinButton6,
        *bsSkinButton7, *bsSkinButton8, *bsSkinButton9, *bsSkinButton10, *bsSkinButton11, *bsSkinButton12,
        *bsSkinButton13;
    QGroupBox* GroupBox1;
    QLineEdit* bsSkinEdit1;  // name
    QRadioButton *RadioButton1, *RadioButton2;
    SpinEdit *bsSkinSpinEdit1, *bsSkinSpinEdit2, *bsSkinSpinEdit3, *bsSkinSpinEdit4;
    SpinEdit* minuteEdit;  // the clock reading's minute, for the corrections
    QLineEdit* bsSkinEdit5;  // age
    QStackedWidget* bsSkinNotebook1;
    QLineEdit *bsSkinEdit2, *bsSkinEdit3, *bsSkinEdit4;  // question, character, number
    QComboBox *bsSkinComboBox2, *bsSkinComboBox3, *bsSkinComboBox4;
    ReportView* bsSkinRichEdit1;
    RollPanel* bsSkinExPanel6;
    QStackedWidget* bsSkinNotebook2;  // the reference panel's pages: chart, empty, trigram tabs, reading
    PictureView* Image1;
    QTabWidget* bsSkinPageControl1;
    ReadingPage* readingPage;
    TNongCalendar* NongCalendar1;

private:
    std::unique_ptr<CalendarDateHolder> castingDate_;
    std::unique_ptr<casting::CastingEngine> engine_;
    calendar::CalendarRule calendarRule_ = StoredCalendarRule();
    moment::MomentOptions momentOptions_;
    casting::Conventions conventions_;
    QLabel *hourLabel_, *minuteLabel_;
    // While a corrected casting is cast: the moment it is cast from, which
    // 时分起卦 reads in place of the clock.
    std::optional<moment::ClockReading> clockCastFrom_;
    HistoryWindow* history_ = nullptr;
    AlmanacWindow* almanac_ = nullptr;
    bool firstPainted_ = false;
};
