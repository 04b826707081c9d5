#include "picture_view.h"

#include <QMouseEvent>
#include <QPainter>

PictureView::PictureView(const QImage& picture, Fit fit, QWidget* parent)
    : QWidget(parent), picture_(picture), fit_(fit) {
    setCursor(Qt::PointingHandCursor);
}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (fit_ == Fit::Stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture_);
    } else {
        painter.drawImage(QPoint(0, 0), picture_);
    }
}

// A click is a press and a release of the left button inside the picture,
// as with a button.
void PictureView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}
