// The small organisation chart of the information dialog's verification
// page: one box for the whole check above the boxes of its branches,
// joined by elbow lines.
#pragma once

#include <QStringList>
#include <QWidget>

class VerificationChart : public QWidget {
    Q_OBJECT
public:
    explicit VerificationChart(QWidget* parent = nullptr);
    // The whole check's box and its branches' boxes, in order.
    void SetTexts(const QString& root, const QStringList& branches);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString root_;
    QStringList branches_;
};
