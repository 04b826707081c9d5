// A word-wrapped, read-only text that never scrolls: it takes the largest
// font size, within bounds, at which the whole text fits its size.
#pragma once

#include <QLabel>

class FittedTextLabel : public QLabel {
    Q_OBJECT
public:
    FittedTextLabel(const QString& text, int largestPixelSize, int smallestPixelSize, QWidget* parent = nullptr);

    // Another text, fitted to the size the label has.
    void SetFittedText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int TextHeight(int pixelSize, int width) const;
    void Fit();

    int largest_, smallest_;
};
