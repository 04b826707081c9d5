#include "data_script.h"

#include <QLocale>
#include <stdexcept>

#include "qt_text/gbk_qt.h"

namespace {

std::optional<QString> Traditional(std::string_view gbk, pipeline::TraditionalForm form) {
    try {
        return QString::fromStdString(pipeline::TraditionalText(gbk, form));
    } catch (const std::runtime_error& error) {
        qWarning("%s", error.what());
        return std::nullopt;
    }
}

}  // namespace

std::optional<pipeline::TraditionalForm> TraditionalFormShown() {
    const QLocale language;
    if (language.script() != QLocale::TraditionalHanScript) return std::nullopt;
    const bool hongKongForms =
        language.territory() == QLocale::HongKong || language.territory() == QLocale::Macau;
    return hongKongForms ? pipeline::TraditionalForm::HongKong : pipeline::TraditionalForm::Taiwan;
}

reading::NameGloss NameGlossShown() {
    return QLocale().language() == QLocale::Chinese ? reading::NameGloss::None : reading::NameGloss::PinyinAndEnglish;
}

bool EnglishShown() { return QLocale().language() == QLocale::English; }

QString ShownDataText(std::string_view gbk) {
    const std::optional<pipeline::TraditionalForm> form = TraditionalFormShown();
    const std::optional<QString> traditional = form ? Traditional(gbk, *form) : std::nullopt;
    return traditional.value_or(QStringFromGbk(gbk));
}

QString ShownDataText(const QString& text) {
    // Under Simplified Chinese the text is not taken through GBK at all.
    return TraditionalFormShown() ? ShownDataText(GbkFromQString(text)) : text;
}

std::string TraditionalGbk(std::string_view gbk, pipeline::TraditionalForm form) {
    const std::optional<QString> traditional = Traditional(gbk, form);
    if (!traditional) return std::string(gbk);
    std::string converted = GbkFromQString(*traditional);
    // GBK writes "?" for what it cannot hold: the simplified text says more.
    return QStringFromGbk(converted) == *traditional ? converted : std::string(gbk);
}
