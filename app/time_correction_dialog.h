// 文件 › 时间校正…: whether castings are cast from true solar time, and at
// which place, and whether a clock reading inside summer time is turned
// back first. The place is found by name in the place list as it is typed,
// or given as a longitude. The choice is remembered between runs and goes
// with each casting; the engines keep none of it.
#pragma once

#include <QDialog>
#include <functional>

#include "moment/clock_correction.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QStandardItemModel;

// The choice last made; every correction off when none was, and true solar
// time off when its place is no longer in the list.
moment::MomentOptions StoredMomentOptions();
void StoreMomentOptions(const moment::MomentOptions& options);

class TimeCorrectionDialog : public QDialog {
    Q_OBJECT
public:
    // `refuse` shows why what was typed for the place cannot be taken.
    TimeCorrectionDialog(const moment::MomentOptions& chosen, std::function<void(const QString&)> refuse,
                         QWidget* parent = nullptr);

    // The choice the dialog was opened on, or the one it was accepted with.
    const moment::MomentOptions& Chosen() const { return chosen_; }

    // Takes the switches and the place; a place that cannot be taken is
    // refused and the dialog stays open on it, the choice unchanged.
    void accept() override;

    QCheckBox* trueSolarTimeBox;
    QCheckBox* summerTimeBox;
    QLineEdit* placeEdit;  // a place's name or a longitude

protected:
    void changeEvent(QEvent* event) override;

private:
    void RetranslateUi();
    // The places whose names hold `typed`, offered under the field.
    void OfferPlaces(const QString& typed);

    std::function<void(const QString&)> refuse_;
    moment::MomentOptions chosen_;
    QStandardItemModel* offered_;
    QLabel* placeLabel_;
    QLabel *trueSolarTimeNote_, *longitudeNote_, *summerTimeNote_;  // under their switch or field
};
