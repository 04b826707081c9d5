#include "calendar_rule_menu.h"

#include <QActionGroup>
#include <QMenu>

#include "program_settings.h"

namespace {

using calendar::CalendarRule;

const QString kRuleKey = QStringLiteral("calendar/rule");

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
    QMenu* menu = fileMenu->addMenu(QStringLiteral("历法"));
    menu->setObjectName(QStringLiteral("CalendarRuleMenu"));
    auto* group = new QActionGroup(menu);  // exclusive: one rule at a time
    const CalendarRule stored = StoredCalendarRule();
    const struct {
        const char* text;
        CalendarRule rule;
    } items[] = {{"内置", CalendarRule::Table}, {"天文", CalendarRule::Astronomical}};
    for (const auto& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setCheckable(true);
        action->setChecked(item.rule == stored);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [rule = item.rule, chosen] {
            StoreCalendarRule(rule);
            chosen(rule);
        });
    }
    return menu;
}
