// The calendar the window reads its dates by, as a remembered setting and as
// the 历法 submenu of the 文件 menu: 内置 (the lunar table, the default) or
// 天文 (the true sky).
#pragma once

#include <functional>

#include "calendar/calendar_rule.h"

class QMenu;

// The rule last chosen, the table when none was or the setting is unreadable.
calendar::CalendarRule StoredCalendarRule();
void StoreCalendarRule(calendar::CalendarRule rule);

// Adds the 历法 submenu to `fileMenu`, its item for StoredCalendarRule()
// checked. Choosing an item stores its rule and hands it to `chosen`.
QMenu* AddCalendarRuleMenu(QMenu* fileMenu, std::function<void(calendar::CalendarRule)> chosen);
// Gives the submenu's title and items in the program's language.
void RetranslateCalendarRuleMenu(QMenu* menu);
