#include "moment_check.h"

#include <optional>

#include "calendar/date_rule.h"
#include "calendar/lunar_conversion.h"
#include "messages/catalog.h"

namespace casting {
namespace {

// "1900年1月1日到2100年12月31日": the days the calendar holds.
std::string CalendarRange() {
    return std::to_string(calendar::kFirstYear) + "年1月1日到" + std::to_string(calendar::kLastYear) + "年12月31日";
}

}  // namespace

MomentFault FaultOf(const Moment& moment) {
    if (moment.hour < kFirstHour || moment.hour > kLastHour) return MomentFault::HourOutOfRange;
    const std::optional<calendar::DateTime> day = DayOf(moment);
    if (!day) return MomentFault::None;
    if (!calendar::AcceptedDay(*day)) return MomentFault::DayOutsideCalendar;
    if (!calendar::AcceptedDay(CastDay(*day, moment.hour))) return MomentFault::NextDayOutsideCalendar;
    return MomentFault::None;
}

MomentFault LunarFaultOf(const Moment& moment) {
    if (const MomentFault fault = FaultOf(moment); fault != MomentFault::None) return fault;
    const std::optional<calendar::DateTime> day = DayOf(moment);
    if (day && calendar::SolarToLunar(CastDay(*day, moment.hour), moment.rule).year == 0) {
        return MomentFault::NoLunarDate;
    }
    return MomentFault::None;
}

std::string FaultText(MomentFault fault) {
    switch (fault) {
        case MomentFault::None: return {};
        case MomentFault::HourOutOfRange:
            return "参数错误：时须在" + std::to_string(kFirstHour) + "到" + std::to_string(kLastHour) + "之间！";
        case MomentFault::DayOutsideCalendar: return "参数错误：日期须在" + CalendarRange() + "之间！";
        case MomentFault::NextDayOutsideCalendar:
            return "参数错误：23时是次日的子时，次日已超出" + CalendarRange() + "的历法范围！";
        case MomentFault::NoLunarDate:
            return N_("参数错误：1900年1月31日之前没有农历日期，传统起卦要用农历月日，请改用其他起卦方式！");
    }
    return {};
}

}  // namespace casting
