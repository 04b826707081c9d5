#include "date_holder.h"

#include <cmath>

namespace casting {

void PlainDateHolder::SetDate(calendar::DateTime date) {
    const auto day = calendar::CivilDateOf(date);
    if (!day || day->year() < std::chrono::year{1900} || day->year() > std::chrono::year{2100}) return;
    date_ = std::floor(date);
}

}  // namespace casting
