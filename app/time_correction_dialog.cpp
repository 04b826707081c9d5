#include "time_correction_dialog.h"

#include <QCheckBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <cmath>
#include <variant>

#include "places/place_list.h"
#include "program_settings.h"
#include "qt_text/gbk_qt.h"

namespace {

const QString kTrueSolarTimeKey = QStringLiteral("moment/trueSolarTime");
const QString kSummerTimeKey = QStringLiteral("moment/summerTime");
const QString kPlaceKey = QStringLiteral("moment/place");

// Enough to find a place by its first character or two without a list
// longer than the screen.
constexpr std::size_t kPlacesOffered = 12;
// A bare name several places share names this many of them.
constexpr std::size_t kNamesakesShown = 5;

QString DegreesText(double longitude) {
    const QString degrees = QString::number(std::fabs(longitude), 'f', 2);
    return longitude < 0 ? TimeCorrectionDialog::tr("西经%1°").arg(degrees)
                         : TimeCorrectionDialog::tr("东经%1°").arg(degrees);
}

// Where true solar time is reckoned: the place's, or a longitude typed.
struct Location {
    double longitude = 0;
    std::string zone = moment::kBeijingZone;
    std::string placeName;  // GBK; empty for a typed longitude
};

// The location `typed` names, or why it names none.
std::variant<Location, QString> LocationOf(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) return TimeCorrectionDialog::tr("真太阳时要知道地点：请输入地名，或输入经度（东经为正）。");
    bool number = false;
    const double longitude = text.toDouble(&number);
    if (number) {
        if (!(longitude >= moment::kWestmostLongitude && longitude <= moment::kEastmostLongitude)) {
            return TimeCorrectionDialog::tr("经度应在 −180 到 180 之间（东经为正，西经为负），不是 %1。").arg(text);
        }
        return Location{longitude, moment::kBeijingZone, {}};
    }
    const std::vector<const places::Place*> found = places::PlacesCalled(GbkFromQString(text));
    if (found.empty()) {
        return TimeCorrectionDialog::tr("地点列表里没有“%1”。请从列出的地点中选一个，或直接输入经度。").arg(text);
    }
    if (found.size() > 1) {
        QStringList names;
        for (std::size_t k = 0; k < std::min(found.size(), kNamesakesShown); ++k) {
            names.append(QStringFromGbk(found[k]->name));
        }
        if (found.size() > kNamesakesShown) names.append(QStringLiteral("…"));
        return TimeCorrectionDialog::tr("“%1”有%2处同名；可选：%3")
            .arg(text)
            .arg(found.size())
            .arg(names.join(QStringLiteral("、")));
    }
    return Location{found.front()->longitude, found.front()->zone, found.front()->name};
}

// The field's text for a choice: the place's name, or the longitude typed.
QString PlaceText(const moment::MomentOptions& options) {
    if (!options.placeName.empty()) return QStringFromGbk(options.placeName);
    return options.longitude ? QString::number(*options.longitude) : QString();
}

void Locate(moment::MomentOptions& options, const Location& location) {
    options.longitude = location.longitude;
    options.zone = location.zone;
    options.placeName = location.placeName;
}

QLabel* Explanation() {
    auto* label = new QLabel;
    label->setIndent(22);  // under the switch's text, past its box
    return label;
}

}  // namespace

moment::MomentOptions StoredMomentOptions() {
    const QSettings settings = ProgramSettings();
    moment::MomentOptions options;
    options.summerTime = settings.value(kSummerTimeKey, false).toBool();
    const auto location = LocationOf(settings.value(kPlaceKey).toString());
    if (const auto* found = std::get_if<Location>(&location)) {
        Locate(options, *found);
        options.trueSolarTime = settings.value(kTrueSolarTimeKey, false).toBool();
    }
    return options;
}

void StoreMomentOptions(const moment::MomentOptions& options) {
    QSettings settings = ProgramSettings();
    settings.setValue(kTrueSolarTimeKey, options.trueSolarTime);
    settings.setValue(kSummerTimeKey, options.summerTime);
    settings.setValue(kPlaceKey, PlaceText(options));
}

TimeCorrectionDialog::TimeCorrectionDialog(const moment::MomentOptions& chosen,
                                           std::function<void(const QString&)> refuse, QWidget* parent)
    : QDialog(parent), refuse_(std::move(refuse)), chosen_(chosen), offered_(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("TimeCorrectionDialog"));

    trueSolarTimeBox = new QCheckBox;
    trueSolarTimeBox->setChecked(chosen.trueSolarTime);
    placeEdit = new QLineEdit(PlaceText(chosen));
    placeEdit->setEnabled(chosen.trueSolarTime);
    connect(trueSolarTimeBox, &QCheckBox::toggled, placeEdit, &QWidget::setEnabled);
    summerTimeBox = new QCheckBox;
    summerTimeBox->setChecked(chosen.summerTime);

    // The list is searched anew at each edit; the completer only shows it,
    // offering each place with its longitude and putting its name in.
    auto* completer = new QCompleter(offered_, this);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setCompletionRole(Qt::UserRole);
    placeEdit->setCompleter(completer);
    connect(placeEdit, &QLineEdit::textEdited, this, &TimeCorrectionDialog::OfferPlaces);

    auto* place = new QHBoxLayout;
    place->setContentsMargins(22, 0, 0, 0);
    placeLabel_ = new QLabel;
    place->addWidget(placeLabel_);
    place->addWidget(placeEdit, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &TimeCorrectionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    trueSolarTimeNote_ = Explanation();
    longitudeNote_ = Explanation();
    summerTimeNote_ = Explanation();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(trueSolarTimeBox);
    layout->addWidget(trueSolarTimeNote_);
    layout->addLayout(place);
    layout->addWidget(longitudeNote_);
    layout->addSpacing(8);
    layout->addWidget(summerTimeBox);
    layout->addWidget(summerTimeNote_);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    RetranslateUi();
}

void TimeCorrectionDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) { RetranslateUi(); }
    QDialog::changeEvent(event);
}

void TimeCorrectionDialog::RetranslateUi() {
    setWindowTitle(tr("时间校正"));
    trueSolarTimeBox->setText(tr("真太阳时"));
    trueSolarTimeNote_->setText(tr("按起卦地的经度和均时差，把北京时间换成当地的真太阳时。"));
    placeLabel_->setText(tr("地点或经度："));
    placeEdit->setAccessibleName(tr("地点或经度"));
    placeEdit->setPlaceholderText(tr("地名，如 喀什市；或经度，如 75.99"));
    longitudeNote_->setText(tr("经度在 −180 到 180 之间，东经为正；钟表读数按北京时间算。"));
    summerTimeBox->setText(tr("夏令时"));
    summerTimeNote_->setText(tr("钟表读数在夏令时内（如1986—1991年的夏天），先拨回标准时间。"));
}

void TimeCorrectionDialog::OfferPlaces(const QString& typed) {
    offered_->clear();
    for (const places::Place* found : places::FindPlaces(GbkFromQString(typed.trimmed()), kPlacesOffered)) {
        const QString name = QStringFromGbk(found->name);
        auto* item = new QStandardItem(name + QStringLiteral("　") + DegreesText(found->longitude));
        item->setData(name, Qt::UserRole);
        offered_->appendRow(item);
    }
    if (offered_->rowCount() > 0) placeEdit->completer()->complete();
}

void TimeCorrectionDialog::accept() {
    moment::MomentOptions options = chosen_;
    options.trueSolarTime = trueSolarTimeBox->isChecked();
    options.summerTime = summerTimeBox->isChecked();
    // The place is read only with true solar time on: off, its field cannot
    // be edited, and the place chosen before is kept for turning it on again.
    if (options.trueSolarTime) {
        const auto location = LocationOf(placeEdit->text());
        if (const auto* why = std::get_if<QString>(&location)) {
            refuse_(*why);
            placeEdit->setFocus();
            return;
        }
        Locate(options, std::get<Location>(location));
    }
    chosen_ = options;
    QDialog::accept();
}
