#include "date_holder.h"

#include "calendar/date_rule.h"

namespace casting {

void PlainDateHolder::SetDate(calendar::DateTime date) {
    if (const auto day = calendar::AcceptedDay(date)) date_ = *day;
}

}  // namespace casting
