// A stored picture shown in a widget, either stretched to the widget or at
// its own size from the top-left corner, that reports a click. A picture
// that failed to decode leaves the widget blank.
#pragma once

#include <QImage>
#include <QWidget>

class PictureView : public QWidget {
    Q_OBJECT
public:
    enum class Fit { Stretch, TopLeft };

    PictureView(const QImage& picture, Fit fit, QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    Fit fit_;
    bool pressed_ = false;
};
