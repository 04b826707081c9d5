#include "almanac_window.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <chrono>

#include "almanac/almanac_lines.h"
#include "almanac/day_almanac.h"
#include "calendar_control/nong_calendar.h"
#include "data_script.h"
#include "qt_text/gbk_qt.h"

namespace {

using namespace std::chrono;

constexpr int kHourRows = 3;  // 干支, 值神, 黄道 or 黑道
constexpr TColor kNavy = 0x800000;

// 黄道 hours are the lucky ones a reader looks for: they stand out.
const QColor kLuckyPath(0xB0, 0x30, 0x00);
const QColor kUnluckyPath(0x70, 0x70, 0x70);

// The cell at `row` and `column` (row -1: the column's header) showing
// `text`, made on the first day shown and rewritten on the others.
QTableWidgetItem* SetCell(QTableWidget* table, int row, int column, const QString& text) {
    QTableWidgetItem* cell = row < 0 ? table->horizontalHeaderItem(column) : table->item(row, column);
    if (cell != nullptr) {
        cell->setText(text);
        return cell;
    }
    cell = new QTableWidgetItem(text);
    if (row < 0) {
        table->setHorizontalHeaderItem(column, cell);
    } else {
        cell->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, cell);
    }
    return cell;
}

}  // namespace

AlmanacWindow::AlmanacWindow(calendar::CalendarRule rule, QDate day, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("almanacWindow"));

    calendar = new TNongCalendar(this);
    calendar->setObjectName(QStringLiteral("almanacCalendar"));
    calendar->setMinimumSize(520, 380);
    calendar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    calendar->CalColors().SetLunarTermColor(kNavy);
    calendar->SetRule(rule);
    if (day.isValid()) calendar->SetDate(calendar::DateTimeOf(sys_days{year{day.year()} / day.month() / day.day()}));

    heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("almanacHeading"));
    QFont headingFont = heading->font();
    headingFont.setPixelSize(16);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    facts = new QFormLayout;
    facts->setLabelAlignment(Qt::AlignRight);
    facts->setVerticalSpacing(8);
    // The longest line is the 彭祖's: two sayings of eight characters.
    valueWidth_ = fontMetrics().horizontalAdvance(QStringLiteral("甲不开仓财物耗散 辰不哭泣必主重丧"));
    auto* almanac = new QVBoxLayout;
    almanac->addWidget(heading);
    almanac->addSpacing(6);
    almanac->addLayout(facts);
    almanac->addStretch(1);

    hours = new QTableWidget(kHourRows, 12, this);
    hours->setObjectName(QStringLiteral("almanacHours"));
    hours->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hours->setSelectionMode(QAbstractItemView::NoSelection);
    // The keys belong to the calendar, which moves the day.
    hours->setFocusPolicy(Qt::NoFocus);
    hours->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    hours->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    hours->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hours->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int tableHeight = hours->horizontalHeader()->sizeHint().height() +
                            kHourRows * hours->verticalHeader()->defaultSectionSize() + 2 * hours->frameWidth();
    hours->setFixedHeight(tableHeight);

    castButton = new QPushButton(this);
    castButton->setObjectName(QStringLiteral("castButton"));
    castButton->setFocusPolicy(Qt::TabFocus);
    connect(castButton, &QPushButton::clicked, this, [this] { emit castOn(Day()); });

    auto* top = new QHBoxLayout;
    top->addWidget(calendar, 1);
    top->addSpacing(12);
    top->addLayout(almanac);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(castButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(hours);
    layout->addLayout(buttons);

    connect(calendar, &TNongCalendar::OnChange, this, &AlmanacWindow::ShowSelectedDay);
    RetranslateUi();
    calendar->setFocus();
}

void AlmanacWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) { RetranslateUi(); }
    QWidget::changeEvent(event);
}

void AlmanacWindow::RetranslateUi() {
    setWindowTitle(tr("万年历"));
    calendar->setAccessibleName(tr("万年历"));
    hours->setAccessibleName(tr("时辰"));
    hours->setVerticalHeaderLabels({tr("干支"), tr("值神"), tr("黄黑道")});
    castButton->setText(tr("用此日起卦"));
    castButton->setAccessibleName(castButton->text());
    ShowDataTexts();
}

void AlmanacWindow::ShowDataTexts() {
    if (const std::optional<pipeline::TraditionalForm> form = TraditionalFormShown()) {
        calendar->SetTextConversion([form = *form](std::string_view gbk) { return TraditionalGbk(gbk, form); });
    } else {
        calendar->SetTextConversion(nullptr);
    }
    ShowSelectedDay();
}

void AlmanacWindow::SetRule(calendar::CalendarRule rule) {
    calendar->SetRule(rule);
    ShowSelectedDay();
}

QDate AlmanacWindow::Day() const { return QDate(calendar->Year(), calendar->Month(), calendar->Day()); }

void AlmanacWindow::keyPressEvent(QKeyEvent* event) {
    // Esc closes, as it does a dialog; the calendar leaves the key to the window.
    if (event->matches(QKeySequence::Cancel)) return void(close());
    QWidget::keyPressEvent(event);
}

void AlmanacWindow::ShowSelectedDay() {
    const QDate day = Day();
    // The calendar keeps its selection within the years the almanac covers,
    // so every day it selects has one.
    const auto a = almanac::AlmanacOf(sys_days{year{day.year()} / day.month() / day.day()}, calendar->Rule());
    if (!a) return;
    //: The selected day: year, month, day and weekday.
    QString title = tr("%1年%2月%3日 %4").arg(day.year()).arg(day.month()).arg(day.day()).arg(ShownDataText(a->weekday));
    if (!a->lunarDate.empty()) title += QLatin1Char('\n') + tr("农历%1").arg(ShownDataText(a->lunarDate));
    heading->setText(title);

    // The rows are rewritten in place, and only the lines a day has beyond
    // the last one's are added: making the labels anew made up most of a
    // day change.
    const std::vector<almanac::AlmanacLine> lines = almanac::AlmanacLines(*a);
    const int count = static_cast<int>(lines.size());
    while (facts->rowCount() > count) facts->removeRow(facts->rowCount() - 1);
    for (int row = 0; row < count; ++row) {
        const QString label = tr("%1：").arg(ShownDataText(lines[row].label));
        const QString value = ShownDataText(lines[row].value);
        if (row < facts->rowCount()) {
            static_cast<QLabel*>(facts->itemAt(row, QFormLayout::LabelRole)->widget())->setText(label);
            static_cast<QLabel*>(facts->itemAt(row, QFormLayout::FieldRole)->widget())->setText(value);
            continue;
        }
        auto* valueLabel = new QLabel(value);
        valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        valueLabel->setMinimumWidth(valueWidth_);
        facts->addRow(label, valueLabel);
    }

    for (int column = 0; column < static_cast<int>(a->hours.size()); ++column) {
        const almanac::HourAlmanac& hour = a->hours[column];
        SetCell(hours, -1, column, tr("%1时").arg(ShownDataText(hour.branch)));
        SetCell(hours, 0, column, ShownDataText(hour.stemBranch));
        SetCell(hours, 1, column, ShownDataText(hour.spirit));
        // Told apart by the engine's word, before it is shown in other characters.
        const bool lucky = QStringFromGbk(hour.path) == QStringLiteral("黄道");
        SetCell(hours, 2, column, ShownDataText(hour.path))->setForeground(lucky ? kLuckyPath : kUnluckyPath);
    }
}
