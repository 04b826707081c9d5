// The read-only text view the casting report is written into. Its font's
// Chinese glyphs are exactly twice as wide as its ASCII ones, so the
// report's byte-counted columns line up on screen. The face is put on the
// view with its first text: the window's first frame shows it empty, which
// looks the same in any face, and loading a face that frame has no text
// for would hold it up.
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
    // The report's own face, whether or not the view wears it yet.
    static QFont ReportFace() { return Face(kPixelSize); }
    // Puts `view` in `face` unless it wears it already; for views in the
    // report's face, before their first text.
    static void Wear(QPlainTextEdit& view, const QFont& face);

    // Shows the report's GBK lines in place of what was shown.
    void Replace(const std::vector<std::string>& lines);
    // Shows a report kept as text (a stored casting's) in place of what
    // was shown.
    void ShowText(const QString& text);

private:
    static constexpr int kPixelSize = 14;
};
