#include "roll_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

RollPanel::RollPanel(const QString& caption, int height, QWidget* parent)
    : QWidget(parent), bar_(new QWidget(this)), rollButton_(new QToolButton(bar_)), body_(new QWidget(this)),
      unrolledHeight_(height) {
    bar_->setAutoFillBackground(true);
    bar_->setBackgroundRole(QPalette::Highlight);
    title_ = new QLabel(bar_);
    title_->setForegroundRole(QPalette::HighlightedText);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    rollButton_->setArrowType(Qt::UpArrow);
    rollButton_->setAutoRaise(true);
    rollButton_->setFixedSize(kCaptionHeight - 2, kCaptionHeight - 2);
    auto* barLayout = new QHBoxLayout(bar_);
    barLayout->setContentsMargins(4, 0, 1, 0);
    barLayout->addWidget(title_, 1);
    barLayout->addWidget(rollButton_);
    connect(rollButton_, &QToolButton::clicked, this, [this] { setRolledUp(!rolledUp_); });
    setFixedHeight(height);
    setCaption(caption);
}

void RollPanel::setCaption(const QString& caption) {
    title_->setText(caption);
    rollButton_->setAccessibleName(caption);
}

void RollPanel::setRolledUp(bool rolledUp) {
    if (rolledUp == rolledUp_) return;
    rolledUp_ = rolledUp;
    rollButton_->setArrowType(rolledUp ? Qt::DownArrow : Qt::UpArrow);
    body_->setVisible(!rolledUp);
    setFixedHeight(rolledUp ? kCaptionHeight : unrolledHeight_);
}

void RollPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    bar_->setGeometry(0, 0, width(), kCaptionHeight);
    body_->setGeometry(0, kCaptionHeight, width(), std::max(0, height() - kCaptionHeight));
}
