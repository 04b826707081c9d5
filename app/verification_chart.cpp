#include "verification_chart.h"

#include <QPainter>

VerificationChart::VerificationChart(QWidget* parent) : QWidget(parent) {}

void VerificationChart::SetTexts(const QString& root, const QStringList& branches) {
    root_ = root;
    branches_ = branches;
    update();
}

void VerificationChart::paintEvent(QPaintEvent*) {
    if (branches_.isEmpty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor fill = palette().color(QPalette::Base);
    const int boxHeight = 26, gap = 12;
    const int boxWidth = (width() - 1 - gap * (static_cast<int>(branches_.size()) - 1)) / static_cast<int>(branches_.size());
    const QRect rootBox((width() - boxWidth) / 2, 0, boxWidth, boxHeight);
    const int busY = rootBox.bottom() + (height() - 2 * boxHeight) / 2;

    auto drawBox = [&](const QRect& box, const QString& text, bool emphasised) {
        p.setPen(QPen(ink, emphasised ? 2 : 1));
        p.setBrush(fill);
        p.drawRoundedRect(box, 4, 4);
        QFont font = p.font();
        font.setBold(emphasised);
        p.setFont(font);
        p.drawText(box, Qt::AlignCenter, text);
    };

    p.setPen(QPen(ink, 1));
    p.drawLine(rootBox.center().x(), rootBox.bottom(), rootBox.center().x(), busY);
    QList<QRect> boxes;
    for (int i = 0; i < branches_.size(); ++i) {
        boxes.append(QRect(i * (boxWidth + gap), height() - boxHeight - 1, boxWidth, boxHeight));
    }
    p.drawLine(boxes.first().center().x(), busY, boxes.last().center().x(), busY);
    for (const QRect& box : boxes) p.drawLine(box.center().x(), busY, box.center().x(), box.top());

    drawBox(rootBox, root_, true);
    for (int i = 0; i < branches_.size(); ++i) drawBox(boxes[i], branches_[i], false);
}
