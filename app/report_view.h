// The read-only text view the casting report is written into. Its font's
// Chinese glyphs are exactly twice as wide as its ASCII ones, so the
// report's byte-counted columns line up on screen.
#pragma once

#include <QPlainTextEdit>

#include "casting/casting_engine.h"

class ReportView : public QPlainTextEdit, public casting::ReportSink {
    Q_OBJECT
public:
    explicit ReportView(QWidget* parent = nullptr);

    void Clear() override;
    void AppendLine(const std::string& line) override;  // GBK
    void Replace(const std::vector<std::string>& lines) override;
};
