// The windows' language: switched at once by the function the 语言 menu
// uses, remembered from the menu, and the engines' messages read in it.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "casting/moment_check.h"
#include "engine_message.h"
#include "information_dialog.h"
#include "main_window.h"
#include "program_language.h"
#include "program_settings.h"
#include "gbk.h"
#include "moment/clock_correction.h"
#include "qt_text/gbk_qt.h"

namespace {

const QLocale kSimplified(QLocale::Chinese, QLocale::China);
const QLocale kTaiwan(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
const QLocale kHongKong(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::HongKong);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

class LanguageTest : public testing::Test {
protected:
    TForm1 form{ShellServices{[](const QUrl&) {}, [](QWidget*, MessageBox, const QString&) {}, [] {
                                  return QDateTime(QDate(2010, 9, 13), QTime(17, 5));
                              }}};
    TForm2 dialog{[](const QUrl&) {}};

    void TearDown() override {
        ApplyLanguage(kSimplified);
        ProgramSettings().remove("window/language");
    }

    // A few of each window's texts, as shown.
    QStringList Shown() const {
        return {form.windowTitle(), form.bsSkinMainMenuBar1->actions().at(0)->text(), form.bsSkinButton1->text(),
                form.bsSkinButton1->accessibleName(), form.RadioButton1->text(), form.quitAction->text(),
                dialog.Button1->text(), dialog.PageControl1->tabText(1)};
    }

    QMenu* LanguageMenu() const { return form.findChild<QMenu*>("LanguageMenu"); }
};

TEST_F(LanguageTest, WindowsSpeakTheLanguageAppliedAndSimplifiedRestoresTodaysTexts) {
    const QStringList today = Shown();
    EXPECT_EQ(today, QStringList({"爻盘 · 梅花易数起卦", "文件", "传统起卦", "传统起卦", "男", "退出", "关闭", "关于我们"}));
    const struct {
        QLocale locale;
        QStringList shown;
    } rows[] = {
        {kTaiwan, {"爻盤 · 梅花易數起卦", "檔案", "傳統起卦", "傳統起卦", "男", "結束", "關閉", "關於我們"}},
        {kEnglish, {"Yaopan · Plum Blossom Numerology", "File", "Traditional", "Traditional", "M", "Quit", "Close",
                    "About Us"}},
        {kHongKong, {"爻盤 · 梅花易數起卦", "檔案", "傳統起卦", "傳統起卦", "男", "結束", "關閉", "關於我們"}},
        {kSimplified, today},
    };
    for (const auto& row : rows) {
        ApplyLanguage(row.locale);
        EXPECT_EQ(QLocale(), row.locale);
        EXPECT_EQ(Shown(), row.shown) << row.locale.name().toStdString();
    }
}

TEST_F(LanguageTest, EveryWidgetHearsOfAChangeThatSwapsNoTranslation) {
    ApplyLanguage(kTaiwan);
    form.bsSkinButton1->setText("x");
    ApplyLanguage(kHongKong);  // the same texts: only the explicit event retranslates
    EXPECT_EQ(form.bsSkinButton1->text(), "傳統起卦");
}

TEST_F(LanguageTest, TheMenuAppliesItsChoiceAtOnceAndRemembersIt) {
    const QList<QAction*> items = LanguageMenu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items[0]->isChecked());
    items[2]->trigger();
    EXPECT_EQ(form.bsSkinButton1->text(), "Traditional");
    EXPECT_EQ(StartLanguage(), kEnglish);
    EXPECT_EQ(LanguageMenu()->title(), "Language");
    // Named in their own languages whatever the current one.
    EXPECT_EQ(items[1]->text(), "繁體中文");
    items[1]->trigger();
    EXPECT_EQ(StartLanguage().script(), QLocale::TraditionalChineseScript);
    EXPECT_TRUE(items[1]->isChecked());
}

TEST_F(LanguageTest, TheSexReachesTheCastingInChineseWhateverTheButtonSays) {
    ApplyLanguage(kEnglish);
    form.RadioButton2->click();
    EXPECT_EQ(form.EnteredPerson().sex, testing_support::gbk("女"));
}

TEST(EngineMessageTest, ReadsInTheWindowsLanguageWithItsValuesCarriedOver) {
    const struct {
        const char *message, *english;
    } rows[] = {
        {"参数错误：请输入汉字！", "Invalid input: please enter Chinese characters."},
        {"参数错误：时须在0到23之间！", "Invalid input: the hour must be between 0 and 23."},
        {"参数错误：无法计算笔画的字：乫", "Invalid input: cannot count the strokes of: 乫"},
        // A reason that is itself a message is translated inside its message.
        {"起卦记录“/j/c.db”无法写入（只读）；已存的记录完好无损。",
         "The journal “/j/c.db” cannot be written (read-only); the castings already stored are intact."},
        {"起卦记录“a”无法读取，已改名为“b”留存，并新建了一份记录。\n起卦记录“a”无法写入（disk I/O error），新的起卦不会记录；起卦照常进行。",
         "The journal “a” could not be read; it was kept as “b” and a new journal was started.\nThe journal “a” "
         "cannot be written (disk I/O error): new castings are not recorded; casting goes on as usual."},
        {"no engine says this %1", "no engine says this %1"},
    };
    for (const auto& row : rows) {
        ApplyLanguage(kEnglish);
        EXPECT_EQ(EngineMessage(QString::fromUtf8(row.message)), QString::fromUtf8(row.english));
        ApplyLanguage(kSimplified);
        EXPECT_EQ(EngineMessage(QString::fromUtf8(row.message)), QString::fromUtf8(row.message));
    }
}

// The table follows the engines' own wording: a message they reword no
// longer matches and would stay Chinese.
TEST(EngineMessageTest, KnowsWhatTheEnginesWrite) {
    using casting::MomentFault;
    QStringList written;
    for (const auto fault : {MomentFault::HourOutOfRange, MomentFault::DayOutsideCalendar,
                             MomentFault::NextDayOutsideCalendar, MomentFault::NoLunarDate}) {
        written.append(QStringFromGbk(casting::FaultText(fault)));
    }
    moment::MomentOptions noPlace, badZone;
    noPlace.trueSolarTime = true;
    badZone.summerTime = true;
    badZone.zone = "Nowhere/City";
    for (const auto& options : {noPlace, badZone}) {
        const auto refused = moment::CorrectClock({2010, 9, 13, 17, 5, 0}, options);
        ASSERT_TRUE(std::holds_alternative<moment::MomentRefusal>(refused));
        written.append(QString::fromStdString(std::get<moment::MomentRefusal>(refused).message));
    }
    ApplyLanguage(kEnglish);
    for (const QString& message : written) EXPECT_NE(EngineMessage(message), message) << message.toStdString();
    ApplyLanguage(kSimplified);
}

}  // namespace
