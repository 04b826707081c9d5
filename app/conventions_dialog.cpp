#include "conventions_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <type_traits>

#include "convention_texts.h"
#include "pipeline/convention_names.h"
#include "program_settings.h"

namespace {

const QString kGroup = QStringLiteral("conventions/");

// What each value means, a line apiece, in the order of the choice's enum.
template <typename Choice>
struct Meanings;
template <>
struct Meanings<casting::ZiHour> {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("ConventionsDialog", "23 点起就是次日：日柱、时柱和农历日期都换到次日。"),
        QT_TRANSLATE_NOOP("ConventionsDialog", "晚子时：日柱和农历日期仍是当日，时柱取次日的子时。"),
        QT_TRANSLATE_NOOP("ConventionsDialog", "0 点才换日：23 点仍是当日，时柱是当日的子时。"),
    };
};
template <>
struct Meanings<calendar::PillarBoundary> {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("ConventionsDialog", "年柱拿立春时刻和当日零点比，月柱在交节那天的零点换。"),
        QT_TRANSLATE_NOOP("ConventionsDialog", "年柱、月柱都在交节那天的零点换。"),
        QT_TRANSLATE_NOOP("ConventionsDialog", "年柱、月柱都在交节的时刻换，和起卦的时、分相比。"),
    };
};
template <>
struct Meanings<casting::YearNumber> {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("ConventionsDialog", "传统起卦的年数取年柱的地支，立春换年。"),
        QT_TRANSLATE_NOOP("ConventionsDialog", "传统起卦的年数取农历年的地支，正月初一换年。"),
    };
};
template <>
struct Meanings<casting::StrengthBy> {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("ConventionsDialog", "旺衰按月柱地支（月令）论。"),
        QT_TRANSLATE_NOOP("ConventionsDialog", "旺衰按四时论，土旺于立春、立夏、立秋、立冬前各十八天。"),
    };
};

template <typename Choice>
QString MeaningOf(int index) {
    return ConventionsDialog::tr(Meanings<Choice>::kLines[index]);
}

template <typename Choice>
QString StoredKey() {
    return kGroup + QString::fromLatin1(casting::ChoiceKeysOf<Choice>::kKey);
}

}  // namespace

casting::Conventions StoredConventions() {
    const QSettings settings = ProgramSettings();
    casting::Conventions conventions;
    casting::VisitChoices(conventions, [&settings](auto& choice) {
        using Choice = std::remove_reference_t<decltype(choice)>;
        const std::string key = settings.value(StoredKey<Choice>()).toString().toStdString();
        choice = casting::ChoiceNamed<Choice>(key).value_or(choice);
    });
    return conventions;
}

void StoreConventions(const casting::Conventions& conventions) {
    QSettings settings = ProgramSettings();
    casting::VisitChoices(conventions, [&settings](auto choice) {
        settings.setValue(StoredKey<decltype(choice)>(), QString::fromLatin1(casting::KeyOf(choice)));
    });
}

ConventionsDialog::ConventionsDialog(const casting::Conventions& chosen, QWidget* parent)
    : QDialog(parent), chosen_(chosen) {
    setObjectName(QStringLiteral("ConventionsDialog"));

    auto* choices = new QGridLayout;
    choices->setColumnStretch(1, 1);
    std::size_t row = 0;
    casting::VisitChoices(chosen, [this, choices, &row](auto value) {
        using Choice = decltype(value);
        auto* box = new QComboBox;
        box->addItems(QStringList(pipeline::NamesOf<Choice>().values.size()));
        box->setCurrentIndex(static_cast<int>(value));
        choiceBoxes[row] = box;
        choiceNames_[row] = new QLabel;
        meanings_[row] = new QLabel;
        meaningOf_[row] = &MeaningOf<Choice>;
        connect(box, &QComboBox::currentIndexChanged, this, [this, row] { Explain(row); });
        const int line = static_cast<int>(row) * 3;
        choices->addWidget(choiceNames_[row], line, 0);
        choices->addWidget(box, line, 1);
        choices->addWidget(meanings_[row], line + 1, 1);
        choices->setRowMinimumHeight(line + 2, 6);
        ++row;
    });

    // The built-in table cannot carry rules that turn on minutes: said here,
    // where those rules are chosen.
    note_ = new QLabel;

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConventionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(note_);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    RetranslateUi();
}

void ConventionsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) { RetranslateUi(); }
    QDialog::changeEvent(event);
}

void ConventionsDialog::RetranslateUi() {
    setWindowTitle(tr("口径"));
    std::size_t row = 0;
    casting::VisitChoices(chosen_, [this, &row](auto value) {
        const pipeline::ChoiceNames names = pipeline::NamesOf<decltype(value)>();
        QComboBox* box = choiceBoxes[row];
        box->setAccessibleName(ConventionText(names.name));
        for (int k = 0; k < box->count(); ++k) box->setItemText(k, ConventionText(names.values[k]));
        choiceNames_[row]->setText(tr("%1：").arg(ConventionText(names.name)));
        Explain(row++);
    });
    note_->setText(tr("各口径比较的时刻（节气、立春、合朔）都取自所用的历法（文件 › 历法）。\n"
                      "内置历表的节气是平气，与实际天象可差约三小时，也没有合朔时刻：\n"
                      "按时、分定分界的口径宜选“天文”；合朔的分界只在“天文”下才有。"));
}

void ConventionsDialog::Explain(std::size_t row) {
    meanings_[row]->setText(meaningOf_[row](choiceBoxes[row]->currentIndex()));
}

void ConventionsDialog::accept() {
    const QComboBox* const* box = choiceBoxes.data();
    casting::VisitChoices(chosen_, [&box](auto& choice) {
        choice = static_cast<std::remove_reference_t<decltype(choice)>>((*box++)->currentIndex());
    });
    QDialog::accept();
}
