#include "cast_output.h"

#include <cstdio>

#include "text/gbk_utf8.h"

namespace cli {

std::string ReportText(const CastResult& result) {
    std::string text;
    for (const std::string& line : result.report) text += line + "\n";
    return text;
}

nlohmann::ordered_json CastingJson(const Casting& c, const CastResult& result) {
    using json = nlohmann::ordered_json;
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", c.year, c.month, c.day);
    const MethodName& method = NameOf(c.method);

    json moment = {{"date", date}, {"hour", c.hour}};
    json methodObject = {{"key", method.key}, {"name", result.methodText}};
    switch (method.input) {
        case MethodInput::None:
            break;
        case MethodInput::Text:
            methodObject["text"] = text::Utf8FromGbk(c.text);
            break;
        case MethodInput::Trigrams:
            methodObject.update({{"upper", c.upper}, {"lower", c.lower}, {"line", c.line}});
            break;
        case MethodInput::Clock:
            moment["minute"] = c.minute;
            break;
    }
    json hexagrams = json::object();
    const char* hexagramKeys[] = {"primary", "nuclear", "changed", "opposite", "reversed"};
    for (std::size_t k = 0; k < result.hexagrams.size(); ++k) {
        hexagrams[hexagramKeys[k]] = {{"name", result.hexagrams[k].name}, {"lines", result.hexagrams[k].lines}};
    }
    return {
        {"person",
         {{"name", text::Utf8FromGbk(c.name)}, {"sex", text::Utf8FromGbk(c.sex)}, {"age", text::Utf8FromGbk(c.age)}}},
        {"moment", std::move(moment)},
        {"method", std::move(methodObject)},
        {"lunar_date", {{"text", result.lunarDate}, {"month", result.lunarMonth}, {"day", result.lunarDay}}},
        {"pillars",
         {{"year", result.pillars[0]},
          {"month", result.pillars[1]},
          {"day", result.pillars[2]},
          {"hour", result.pillars[3]}}},
        {"trigrams", {{"upper", result.upper}, {"lower", result.lower}}},
        {"moving_line", result.movingLine},
        {"hexagrams", std::move(hexagrams)},
        {"report", result.report},
        // Left for the reading of the five hexagrams once there is one.
        {"reading", nullptr},
    };
}

std::string JsonLine(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace cli
