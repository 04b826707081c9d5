#include "report_view.h"

#include "qt_text/gbk_qt.h"

ReportView::ReportView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Noto Sans Mono CJK SC"));
    font.setPixelSize(14);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    setPalette(colours);
}

void ReportView::Clear() { clear(); }

void ReportView::AppendLine(const std::string& line) { appendPlainText(QStringFromGbk(line)); }
