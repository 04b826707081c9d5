#include "almanac_command.h"

#include <chrono>
#include <cstdio>
#include <ostream>
#include <variant>

#include "almanac/almanac_lines.h"
#include "almanac/day_almanac.h"
#include "command_line.h"
#include "json_writer.h"
#include "messages/catalog.h"
#include "text/gbk_tables.h"

namespace cli {
namespace {

using namespace std::chrono;
using messages::Formatted;
using messages::Translated;

std::string Utf8(std::string_view gbk) { return text::tables::Utf8FromGbk(gbk); }

std::string DateText(sys_days day) {
    const year_month_day d{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(d.year()), static_cast<unsigned>(d.month()),
                  static_cast<unsigned>(d.day()));
    return text;
}

struct Refused {
    std::string message;
};

// The day `text` names within the calendar's range, or why not.
std::variant<sys_days, Refused> DayNamed(const char* option, const std::string& text) {
    const auto fields = pipeline::ParseDate(text);
    if (!fields) return Refused{Formatted(Translated("%s must be YYYY-MM-DD, not '%s'"), option, text.c_str())};
    const year_month_day ymd{year{fields->year}, month{static_cast<unsigned>(fields->month)},
                             day{static_cast<unsigned>(fields->day)}};
    if (!ymd.ok()) return Refused{Formatted(Translated("%s '%s' is not a day"), option, text.c_str())};
    const sys_days d{ymd};
    if (d < almanac::kFirstDay || d > almanac::kLastDay) {
        return Refused{Formatted(Translated("%s %s lies outside %s to %s"), option, DateText(d).c_str(),
                                 DateText(almanac::kFirstDay).c_str(), DateText(almanac::kLastDay).c_str())};
    }
    return d;
}

void WriteText(std::string_view label, const std::string& value, std::string& out) {
    out.append(label).append("  ").append(value).push_back('\n');
}

std::string AlmanacText(sys_days day, const almanac::DayAlmanac& a) {
    std::string out = DateText(day) + " " + Utf8(a.weekday);
    if (!a.lunarDate.empty()) out += "  农历" + Utf8(a.lunarDate);
    out += '\n';
    for (const almanac::AlmanacLine& line : almanac::AlmanacLines(a)) {
        WriteText(Utf8(line.label), Utf8(line.value), out);
    }
    for (std::size_t i = 0; i < a.hours.size(); ++i) {
        const almanac::HourAlmanac& hour = a.hours[i];
        WriteText(i == 0 ? "时辰" : "    ",
                  Utf8(hour.branch) + "时 " + Utf8(hour.stemBranch) + " " + Utf8(hour.spirit) + " " + Utf8(hour.path),
                  out);
    }
    return out;
}

// A text of the almanac's (GBK) in `script`, or null.
void OptionalString(JsonWriter& json, const std::optional<std::string>& text, const OutputScript& script) {
    if (text) {
        script.String(json, *text);
    } else {
        json.Null();
    }
}

std::string AlmanacJson(sys_days day, const almanac::DayAlmanac& a, const OutputScript& script) {
    JsonWriter json;
    json.BeginObject().Key("date").String(DateText(day));
    json.Key("lunar_date");
    OptionalString(json, a.lunarDate.empty() ? std::nullopt : std::optional(a.lunarDate), script);
    json.Key("pillars").BeginObject();
    script.Member(json, "year", a.yearPillar);
    script.Member(json, "month", a.monthPillar);
    script.Member(json, "day", a.dayPillar).EndObject();
    script.Member(json, "zhixing", a.officer);
    script.Member(json, "xiu", a.mansion);
    script.Member(json, "xiu_luck", a.mansionLuck);
    script.Member(json.Key("chong").BeginObject(), "stem_branch", a.clashPillar);
    script.Member(json, "animal", a.clashAnimal).EndObject();
    script.Member(json, "sha", a.sha);
    json.Key("pengzu").BeginArray();
    script.String(json, a.stemTaboo);
    script.String(json, a.branchTaboo).EndArray();
    script.Member(json, "tianshen", a.spirit);
    script.Member(json, "tianshen_type", a.path);
    script.Member(json, "tai", a.foetus);
    script.Member(json, "xi", a.joy);
    script.Member(json, "fu", a.fortune);
    script.Member(json, "cai", a.wealth);
    json.Key("shujiu");
    OptionalString(json, a.nines, script);
    json.Key("sanfu");
    OptionalString(json, a.dogDays, script);
    json.Key("hours").BeginArray();
    for (const almanac::HourAlmanac& hour : a.hours) {
        script.Member(json.BeginObject(), "branch", hour.branch);
        script.Member(json, "stem_branch", hour.stemBranch);
        script.Member(json, "tianshen", hour.spirit);
        script.Member(json, "tianshen_type", hour.path).EndObject();
    }
    json.EndArray().EndObject();
    return json.Take();
}

// The first and last day asked for, or why they cannot be.
std::variant<std::pair<sys_days, sys_days>, Refused> DaysAsked(const AlmanacRequest& r,
                                                               const pipeline::LocalTime& today) {
    if (r.date && (r.from || r.to)) return Refused{Translated("--almanac takes --date or --from and --to, not both")};
    if (r.from.has_value() != r.to.has_value()) return Refused{Translated("--from and --to go together")};
    if (r.from) {
        const auto first = DayNamed("--from", *r.from);
        if (const auto* refused = std::get_if<Refused>(&first)) return *refused;
        const auto last = DayNamed("--to", *r.to);
        if (const auto* refused = std::get_if<Refused>(&last)) return *refused;
        if (std::get<sys_days>(last) < std::get<sys_days>(first)) {
            return Refused{Formatted(Translated("--to %s comes before --from %s"), r.to->c_str(), r.from->c_str())};
        }
        return std::pair{std::get<sys_days>(first), std::get<sys_days>(last)};
    }
    char todayText[16];
    std::snprintf(todayText, sizeof todayText, "%04d-%02d-%02d", today.year, today.month, today.day);
    const auto day = DayNamed("--date", r.date.value_or(todayText));
    if (const auto* refused = std::get_if<Refused>(&day)) return *refused;
    return std::pair{std::get<sys_days>(day), std::get<sys_days>(day)};
}

}  // namespace

int PrintAlmanac(const AlmanacRequest& request, const pipeline::LocalTime& today, std::ostream& out,
                 std::ostream& err) {
    const auto rule = calendar::CalendarRuleNamed(request.calendar.value_or("table"));
    if (!rule) {
        err << "yaopan-cast: "
            << Formatted(Translated("calendar must be table or astronomical, not '%s'"), request.calendar->c_str()) << '\n';
        return kExitBadInput;
    }
    const auto asked = DaysAsked(request, today);
    if (const auto* refused = std::get_if<Refused>(&asked)) {
        err << "yaopan-cast: " << refused->message << '\n';
        return kExitBadInput;
    }
    const auto [first, last] = std::get<std::pair<sys_days, sys_days>>(asked);
    for (sys_days day = first; day <= last && out; day += days{1}) {
        // Every day of the range has its almanac: the range was checked.
        const almanac::DayAlmanac a = *almanac::AlmanacOf(day, *rule);
        if (request.json) {
            out << AlmanacJson(day, a, request.script) << '\n';
        } else {
            // Every word of the day's text is the program's: it converts whole.
            request.script.Put(out << (day == first ? "" : "\n"), AlmanacText(day, a));
        }
    }
    out.flush();
    if (!out) {
        err << "yaopan-cast: " << Translated("standard output failed") << '\n';
        return kExitInputOutput;
    }
    return 0;
}

}  // namespace cli
