#include "cast_request.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <type_traits>

#include "calendar/date_rule.h"
#include "casting/moment_check.h"
#include "messages/catalog.h"
#include "places/place_list.h"
#include "text/gbk_utf8.h"

namespace pipeline {
namespace {

using namespace std::chrono;
using messages::Formatted;
using messages::Translated;

// The window's question field holds at most this many bytes of GBK.
constexpr std::size_t kQuestionMaxBytes = 50;

// The first and last days the calendar takes, as the refusals name them.
constexpr year_month_day kFirstDay{year{calendar::kFirstYear}, January, day{1}};
constexpr year_month_day kLastDay{year{calendar::kLastYear}, December, day{31}};

std::string DateText(const year_month_day& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(d.year()), static_cast<unsigned>(d.month()),
                  static_cast<unsigned>(d.day()));
    return text;
}

std::string MethodKeys() {
    std::string keys;
    for (const MethodName& m : kMethods) keys += (keys.empty() ? "" : ", ") + std::string(m.key);
    return keys;
}

// The number of minDigits..maxDigits decimal digits at the front of `text`,
// which is left behind it.
std::optional<int> TakeNumber(std::string_view& text, std::size_t minDigits, std::size_t maxDigits) {
    const std::size_t end = std::min(text.find_first_not_of("0123456789"), text.size());
    if (end < minDigits || end > maxDigits) return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + end, value);
    text.remove_prefix(end);
    return value;
}

bool TakeDash(std::string_view& text) {
    if (text.empty() || text.front() != '-') return false;
    text.remove_prefix(1);
    return true;
}

// The date rule, as the engine has it: the day cast, and for hour 23 the
// next day, whose 子 hour it is, must lie within the calendar's range. Any
// other day would quietly be cast on the previous one.
std::optional<Refusal> RefuseOutOfRange(const DateFields& date, int hour) {
    const year_month_day asked{year{date.year}, month{static_cast<unsigned>(date.month)},
                               day{static_cast<unsigned>(date.day)}};
    // The range's texts only for a refusal: a batch checks every line.
    const auto first = [] { return DateText(kFirstDay); };
    const auto last = [] { return DateText(kLastDay); };
    switch (casting::FaultOf({date.year, date.month, date.day, hour})) {
        case casting::MomentFault::DayOutsideCalendar:
            return Refusal{Formatted(Translated("date %s lies outside %s to %s"), DateText(asked).c_str(),
                                     first().c_str(), last().c_str())};
        case casting::MomentFault::NextDayOutsideCalendar:
            return Refusal{Formatted(Translated("hour 23 of %s belongs to %s, outside %s to %s"), DateText(asked).c_str(),
                                     DateText(year_month_day{sys_days{asked} + days{1}}).c_str(), first().c_str(),
                                     last().c_str())};
        default:
            // The hour is checked with the other numbers; a day that does
            // not exist the engine names.
            return std::nullopt;
    }
}

// The GBK form of a text field; refuses what GBK cannot hold, naming it,
// and control characters, which would break the report's lines.
std::variant<std::string, Refusal> GbkField(const char* key, const std::optional<std::string>& value) {
    if (!value) return std::string();
    if (std::any_of(value->begin(), value->end(), [](char c) { return (c >= 0 && c < 0x20) || c == 0x7F; })) {
        return Refusal{Formatted(Translated("%s holds a control character"), key)};
    }
    text::StrictGbk converted = text::GbkFromUtf8Strict(*value);
    if (!converted.ok()) {
        return Refusal{Formatted(Translated("%s holds '%s', which GBK cannot hold"), key, converted.unheld.c_str())};
    }
    return std::move(converted.gbk);
}

// A place several share offers at most this many of its qualified names.
constexpr std::size_t kPlacesOffered = 5;

// The place named in the list, refusing a name the list lacks and a bare
// name several places share, with the names that tell them apart.
std::variant<const places::Place*, Refusal> PlaceOf(const std::string& utf8Name) {
    auto gbk = GbkField("place", utf8Name);
    if (auto* refusal = std::get_if<Refusal>(&gbk)) return *refusal;
    const std::vector<const places::Place*> found = places::PlacesCalled(std::get<std::string>(gbk));
    if (found.empty()) return Refusal{Formatted(Translated("unknown place '%s'"), utf8Name.c_str())};
    if (found.size() == 1) return found.front();
    std::string offered;
    for (std::size_t k = 0; k < std::min(found.size(), kPlacesOffered); ++k) {
        offered += (k == 0 ? "" : ", ") + text::Utf8FromGbk(found[k]->name);
    }
    if (found.size() > kPlacesOffered) offered += ", ...";
    return Refusal{Formatted(Translated("place '%s' is shared by %zu places; name one: %s"), utf8Name.c_str(),
                             found.size(), offered.c_str())};
}

// The corrections asked for, without the zone's rules, which the casting
// road applies.
std::variant<moment::MomentOptions, Refusal> CheckedMomentOptions(const CastRequest& r) {
    moment::MomentOptions options;
    options.trueSolarTime = r.trueSolarTime;
    options.summerTime = r.summerTime;
    if (r.place) {
        if (!r.trueSolarTime) return Refusal{Translated("place is read only with true_solar_time")};
        if (r.longitude) return Refusal{Translated("give place or longitude, not both: the place has its own longitude")};
        auto place = PlaceOf(*r.place);
        if (auto* refusal = std::get_if<Refusal>(&place)) return *refusal;
        const places::Place& p = *std::get<const places::Place*>(place);
        options.longitude = p.longitude;
        options.zone = p.zone;
        options.placeName = p.name;
    } else if (r.longitude) {
        if (!r.trueSolarTime) return Refusal{Translated("longitude is read only with true_solar_time")};
        if (!(*r.longitude >= moment::kWestmostLongitude && *r.longitude <= moment::kEastmostLongitude)) {
            return Refusal{Formatted(Translated("longitude must be -180 to 180 (east positive), not %g"), *r.longitude)};
        }
        options.longitude = r.longitude;
    } else if (r.trueSolarTime) {
        return Refusal{Translated("true_solar_time needs the longitude of the place (or the place)")};
    }
    return options;
}

// The conventions the request names; the defaults for those it omits.
std::variant<casting::Conventions, Refusal> CheckedConventions(const CastRequest& r) {
    casting::Conventions conventions;
    const std::optional<std::string>* given[] = {&r.zi, &r.pillarBoundary, &r.yearNumber, &r.strength};
    const std::optional<std::string>* const* next = given;
    std::optional<Refusal> refusal;
    casting::VisitChoices(conventions, [&](auto& choice) {
        using Choice = std::decay_t<decltype(choice)>;
        const std::optional<std::string>& value = **next++;
        if (!value || refusal) return;
        if (const auto named = casting::ChoiceNamed<Choice>(*value)) {
            choice = *named;
        } else {
            refusal = Refusal{Formatted(Translated("%s must be %s, not '%s'"), casting::ChoiceKeysOf<Choice>::kKey,
                                        casting::ChoiceKeys<Choice>().c_str(), value->c_str())};
        }
    });
    if (refusal) return *refusal;
    return conventions;
}

std::variant<int, Refusal> CheckedNumber(const char* key, const std::optional<long long>& value, int fallback, int low,
                                         int high) {
    if (!value) return fallback;
    if (*value < low || *value > high) {
        return Refusal{Formatted(Translated("%s must be %d to %d, not %lld"), key, low, high, *value)};
    }
    return static_cast<int>(*value);
}

// Refuses inputs the method does not read: a command line that names them
// expects them to count.
std::optional<Refusal> RefuseUnread(const CastRequest& r, const MethodName& method) {
    if (r.text && method.input != MethodInput::Text) {
        return Refusal{Formatted(Translated("the %s method reads no text"), method.key)};
    }
    const bool trigrams = r.upper || r.lower || r.line;
    if (trigrams && method.input != MethodInput::Trigrams) {
        return Refusal{Translated("only the manual method reads upper, lower and line")};
    }
    if (method.input == MethodInput::Trigrams && !(r.upper && r.lower && r.line)) {
        return Refusal{Translated("the manual method needs upper, lower and line")};
    }
    return std::nullopt;
}

}  // namespace

std::optional<DateFields> ParseDate(std::string_view text) {
    const auto y = TakeNumber(text, 4, 4);
    if (!y || !TakeDash(text)) return std::nullopt;
    const auto m = TakeNumber(text, 1, 2);
    if (!m || !TakeDash(text)) return std::nullopt;
    const auto d = TakeNumber(text, 1, 2);
    if (!d || !text.empty()) return std::nullopt;
    return DateFields{*y, *m, *d};
}

moment::ClockReading ClockOf(const Casting& c) { return {c.year, c.month, c.day, c.hour, c.minute, 0}; }

const MethodName& NameOf(Method method) { return kMethods[static_cast<std::size_t>(method)]; }

const std::array<TextField, 12> kTextFields{{
    {"name", &CastRequest::name, N_("the person's name")},
    {"sex", &CastRequest::sex, N_("男 or 女")},
    {"age", &CastRequest::age, N_("the person's age, printed as given")},
    {"date", &CastRequest::date, N_("the Gregorian date, YYYY-MM-DD, 1900-01-01 to 2100-12-31 (default today)")},
    {"method", &CastRequest::method, N_("the casting method (default traditional)")},
    {"text", &CastRequest::text, N_("the question (at most 50 bytes of GBK), the character or the number")},
    {"calendar", &CastRequest::calendar, N_("table (the built-in lunar table, default) or astronomical (the true sky)")},
    {"place", &CastRequest::place,
     N_("with true_solar_time: a place from the list (喀什, 朝阳区（北京）), giving its longitude and zone")},
    {"zi", &CastRequest::zi,
     N_("the 子 hour 23:00-24:00: next-day (default; the date moves on), split (早晚子: day stays, hour pillar is the "
         "next day's) or midnight (the day turns at 0:00)")},
    {"pillar_boundary", &CastRequest::pillarBoundary,
     N_("where year and month pillars change: mixed (default; year at 立春's moment against the day's midnight, month "
         "at its term's day), day (both at their term's day) or moment (both at their term's moment)")},
    {"year_number", &CastRequest::yearNumber,
     N_("the year 传统起卦 counts: pillar (default; the year pillar's branch) or lunar (the lunar year's branch)")},
    {"strength", &CastRequest::strength,
     N_("the body's strength by month (default; the month branch) or season (土 the 18 days before each 立)")},
}};

const std::array<NumberField, 5> kNumberFields{{
    {"hour", &CastRequest::hour, N_("the clock hour, 0 to 23 (default now)")},
    {"minute", &CastRequest::minute, N_("the clock minute, 0 to 59 (clock method: default now)")},
    {"upper", &CastRequest::upper, N_("manual method: the upper trigram, 1 to 8 (乾兑离震巽坎艮坤)")},
    {"lower", &CastRequest::lower, N_("manual method: the lower trigram, 1 to 8")},
    {"line", &CastRequest::line, N_("manual method: the moving line, 1 (bottom) to 6")},
}};

LocalTime LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

std::variant<Casting, Refusal> Check(const CastRequest& r, const LocalTime& now) {
    Casting casting;
    const std::string methodKey = r.method.value_or(NameOf(Method::Traditional).key);
    const auto method =
        std::find_if(kMethods.begin(), kMethods.end(), [&](const MethodName& m) { return methodKey == m.key; });
    if (method == kMethods.end()) {
        return Refusal{Formatted(Translated("unknown method '%s'; the methods are %s"), methodKey.c_str(),
                                 MethodKeys().c_str())};
    }
    casting.method = method->method;
    casting.record = r.record;
    if (auto refusal = RefuseUnread(r, *method)) return *refusal;
    auto options = CheckedMomentOptions(r);
    if (auto* refusal = std::get_if<Refusal>(&options)) return *refusal;
    casting.momentOptions = std::get<moment::MomentOptions>(std::move(options));
    const bool corrected = casting.momentOptions.AnyOn();

    if (r.sex && *r.sex != "男" && *r.sex != "女") {
        return Refusal{Formatted(Translated("sex must be 男 or 女, not '%s'"), r.sex->c_str())};
    }
    if (r.calendar) {
        const auto rule = calendar::CalendarRuleNamed(*r.calendar);
        if (!rule) {
            return Refusal{Formatted(Translated("calendar must be table or astronomical, not '%s'"), r.calendar->c_str())};
        }
        casting.rule = *rule;
    }
    auto conventions = CheckedConventions(r);
    if (auto* refusal = std::get_if<Refusal>(&conventions)) return *refusal;
    casting.conventions = std::get<casting::Conventions>(conventions);
    const struct {
        const char* key;
        const std::optional<std::string>& value;
        std::string& gbk;
    } texts[] = {{"name", r.name, casting.name},
                 {"sex", r.sex, casting.sex},
                 {"age", r.age, casting.age},
                 {"text", r.text, casting.text}};
    for (const auto& field : texts) {
        auto converted = GbkField(field.key, field.value);
        if (auto* refusal = std::get_if<Refusal>(&converted)) return *refusal;
        field.gbk = std::get<std::string>(std::move(converted));
    }
    if (casting.method == Method::Question && casting.text.size() > kQuestionMaxBytes) {
        return Refusal{Formatted(Translated("the question takes at most %zu bytes of GBK, not %zu"), kQuestionMaxBytes,
                                 casting.text.size())};
    }

    DateFields date{now.year, now.month, now.day};
    if (r.date) {
        const auto parsed = ParseDate(*r.date);
        if (!parsed) return Refusal{Formatted(Translated("date must be YYYY-MM-DD, not '%s'"), r.date->c_str())};
        date = *parsed;
    }
    const bool clock = method->input == MethodInput::Clock;
    const struct {
        const char* key;
        const std::optional<long long>& value;
        int fallback, low, high;
        int& number;
    } numbers[] = {
        {"hour", r.hour, now.hour, casting::kFirstHour, casting::kLastHour, casting.hour},
        {"minute", r.minute, clock || (corrected && !r.hour) ? now.minute : 0, 0, 59, casting.minute},
        {"upper", r.upper, 0, 1, 8, casting.upper},
        {"lower", r.lower, 0, 1, 8, casting.lower},
        {"line", r.line, 0, 1, 6, casting.line},
    };
    for (const auto& field : numbers) {
        auto checked = CheckedNumber(field.key, field.value, field.fallback, field.low, field.high);
        if (auto* refusal = std::get_if<Refusal>(&checked)) return *refusal;
        field.number = std::get<int>(checked);
    }
    casting.minuteKnown = r.minute || clock || corrected;
    // A corrected casting's hour may move to another day: the road checks
    // the hour 23 rule on the moment cast from.
    if (auto refusal = RefuseOutOfRange(date, corrected ? casting::kFirstHour : casting.hour)) return *refusal;
    casting.year = date.year;
    casting.month = date.month;
    casting.day = date.day;
    return casting;
}

}  // namespace pipeline
