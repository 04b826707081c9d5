#include "fitted_text_label.h"

#include <QFontMetrics>

FittedTextLabel::FittedTextLabel(const QString& text, int largestPixelSize, int smallestPixelSize, QWidget* parent)
    : QLabel(text, parent), largest_(largestPixelSize), smallest_(smallestPixelSize) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont start = font();
    start.setPixelSize(largest_);
    setFont(start);
}

int FittedTextLabel::TextHeight(int pixelSize, int width) const {
    QFont trial = font();
    trial.setPixelSize(pixelSize);
    const int inner = width - 2 * margin() - contentsMargins().left() - contentsMargins().right();
    const QRect box = QFontMetrics(trial).boundingRect(QRect(0, 0, inner, 1 << 20),
                                                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
    return box.height() + 2 * margin() + contentsMargins().top() + contentsMargins().bottom();
}

void FittedTextLabel::SetFittedText(const QString& text) {
    setText(text);
    Fit();
}

void FittedTextLabel::resizeEvent(QResizeEvent* event) {
    Fit();
    QLabel::resizeEvent(event);
}

void FittedTextLabel::Fit() {
    int size = largest_;
    while (size > smallest_ && TextHeight(size, width()) > height()) --size;
    if (font().pixelSize() != size) {
        QFont fitted = font();
        fitted.setPixelSize(size);
        setFont(fitted);
    }
}
