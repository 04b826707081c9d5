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

    // Shows the report's GBK lines in place of what was shown, in the
    // characters of the program's language (data_script.h); `personName`
    // (GBK), on the first line, stays as typed.
    void Replace(const std::vector<std::string>& lines, const std::string& personName = {});

    // Shows a report the journal kept (UTF-8 lines joined by '\n') as
    // Replace shows one, `personName` as typed; as it was kept if it holds
    // what GBK cannot (a journal changed by hand).
    void ShowStored(const std::string& report, const std::string& personName);

protected:
    void changeEvent(QEvent* event) override;

private:
    // The report in the characters of the program's language, converted
    // once for each report and each change of language.
    void ShowDataTexts();
    void ShowText(const QString& text);

    std::vector<std::string> lines_;
    std::string personName_;
};
