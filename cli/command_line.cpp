#include "command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <istream>
#include <ostream>

#include "almanac_command.h"
#include "batch.h"
#include "cast_output.h"
#include "pipeline/casting_road.h"
#include "journal_commands.h"
#include "message_language.h"
#include "messages/catalog.h"

namespace cli {
namespace {

using messages::Formatted;
using messages::Translated;
using pipeline::CastRequest;
using pipeline::kNumberFields;
using pipeline::kTextFields;

std::string MethodList() {
    std::string list = Translated("Methods:\n");
    for (const pipeline::MethodName& m : pipeline::kMethods)
        list += "  " + std::string(m.key) + std::string(12 - std::strlen(m.key), ' ') + m.caption + "\n";
    return list;
}

// The value of a number option. CLI11 reads numbers as C literals ("030"
// is 24, "" is 0), where people write decimal with leading zeros at will.
// No number option gives a negative value a meaning, so none takes a sign.
long long DecimalValue(const std::string& option, const std::string& text) {
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits) throw CLI::ValidationError(option, Formatted(Translated("takes decimal digits only, not '%s'"), text.c_str()));
    long long value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) {
        throw CLI::ValidationError(option, Formatted(Translated("%s is out of range"), text.c_str()));
    }
    return value;
}

// A longitude in degrees: decimal digits with an optional sign and
// fraction, as people write them (-75.5, 116.4).
double DegreesValue(const std::string& option, const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + (text.starts_with('+') ? 1 : 0), end, value,
                                               std::chars_format::fixed);
    if (text.empty() || error != std::errc() || stop != end) {
        throw CLI::ValidationError(option,
                                   Formatted(Translated("takes degrees like 116.4 or -75.5, not '%s'"), text.c_str()));
    }
    return value;
}

// --lang's value, read before the options are declared: their help is in
// the language it names.
std::optional<std::string> LangGiven(int argc, const char* const* argv) {
    std::optional<std::string> value;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg == "--lang" && i + 1 < argc) {
            value = argv[++i];
        } else if (arg.starts_with("--lang=")) {
            value = std::string(arg.substr(std::strlen("--lang=")));
        }
    }
    return value;
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
    MessageLanguage language = LanguageOfEnvironment();
    if (const auto lang = LangGiven(argc, argv)) {
        const auto catalog = CatalogNamed(*lang);
        if (!catalog) {
            SpeakIn(language);
            err << "yaopan-cast: " << Formatted(Translated("--lang must be zh_CN, zh_TW or en, not '%s'"), lang->c_str())
                << '\n';
            return kExitBadInput;
        }
        language = {*catalog, *lang, true};
    }
    SpeakIn(language);

    CLI::App app(Translated("Casts a hexagram by the plum-blossom method and prints the report the window shows."),
                 "yaopan-cast");
    app.get_formatter()->label("Usage", Translated("Usage"));
    app.get_formatter()->label("OPTIONS", Translated("OPTIONS"));
    app.option_defaults()->group(Translated("Options"));
    // Read by LangGiven; declared so the parser takes it, and first, so
    // that its hidden group adds no line to the help. The manual page and
    // the README tell of it.
    app.add_option_function<std::string>("--lang", [](const std::string&) {})->group("");
    app.set_help_flag("-h,--help", Translated("Print this help message and exit"));
    app.footer(MethodList());
    app.set_version_flag("--version", "yaopan-cast " YAOPAN_VERSION, Translated("print the version and exit"));
    CastRequest request;
    bool castingOptions = false;
    for (const pipeline::TextField& field : kTextFields) {
        // A batch key's underscores are an option's dashes: pillar_boundary, --pillar-boundary.
        std::string option = std::string("--") + field.key;
        std::replace(option.begin(), option.end(), '_', '-');
        app.add_option_function<std::string>(
            option,
            [&request, &castingOptions, &field](const std::string& value) {
                request.*field.value = value;
                castingOptions = true;
            },
            Translated(field.help));
    }
    for (const pipeline::NumberField& field : kNumberFields) {
        const std::string option = std::string("--") + field.key;
        app.add_option_function<std::string>(
               option,
               [&request, &castingOptions, &field, option](const std::string& text) {
                   request.*field.value = DecimalValue(option, text);
                   castingOptions = true;
               },
               Translated(field.help))
            ->type_name("INT");
    }
    app.add_option_function<std::string>(
           "--longitude",
           [&request, &castingOptions](const std::string& text) {
               request.longitude = DegreesValue("--longitude", text);
               castingOptions = true;
           },
           Translated("with --true-solar-time: the place's longitude in degrees, -180 to 180, east positive"))
        ->type_name("DEG");
    // A flag takes no value: "--record=false" would otherwise record. (CLI11
    // still takes "=true", its own spelling of the bare flag.)
    app.option_defaults()->disable_flag_override();
    bool json = false, batch = false, history = false, almanac = false;
    std::optional<std::string> search, from, to;
    app.add_flag("--json", json, Translated("print one JSON object instead of the report (with --history, the castings' array)"));
    app.add_flag("--batch", batch, Translated("read one JSON object per line on standard input, write one per line"));
    app.add_flag_function(
        "--record",
        [&request, &castingOptions](std::int64_t) {
            request.record = true;
            castingOptions = true;
        },
        Translated("keep the casting in the journal"));
    app.add_flag_function(
        "--true-solar-time",
        [&request, &castingOptions](std::int64_t) {
            request.trueSolarTime = true;
            castingOptions = true;
        },
        Translated("cast from true solar time at --longitude or --place, the clock read as Beijing time"));
    app.add_flag_function(
        "--summer-time",
        [&request, &castingOptions](std::int64_t) {
            request.summerTime = true;
            castingOptions = true;
        },
        Translated("turn a clock reading inside summer time back to standard time before casting"));
    app.add_flag("--history", history, Translated("list the castings in the journal, newest first"));
    app.add_option_function<std::string>(
        "--search", [&search](const std::string& text) { search = text; },
        Translated("with --history: only castings whose name, question, note or hexagram names hold TEXT"));

    app.add_flag("--almanac", almanac, Translated("print the day's almanac (黄历) for --date, or for each day from --from to --to"));
    app.add_option("--from", from, Translated("with --almanac: the first day, YYYY-MM-DD"));
    app.add_option("--to", to, Translated("with --almanac: the last day, YYYY-MM-DD"));

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& helpOrVersion) {
        return app.exit(helpOrVersion, out, err);
    } catch (const CLI::ParseError& error) {
        app.exit(error, out, err);
        return kExitBadInput;
    }

    // The script the texts go out in: the text's follows the language, the
    // JSON's only an explicit --lang.
    std::string scriptWarning;
    const OutputScript script = ScriptOf(language, json || batch, scriptWarning);
    if (!scriptWarning.empty()) err << "yaopan-cast: " << scriptWarning << '\n';

    if ((from || to) && !almanac) {
        err << "yaopan-cast: " << Translated("--from and --to give the almanac's days; give them with --almanac") << '\n';
        return kExitBadInput;
    }
    if (almanac) {
        const bool onlyDayOptions = !request.record && !request.trueSolarTime && !request.summerTime && !request.longitude &&
            !batch && !history && !search &&
            std::all_of(kTextFields.begin(), kTextFields.end(), [&request](const pipeline::TextField& field) {
                const std::string_view key = field.key;
                return key == "date" || key == "calendar" || !(request.*field.value);
            }) &&
            std::all_of(kNumberFields.begin(), kNumberFields.end(),
                        [&request](const pipeline::NumberField& field) { return !(request.*field.value); });
        if (!onlyDayOptions) {
            err << "yaopan-cast: " << Translated("--almanac reads a day; give only --date (or --from and --to), --calendar and --json") << '\n';
            return kExitBadInput;
        }
        return PrintAlmanac({request.date, from, to, request.calendar, json, script}, pipeline::LocalNow(), out, err);
    }
    if (search && !history) {
        err << "yaopan-cast: " << Translated("--search searches the journal; give it with --history") << '\n';
        return kExitBadInput;
    }
    if (history) {
        if (castingOptions || batch) {
            err << "yaopan-cast: " << Translated("--history lists the journal; give no casting options and no --batch") << '\n';
            return kExitBadInput;
        }
        const bool listed = ListJournal(search, json, out, err, script);
        out.flush();
        if (!out) err << "yaopan-cast: " << Translated("standard output failed") << '\n';
        return !listed ? kExitJournal : out ? 0 : kExitInputOutput;
    }

    if (batch) {
        if (castingOptions) {
            err << "yaopan-cast: " << Translated("--batch reads every casting from standard input; give no casting options") << '\n';
            return kExitBadInput;
        }
        const bool read = RunBatch(in, out, script);
        if (!read) err << "yaopan-cast: " << Translated("standard input failed") << '\n';
        if (!out) err << "yaopan-cast: " << Translated("standard output failed") << '\n';
        return read && out ? 0 : kExitInputOutput;
    }

    auto cast = pipeline::CastRequested(request, pipeline::LocalNow());
    if (const auto* refusal = std::get_if<pipeline::Refusal>(&cast)) {
        err << "yaopan-cast: " << refusal->message << '\n';
        return kExitBadInput;
    }
    const pipeline::CastDone& done = std::get<pipeline::CastDone>(cast);
    out << (json ? CastingJson(done.casting, done.values, script) + "\n" : ReportText(done.casting, done.values, script));
    out.flush();
    if (!out) {
        err << "yaopan-cast: " << Translated("standard output failed") << '\n';
        return kExitInputOutput;
    }
    // Recorded after the report is out: a journal that fails loses no casting.
    if (done.values.entry && !RecordInJournal(*done.values.entry, err)) return kExitJournal;
    return 0;
}

}  // namespace cli
