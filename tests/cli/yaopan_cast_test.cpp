// yaopan-cast as a user runs it: the real program, its output and its
// exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "casting/casting_engine.h"
#include "cli/batch.h"
#include "cli/command_line.h"
#include "gbk.h"
#include "journal/casting_journal.h"
#include "journal/journal_export.h"
#include "journal/journal_location.h"
#include "reading/reading.h"
#include "sample_reading.h"

namespace {

using testing_support::gbk;
using testing_support::utf8;

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the program with `input` on standard input, or with the file
// `inputPath` names when there is one, in an environment that names no
// locale but the assignments in `locale` ("LANG=zh_TW.UTF-8").
Outcome RunCastIn(const std::vector<std::string>& locale, const std::vector<std::string>& args,
                  const std::string& input = "", std::string inputPath = "") {
    // Tests run side by side in processes of their own: each has its own files.
    const std::string dir = testing::TempDir() + "yaopan_cast_" + std::to_string(getpid()) + "_";
    const std::string out = dir + "cast_out", err = dir + "cast_err";
    const std::string in = inputPath.empty() ? dir + "cast_in" : inputPath;
    if (inputPath.empty()) std::ofstream(in, std::ios::binary) << input;
    std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG";
    for (const std::string& assignment : locale) command += " " + ShellQuoted(assignment);
    command += " " + ShellQuoted(YAOPAN_CAST);
    for (const std::string& arg : args) command += " " + ShellQuoted(arg);
    command += " <" + in + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
    for (const std::string& file : {out, err, inputPath.empty() ? in : std::string()}) std::remove(file.c_str());
    return outcome;
}

Outcome RunCast(const std::vector<std::string>& args, const std::string& input = "", std::string inputPath = "") {
    return RunCastIn({}, args, input, std::move(inputPath));
}

std::string Joined(const std::vector<std::string>& gbkLines) {
    std::string text;
    for (const std::string& line : gbkLines) text += utf8(line) + "\n";
    return text;
}

// The sample person and moment, as typed into the window and as options.
const std::vector<std::string> kPerson = {"--name", "某人",   "--sex",      "男",     "--age",
                                          "30",     "--date", "2010-09-13", "--hour", "17"};

std::vector<std::string> With(std::vector<std::string> args) {
    args.insert(args.begin(), kPerson.begin(), kPerson.end());
    return args;
}

TEST(YaopanCast, TheSampleReadingIsTheWindowsReport) {
    std::string expected;
    for (const char* line : testing_support::kSampleReport) expected += std::string(line) + "\n";
    const Outcome run = RunCast(kPerson);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
}

// The sample is 天火同人 on a 丙寅 day, line 3 moving, in the shape the README
// gives; the chart's lines themselves are worked by hand in liuyao's tests.
TEST(YaopanCast, TheSampleCarriesItsSixLineChart) {
    std::vector<std::string> args = kPerson;
    args.push_back("--json");
    nlohmann::json chart = nlohmann::json::parse(RunCast(args).out)["liuyao"];
    ASSERT_EQ(chart["lines"].size(), 6u);
    EXPECT_EQ(chart["lines"][2], nlohmann::json::parse(R"({"stem_branch":"己亥","element":"水","relation":"官鬼",)"
                                                       R"("spirit":"螣蛇","void":true,"hidden":null})"));
    chart.erase("lines");
    EXPECT_EQ(chart, nlohmann::json::parse(R"({"palace":"离","element":"火","generation":"归魂","shi":3,"ying":6,)"
                                           R"("void":["戌","亥"],"changed":{"line":3,"stem_branch":"庚辰",)"
                                           R"("element":"土","relation":"子孙"}})"));
}

// Every method casts the report the engine writes when the window hands it
// the same person, moment and input.
TEST(YaopanCast, EveryMethodCastsTheWindowsReport) {
    using Command =
        std::function<casting::CastingOutcome(casting::CastingEngine&, const casting::Person&, const casting::Moment&)>;
    const struct {
        std::vector<std::string> args;
        int clockHour, clockMinute;
        Command command;
    } rows[] = {
        {{"--method", "traditional"}, 0, 0, [](auto& e, auto& p, auto& m) { return e.CastTraditional(p, m); }},
        // Leading zeros are decimal: 030 is 30, 08 is 8, never C literals.
        {{"--method", "clock", "--minute", "030"},
         17,
         30,
         [](auto& e, auto& p, auto& m) { return e.CastByClock(p, m); }},
        {{"--method", "stems"}, 0, 0, [](auto& e, auto& p, auto& m) { return e.CastByStems(p, m); }},
        {{"--method", "branches"}, 0, 0, [](auto& e, auto& p, auto& m) { return e.CastByBranches(p, m); }},
        {{"--method", "name"}, 0, 0, [](auto& e, auto& p, auto& m) { return e.CastByName(p, m); }},
        {{"--method", "question", "--text", "猜我 吃的什么"},
         0,
         0,
         [](auto& e, auto& p, auto& m) { return e.CastByQuestion(p, m, gbk("猜我 吃的什么")); }},
        {{"--method", "character", "--text", "天"},
         0,
         0,
         [](auto& e, auto& p, auto& m) { return e.CastByCharacter(p, m, gbk("天")); }},
        {{"--method", "manual", "--upper", "08", "--lower", "1", "--line", "006"},
         0,
         0,
         [](auto& e, auto& p, auto& m) { return e.CastManually(p, m, 8, 1, 6); }},
        {{"--method", "number", "--text", "13912345678"},
         0,
         0,
         [](auto& e, auto& p, auto& m) { return e.CastByNumber(p, m, "13912345678"); }},
    };
    for (const auto& row : rows) {
        casting::PlainDateHolder calendar(0);
        casting::CastingEngine engine(calendar, [&] {
            return casting::ClockTime{row.clockHour, row.clockMinute};
        });
        const casting::Person person{gbk("某人"), "30", gbk("男")};
        ASSERT_EQ(row.command(engine, person, {2010, 9, 13, 17}).refusal, casting::Refusal::None) << row.args[1];
        const casting::CastingRecord& record = engine.record();

        const Outcome run = RunCast(With(row.args));
        EXPECT_EQ(run.status, 0) << row.args[1] << ": " << run.err;
        EXPECT_EQ(run.out, Joined(engine.report())) << row.args[1];

        // The JSON form carries the same report and the same primary hexagram.
        std::vector<std::string> json = With(row.args);
        json.push_back("--json");
        const auto object = nlohmann::json::parse(RunCast(json).out);
        std::string lines;
        for (const auto& line : object["report"]) lines += line.get<std::string>() + "\n";
        EXPECT_EQ(lines, run.out) << row.args[1];
        EXPECT_EQ(object["method"]["key"], row.args[1]);
        EXPECT_EQ(object["moving_line"], record.MovingLine) << row.args[1];
        EXPECT_EQ(object["hexagrams"]["primary"]["name"], utf8(record.HexagramNames(1))) << row.args[1];
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(object["hexagrams"]["primary"]["lines"][k - 1], record.PrimaryLines[k]) << row.args[1];
        }
        const reading::Reading reading = reading::ComputeReading(reading::ReadingInputOf(record, engine.facts()));
        EXPECT_EQ(object["reading"]["verdict"], utf8(reading.verdict)) << row.args[1];
        EXPECT_EQ(object["reading"]["relations"][3]["word"], utf8(reading.relations[3].word)) << row.args[1];
        EXPECT_EQ(object["reading"]["texts"]["moving_line"]["text"], utf8(reading.movingStatement.text)) << row.args[1];
    }
}

TEST(YaopanCast, BadInputIsRefusedOnStandardErrorWithStatusTwo) {
    const struct {
        std::vector<std::string> args;
        const char* message;  // a part of what standard error says
    } rows[] = {
        // CLI11's own parse errors.
        {{"--hour", "seventeen"}, "--hour"},
        {{"--colour", "red"}, "--colour"},
        // The date rule, also for the next day an hour 23 belongs to.
        {{"--date", "1899-12-31"}, "1899-12-31 lies outside 1900-01-01 to 2100-12-31"},
        {{"--date", "2101-01-01"}, "outside"},
        {{"--date", "2100-12-31", "--hour", "23"}, "belongs to 2101-01-01"},
        // 传统起卦 counts a lunar month and day, which no day before 1900-01-31 has.
        {{"--date", "1900-01-15"}, "参数错误：1900年1月31日之前没有农历日期，传统起卦要用农历月日"},
        {{"--date", "2010-9-13x"}, "YYYY-MM-DD"},
        {{"--date", "20100913"}, "YYYY-MM-DD"},
        // The engine's own refusals, in the window's words.
        {{"--date", "2011-02-29"}, "'2011-2-29' is not a valid date"},
        {{"--method", "question", "--text", " "}, "参数错误：请输入汉字！"},
        {{"--method", "character", "--text", "天地"}, "参数错误：请输入汉字！"},
        {{"--method", "name", "--name", "某"}, "参数错误：请输入汉字姓名！"},
        {{"--method", "number"}, "参数错误：请检查是否输入完整！"},
        {{"--method", "number", "--text", "12a"}, "is not a valid integer value"},
        // A Chinese character whose strokes neither its own form nor its
        // simplified one gives.
        {{"--method", "question", "--text", "張三乫"}, "参数错误：无法计算笔画的字：乫"},
        {{"--method", "name", "--name", "乫三"}, "参数错误：无法计算笔画的字：乫"},
        // Text GBK cannot hold is named, never cast as "?".
        {{"--name", "某😀"}, "'😀', which GBK cannot hold"},
        {{"--method", "question", "--text", "天한"}, "'한'"},
        {{"--name", "a\tb"}, "control character"},
        // Ranges and what each method reads.
        {{"--hour", "24"}, "hour must be 0 to 23"},
        // Each convention names the values it takes.
        {{"--zi", "late"}, "zi must be next-day, split or midnight, not 'late'"},
        {{"--pillar-boundary", "term"}, "pillar_boundary must be mixed, day or moment"},
        {{"--strength", "Month"}, "strength must be month or season"},
        {{"--almanac", "--zi", "split"}, "--almanac reads a day"},
        // Numbers are decimal digits, none with a sign, none empty.
        {{"--hour", "-1"}, "--hour: takes decimal digits only, not '-1'"},
        {{"--hour", "+5"}, "not '+5'"},
        {{"--hour", ""}, "not ''"},
        {{"--hour", "99999999999999999999"}, "--hour: 99999999999999999999 is out of range"},
        {{"--method", "clock", "--minute", "60"}, "minute must be 0 to 59"},
        {{"--method", "manual", "--upper", "9", "--lower", "1", "--line", "1"}, "upper must be 1 to 8"},
        {{"--method", "manual", "--upper", "1", "--lower", "1", "--line", "7"}, "line must be 1 to 6"},
        {{"--method", "manual", "--upper", "1", "--lower", "1"}, "needs upper, lower and line"},
        {{"--method", "stems", "--text", "天"}, "reads no text"},
        {{"--minute", "60"}, "minute must be 0 to 59"},
        // The corrections of the clock reading.
        {{"--true-solar-time", "--summer-time"}, "true_solar_time needs the longitude"},
        {{"--longitude", "100"}, "longitude is read only with true_solar_time"},
        {{"--true-solar-time", "--longitude", "-180.5"}, "longitude must be -180 to 180"},
        {{"--true-solar-time", "--longitude", "1e2"}, "takes degrees"},
        {{"--place", "喀什市"}, "place is read only with true_solar_time"},
        {{"--true-solar-time", "--place", "喀什市", "--longitude", "75"}, "give place or longitude, not both"},
        {{"--true-solar-time", "--place", "亚特兰蒂斯"}, "unknown place '亚特兰蒂斯'"},
        {{"--true-solar-time", "--place", "朝阳区"}, "name one: 朝阳区（北京）, 朝阳区（吉林）"},
        {{"--date", "1986-05-04", "--hour", "2", "--minute", "30", "--summer-time"}, "1986-05-04 02:30 从未出现"},
        {{"--date", "1900-01-01", "--hour", "1", "--true-solar-time", "--longitude", "80"}, "超出历法范围"},
        {{"--almanac", "--summer-time"}, "--almanac reads a day"},
        {{"--method", "question", "--text", "一二三四五六七八九十一二三四五六七八九十一二三四五六"},
         "at most 50 bytes"},
        {{"--method", "divine"}, "unknown method 'divine'"},
        {{"--sex", "m"}, "sex must be 男 or 女"},
        {{"--calendar", "lunar"}, "calendar must be table or astronomical, not 'lunar'"},
        {{"--batch", "--name", "某人"}, "--batch"},
        // The almanac's days.
        {{"--almanac", "--date", "1899-12-31"}, "--date 1899-12-31 lies outside 1900-01-01 to 2100-12-31"},
        {{"--almanac", "--date", "2023-02-30"}, "'2023-02-30' is not a day"},
        {{"--almanac", "--from", "2024-01-02", "--to", "2024-01-01"}, "comes before --from 2024-01-02"},
        {{"--almanac", "--from", "2100-12-01", "--to", "2101-01-01"}, "--to 2101-01-01 lies outside"},
        {{"--almanac", "--from", "2024-01-01"}, "--from and --to go together"},
        {{"--from", "2024-01-01", "--to", "2024-01-02"}, "give them with --almanac"},
        {{"--almanac", "--calendar", "sky"}, "not 'sky'"},
    };
    for (const auto& row : rows) {
        const Outcome run = RunCast(row.args);
        const std::string what = row.args[0] + " " + row.args[1];
        EXPECT_EQ(run.status, 2) << what;
        EXPECT_EQ(run.out, "") << what;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << what << ": " << run.err;
    }
}

// A place from the list stands for its longitude and zone, on the command
// line and in a batch alike, and the JSON names it.
TEST(YaopanCast, APlaceGivesTrueSolarTimeItsLongitudeAndZone) {
    const std::vector<std::string> moment = {"--date", "2024-02-11", "--hour", "1", "--minute", "30",
                                             "--true-solar-time", "--json"};
    auto byPlace = moment, byLongitude = moment;
    byPlace.insert(byPlace.end(), {"--place", "朝阳区（吉林）"});
    byLongitude.insert(byLongitude.end(), {"--longitude", "125.2834"});
    const std::string batchLine = R"({"date":"2024-02-11","hour":1,"minute":30,"true_solar_time":true,"place":"朝阳区（吉林）"})";
    const Outcome typed = RunCast(byPlace), batch = RunCast({"--batch"}, batchLine + "\n"), bare = RunCast(byLongitude);
    ASSERT_EQ(typed.status, 0) << typed.err;
    for (const Outcome* run : {&typed, &batch}) {
        const nlohmann::json answer = nlohmann::json::parse(run->out);
        EXPECT_EQ(answer["moment"]["place"], nlohmann::json::parse(R"({"name":"朝阳区（吉林）","longitude":125.2834,"zone":"Asia/Shanghai"})"));
        EXPECT_EQ(answer["moment"]["cast"], nlohmann::json::parse(bare.out)["moment"]["cast"]);
    }
}

TEST(YaopanCast, VersionIsTheProjectsAndTheHelpOffersIt) {
    const Outcome version = RunCast({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "yaopan-cast " YAOPAN_VERSION "\n");
    EXPECT_EQ(version.err, "");
    EXPECT_NE(RunCast({"--help"}).out.find("--version"), std::string::npos);
}

TEST(YaopanCast, TheFiftyByteQuestionOfTheWindowCasts) {
    const Outcome run =
        RunCast(With({"--method", "question", "--text", "一二三四五六七八九十一二三四五六七八九十一二三四五"}));
    EXPECT_EQ(run.status, 0) << run.err;
}

// Always there, like the warnings: empty for a text the table knows.
TEST(YaopanCast, JsonSaysWhichCharactersWereCountedAsWhich) {
    const nlohmann::json plain = nlohmann::json::parse(RunCast(With({"--method", "name", "--json"})).out);
    EXPECT_EQ(plain["counted_as"], nlohmann::json::array());
    const auto name = nlohmann::json::parse(RunCast({"--method", "name", "--name", "張龍張", "--json"}).out);
    EXPECT_EQ(name["counted_as"], nlohmann::json::parse(R"([{"entered":"張","counted":"张"},
                                                            {"entered":"龍","counted":"龙"}])"));
    EXPECT_EQ(name["person"]["name"], "張龍張");
    EXPECT_EQ(RunCast({"--name", "乫三"}).status, 0);  // the traditional method counts no strokes
}

TEST(YaopanCast, BatchAnswersEveryLineInOrderAndGoesOnAfterABadOne) {
    const std::string input = R"({"name":"某人","sex":"男","age":30,"date":"2010-09-13","hour":17})"
                              "\n"
                              "not json\n"
                              R"({"method":"number","text":13912345678,"date":"2010-09-13","hour":17})"
                              "\n"
                              R"({"date":"2010-09-13","hour":"17"})"
                              "\n"
                              R"({"date":"2010-09-13","hour":17,"planet":"Mars"})"
                              "\n"
                              R"([1,2])"
                              "\n"
                              "\n"
                              R"({"method":"clock","date":"2010-09-13","hour":17,"minute":30})"
                              "\n"
                              R"({"name":"某\"人\\","date":"2010-09-13","hour":17})"
                              "\n";
    const Outcome run = RunCast({"--batch"}, input);
    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<nlohmann::json> answers;
    for (std::string line; std::getline(lines, line);) answers.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(answers.size(), 9u) << run.out;

    std::string sample;
    for (const auto& line : answers[0]["report"]) sample += line.get<std::string>() + "\n";
    std::string expected;
    for (const char* line : testing_support::kSampleReport) expected += std::string(line) + "\n";
    EXPECT_EQ(sample, expected);
    EXPECT_EQ(answers[0]["person"]["age"], "30");
    EXPECT_EQ(answers[2]["method"]["text"], "13912345678");
    EXPECT_EQ(answers[7]["moment"]["minute"], 30);
    EXPECT_EQ(answers[8]["person"]["name"], "某\"人\\") << "quotes and backslashes are escaped";
    for (int bad : {1, 3, 4, 5, 6}) {
        EXPECT_TRUE(answers[bad].contains("error")) << bad << ": " << answers[bad];
        EXPECT_FALSE(answers[bad].contains("report")) << bad;
    }
    EXPECT_EQ(answers[3]["error"], "hour must be a whole number");
    EXPECT_EQ(answers[4]["error"], "unknown key 'planet'");
}

// 1914-11-17: 九月三十 by the lunar table, 十月初一 in the sky; 2024-02-04 noon
// pairs 癸卯 with 丙寅 only under the mixed boundary, and says so. Each line
// of a batch reads by its own calendar and conventions, and names them.
TEST(YaopanCast, EachCastingReadsByItsCalendarAndConventionsAndNamesThem) {
    const Outcome run = RunCast({"--batch"}, R"({"date":"1914-11-17","hour":10,"calendar":"astronomical"})"
                                             "\n"
                                             R"({"date":"1914-11-17","hour":10})"
                                             "\n"
                                             R"({"date":"2024-02-04","hour":12})"
                                             "\n"
                                             R"({"date":"2024-02-04","hour":12,"pillar_boundary":"day","zi":"split",)"
                                             R"("year_number":"lunar","strength":"season"})");
    std::istringstream lines(run.out);
    std::vector<nlohmann::json> answers;
    for (std::string line; std::getline(lines, line);) answers.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(answers.size(), 4u) << run.out;
    EXPECT_EQ(answers[0]["calendar"], "astronomical");
    EXPECT_EQ(answers[0]["lunar_date"]["text"], "一九一四年十月初一");
    EXPECT_EQ(answers[1]["calendar"], "table");
    EXPECT_EQ(answers[1]["lunar_date"]["text"], "一九一四年九月三十");
    EXPECT_EQ(answers[2]["conventions"], nlohmann::json::parse(R"({"zi":"next-day","pillar_boundary":"mixed",)"
                                                               R"("year_number":"pillar","strength":"month"})"));
    EXPECT_EQ(answers[2]["pillars"]["year"], "癸卯");
    EXPECT_EQ(answers[2]["boundaries"].size(), 2u);
    EXPECT_EQ(answers[3]["conventions"]["strength"], "season");
    EXPECT_EQ(answers[3]["pillars"]["year"], "甲辰");
    EXPECT_EQ(answers[3]["boundaries"], nlohmann::json::array());
}

// One JSON object a day, in order, with the almanac's keys; the calendar
// rule reads the lunar date (1914-11-17 differs between the two).
TEST(YaopanCast, AlmanacPrintsEachDayOfTheRangeByItsCalendar) {
    const std::vector<std::string> keys = {"date", "lunar_date", "pillars", "zhixing", "xiu", "xiu_luck", "chong",
        "sha", "pengzu", "tianshen", "tianshen_type", "tai", "xi", "fu", "cai", "shujiu", "sanfu", "hours"};
    const struct {
        std::string calendar, lunarDate;
    } rules[] = {{"table", "一九一四年九月三十"}, {"astronomical", "一九一四年十月初一"}};
    for (const auto& rule : rules) {
        const Outcome run = RunCast({"--almanac", "--from", "1914-11-16", "--to", "1914-11-18", "--json", "--calendar",
                                     rule.calendar});
        ASSERT_EQ(run.status, 0) << run.err;
        std::istringstream lines(run.out);
        std::vector<nlohmann::ordered_json> days;
        for (std::string line; std::getline(lines, line);) days.push_back(nlohmann::ordered_json::parse(line));
        ASSERT_EQ(days.size(), 3u);
        for (std::size_t i = 0; i < days.size(); ++i) {
            std::vector<std::string> dayKeys;
            for (const auto& item : days[i].items()) dayKeys.push_back(item.key());
            EXPECT_EQ(dayKeys, keys);
            EXPECT_EQ(days[i]["date"], "1914-11-1" + std::to_string(6 + i));
            EXPECT_EQ(days[i]["hours"].size(), 12u);
        }
        EXPECT_EQ(days[1]["lunar_date"], rule.lunarDate);
    }
    const Outcome day = RunCast({"--almanac", "--date", "2021-07-11", "--calendar", "astronomical", "--json"});
    const nlohmann::json a = nlohmann::json::parse(day.out);
    EXPECT_EQ(a["chong"]["stem_branch"], "甲寅");
    EXPECT_EQ(a["pengzu"][0], "庚不经络织机虚张");
    EXPECT_EQ(a["sanfu"], "初伏第1天");
    EXPECT_TRUE(a["shujiu"].is_null());
    EXPECT_EQ(a["hours"][0], (nlohmann::json{{"branch", "子"}, {"stem_branch", "丙子"}, {"tianshen", "青龙"},
                                             {"tianshen_type", "黄道"}}));
    const Outcome text = RunCast({"--almanac", "--date", "2024-02-10"});
    EXPECT_NE(text.out.find("建除  满\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("彭祖  甲不开仓财物耗散 辰不哭泣必主重丧\n"), std::string::npos) << text.out;
}

// A line up to the limit is read as any other; a longer one is answered
// with an error, and the batch goes on.
TEST(YaopanCast, BatchAnswersALineLongerThanTheLimitWithAnError) {
    const std::string casting = R"({"date":"2010-09-13","hour":17})";
    std::string input;
    const std::size_t limit = cli::kMaxBatchLineBytes;
    for (std::size_t length : {limit, limit + 1, std::size_t{3} << 20, casting.size()})
        input += casting + std::string(length - casting.size(), ' ') + "\n";  // blanks JSON allows
    const Outcome run = RunCast({"--batch"}, input);
    const std::string cast = run.out.substr(0, run.out.find('\n') + 1);
    const std::string tooLong = "{\"error\":\"line longer than 65536 bytes\"}\n";
    EXPECT_NE(cast.find("\"report\""), std::string::npos) << cast;
    EXPECT_EQ(run.out, cast + tooLong + tooLong + cast);
}

// With SIGPIPE ignored, as under many supervisors, a reader that leaves
// ends the batch at the first failed write; `wc` counts the input it left.
TEST(YaopanCast, BatchStopsAtTheFirstFailedWrite) {
    const std::string dir = testing::TempDir() + "yaopan_cast_pipe_" + std::to_string(getpid()) + "_";
    std::ofstream in(dir + "in");
    for (int i = 0; i < 200000; ++i) in << R"({"date":"2010-09-13","hour":17})" << '\n';
    in.close();
    const std::string command = "trap '' PIPE; { " + ShellQuoted(YAOPAN_CAST) + " --batch; echo $? >&2; wc -c >&2; }" +
                                " <" + dir + "in 2>" + dir + "err | head -c 1 >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string err = Slurp(dir + "err");
    EXPECT_TRUE(std::regex_match(err, std::regex("yaopan-cast: standard output failed\n1\n *[1-9][0-9]*\n"))) << err;
    for (const char* file : {"in", "err"}) std::remove((dir + file).c_str());
}

TEST(YaopanCast, BatchFailsOnlyWhenStandardInputFails) {
    const Outcome empty = RunCast({"--batch"});
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_EQ(empty.out, "");
    const Outcome unreadable = RunCast({"--batch"}, "", "/");  // a folder cannot be read as a file
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find("standard input failed"), std::string::npos) << unreadable.err;
}

// The journal tests point XDG_DATA_HOME at a folder of their own: none
// writes into the real home.
class YaopanCastJournal : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(home_);
        setenv("XDG_DATA_HOME", home_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        std::filesystem::remove_all(home_);
    }
    const std::filesystem::path home_ = testing::TempDir() + "yaopan_cast_home_" + std::to_string(getpid());
};

const std::vector<std::string> kManual = {"--name", "李四", "--date",  "2010-09-13", "--hour", "17", "--method",
                                          "manual", "--upper", "1", "--lower",    "2",      "--line", "3"};

TEST_F(YaopanCastJournal, RecordedCastingsAreListedNewestFirstAndFound) {
    const Outcome first = RunCast(With({"--record"}));
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, RunCast(kPerson).out);  // recording changes nothing printed
    EXPECT_EQ(first.err, "");
    std::vector<std::string> manual = kManual;
    manual.insert(manual.end(), {"--record", "--calendar", "astronomical"});
    ASSERT_EQ(RunCast(manual).status, 0);

    const Outcome listed = RunCast({"--history"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_TRUE(std::regex_match(listed.out, std::regex("[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}\t李四\t[^\t\n]+\t"
                                                        "天泽履 → 乾为天\n"
                                                        "[^\n]+\t某人\t[^\n]+\n")))
        << listed.out;

    // Under Traditional the program's words are, the name stays as typed;
    // the JSON export is the journal's record, as stored.
    EXPECT_NE(RunCastIn({"LANG=zh_TW.UTF-8"}, {"--history"}).out.find("\t李四\t手工指定起卦\t天澤履 → 乾為天\n"),
              std::string::npos);
    const std::string json = RunCast({"--history", "--json"}).out;
    EXPECT_EQ(RunCast({"--history", "--json", "--lang", "zh_TW"}).out, json);
    EXPECT_EQ(json, journal::ToJson(journal::CastingJournal(journal::DefaultJournalFile()).List({}, 3)) + "\n");
    const nlohmann::json stored = nlohmann::json::parse(json);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0]["name"], "李四");
    EXPECT_EQ(stored[0]["primary_name"], "天泽履");
    EXPECT_EQ(stored[0]["moving_line"], 3);
    EXPECT_EQ(stored[0]["calendar_rule"], "astronomical");
    EXPECT_EQ(stored[1]["calendar_rule"], "table");
    EXPECT_EQ(stored[1]["report"].get<std::string>() + "\n", first.out);
    // The chart is kept as the last section of the stored reading.
    EXPECT_NE(stored[1]["reading"].get<std::string>().find("\n【六爻】\n天火同人：离宫火　归魂　旬空：戌亥\n"),
              std::string::npos);

    const struct {
        const char* search;
        std::vector<std::string> names;
    } searches[] = {{"李四", {"李四"}}, {"履", {"李四"}}, {"某", {"某人"}}, {"王五", {}}};
    for (const auto& s : searches) {
        const nlohmann::json found = nlohmann::json::parse(RunCast({"--history", "--search", s.search, "--json"}).out);
        std::vector<std::string> names;
        for (const auto& entry : found) names.push_back(entry["name"]);
        EXPECT_EQ(names, s.names) << s.search;
    }
}

TEST_F(YaopanCastJournal, ACastingRefusedForItsStrokesIsNotStored) {
    EXPECT_EQ(RunCast({"--method", "character", "--text", "乫", "--record"}).status, 2);
    EXPECT_EQ(RunCast({"--history", "--json"}).out, "[]\n");
}

TEST_F(YaopanCastJournal, AnUnwritableJournalIsToldAfterTheReport) {
    std::ofstream(home_ / "file") << "a regular file, no folder";
    setenv("XDG_DATA_HOME", (home_ / "file").c_str(), 1);
    const Outcome run = RunCast(With({"--record"}));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, RunCast(kPerson).out);
    EXPECT_NE(run.err.find((home_ / "file" / "yaopan" / "castings.sqlite3").string()), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

// "--record=false" once recorded: a flag given any value is refused, and
// nothing reaches the journal.
TEST_F(YaopanCastJournal, AFlagGivenAValueIsRefused) {
    for (const char* flag : {"--record=false", "--record=0", "--json=1", "--batch=yes", "--history=no"}) {
        const Outcome run = RunCast(With({flag}));
        EXPECT_EQ(run.status, 2) << flag;
        EXPECT_NE(run.err.find("flag override"), std::string::npos) << flag << ": " << run.err;
    }
    EXPECT_EQ(RunCast({"--history", "--json"}).out, "[]\n");
}

// A script tells an empty journal from one it cannot read by the status.
// As root no permission stops a read: a folder where the file should be,
// and a file that is not a database, stop it all the same.
TEST_F(YaopanCastJournal, HistoryListsNothingWhereThereIsNoJournalAndFailsWhereItCannotBeRead) {
    const auto file = home_ / "yaopan" / "castings.sqlite3";
    const std::string garbage(4096, 'x');
    for (const std::string layout : {"none", "a folder at the file", "not a database"}) {
        const bool none = layout == "none", notADatabase = layout == "not a database";
        if (!none) std::filesystem::create_directories(notADatabase ? file.parent_path() : file);
        if (notADatabase) std::ofstream(file) << garbage;
        for (const bool json : {false, true}) {
            const Outcome run = RunCast(json ? std::vector<std::string>{"--history", "--json"}
                                             : std::vector<std::string>{"--history"});
            EXPECT_EQ(run.status, none ? 0 : 2) << layout << json;
            EXPECT_EQ(run.out, none && json ? "[]\n" : "") << layout << json;
            const bool told = run.err.find("无法读取") != std::string::npos && run.err.find(file) != std::string::npos;
            EXPECT_EQ(told, !none) << layout << json << ": " << run.err;
        }
        EXPECT_EQ(std::filesystem::exists(file.parent_path()), !none) << layout << ": listing created it";
        EXPECT_EQ(notADatabase ? Slurp(file) : garbage, garbage) << "a file that cannot be read is left as it is";
        std::filesystem::remove_all(file.parent_path());
    }
}

TEST(YaopanCast, JournalOptionsAreNotMixedWithCasting) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--history", "--name", "x"}, {"--history", "--batch"}, {"--search", "x"}, {"--batch", "--record"}}) {
        const Outcome run = RunCast(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args[1];
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace

// Two refusals, one written in English and one by the engine in Chinese,
// as each catalog prints them; "" is the C locale's, as written.
TEST(YaopanCast, TheLanguageIsChosenByLangThenByTheEnvironmentInGettextsOrder) {
    const std::map<std::string, std::pair<std::string, std::string>> said = {
        {"", {"hour must be 0 to 23, not 24", "参数错误：请检查是否输入完整！"}},
        {"zh_CN", {"hour 须在 0 至 23 之间，不能是 24", "参数错误：请检查是否输入完整！"}},
        {"zh_TW", {"hour 須在 0 至 23 之間，不能是 24", "參數錯誤：請檢查是否輸入完整！"}},
        {"en", {"hour must be 0 to 23, not 24", "bad input: something is missing"}},
    };
    const struct {
        std::vector<std::string> locale, lang;
        std::string catalog;
    } rows[] = {
        {{}, {}, ""},
        {{"LANG=C"}, {}, ""},
        {{"LC_ALL=POSIX", "LANG=zh_CN.UTF-8"}, {}, ""},
        {{"LANG=C.UTF-8", "LANGUAGE=zh_TW"}, {}, ""},  // LANGUAGE counts only beside a locale
        {{"LANG=zh_CN.UTF-8"}, {}, "zh_CN"},
        {{"LANG=zh_SG"}, {}, "zh_CN"},
        {{"LANG=zh_TW.UTF-8"}, {}, "zh_TW"},
        {{"LANG=zh_HK.UTF-8"}, {}, "zh_TW"},
        {{"LC_MESSAGES=zh_MO.UTF-8", "LANG=en_US.UTF-8"}, {}, "zh_TW"},
        {{"LC_ALL=en_GB.UTF-8", "LC_MESSAGES=zh_CN.UTF-8"}, {}, "en"},
        {{"LANG=fr_FR.UTF-8"}, {}, "en"},
        {{"LANG=en_US.UTF-8", "LANGUAGE=fr:zh_TW:zh_CN"}, {}, "zh_TW"},
        {{"LANG=zh_CN.UTF-8", "LANGUAGE=fr"}, {}, "en"},
        {{"LANG=zh_CN.UTF-8"}, {"--lang", "en"}, "en"},
        {{"LANG=C"}, {"--lang=zh_TW"}, "zh_TW"},
        {{"LANGUAGE=en", "LANG=en_US.UTF-8"}, {"--lang", "zh_CN"}, "zh_CN"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.locale) + testing::PrintToString(row.lang));
        const auto with = [&row](std::vector<std::string> args) {
            args.insert(args.end(), row.lang.begin(), row.lang.end());
            return RunCastIn(row.locale, args);
        };
        EXPECT_EQ(with({"--hour", "24"}).err, "yaopan-cast: " + said.at(row.catalog).first + "\n");
        EXPECT_EQ(with({"--method", "number"}).err, "yaopan-cast: " + said.at(row.catalog).second + "\n");
    }
}

TEST(YaopanCast, TheHelpIsTranslatedAndUnderTheCLocaleIsWhatItWas) {
    const std::string before = Slurp(YAOPAN_CLI_DATA "/help_before_translations.txt");
    for (const char* locale : {"LANG=C", "LC_ALL=POSIX", "LANG=C.UTF-8", "LANG=en_US.UTF-8"}) {
        EXPECT_EQ(RunCastIn({locale}, {"--help"}).out, before) << locale;
    }
    EXPECT_EQ(RunCast({"--help"}).out, before);
    EXPECT_NE(RunCastIn({"LANG=zh_CN.UTF-8"}, {"--help"}).out.find("用法: yaopan-cast [选项]"), std::string::npos);
    EXPECT_NE(RunCastIn({}, {"--lang", "zh_TW", "--help"}).out.find("  --name TEXT                 此人的姓名\n"),
              std::string::npos);
}

TEST(YaopanCast, AnUnknownLangIsRefusedInTheEnvironmentsLanguage) {
    for (const auto& [locale, message] : std::vector<std::pair<std::string, std::string>>{
             {"LANG=C", "--lang must be zh_CN, zh_TW or en, not 'fr'"},
             {"LANG=zh_CN.UTF-8", "--lang 须为 zh_CN、zh_TW 或 en，不能是“fr”"}}) {
        const Outcome refused = RunCastIn({locale}, {"--lang", "fr", "--method", "clock"});
        EXPECT_EQ(refused.status, cli::kExitBadInput);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, "yaopan-cast: " + message + "\n");
    }
}

// Messages follow the language; the report and the JSON's texts do not.
TEST(YaopanCast, OnlyMessagesFollowTheLanguage) {
    const std::vector<std::string> args = With({"--json"});
    EXPECT_EQ(RunCastIn({"LANG=zh_TW.UTF-8"}, args).out, RunCast(args).out);
    EXPECT_EQ(RunCastIn({"LANG=en_US.UTF-8"}, With({})).out, RunCast(With({})).out);
}

// Under a Traditional language the report and the almanac are Traditional,
// Taiwan's forms (床) for --lang zh_TW and Hong Kong's (牀) for its locale;
// the JSON only when --lang asks, its classic texts the proofread data's
// (凶, not OpenCC's 兇). The name stays as typed.
TEST(YaopanCast, TheProgramsTextsFollowATraditionalLanguageAndTheJsonsAnExplicitOne) {
    const std::vector<std::string> cast = {"--name", "张三", "--method", "manual", "--upper", "3", "--lower", "5",
                                           "--line", "4",    "--date",   "2024-01-20", "--hour", "9"};
    const std::vector<std::string> day = {"--almanac", "--date", "2024-01-09"};  // 申不安床, 翼 凶
    const std::string batchLine = R"({"name":"张三","method":"manual","upper":3,"lower":5,"line":4,"date":"2024-01-20","hour":9})";
    const auto with = [](std::vector<std::string> args, const std::vector<std::string>& more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const struct {
        std::vector<std::string> locale, lang;
        const char* bed;  // the almanac's 床 as written, "" for Simplified
        bool traditionalJson;
    } rows[] = {
        {{}, {"--lang", "zh_TW"}, "申不安床", true},
        {{"LANG=zh_HK.UTF-8"}, {"--lang", "zh_TW"}, "申不安床", true},
        {{"LANG=zh_HK.UTF-8"}, {}, "申不安牀", false},
        {{"LC_MESSAGES=zh_MO.UTF-8"}, {}, "申不安牀", false},
        {{"LANG=zh_TW.UTF-8"}, {}, "申不安床", false},
        {{"LANG=en_US.UTF-8"}, {}, "", false},
        {{"LANG=zh_TW.UTF-8"}, {"--lang", "zh_CN"}, "", false},
    };
    const reading::HexagramText& ding = reading::HexagramTextOf(3, 5, reading::Script::Traditional);
    // What the program prints in the default language, each run once.
    const std::string simplifiedReport = RunCast(cast).out, simplifiedAlmanac = RunCast(day).out;
    const std::vector<std::vector<std::string>> jsonArgs = {with(cast, {"--json"}), with(day, {"--json"})};
    const std::string simplifiedJson[] = {RunCast(jsonArgs[0]).out, RunCast(jsonArgs[1]).out};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.locale) + testing::PrintToString(row.lang));
        const std::string report = RunCastIn(row.locale, with(cast, row.lang)).out;
        const std::string almanac = RunCastIn(row.locale, with(day, row.lang)).out;
        if (*row.bed == '\0') {
            EXPECT_EQ(report, simplifiedReport);
            EXPECT_EQ(almanac, simplifiedAlmanac);
        } else {
            EXPECT_EQ(report.substr(0, report.find('\n')), "  姓名： 张三  性別：   年齡： ");
            EXPECT_NE(report.find("農曆：二零二三年臘月初十\n"), std::string::npos) << report;
            EXPECT_NE(report.find("火風鼎      澤天夬      山風蠱"), std::string::npos) << report;
            EXPECT_NE(almanac.find(row.bed), std::string::npos) << almanac;
        }
        std::vector<nlohmann::json> json;
        for (std::size_t i = 0; i < jsonArgs.size(); ++i) {
            const std::string printed = RunCastIn(row.locale, with(jsonArgs[i], row.lang)).out;
            EXPECT_EQ(printed == simplifiedJson[i], !row.traditionalJson) << printed;
            json.push_back(nlohmann::json::parse(printed));
        }
        // A batch answers in the script --json prints in.
        EXPECT_EQ(nlohmann::json::parse(RunCastIn(row.locale, with({"--batch"}, row.lang), batchLine + "\n").out), json[0]);
        if (!row.traditionalJson) continue;
        EXPECT_EQ(json[0]["person"]["name"], "张三");
        EXPECT_EQ(json[0]["hexagrams"]["changed"]["name"], "山風蠱");
        EXPECT_EQ(json[0]["report"][3], "  農曆：二零二三年臘月初十");
        EXPECT_EQ(json[0]["reading"]["texts"]["primary"]["judgment"], utf8(std::string(ding.judgment)));
        EXPECT_EQ(json[0]["reading"]["texts"]["changed"]["name"], "蠱");
        EXPECT_EQ(json[0]["reading"]["texts"]["moving_line"]["text"], "鼎折足，覆公餗，其形渥，凶。");
        EXPECT_EQ(json[1]["pengzu"][1], "申不安床鬼祟入房");
        EXPECT_EQ(json[1]["xiu_luck"], "凶");
    }
}
