#include "report_heading.h"

#include <QCoreApplication>

#include "qt_text/gbk_qt.h"
#include "reading/trigrams.h"
#include "shell_services.h"

namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// An empty field is said, not left as a gap a reader might take for a
// lost character.
QString OrUnfilled(const QString& text) {
    return text.isEmpty() ? QCoreApplication::translate("ReportHeading", "未填") : text;
}

QString TrigramText(int trigram) {
    if (trigram < 1 || trigram > reading::kTrigramCount) return QString::number(trigram);
    return QStringFromGbk(reading::TrigramName(trigram));
}

QString InputText(const ReportHeading& heading) {
    switch (InputOfMethod(heading.method)) {
        case MethodInput::None: return {};
        case MethodInput::Question:
            return QCoreApplication::translate("ReportHeading", "问话：“%1”").arg(heading.text);
        case MethodInput::Character:
            return QCoreApplication::translate("ReportHeading", "汉字：“%1”").arg(heading.text);
        case MethodInput::Number: return QCoreApplication::translate("ReportHeading", "数字：%1").arg(heading.text);
        case MethodInput::Manual:
            return QCoreApplication::translate("ReportHeading", "上卦：%1　下卦：%2　动爻：第%3爻")
                .arg(TrigramText(heading.manualUpper), TrigramText(heading.manualLower))
                .arg(heading.manualLine);
        case MethodInput::Clock:
            return QCoreApplication::translate("ReportHeading", "时钟分钟：%1").arg(heading.minute);
    }
    return {};
}

}  // namespace

MethodInput InputOfMethod(const QString& method) {
    // The engine's names for the methods that take more than the person and
    // the moment.
    static const struct {
        const char* method;
        MethodInput input;
    } kInputs[] = {
        {"问话字的笔画数起卦", MethodInput::Question}, {"单字笔画数起卦", MethodInput::Character},
        {"数字起卦", MethodInput::Number},             {"手工指定起卦", MethodInput::Manual},
        {"时分起卦", MethodInput::Clock},
    };
    for (const auto& entry : kInputs) {
        if (method == QString::fromUtf8(entry.method)) return entry.input;
    }
    return MethodInput::None;
}

ReportHeading HeadingOf(const casting::Person& person, const casting::Moment& moment,
                        const casting::CastingRecord& record, const pipeline::CastingInputs& inputs) {
    return {.name = QStringFromGbk(person.name),
            .sex = QStringFromGbk(person.sex),
            .age = QStringFromGbk(person.age),
            .year = moment.year,
            .month = moment.month,
            .day = moment.day,
            .hour = moment.hour,
            .method = QStringFromGbk(record.MethodText),
            .text = QStringFromGbk(inputs.text),
            .manualUpper = inputs.manualUpper,
            .manualLower = inputs.manualLower,
            .manualLine = inputs.manualLine,
            .minute = record.Clock ? record.Clock->minute : 0,
            .rule = moment.rule};
}

ReportHeading HeadingOf(const journal::JournalEntry& stored) {
    return {.name = FromUtf8(stored.name),
            .sex = FromUtf8(stored.sex),
            .age = FromUtf8(stored.age),
            .year = stored.year,
            .month = stored.month,
            .day = stored.day,
            .hour = stored.hour,
            .method = FromUtf8(stored.method),
            .text = FromUtf8(stored.question),
            .manualUpper = stored.manualUpper,
            .manualLower = stored.manualLower,
            .manualLine = stored.manualLine,
            .minute = stored.minute,
            .rule = calendar::CalendarRuleNamed(stored.calendarRule).value_or(calendar::CalendarRule::Table)};
}

QStringList HeadingLines(const ReportHeading& heading) {
    const QString input = InputText(heading);
    const bool astronomical = heading.rule == calendar::CalendarRule::Astronomical;
    return {
        QCoreApplication::translate("ReportHeading", "%1　起卦报告").arg(kProductTitle),
        QCoreApplication::translate("ReportHeading", "姓名：%1　性别：%2　年龄：%3")
            .arg(OrUnfilled(heading.name), OrUnfilled(heading.sex), OrUnfilled(heading.age)),
        QCoreApplication::translate("ReportHeading", "时间：公历%1年%2月%3日%4时")
            .arg(heading.year)
            .arg(heading.month)
            .arg(heading.day)
            .arg(heading.hour),
        input.isEmpty() ? QCoreApplication::translate("ReportHeading", "起卦方式：%1").arg(heading.method)
                        : QCoreApplication::translate("ReportHeading", "起卦方式：%1　%2").arg(heading.method, input),
        astronomical ? QCoreApplication::translate("ReportHeading", "历法：天文（真实天象的节气与朔日）")
                     : QCoreApplication::translate("ReportHeading", "历法：内置（农历表与平气节气）"),
    };
}
