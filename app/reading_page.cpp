#include "reading_page.h"

#include <QTimer>

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
                             const std::optional<liuyao::Chart>& chart, const std::vector<std::string>& opening) {
    shown_ = reading;
    chart_ = chart;
    opening_ = opening;
    stale_ = true;
    if (isVisible()) QTimer::singleShot(0, this, [this] { ShowReading(); });
}

void ReadingPage::showEvent(QShowEvent* event) {
    QPlainTextEdit::showEvent(event);
    ShowReading();
}

void ReadingPage::ShowReading() {
    if (!stale_) return;
    stale_ = false;
    QStringList lines;
    for (const std::string& line : pipeline::ReadingText(shown_, chart_, opening_)) lines.append(QStringFromGbk(line));
    reading_ = lines.join(QLatin1Char('\n'));
    setPlainText(reading_.isEmpty() ? kNoCastingYet : reading_);
}

void ReadingPage::Clear() {
    shown_.reset();
    chart_.reset();
    opening_.clear();
    stale_ = false;
    setPlainText(kNoCastingYet);
}

void ReadingPage::ShowStored(const QString& reading) {
    shown_.reset();
    chart_.reset();
    opening_.clear();
    stale_ = false;
    reading_ = reading;
    setPlainText(reading.isEmpty() ? kNoStoredReading : reading);
}

QString ReadingPage::Reading() {
    ShowReading();
    return reading_;
}
