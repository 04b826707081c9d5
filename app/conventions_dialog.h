// 文件 › 口径…: the four choices on which schools part (the 子 hour, where
// the year and month pillars change, the year 传统起卦 counts, what
// strength is weighed by). Remembered between runs under the keys and
// values yaopan-cast takes, and carried by each casting.
#pragma once

#include <QDialog>
#include <array>

#include "casting/conventions.h"

class QComboBox;
class QLabel;

// The choices last made; the default for any never made or no longer known.
casting::Conventions StoredConventions();
void StoreConventions(const casting::Conventions& conventions);

class ConventionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConventionsDialog(const casting::Conventions& chosen, QWidget* parent = nullptr);

    // The choices the dialog was opened on, or the ones it was accepted with.
    const casting::Conventions& Chosen() const { return chosen_; }

    void accept() override;

    // One box a choice, in the order VisitChoices gives them.
    std::array<QComboBox*, 4> choiceBoxes{};

protected:
    void changeEvent(QEvent* event) override;

private:
    void RetranslateUi();
    // Says what the value in `choiceBoxes[row]` does.
    void Explain(std::size_t row);

    casting::Conventions chosen_;
    std::array<QLabel*, 4> choiceNames_{}, meanings_{};
    std::array<QString (*)(int index), 4> meaningOf_{};  // a value's meaning, by the box's index
    QLabel* note_;
};
