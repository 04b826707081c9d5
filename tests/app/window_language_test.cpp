// The history, the almanac, the time correction and the conventions in the
// window's three languages: windows already open follow a switch, and
// Simplified Chinese brings back the texts they are written in.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTableWidget>

#include "almanac_window.h"
#include "convention_texts.h"
#include "history_model.h"
#include "history_window.h"
#include "main_window.h"
#include "program_language.h"
#include "pipeline/convention_names.h"
#include "time_correction_dialog.h"

namespace {

class WindowLanguageTest : public testing::Test {
protected:
    std::unique_ptr<TForm1> form = [] {
        ShellServices services{[](const QUrl&) {}, [](QWidget*, MessageBox, const QString&) {},
                               [] { return QDateTime(QDate(2024, 2, 10), QTime(9, 0)); }};
        services.ask = [](QWidget*, const QString&) { return true; };  // to keep a journal
        return std::make_unique<TForm1>(services);
    }();
    void TearDown() override { Speak("zh_CN"); }
    // As the language menu switches.
    static void Speak(const char* language) { ApplyLanguage(QLocale(QString::fromLatin1(language))); }
};

TEST_F(WindowLanguageTest, OpenWindowsFollowTheLanguage) {
    HistoryWindow* history = form->OpenHistory();
    AlmanacWindow* almanac = form->OpenAlmanac();
    TimeCorrectionDialog correction({}, [](const QString&) {});
    const auto shown = [&] {
        return QStringList{history->windowTitle(),
                           history->model().headerData(HistoryModel::Hexagrams, Qt::Horizontal).toString(),
                           history->deleteButton->text(), almanac->windowTitle(),
                           almanac->hours->verticalHeaderItem(2)->text(), almanac->castButton->text(),
                           correction.windowTitle(), correction.summerTimeBox->text()};
    };
    const struct {
        const char* language;
        QStringList texts;
    } languages[] = {
        {"en", {"History", "Primary → Changed", "Delete", "Perpetual Calendar", "Yellow/black path",
                "Cast on this day", "Time Correction", "Summer time"}},
        {"zh_TW", {"歷史記錄", "本卦 → 變卦", "刪除", "萬年曆", "黃黑道", "用此日起卦", "時間校正", "夏令時間"}},
        {"zh_CN", {"历史记录", "本卦 → 变卦", "删除", "万年历", "黄黑道", "用此日起卦", "时间校正", "夏令时"}},
    };
    for (const auto& [language, texts] : languages) {
        Speak(language);
        EXPECT_EQ(shown(), texts) << language;
    }
}

// The pipeline's names reach the windows' language only through the table
// lupdate reads: a name added there and not to the table stays Chinese.
TEST_F(WindowLanguageTest, EveryConventionNameHasItsEnglish) {
    Speak("en");
    const casting::Conventions defaults;
    casting::VisitChoices(defaults, [](auto choice) {
        const pipeline::ChoiceNames names = pipeline::NamesOf<decltype(choice)>();
        EXPECT_NE(ConventionText(names.name), QString::fromUtf8(names.name));
        for (const char* value : names.values) EXPECT_NE(ConventionText(value), QString::fromUtf8(value)) << value;
    });
    EXPECT_EQ(ConventionsText({.zi = casting::ZiHour::Split}),
              "Conventions: Zi hour: early and late Zi; Year and month pillars: year at Lichun's moment, month "
              "on the term's day; Year number: year pillar's branch; Strength: by the month branch");
}

}  // namespace
