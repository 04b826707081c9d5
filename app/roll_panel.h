// A panel of fixed height with a caption bar whose roll button folds the
// panel up to the bar and unfolds it again.
#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

class RollPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCaptionHeight = 21;

    RollPanel(const QString& caption, int height, QWidget* parent = nullptr);

    // Where the panel's contents go: everything below the caption bar.
    QWidget* body() const { return body_; }
    void setCaption(const QString& caption);
    QToolButton* rollButton() const { return rollButton_; }
    bool isRolledUp() const { return rolledUp_; }
    void setRolledUp(bool rolledUp);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* bar_;
    QLabel* title_;
    QToolButton* rollButton_;
    QWidget* body_;
    int unrolledHeight_;
    bool rolledUp_ = false;
};
