#include "reading_page.h"

#include <QEvent>
#include <QTimer>
#include <stdexcept>

#include "data_script.h"

#include "pipeline/traditional_text.h"
#include "qt_text/gbk_qt.h"
#include "reading_headings.h"
#include "report_view.h"
#include "pipeline/reading_text.h"

namespace {

const QString kNoCastingYet = QStringLiteral("尚未起卦。起卦之后，这里显示本次起卦的体用、生克、旺衰、经文与六爻。");

const QString kNoStoredReading = QStringLiteral("这次起卦没有留下解卦。");

}  // namespace

ReadingPage::ReadingPage(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("readingPage"));
    setAccessibleName(QStringLiteral("解卦"));
    setReadOnly(true);
    // The six-line chart's columns line up only in a face whose line
    // figures are as wide as a Chinese character; at 13 pixels its widest
    // row, the moving line with its change, fits the panel.
    setFont(ReportView::Face(13));
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ReadingPage::SetReading(const std::optional<reading::Reading>& reading,
                             const std::optional<liuyao::Chart>& chart, const std::vector<std::string>& opening,
                             const std::vector<std::string>& kept) {
    stored_.reset();
    shown_ = reading;
    chart_ = chart;
    opening_ = opening;
    kept_ = kept;
    ShowDataTexts();
}

void ReadingPage::ShowDataTexts() {
    stale_ = true;
    if (isVisible()) QTimer::singleShot(0, this, [this] { ShowReading(); });
}

void ReadingPage::changeEvent(QEvent* event) {
    const bool casting = shown_ || chart_ || !opening_.empty() || stored_;
    if (event->type() == QEvent::LanguageChange && casting) ShowDataTexts();
    QPlainTextEdit::changeEvent(event);
}

void ReadingPage::showEvent(QShowEvent* event) {
    QPlainTextEdit::showEvent(event);
    ShowReading();
}

void ReadingPage::ShowReading() {
    if (!stale_) return;
    stale_ = false;
    reading_ = (stored_ ? StoredLines() : ReadingLines()).join(QLatin1Char('\n'));
    if (reading_.isEmpty()) return setPlainText(stored_ ? kNoStoredReading : kNoCastingYet);
    setPlainText(reading_);
}

QStringList ReadingPage::ReadingLines() const {
    QStringList lines;
    if (const std::optional<pipeline::TraditionalForm> form = TraditionalFormShown()) {
        try {
            for (const std::string& line : pipeline::TraditionalReadingText(shown_, chart_, opening_, *form, kept_)) {
                lines.append(QString::fromStdString(line));
            }
            return lines;
        } catch (const std::runtime_error& error) {
            // Without OpenCC's data the reading is still shown, as written.
            qWarning("%s", error.what());
            lines.clear();
        }
    }
    for (const std::string& line : pipeline::ReadingText(shown_, chart_, opening_, NameGlossShown())) {
        lines.append(ReadingLineShown(QStringFromGbk(line)));
    }
    return lines;
}

QStringList ReadingPage::StoredLines() const {
    if (!stored_->reading) return {};
    QStringList lines;
    if (const std::optional<pipeline::TraditionalForm> form = TraditionalFormShown()) {
        try {
            const auto traditional = pipeline::TraditionalKeptReading(*stored_, *form);
            for (const std::string& line : traditional.value_or(std::vector<std::string>{})) {
                lines.append(QString::fromStdString(line));
            }
        } catch (const std::runtime_error& error) {
            qWarning("%s", error.what());
            lines.clear();
        }
        if (!lines.isEmpty()) return lines;
        // Without OpenCC's data, or with hexagrams not the engine's, the
        // reading is shown as kept: a conversion would guess at the texts.
    }
    for (const QString& line : QString::fromStdString(*stored_->reading).split(QLatin1Char('\n'))) {
        lines.append(ReadingLineShown(line));
    }
    return lines;
}

void ReadingPage::Clear() {
    stored_.reset();
    shown_.reset();
    chart_.reset();
    opening_.clear();
    kept_.clear();
    stale_ = false;
    setPlainText(kNoCastingYet);
}

void ReadingPage::ShowStored(const journal::JournalEntry& casting) {
    shown_.reset();
    chart_.reset();
    opening_.clear();
    kept_.clear();
    stored_ = casting;
    // Shown at once, as it is opened to be read; no casting waits for it.
    stale_ = true;
    ShowReading();
}

QString ReadingPage::Reading() {
    ShowReading();
    return reading_;
}
