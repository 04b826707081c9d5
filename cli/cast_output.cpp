#include "cast_output.h"

#include <utility>

#include "json_writer.h"
#include "liuyao/chart.h"
#include "reading/five_elements.h"
#include "reading/trigrams.h"

namespace cli {

namespace {

void WriteReading(JsonWriter& json, const reading::Reading& r, const OutputScript& script) {
    json.BeginObject();
    json.Key("body").Number(r.body).Key("use").Number(r.use);
    json.Key("use_is_upper").Bool(r.useIsUpper);
    json.Key("relations").BeginArray();
    for (const reading::RelationToBodyRow& row : r.relations) {
        script.Member(json.BeginObject(), "heading", row.heading).Key("trigram").Number(row.trigram);
        script.Member(json, "element", reading::ElementName(row.element));
        script.Member(json, "word", row.word).EndObject();
    }
    json.EndArray();
    script.Member(json, "verdict", r.verdict);
    script.Member(json, "month_element", reading::ElementName(r.monthElement));
    script.Member(json, "strength", reading::StrengthName(r.strength));
    // The classics are quoted, in either script, as their data has them:
    // written as they are, never converted.
    const pipeline::TraditionalClassics classics = script.Classics(r);
    json.Key("texts").BeginObject();
    json.Key("primary").BeginObject().Key("name").GbkString(classics.primary.name);
    json.Key("judgment").GbkString(classics.primary.judgment).EndObject();
    json.Key("changed").BeginObject().Key("name").GbkString(classics.changed.name);
    json.Key("judgment").GbkString(classics.changed.judgment).EndObject();
    json.Key("moving_line").BeginObject().Key("label").GbkString(classics.movingStatement.label);
    json.Key("text").GbkString(classics.movingStatement.text).EndObject();
    json.EndObject();
    json.EndObject();
}

void WritePlaced(JsonWriter& json, const liuyao::PlacedBranch& placed, const OutputScript& script) {
    script.Member(json, "stem_branch", liuyao::StemBranchName(placed.stemBranch));
    script.Member(json, "element", reading::ElementName(placed.element));
    script.Member(json, "relation", liuyao::KinName(placed.kin));
}

void WriteChart(JsonWriter& json, const liuyao::Chart& chart, const OutputScript& script) {
    json.BeginObject();
    script.Member(json, "palace", reading::TrigramName(chart.palace.trigram));
    script.Member(json, "element", reading::ElementName(chart.element));
    script.Member(json, "generation", liuyao::GenerationName(chart.palace.generation));
    json.Key("shi").Number(chart.shi).Key("ying").Number(chart.ying);
    json.Key("void").BeginArray();
    for (int branch : chart.voidBranches) script.String(json, liuyao::BranchName(branch));
    json.EndArray();
    json.Key("lines").BeginArray();
    for (const liuyao::ChartLine& line : chart.lines) {
        json.BeginObject();
        WritePlaced(json, line.placed, script);
        script.Member(json, "spirit", liuyao::SpiritName(line.spirit)).Key("void").Bool(line.isVoid);
        json.Key("hidden");
        if (line.hidden) {
            json.BeginObject();
            WritePlaced(json, *line.hidden, script);
            json.EndObject();
        } else {
            json.Null();
        }
        json.EndObject();
    }
    json.EndArray();
    json.Key("changed").BeginObject().Key("line").Number(chart.input.movingLine);
    WritePlaced(json, chart.changed, script);
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
        json.BeginObject().Key("name").GbkString(options.placeName);
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

void WritePillars(JsonWriter& json, const casting::MomentFacts& f, const OutputScript& script) {
    json.Key("pillars").BeginObject();
    script.Member(json, "year", f.YearPillarText);
    script.Member(json, "month", f.MonthPillarText);
    script.Member(json, "day", f.DayPillarText);
    script.Member(json, "hour", f.HourPillarText);
    json.EndObject();
}

// The boundary, its moment to the minute, the minutes from the moment cast
// from to it, and the casting on its other side; on 立春's day, the pillar
// rule that other side is reckoned by.
void WriteBoundary(JsonWriter& json, const pipeline::BoundaryNote& note, const OutputScript& script) {
    json.BeginObject().Key("kind").String(pipeline::BoundaryKey(note.kind));
    if (note.kind == pipeline::BoundaryKind::Term) script.Member(json, "term", note.termName);
    json.Key("moment").String(moment::ClockText(note.moment).substr(0, 16));
    json.Key("minutes").Number(note.minutes);
    if (note.pillarBoundary) json.Key("pillar_boundary").String(casting::KeyOf(*note.pillarBoundary));
    json.Key("other").BeginObject();
    WritePillars(json, note.other.facts, script);
    script.Member(json.Key("hexagrams").BeginObject(), "primary", note.other.primary);
    script.Member(json, "changed", note.other.changed).EndObject();
    json.EndObject().EndObject();
}

}  // namespace

std::string ReportText(const pipeline::Casting& c, const pipeline::CastValues& values, const OutputScript& script) {
    return script.ReportText(values.report, c.name);
}

std::string CastingJson(const pipeline::Casting& c, const pipeline::CastValues& values, const OutputScript& script,
                        std::string before) {
    const std::string date = moment::ClockText(pipeline::ClockOf(c)).substr(0, 10);
    const pipeline::MethodName& method = pipeline::NameOf(c.method);

    JsonWriter json(std::move(before));
    json.BeginObject();
    json.Key("person").BeginObject();
    json.Key("name").GbkString(c.name);
    json.Key("sex").GbkString(c.sex);
    json.Key("age").GbkString(c.age);
    json.EndObject();

    json.Key("moment").BeginObject();
    json.Key("date").String(date).Key("hour").Number(c.hour);
    if (method.input == pipeline::MethodInput::Clock) json.Key("minute").Number(c.minute);
    WriteCastFrom(json, c, values.moment);
    json.EndObject();
    json.Key("calendar").String(calendar::CalendarRuleName(c.rule));

    json.Key("method").BeginObject();
    script.Member(json.Key("key").String(method.key), "name", values.record.MethodText);
    if (method.input == pipeline::MethodInput::Text) json.Key("text").GbkString(c.text);
    if (method.input == pipeline::MethodInput::Trigrams) {
        json.Key("upper").Number(c.upper).Key("lower").Number(c.lower).Key("line").Number(c.line);
    }
    json.EndObject();

    json.Key("lunar_date").BeginObject();
    script.Member(json, "text", values.facts.LunarDate);
    json.Key("month").Number(values.facts.LunarMonth).Key("day").Number(values.facts.LunarDay);
    json.EndObject();

    WritePillars(json, values.facts, script);

    const casting::CastingRecord& r = values.record;
    json.Key("trigrams").BeginObject().Key("upper").Number(r.UpperTrigram).Key("lower").Number(r.LowerTrigram);
    json.EndObject();
    json.Key("moving_line").Number(r.MovingLine);

    json.Key("hexagrams").BeginObject();
    const char* hexagramKeys[] = {"primary", "nuclear", "changed", "opposite", "reversed"};
    for (std::size_t k = 0; k < values.hexagrams.size(); ++k) {
        script.Member(json.Key(hexagramKeys[k]).BeginObject(), "name", values.hexagrams[k].name);
        json.Key("lines").BeginArray();
        for (int value : values.hexagrams[k].lines) json.Number(value);
        json.EndArray().EndObject();
    }
    json.EndObject();

    json.Key("report").BeginArray();
    script.WriteReport(json, values.report, c.name);
    json.EndArray();
    json.Key("reading");
    if (values.reading) {
        WriteReading(json, *values.reading, script);
    } else {
        json.Null();
    }
    json.Key("liuyao");
    if (values.chart) {
        WriteChart(json, *values.chart, script);
    } else {
        json.Null();
    }
    json.Key("warnings").BeginArray();
    for (const std::string& warning : values.moment.warnings) script.StringOfUtf8(json, warning);
    json.EndArray();
    json.Key("counted_as").BeginArray();
    for (const pipeline::CountedAs& pair : values.countedAs) {
        // The person's characters and those counted in their place, as they are.
        json.BeginObject().Key("entered").GbkString(pair.entered).Key("counted").GbkString(pair.counted);
        json.EndObject();
    }
    json.EndArray();
    WriteConventions(json, c.conventions);
    json.Key("boundaries").BeginArray();
    for (const pipeline::BoundaryNote& note : values.boundaries) WriteBoundary(json, note, script);
    json.EndArray();
    json.EndObject();
    return json.Take();
}

std::string ErrorJson(const std::string& message, std::string before) {
    JsonWriter json(std::move(before));
    json.BeginObject().Key("error").String(message).EndObject();
    return json.Take();
}

}  // namespace cli
