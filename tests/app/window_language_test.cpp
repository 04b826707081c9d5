// The history, the almanac, the time correction and the conventions in the
// window's three languages: windows already open follow a switch, and
// Simplified Chinese brings back the texts they are written in.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

#include "almanac_window.h"
#include "calendar_control/nong_calendar.h"
#include "convention_texts.h"
#include "dates.h"
#include "gbk.h"
#include "history_model.h"
#include "history_window.h"
#include "information_dialog.h"
#include "main_window.h"
#include "program_language.h"
#include "pipeline/convention_names.h"
#include "reference_panel.h"
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

// The data the windows show follows too: the almanac's and its calendar's,
// the trigram texts' and the information pages'. Simplified Chinese comes
// back exactly as it was, the calendar's pixels included.
TEST_F(WindowLanguageTest, DataTextsFollowTheLanguage) {
    AlmanacWindow* almanac = form->OpenAlmanac();
    almanac->calendar->SetDate(testing_support::at(2024, 2, 10));
    form->bsSkinNotebook2->setCurrentIndex(ReferencePanel::kTrigramsPage);
    TForm2 information([](const QUrl&) {});
    QTabWidget* trigrams = form->bsSkinPageControl1;
    const auto everything = [&] {
        QStringList texts{almanac->heading->text(),
                          testing_support::utf8(almanac->calendar->DayHintText(testing_support::at(2024, 2, 10))).c_str(),
                          information.feedbackText->text(), information.verificationIntro->text()};
        for (int row = 0; row < almanac->facts->rowCount(); ++row) {
            texts << qobject_cast<QLabel*>(almanac->facts->itemAt(row, QFormLayout::FieldRole)->widget())->text();
        }
        for (int column = 0; column < 12; ++column) texts << almanac->hours->item(2, column)->text();
        for (int tab = 0; tab < trigrams->count(); ++tab) {
            texts << trigrams->tabText(tab) << trigrams->tabToolTip(tab)
                  << trigrams->widget(tab)->findChild<QLabel*>()->text();
        }
        for (int row = 0; row < information.aboutTable->rowCount(); ++row) {
            texts << information.aboutTable->item(row, 0)->text() << information.aboutTable->item(row, 1)->text();
        }
        return texts;
    };
    const QStringList simplified = everything();
    const QImage calendar = almanac->calendar->grab().toImage();
    // 值神, the 亥 hour's path, the hint's lunar line, 离's tab, tooltip and
    // first line, 开发者, the feedback's start.
    const auto pinned = [&] {
        const auto* spirit = qobject_cast<QLabel*>(almanac->facts->itemAt(5, QFormLayout::FieldRole)->widget());
        const QString hint = testing_support::utf8(almanac->calendar->DayHintText(testing_support::at(2024, 2, 10))).c_str();
        return QStringList{spirit->text(), almanac->hours->item(2, 11)->text(), hint.section('\n', 1, 1),
                           trigrams->tabText(5), trigrams->tabToolTip(5),
                           trigrams->widget(5)->findChild<QLabel*>()->text().section('\n', 0, 0),
                           information.aboutTable->item(1, 0)->text(), information.feedbackText->text().left(6)};
    };
    const struct {
        const char* language;
        QStringList texts;
    } languages[] = {
        {"zh_TW", {"金匱 黃道", "黃道", "農曆= 二零二四年正月初一", "離", "", "「天時」：日、電、虹、霓、霞", "開發者", "爻盤是一個按"}},
        {"zh_HK", {"金匱 黃道", "黃道", "農曆= 二零二四年正月初一", "離", "", "「天時」：日、電、虹、霓、霞", "開發者", "爻盤是一個按"}},
        {"en", {"金匮 黄道", "黄道", "农历= 二零二四年正月初一", "离", "离 lí (Fire)", "离 lí (Fire)", "Developers", "Yaopan"}},
    };
    for (const auto& [language, texts] : languages) {
        Speak(language);
        EXPECT_EQ(pinned(), texts) << language;
        EXPECT_EQ(almanac->hours->item(2, 11)->foreground(), QBrush(QColor(0xB0, 0x30, 0x00))) << language;
    }
    Speak("zh_CN");
    EXPECT_EQ(everything(), simplified);
    EXPECT_EQ(almanac->calendar->grab().toImage(), calendar);
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
