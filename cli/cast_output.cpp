#include "cast_output.h"

#include <cstdio>

#include "json_writer.h"
#include "text/gbk_utf8.h"

namespace cli {

namespace {

void WriteReading(JsonWriter& json, const ReadingResult& r) {
    json.BeginObject();
    json.Key("body").Number(r.body).Key("use").Number(r.use);
    json.Key("use_is_upper").Bool(r.useIsUpper);
    json.Key("relations").BeginArray();
    for (const ReadingResult::Relation& row : r.relations) {
        json.BeginObject().Key("heading").String(row.heading).Key("trigram").Number(row.trigram);
        json.Key("element").String(row.element).Key("word").String(row.word).EndObject();
    }
    json.EndArray();
    json.Key("verdict").String(r.verdict);
    json.Key("month_element").String(r.monthElement).Key("strength").String(r.strength);
    json.Key("texts").BeginObject();
    json.Key("primary").BeginObject().Key("name").String(r.primary.name);
    json.Key("judgment").String(r.primary.judgment).EndObject();
    json.Key("changed").BeginObject().Key("name").String(r.changed.name);
    json.Key("judgment").String(r.changed.judgment).EndObject();
    json.Key("moving_line").BeginObject().Key("label").String(r.movingLabel);
    json.Key("text").String(r.movingText).EndObject();
    json.EndObject();
    json.EndObject();
}

}  // namespace

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
    json.Key("calendar").String(calendar::CalendarRuleName(c.rule));

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
    json.Key("reading");
    if (result.reading) {
        WriteReading(json, *result.reading);
    } else {
        json.Null();
    }
    json.EndObject();
    return json.Text();
}

std::string ErrorJson(const std::string& message) {
    JsonWriter json;
    json.BeginObject().Key("error").String(message).EndObject();
    return json.Text();
}

}  // namespace cli
