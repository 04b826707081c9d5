#include "cast_output.h"

#include <cstdio>

#include "json_writer.h"
#include "text/gbk_utf8.h"

namespace cli {

std::string ReportText(const CastResult& result) {
    std::string text;
    for (const std::string& line : result.report) text += line + "\n";
    return text;
}

std::string CastingJson(const Casting& c, const CastResult& result) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", c.year, c.month, c.day);
    const MethodName& method = NameOf(c.method);

    JsonWriter json;
    json.BeginObject();
    json.Key("person").BeginObject();
    json.Key("name").String(text::Utf8FromGbk(c.name));
    json.Key("sex").String(text::Utf8FromGbk(c.sex));
    json.Key("age").String(text::Utf8FromGbk(c.age));
    json.EndObject();

    json.Key("moment").BeginObject();
    json.Key("date").String(date).Key("hour").Number(c.hour);
    if (method.input == MethodInput::Clock) json.Key("minute").Number(c.minute);
    json.EndObject();

    json.Key("method").BeginObject();
    json.Key("key").String(method.key).Key("name").String(result.methodText);
    if (method.input == MethodInput::Text) json.Key("text").String(text::Utf8FromGbk(c.text));
    if (method.input == MethodInput::Trigrams) {
        json.Key("upper").Number(c.upper).Key("lower").Number(c.lower).Key("line").Number(c.line);
    }
    json.EndObject();

    json.Key("lunar_date").BeginObject();
    json.Key("text").String(result.lunarDate);
    json.Key("month").Number(result.lunarMonth).Key("day").Number(result.lunarDay);
    json.EndObject();

    json.Key("pillars").BeginObject();
    const char* pillarKeys[] = {"year", "month", "day", "hour"};
    for (std::size_t k = 0; k < result.pillars.size(); ++k) json.Key(pillarKeys[k]).String(result.pillars[k]);
    json.EndObject();

    json.Key("trigrams").BeginObject().Key("upper").Number(result.upper).Key("lower").Number(result.lower).EndObject();
    json.Key("moving_line").Number(result.movingLine);

    json.Key("hexagrams").BeginObject();
    const char* hexagramKeys[] = {"primary", "nuclear", "changed", "opposite", "reversed"};
    for (std::size_t k = 0; k < result.hexagrams.size(); ++k) {
        json.Key(hexagramKeys[k]).BeginObject().Key("name").String(result.hexagrams[k].name);
        json.Key("lines").BeginArray();
        for (int value : result.hexagrams[k].lines) json.Number(value);
        json.EndArray().EndObject();
    }
    json.EndObject();

    json.Key("report").BeginArray();
    for (const std::string& line : result.report) json.String(line);
    json.EndArray();
    // Left for the reading of the five hexagrams once there is one.
    json.Key("reading").Null();
    json.EndObject();
    return json.Text();
}

std::string ErrorJson(const std::string& message) {
    JsonWriter json;
    json.BeginObject().Key("error").String(message).EndObject();
    return json.Text();
}

}  // namespace cli
