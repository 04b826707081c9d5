#include "program_language.h"

#include <QStringList>
#include <optional>

namespace {

// The locale the program has texts for that `name` asks for, if any.
std::optional<QLocale> SupportedLocale(const QString& name) {
    const QString base = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QLocale asked(base);
    if (base.isEmpty() || asked.language() == QLocale::C) return std::nullopt;
    if (asked.language() == QLocale::English) return QLocale(QLocale::English, QLocale::UnitedStates);
    if (asked.language() != QLocale::Chinese) return std::nullopt;
    // "zh_TW" names no script: Qt infers Traditional from the region.
    if (asked.script() == QLocale::TraditionalChineseScript) {
        const auto region = asked.territory();
        const bool ownForms = region == QLocale::HongKong || region == QLocale::Macao;
        return QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, ownForms ? region : QLocale::Taiwan);
    }
    return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
}

}  // namespace

QLocale LocaleFromEnvironment(const QString& language, const QString& lcAll, const QString& lang) {
    QStringList names = language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    names << lcAll << lang;
    for (const QString& name : names) {
        if (const auto locale = SupportedLocale(name)) return *locale;
    }
    return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
}
