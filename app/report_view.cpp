#include "report_view.h"

#include <QTextCursor>

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

void ReportView::Replace(const std::vector<std::string>& lines) {
    // One edit of the document, whose layout then changes once, not to an
    // empty report and back: the scroll bars end with the range and page
    // they had, so a new report repaints only the text.
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += QLatin1Char('\n');
        text += QStringFromGbk(lines[i]);
    }
    QTextCursor all(document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.insertText(text);
    all.endEditBlock();
}
