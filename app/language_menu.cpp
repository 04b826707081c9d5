#include "language_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <functional>

#include "program_language.h"

namespace {

const struct {
    const char* name;  // never translated
    std::function<QLocale()> locale;
} kLanguages[] = {
    {"简体中文", [] { return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China); }},
    {"繁體中文", TraditionalChineseLocale},
    {"English", [] { return QLocale(QLocale::English, QLocale::UnitedStates); }},
};

// Which of the languages `locale` is.
int LanguageOf(const QLocale& locale) {
    if (locale.language() == QLocale::English) return 2;
    return locale.script() == QLocale::TraditionalChineseScript ? 1 : 0;
}

}  // namespace

QMenu* AddLanguageMenu(QMenu* helpMenu) {
    QMenu* menu = helpMenu->addMenu(QString());
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);  // exclusive: one language at a time
    for (const auto& language : kLanguages) {
        QAction* action = menu->addAction(QString::fromUtf8(language.name));
        action->setCheckable(true);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [locale = language.locale] {
            const QLocale chosen = locale();
            StoreLanguage(chosen);
            ApplyLanguage(chosen);
        });
    }
    // The language may have been set without the menu (at start, by a test).
    const auto showCurrent = [menu] { menu->actions().at(LanguageOf(QLocale()))->setChecked(true); };
    showCurrent();
    QObject::connect(menu, &QMenu::aboutToShow, menu, showCurrent);
    return menu;
}
