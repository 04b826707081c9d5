#include "cast_output.h"

#include "json_writer.h"
#include "liuyao/chart.h"
#include "reading/five_elements.h"
#include "reading/trigrams.h"
#include "text/gbk_tables.h"

namespace cli {

namespace {

void WriteReading(JsonWriter& json, const reading::Reading& r) {
    json.BeginObject();
    json.Key("body").Number(r.body).Key("use").Number(r.use);
    json.Key("use_is_upper").Bool(r.useIsUpper);
    json.Key("relations").BeginArray();
    for (const reading::RelationToBodyRow& row : r.relations) {
        json.BeginObject().Key("heading").GbkString(row.heading).Key("trigram").Number(row.trigram);
        json.Key("element").GbkString(reading::ElementName(row.element)).Key("word").GbkString(row.word);
        json.EndObject();
    }
    json.EndArray();
    json.Key("verdict").GbkString(r.verdict);
    json.Key("month_element").GbkString(reading::ElementName(r.monthElement));
    json.Key("strength").GbkString(reading::StrengthName(r.strength));
    json.Key("texts").BeginObject();
    json.Key("primary").BeginObject().Key("name").GbkString(r.primary->name);
    json.Key("judgment").GbkString(r.primary->judgment).EndObject();
    json.Key("changed").BeginObject().Key("name").GbkString(r.changed->name);
    json.Key("judgment").GbkString(r.changed->judgment).EndObject();
    json.Key("moving_line").BeginObject().Key("label").GbkString(r.movingStatement.label);
    json.Key("text").GbkString(r.movingStatement.text).EndObject();
    json.EndObject();
    json.EndObject();
}

void WritePlaced(JsonWriter& json, const liuyao::PlacedBranch& placed) {
    json.Key("stem_branch").GbkString(liuyao::StemBranchName(placed.stemBranch));
    json.Key("element").GbkString(reading::ElementName(placed.element));
    json.Key("relation").GbkString(liuyao::KinName(placed.kin));
}

void WriteChart(JsonWriter& json, const liuyao::Chart& chart) {
    json.BeginObject();
    json.Key("palace").GbkString(reading::TrigramName(chart.palace.trigram));
    json.Key("element").GbkString(reading::ElementName(chart.element));
    json.Key("generation").GbkString(liuyao::GenerationName(chart.palace.generation));
    json.Key("shi").Number(chart.shi).Key("ying").Number(chart.ying);
    json.Key("void").BeginArray();
    for (int branch : chart.voidBranches) json.GbkString(liuyao::BranchName(branch));
    json.EndArray();
    json.Key("lines").BeginArray();
    for (const liuyao::ChartLine& line : chart.lines) {
        json.BeginObject();
        WritePlaced(json, line.placed);
        json.Key("spirit").GbkString(liuyao::SpiritName(line.spirit)).Key("void").Bool(line.isVoid);
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

void WritePillars(JsonWriter& json, const casting::MomentFacts& f) {
    json.Key("pillars").BeginObject();
    json.Key("year").GbkString(f.YearPillarText).Key("month").GbkString(f.MonthPillarText);
    json.Key("day").GbkString(f.DayPillarText).Key("hour").GbkString(f.HourPillarText);
    json.EndObject();
}

// The boundary, its moment to the minute, the minutes from the moment cast
// from to it, and the casting on its other side; on 立春's day, the pillar
// rule that other side is reckoned by.
void WriteBoundary(JsonWriter& json, const pipeline::BoundaryNote& note) {
    json.BeginObject().Key("kind").String(pipeline::BoundaryKey(note.kind));
    if (note.kind == pipeline::BoundaryKind::Term) json.Key("term").GbkString(note.termName);
    json.Key("moment").String(moment::ClockText(note.moment).substr(0, 16));
    json.Key("minutes").Number(note.minutes);
    if (note.pillarBoundary) json.Key("pillar_boundary").String(casting::KeyOf(*note.pillarBoundary));
    json.Key("other").BeginObject();
    WritePillars(json, note.other.facts);
    json.Key("hexagrams").BeginObject().Key("primary").GbkString(note.other.primary);
    json.Key("changed").GbkString(note.other.changed).EndObject();
    json.EndObject().EndObject();
}

}  // namespace

std::string ReportText(const pipeline::CastValues& values) {
    std::string text;
    for (const std::string& line : values.report) {
        text::tables::AppendUtf8FromGbk(line, text);
        text += '\n';
    }
    return text;
}

std::string CastingJson(const pipeline::Casting& c, const pipeline::CastValues& values) {
    const std::string date = moment::ClockText(pipeline::ClockOf(c)).substr(0, 10);
    const pipeline::MethodName& method = pipeline::NameOf(c.method);

    JsonWriter json;
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
    json.Key("key").String(method.key).Key("name").GbkString(values.record.MethodText);
    if (method.input == pipeline::MethodInput::Text) json.Key("text").GbkString(c.text);
    if (method.input == pipeline::MethodInput::Trigrams) {
        json.Key("upper").Number(c.upper).Key("lower").Number(c.lower).Key("line").Number(c.line);
    }
    json.EndObject();

    json.Key("lunar_date").BeginObject();
    json.Key("text").GbkString(values.facts.LunarDate);
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
        json.Key(hexagramKeys[k]).BeginObject().Key("name").GbkString(values.hexagrams[k].name);
        json.Key("lines").BeginArray();
        for (int value : values.hexagrams[k].lines) json.Number(value);
        json.EndArray().EndObject();
    }
    json.EndObject();

    json.Key("report").BeginArray();
    for (const std::string& line : values.report) json.GbkString(line);
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
        json.BeginObject().Key("entered").GbkString(pair.entered).Key("counted").GbkString(pair.counted);
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
