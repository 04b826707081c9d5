#include "report_view.h"

#include <QTextCursor>

#include <QEvent>
#include <stdexcept>

#include "data_script.h"
#include "qt_text/gbk_qt.h"

ReportView::ReportView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Nothing is typed here; edits are whole reports, kept no longer than shown.
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(Face(14));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    setPalette(colours);
}

QFont ReportView::Face(int pixelSize) {
    QFont font(QStringLiteral("Noto Sans Mono CJK SC"));
    font.setPixelSize(pixelSize);
    return font;
}

void ReportView::Replace(const std::vector<std::string>& lines, const std::string& personName) {
    lines_ = lines;
    personName_ = personName;
    ShowDataTexts();
}

void ReportView::ShowStored(const std::string& report, const std::string& personName) {
    const QString kept = QString::fromStdString(report);
    const QString name = QString::fromStdString(personName);
    const std::string gbk = GbkFromQString(kept), gbkName = GbkFromQString(name);
    if (QStringFromGbk(gbk) != kept || QStringFromGbk(gbkName) != name) {
        lines_.clear();
        personName_.clear();
        return ShowText(kept);
    }
    // GBK's trail bytes are 0x40 and above: a '\n' byte ends a line.
    std::vector<std::string> lines;
    for (std::size_t from = 0;;) {
        const std::size_t end = gbk.find('\n', from);
        lines.push_back(gbk.substr(from, end - from));
        if (end == std::string::npos) break;
        from = end + 1;
    }
    Replace(lines, gbkName);
}

void ReportView::changeEvent(QEvent* event) {
    // A report kept as text is shown as it was kept; an emptied view stays
    // empty.
    if (event->type() == QEvent::LanguageChange && !lines_.empty() && !document()->isEmpty()) ShowDataTexts();
    QPlainTextEdit::changeEvent(event);
}

void ReportView::ShowDataTexts() {
    QStringList shown;
    const std::optional<pipeline::TraditionalForm> form = TraditionalFormShown();
    try {
        if (form) {
            for (const std::string& line : pipeline::TraditionalReport(lines_, personName_, *form)) {
                shown.append(QString::fromStdString(line));
            }
        }
    } catch (const std::runtime_error& error) {
        // Without OpenCC's data the report is still shown, as written.
        qWarning("%s", error.what());
        shown.clear();
    }
    if (shown.isEmpty()) {
        for (const std::string& line : lines_) shown.append(QStringFromGbk(line));
    }
    ShowText(shown.join(QLatin1Char('\n')));
}

void ReportView::ShowText(const QString& text) {
    // One edit of the document, whose layout then changes once, not to an
    // empty report and back: the scroll bars end with the range and page
    // they had, so a new report repaints only the text.
    QTextCursor all(document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.insertText(text);
    all.endEditBlock();
}
