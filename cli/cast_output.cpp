#include "cast_output.h"

#include <cstdio>

#include "json_writer.h"
#include "liuyao/chart.h"
#include "reading/five_elements.h"
#include "reading/trigrams.h"
#include "text/gbk_utf8.h"

namespace cli {

namespace {

std::string Utf8(std::string_view gbk) { return text::Utf8FromGbk(gbk); }

void WriteReading(JsonWriter& json, const reading::Reading& r) {
    json.BeginObject();
    json.Key("body").Number(r.body).Key("use").Number(r.use);
    json.Key("use_is_upper").Bool(r.useIsUpper);
    json.Key("relations").BeginArray();
    for (const reading::RelationToBodyRow& row : r.relations) {
        json.BeginObject().Key("heading").String(Utf8(row.heading)).Key("trigram").Number(row.trigram);
        json.Key("element").String(Utf8(reading::ElementName(row.element))).Key("word").String(Utf8(row.word));
        json.EndObject();
    }
    json.EndArray();
    json.Key("verdict").String(Utf8(r.verdict));
    json.Key("month_element").String(Utf8(reading::ElementName(r.monthElement)));
    json.Key("strength").String(Utf8(reading::StrengthName(r.strength)));
    json.Key("texts").BeginObject();
    json.Key("primary").BeginObject().Key("name").String(Utf8(r.primary->name));
    json.Key("judgment").String(Utf8(r.primary->judgment)).EndObject();
    json.Key("changed").BeginObject().Key("name").String(Utf8(r.changed->name));
    json.Key("judgment").String(Utf8(r.changed->judgment)).EndObject();
    json.Key("moving_line").BeginObject().Key("label").String(Utf8(r.movingStatement.label));
    json.Key("text").String(Utf8(r.movingStatement.text)).EndObject();
    json.EndObject();
    json.EndObject();
}

void WritePlaced(JsonWriter& json, const liuyao::PlacedBranch& placed) {
    json.Key("stem_branch").String(Utf8(liuyao::StemBranchName(placed.stemBranch)));
    json.Key("element").String(Utf8(reading::ElementName(placed.element)));
    json.Key("relation").String(Utf8(liuyao::KinName(placed.kin)));
}

void WriteChart(JsonWriter& json, const liuyao::Chart& chart) {
    json.BeginObject();
    json.Key("palace").String(Utf8(reading::TrigramName(chart.palace.trigram)));
    json.Key("element").String(Utf8(reading::ElementName(chart.element)));
    json.Key("generation").String(Utf8(liuyao::GenerationName(chart.palace.generation)));
    json.Key("shi").Number(chart.shi).Key("ying").Number(chart.ying);
    json.Key("void").BeginArray();
    for (int branch : chart.voidBranches) json.String(Utf8(liuyao::BranchName(branch)));
    json.EndArray();
    json.Key("lines").BeginArray();
    for (const liuyao::ChartLine& line : chart.lines) {
        json.BeginObject();
        WritePlaced(json, line.placed);
        json.Key("spirit").String(Utf8(liuyao::SpiritName(line.spirit))).Key("void").Bool(line.isVoid);
        json.Key("hidden");
        if (line.hidden) {
            json.BeginObject();
            WritePlaced(json, *line.hidden);
            json.EndObject();
        } else {
            json.Null();
        }
        json.EndObject();
    }
    json.EndArray();
    json.Key("changed").BeginObject().Key("line").Number(chart.input.movingLine);
    WritePlaced(json, chart.changed);
    json.EndObject();
    json.EndObject();
}

// Beside the moment's date and hour: the clock reading as entered, the
// moment cast from, what corrected it, and the place true solar time was
// reckoned at (its name "" for a typed longitude), or null.
void WriteCastFrom(JsonWriter& json, const pipeline::Casting& c, const moment::CorrectedMoment& castFrom) {
    json.Key("clock").String(moment::ClockText(pipeline::ClockOf(c)).substr(0, 16));
    json.Key("cast").String(moment::ClockText(castFrom.castFrom));
    json.Key("corrections").BeginArray();
    for (const moment::Correction& correction : castFrom.corrections) {
        json.BeginObject().Key("kind").String(moment::CorrectionKey(correction.kind));
        json.Key("seconds").Number(correction.seconds).EndObject();
    }
    json.EndArray();
    json.Key("place");
    const moment::MomentOptions& options = c.momentOptions;
    if (options.trueSolarTime && options.longitude) {
        json.BeginObject().Key("name").String(Utf8(options.placeName));
        json.Key("longitude").Real(*options.longitude).Key("zone").String(options.zone).EndObject();
    } else {
        json.Null();
    }
}

void WriteConventions(JsonWriter& json, const casting::Conventions& conventions) {
    json.Key("conventions").BeginObject();
    casting::VisitChoices(conventions, [&json](auto choice) {
        json.Key(casting::ChoiceKeysOf<decltype(choice)>::kKey).String(casting::KeyOf(choice));
    });
    json.EndObject();
}

void WritePillars(JsonWriter& json, const casting::MomentFacts& f) {
    json.Key("pillars").BeginObject();
    json.Key("year").String(Utf8(f.YearPillarText)).Key("month").String(Utf8(f.MonthPillarText));
    json.Key("day").String(Utf8(f.DayPillarText)).Key("hour").String(Utf8(f.HourPillarText));
    json.EndObject();
}

// The boundary, its moment to the minute, the minutes from the moment cast
// from to it, and the casting on its other side; on 立春's day, the pillar
// rule that other side is reckoned by.
void WriteBoundary(JsonWriter& json, const pipeline::BoundaryNote& note) {
    json.BeginObject().Key("kind").String(pipeline::BoundaryKey(note.kind));
    if (note.kind == pipeline::BoundaryKind::Term) json.Key("term").String(Utf8(note.termName));
    json.Key("moment").String(moment::ClockText(note.moment).substr(0, 16));
    json.Key("minutes").Number(note.minutes);
    if (note.pillarBoundary) json.Key("pillar_boundary").String(casting::KeyOf(*note.pillarBoundary));
    json.Key("other").BeginObject();
    WritePillars(json, note.other.facts);
    json.Key("hexagrams").BeginObject().Key("primary").String(Utf8(note.other.primary));
    json.Key("changed").String(Utf8(note.other.changed)).EndObject();
    json.EndObject().EndObject();
}

}  // namespace

std::string ReportText(const pipeline::CastValues& values) {
    std::string text;
    for (const std::string& line : values.report) text += Utf8(line) + "\n";
    return text;
}

std::string CastingJson(const pipeline::Casting& c, const pipeline::CastValues& values) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", c.year, c.month, c.day);
    const pipeline::MethodName& method = pipeline::NameOf(c.method);

    JsonWriter json;
    json.BeginObject();
    json.Key("person").BeginObject();
    json.Key("name").String(text::Utf8FromGbk(c.name));
    json.Key("sex").String(text::Utf8FromGbk(c.sex));
    json.Key("age").String(text::Utf8FromGbk(c.age));
    json.EndObject();

    json.Key("moment").BeginObject();
    json.Key("date").String(date).Key("hour").Number(c.hour);
    if (method.input == pipeline::MethodInput::Clock) json.Key("minute").Number(c.minute);
    WriteCastFrom(json, c, values.moment);
    json.EndObject();
    json.Key("calendar").String(calendar::CalendarRuleName(c.rule));

    json.Key("method").BeginObject();
    json.Key("key").String(method.key).Key("name").String(Utf8(values.record.MethodText));
    if (method.input == pipeline::MethodInput::Text) json.Key("text").String(text::Utf8FromGbk(c.text));
    if (method.input == pipeline::MethodInput::Trigrams) {
        json.Key("upper").Number(c.upper).Key("lower").Number(c.lower).Key("line").Number(c.line);
    }
    json.EndObject();

    json.Key("lunar_date").BeginObject();
    json.Key("text").String(Utf8(values.facts.LunarDate));
    json.Key("month").Number(values.facts.LunarMonth).Key("day").Number(values.facts.LunarDay);
    json.EndObject();

    WritePillars(json, values.facts);

    const casting::CastingRecord& r = values.record;
    json.Key("trigrams").BeginObject().Key("upper").Number(r.UpperTrigram).Key("lower").Number(r.LowerTrigram);
    json.EndObject();
    json.Key("moving_line").Number(r.MovingLine);

    json.Key("hexagrams").BeginObject();
    const char* hexagramKeys[] = {"primary", "nuclear", "changed", "opposite", "reversed"};
    for (std::size_t k = 0; k < values.hexagrams.size(); ++k) {
        json.Key(hexagramKeys[k]).BeginObject().Key("name").String(Utf8(values.hexagrams[k].name));
        json.Key("lines").BeginArray();
        for (int value : values.hexagrams[k].lines) json.Number(value);
        json.EndArray().EndObject();
    }
    json.EndObject();

    json.Key("report").BeginArray();
    for (const std::string& line : values.report) json.String(Utf8(line));
    json.EndArray();
    json.Key("reading");
    if (values.reading) {
        WriteReading(json, *values.reading);
    } else {
        json.Null();
    }
    json.Key("liuyao");
    if (values.chart) {
        WriteChart(json, *values.chart);
    } else {
        json.Null();
    }
    json.Key("warnings").BeginArray();
    for (const std::string& warning : values.moment.warnings) json.String(warning);
    json.EndArray();
    json.Key("counted_as").BeginArray();
    for (const pipeline::CountedAs& pair : values.countedAs) {
        json.BeginObject().Key("entered").String(Utf8(pair.entered)).Key("counted").String(Utf8(pair.counted));
        json.EndObject();
    }
    json.EndArray();
    WriteConventions(json, c.conventions);
    json.Key("boundaries").BeginArray();
    for (const pipeline::BoundaryNote& note : values.boundaries) WriteBoundary(json, note);
    json.EndArray();
    json.EndObject();
    return json.Text();
}

std::string ErrorJson(const std::string& message) {
    JsonWriter json;
    json.BeginObject().Key("error").String(message).EndObject();
    return json.Text();
}

}  // namespace cli
