// nongcalendar-demo: shows the month-view lunar calendar control at a usable
// size with switches for its Boolean properties, the two line styles, the
// two scales and a few colour presets, and the selected date below it.
//
//   nongcalendar-demo [--date YYYY-MM-DD] [--screenshot FILE.png]
//
// With --screenshot the window is drawn once into FILE.png and the program
// ends.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <functional>

#include "qt_text/font_faces.h"
#include "calendar_control/nong_calendar.h"

namespace {

// A soft diagonal wash for ShowBackImage.
QPixmap BackPicture() {
    QPixmap picture(256, 192);
    QPainter painter(&picture);
    QLinearGradient wash(0, 0, 256, 192);
    wash.setColorAt(0, QColor(255, 244, 214));
    wash.setColorAt(1, QColor(214, 236, 255));
    painter.fillRect(picture.rect(), wash);
    painter.setPen(QColor(230, 210, 180));
    for (int r = 20; r < 300; r += 24) painter.drawEllipse(QPoint(200, 150), r, r);
    return picture;
}

struct ColourPreset {
    const char* name;
    TColor title, week, days, highlight, arrow;
};

// Colours are 0x00BBGGRR; 0xFF000000 + n is system colour n.
constexpr ColourPreset kPresets[] = {
    {"System", 0xFF000002, 0xFF000005, 0xFF000005, 0xFF000002, 0xFFFFFF},
    {"Vermilion", 0x1E2CB4, 0xE6F0FA, 0xF5FAFF, 0x3C50D2, 0xA0E6FF},
    {"Jade", 0x5A7D2D, 0xE6F5EB, 0xF5FCF7, 0x46A05A, 0xFFFFFF},
    {"Ink", 0x3C3228, 0xDCDCDC, 0xF0F0F0, 0x5A5046, 0xC8C8C8},
};

QString CalendarDateText(const TNongCalendar& calendar) {
    return QLocale().toString(QDate(calendar.Year(), calendar.Month(), calendar.Day()), QLocale::LongFormat);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("nongcalendar-demo");
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    InstallFontSubstitutions();

    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({"date", "Select this date (YYYY-MM-DD).", "date"});
    options.addOption({"screenshot", "Draw the window into this PNG file and quit.", "file"});
    options.process(app);

    QWidget window;
    window.setWindowTitle("nongcalendar-demo");
    auto* calendar = new TNongCalendar;
    calendar->resize(560, 420);
    calendar->setMinimumSize(280, 200);
    calendar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (options.isSet("date")) {
        const QDate date = QDate::fromString(options.value("date"), Qt::ISODate);
        using namespace std::chrono;
        if (date.isValid()) calendar->SetDate(calendar::DateTimeOf(sys_days{year{date.year()} / date.month() / date.day()}));
    }
    auto* backImage = new QLabel(&window);
    backImage->setPixmap(BackPicture());
    backImage->hide();
    calendar->SetBackImage(backImage);

    auto* dateLabel = new QLabel(CalendarDateText(*calendar));
    QObject::connect(calendar, &TNongCalendar::OnChange, dateLabel,
                     [dateLabel](TNongCalendar* sender) { dateLabel->setText(CalendarDateText(*sender)); });

    auto* left = new QVBoxLayout;
    left->addWidget(calendar, 1);
    left->addWidget(dateLabel);

    // Boolean properties.
    auto* switches = new QGroupBox("Switches");
    auto* switchLayout = new QVBoxLayout(switches);
    const auto addSwitch = [&](const char* name, bool on, std::function<void(bool)> set) {
        auto* box = new QCheckBox(name);
        box->setChecked(on);
        QObject::connect(box, &QCheckBox::toggled, calendar, std::move(set));
        switchLayout->addWidget(box);
    };
    addSwitch("ShowArrow", calendar->ShowArrow(), [calendar](bool on) { calendar->SetShowArrow(on); });
    addSwitch("ShowBackMonth", calendar->ShowBackMonth(), [calendar](bool on) { calendar->SetShowBackMonth(on); });
    addSwitch("ShowBackImage", calendar->ShowBackImage(), [calendar](bool on) { calendar->SetShowBackImage(on); });
    addSwitch("ShowBorder", calendar->ShowBorder(), [calendar](bool on) { calendar->SetShowBorder(on); });
    addSwitch("ShowGrid", calendar->ShowGrid(), [calendar](bool on) { calendar->SetShowGrid(on); });
    addSwitch("ShowVertical", calendar->ShowVertical(), [calendar](bool on) { calendar->SetShowVertical(on); });
    addSwitch("ChineseEar", calendar->ChineseEar(), [calendar](bool on) { calendar->SetChineseEar(on); });
    addSwitch("EnWeekName", calendar->EnWeekName(), [calendar](bool on) { calendar->SetEnWeekName(on); });
    addSwitch("UseISO8601", calendar->UseISO8601(), [calendar](bool on) { calendar->SetUseISO8601(on); });
    addSwitch("AutoFontSize", calendar->AutoFontSize(), [calendar](bool on) { calendar->SetAutoFontSize(on); });
    addSwitch("ShowHint", calendar->ShowHint(), [calendar](bool on) { calendar->SetShowHint(on); });
    addSwitch("SmoothText", calendar->SmoothText(), [calendar](bool on) { calendar->SetSmoothText(on); });
    addSwitch("ShadowFont", calendar->ShadowFont(), [calendar](bool on) { calendar->SetShadowFont(on); });

    // Styles, scales and colours.
    auto* settings = new QGroupBox("Layout and colours");
    auto* form = new QFormLayout(settings);
    const auto styleBox = [&](TNongCalStyle current, std::function<void(TNongCalStyle)> set) {
        auto* box = new QComboBox;
        box->addItems({"csBottom", "csRight", "csNone"});
        box->setCurrentIndex(current);
        QObject::connect(box, &QComboBox::currentIndexChanged, calendar,
                         [set = std::move(set)](int index) { set(static_cast<TNongCalStyle>(index)); });
        return box;
    };
    form->addRow("LunarCalStyle", styleBox(calendar->LunarCalStyle(),
                                           [calendar](TNongCalStyle s) { calendar->SetLunarCalStyle(s); }));
    form->addRow("FtvCalStyle",
                 styleBox(calendar->FtvCalStyle(), [calendar](TNongCalStyle s) { calendar->SetFtvCalStyle(s); }));
    const auto scaleBox = [&](double current, std::function<void(double)> set) {
        auto* box = new QDoubleSpinBox;
        box->setRange(1.0, 10.0);
        box->setSingleStep(0.25);
        box->setValue(current);
        QObject::connect(box, &QDoubleSpinBox::valueChanged, calendar, std::move(set));
        return box;
    };
    form->addRow("VerticalScale",
                 scaleBox(calendar->VerticalScale(), [calendar](double v) { calendar->SetVerticalScale(v); }));
    form->addRow("HorizonScale",
                 scaleBox(calendar->HorizonScale(), [calendar](double v) { calendar->SetHorizonScale(v); }));
    auto* presets = new QComboBox;
    for (const ColourPreset& preset : kPresets) presets->addItem(preset.name);
    QObject::connect(presets, &QComboBox::currentIndexChanged, calendar, [calendar](int index) {
        const ColourPreset& preset = kPresets[index];
        TNongCalColors& colors = calendar->CalColors();
        colors.SetTitleBackColor(preset.title);
        colors.SetWeekBackColor(preset.week);
        colors.SetDayBackColor(preset.days);
        colors.SetHightlightBackColor(preset.highlight);
        colors.SetArrowColor(preset.arrow);
    });
    form->addRow("Colours", presets);

    auto* right = new QVBoxLayout;
    right->addWidget(switches);
    right->addWidget(settings);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(&window);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    window.resize(860, 480);
    window.show();

    if (options.isSet("screenshot")) {
        const QString file = options.value("screenshot");
        QTimer::singleShot(200, &window, [&window, file] {
            const bool saved = window.grab().save(file, "PNG");
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
