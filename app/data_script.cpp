#include "data_script.h"

#include <QLocale>

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
