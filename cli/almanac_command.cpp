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
#include "text/gbk_utf8.h"

namespace cli {
namespace {

using namespace std::chrono;
using messages::Formatted;
using messages::Translated;

std::string Utf8(std::string_view gbk) { return text::Utf8FromGbk(gbk); }

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

void OptionalString(JsonWriter& json, const std::optional<std::string>& text, const OutputScript& script) {
    if (text) {
        json.String(script.Text(*text));
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
    json.Key("year").String(script.Text(a.yearPillar)).Key("month").String(script.Text(a.monthPillar));
    json.Key("day").String(script.Text(a.dayPillar)).EndObject();
    json.Key("zhixing").String(script.Text(a.officer));
    json.Key("xiu").String(script.Text(a.mansion)).Key("xiu_luck").String(script.Text(a.mansionLuck));
    json.Key("chong").BeginObject().Key("stem_branch").String(script.Text(a.clashPillar));
    json.Key("animal").String(script.Text(a.clashAnimal)).EndObject();
    json.Key("sha").String(script.Text(a.sha));
    json.Key("pengzu").BeginArray().String(script.Text(a.stemTaboo)).String(script.Text(a.branchTaboo)).EndArray();
    json.Key("tianshen").String(script.Text(a.spirit)).Key("tianshen_type").String(script.Text(a.path));
    json.Key("tai").String(script.Text(a.foetus));
    json.Key("xi").String(script.Text(a.joy)).Key("fu").String(script.Text(a.fortune)).Key("cai").String(script.Text(a.wealth));
    json.Key("shujiu");
    OptionalString(json, a.nines, script);
    json.Key("sanfu");
    OptionalString(json, a.dogDays, script);
    json.Key("hours").BeginArray();
    for (const almanac::HourAlmanac& hour : a.hours) {
        json.BeginObject().Key("branch").String(script.Text(hour.branch)).Key("stem_branch").String(script.Text(hour.stemBranch));
        json.Key("tianshen").String(script.Text(hour.spirit)).Key("tianshen_type").String(script.Text(hour.path)).EndObject();
    }
    json.EndArray().EndObject();
    return json.Text();
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
            out << (day == first ? "" : "\n") << request.script.TextOfUtf8(AlmanacText(day, a));
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
