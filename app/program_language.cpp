#include "program_language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QTranslator>
#include <memory>

#include "program_settings.h"
#include "qt_translations.h"

namespace {

const QString kLanguageKey = QStringLiteral("window/language");

const QLocale kSimplified(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
const QLocale kTaiwan(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);

// The program's texts for `locale`: the Traditional file serves Hong Kong
// and Macau too; Simplified Chinese is the sources' own and has none.
QString TranslationFile(const QLocale& locale) {
    if (locale.language() == QLocale::English) return QStringLiteral(":/i18n/yaopan_en.qm");
    if (locale.script() == QLocale::TraditionalChineseScript) return QStringLiteral(":/i18n/yaopan_zh_TW.qm");
    return {};
}

// Qt ships one Traditional translation, Taiwan's, which its own lookup
// would not find for Hong Kong or Macau.
QLocale QtTranslationLocale(const QLocale& locale) {
    return locale.script() == QLocale::TraditionalChineseScript ? kTaiwan : locale;
}

struct Translators {
    bool applied = false;
    QString file;  // the program's translation in force, empty for none
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Translators& Installed() {
    static Translators installed;
    return installed;
}

}  // namespace

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
    return kSimplified;
}

QLocale LocaleFromEnvironment(const QString& language, const QString& lcAll, const QString& lang) {
    QStringList names = language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    names << lcAll << lang;
    for (const QString& name : names) {
        if (const auto locale = SupportedLocale(name)) return *locale;
    }
    return kSimplified;
}

namespace {

QLocale SystemLanguage() {
    return LocaleFromEnvironment(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                                 qEnvironmentVariable("LANG"));
}

}  // namespace

QLocale StartLanguage() {
    if (const auto chosen = SupportedLocale(ProgramSettings().value(kLanguageKey).toString())) return *chosen;
    return SystemLanguage();
}

void StoreLanguage(const QLocale& locale) { ProgramSettings().setValue(kLanguageKey, locale.name()); }

QLocale TraditionalChineseLocale() {
    const QLocale system = SystemLanguage();
    return system.script() == QLocale::TraditionalChineseScript ? system : kTaiwan;
}

void ApplyLanguage(const QLocale& locale) {
    QLocale::setDefault(locale);
    Translators& installed = Installed();
    const QString file = TranslationFile(locale);
    if (installed.applied && file == installed.file) {
        // The same texts in another region's form: no translator changes,
        // so none tells the widgets.
        QEvent changed(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &changed);
    } else {
        // Installing and removing a translator each tell every widget.
        installed.applied = true;
        installed.file = file;
        installed.program.reset();
        installed.qt = InstallQtTranslations(QtTranslationLocale(locale));
        if (!file.isEmpty()) {
            auto program = std::make_unique<QTranslator>();
            if (program->load(file) && QCoreApplication::installTranslator(program.get())) {
                installed.program = std::move(program);
            } else {
                qWarning("yaopan: cannot load the translation %s", qPrintable(file));
            }
        }
    }
    // The application passes the change on to its widgets as posted events:
    // delivered now, the windows speak the new language when this returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}
