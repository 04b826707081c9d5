#include "calendar_rule_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "program_settings.h"

namespace {

using calendar::CalendarRule;

const QString kRuleKey = QStringLiteral("calendar/rule");

// The menu's items, in its order.
const struct {
    const char* text;
    CalendarRule rule;
} kItems[] = {{QT_TRANSLATE_NOOP("CalendarRuleMenu", "内置"), CalendarRule::Table},
              {QT_TRANSLATE_NOOP("CalendarRuleMenu", "天文"), CalendarRule::Astronomical}};

}  // namespace

CalendarRule StoredCalendarRule() {
    const QByteArray name = ProgramSettings().value(kRuleKey).toString().toLatin1();
    return calendar::CalendarRuleNamed(name.toStdString()).value_or(CalendarRule::Table);
}

void StoreCalendarRule(CalendarRule rule) {
    const std::string_view name = calendar::CalendarRuleName(rule);
    ProgramSettings().setValue(kRuleKey, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QMenu* AddCalendarRuleMenu(QMenu* fileMenu, std::function<void(CalendarRule)> chosen) {
    QMenu* menu = fileMenu->addMenu(QString());
    menu->setObjectName(QStringLiteral("CalendarRuleMenu"));
    auto* group = new QActionGroup(menu);  // exclusive: one rule at a time
    const CalendarRule stored = StoredCalendarRule();
    for (const auto& item : kItems) {
        QAction* action = menu->addAction(QString());
        action->setCheckable(true);
        action->setChecked(item.rule == stored);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [rule = item.rule, chosen] {
            StoreCalendarRule(rule);
            chosen(rule);
        });
    }
    RetranslateCalendarRuleMenu(menu);
    return menu;
}

void RetranslateCalendarRuleMenu(QMenu* menu) {
    menu->setTitle(QCoreApplication::translate("CalendarRuleMenu", "历法"));
    const QList<QAction*> actions = menu->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        actions[i]->setText(QCoreApplication::translate("CalendarRuleMenu", kItems[i].text));
    }
}
