#include "conventions_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <type_traits>

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
        "23 点起就是次日：日柱、时柱和农历日期都换到次日。",
        "晚子时：日柱和农历日期仍是当日，时柱取次日的子时。",
        "0 点才换日：23 点仍是当日，时柱是当日的子时。",
    };
};
template <>
struct Meanings<calendar::PillarBoundary> {
    static constexpr const char* kLines[] = {
        "年柱拿立春时刻和当日零点比，月柱在交节那天的零点换。",
        "年柱、月柱都在交节那天的零点换。",
        "年柱、月柱都在交节的时刻换，和起卦的时、分相比。",
    };
};
template <>
struct Meanings<casting::YearNumber> {
    static constexpr const char* kLines[] = {
        "传统起卦的年数取年柱的地支，立春换年。",
        "传统起卦的年数取农历年的地支，正月初一换年。",
    };
};
template <>
struct Meanings<casting::StrengthBy> {
    static constexpr const char* kLines[] = {
        "旺衰按月柱地支（月令）论。",
        "旺衰按四时论，土旺于立春、立夏、立秋、立冬前各十八天。",
    };
};

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
    setWindowTitle(QStringLiteral("口径"));

    auto* choices = new QGridLayout;
    choices->setColumnStretch(1, 1);
    int row = 0;
    casting::VisitChoices(chosen, [this, choices, &row](auto value) {
        using Choice = decltype(value);
        const pipeline::ChoiceNames names = pipeline::NamesOf<Choice>();
        auto* box = new QComboBox;
        box->setAccessibleName(QString::fromUtf8(names.name));
        for (const char* name : names.values) box->addItem(QString::fromUtf8(name));
        box->setCurrentIndex(static_cast<int>(value));
        auto* meaning = new QLabel;
        const auto explain = [meaning](int index) {
            meaning->setText(QString::fromUtf8(Meanings<Choice>::kLines[index]));
        };
        explain(box->currentIndex());
        connect(box, &QComboBox::currentIndexChanged, meaning, explain);
        choices->addWidget(new QLabel(QString::fromUtf8(names.name) + QStringLiteral("：")), row, 0);
        choices->addWidget(box, row, 1);
        choices->addWidget(meaning, row + 1, 1);
        choices->setRowMinimumHeight(row + 2, 6);
        choiceBoxes[static_cast<std::size_t>(row / 3)] = box;
        row += 3;
    });

    // The built-in table cannot carry rules that turn on minutes: said here,
    // where those rules are chosen.
    auto* note = new QLabel(QStringLiteral(
        "各口径比较的时刻（节气、立春、合朔）都取自所用的历法（文件 › 历法）。\n"
        "内置历表的节气是平气，与实际天象可差约三小时，也没有合朔时刻：\n"
        "按时、分定分界的口径宜选“天文”；合朔的分界只在“天文”下才有。"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConventionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(note);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ConventionsDialog::accept() {
    const QComboBox* const* box = choiceBoxes.data();
    casting::VisitChoices(chosen_, [&box](auto& choice) {
        choice = static_cast<std::remove_reference_t<decltype(choice)>>((*box++)->currentIndex());
    });
    QDialog::accept();
}
