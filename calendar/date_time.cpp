#include "calendar/date_time.h"

#include <ctime>

namespace calendar {

DateTime Today() {
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateTimeOf(sys_days{year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday});
}

}  // namespace calendar
