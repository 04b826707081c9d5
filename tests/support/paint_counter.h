// Counts the paint events the given widgets receive, for tests and
// benchmarks that check what a change repaints.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <initializer_list>

namespace testing_support {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(std::initializer_list<QWidget*> widgets) {
        for (QWidget* widget : widgets) widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }

    int paints = 0;
};

}  // namespace testing_support
