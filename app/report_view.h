// The read-only text view the casting report is written into. Its font's
// Chinese glyphs are exactly twice as wide as its ASCII ones, so the
// report's byte-counted columns line up on screen.
#pragma once

#include <QPlainTextEdit>
#include <string>
#include <vector>

class ReportView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ReportView(QWidget* parent = nullptr);

    // The report's face at `pixelSize`: texts laid out in columns of
    // full-width characters line up in it, line figures included.
    static QFont Face(int pixelSize);

    // Shows the report's GBK lines in place of what was shown.
    void Replace(const std::vector<std::string>& lines);
};
