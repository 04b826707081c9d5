#include "reading_page.h"

#include <QEvent>
#include <QTimer>
#include <stdexcept>

#include "data_script.h"

#include "qt_text/gbk_qt.h"
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
    // A reading kept as text is shown as it was kept.
    const bool casting = shown_ || chart_ || !opening_.empty();
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
    reading_ = ReadingLines().join(QLatin1Char('\n'));
    setPlainText(reading_.isEmpty() ? kNoCastingYet : reading_);
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
    for (const std::string& line : pipeline::ReadingText(shown_, chart_, opening_)) lines.append(QStringFromGbk(line));
    return lines;
}

void ReadingPage::Clear() {
    shown_.reset();
    chart_.reset();
    opening_.clear();
    kept_.clear();
    stale_ = false;
    setPlainText(kNoCastingYet);
}

void ReadingPage::ShowStored(const QString& reading) {
    shown_.reset();
    chart_.reset();
    opening_.clear();
    kept_.clear();
    stale_ = false;
    reading_ = reading;
    setPlainText(reading.isEmpty() ? kNoStoredReading : reading);
}

QString ReadingPage::Reading() {
    ShowReading();
    return reading_;
}
