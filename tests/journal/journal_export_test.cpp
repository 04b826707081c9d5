#include "journal/journal_export.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "journal_folder.h"

namespace {

using JournalExportTest = JournalFolder;

TEST_F(JournalExportTest, CsvHasABomAHeaderCrlfLinesAndQuotesOnlyTheFieldsThatNeedIt) {
    const struct {
        std::string name, field;
    } cases[] = {
        {"王芳", "王芳"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        // What a spreadsheet would run as a formula is kept as text.
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "\"'+1\""},
        {"-2", "\"'-2\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"\t=1", "\"'\t=1\""},
        {"\r=1", "\"'\r=1\""},
        {"a=b-c", "a=b-c"},
    };
    for (const auto& c : cases) {
        auto entry = Casting(c.name);
        entry.castAt = 0;
        entry.manualUpper = -1;
        const std::string csv = journal::ToCsv(std::vector{entry});
        EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFid,name,sex,age,year,")) << csv;
        EXPECT_NE(csv.find(",明天出行可好,-1,0,0,"), std::string::npos);  // a number is no formula
        EXPECT_TRUE(csv.find("\r\n0," + c.field + ",女,36,2026,") != std::string::npos) << csv;
        EXPECT_NE(csv.find(",\"本卦　乾为天\n变卦　天风姤\n\",1970-01-01T00:00:00Z,"), std::string::npos);
        // No reading, corrected moment nor convention away from its default:
        // empty last fields, the conventions' after the moment's.
        EXPECT_NE(csv.find(",cast_from,zi,pillar_boundary,year_number,strength\r\n"), std::string::npos);
        EXPECT_TRUE(csv.ends_with(",table,,,,,,,,,,\r\n"));
    }
}

TEST_F(JournalExportTest, JsonCarriesEveryFieldAndNullForNoReading) {
    auto withReading = Casting("王\"}");
    withReading.id = 1;
    withReading.reading = "乾：元亨利贞";
    withReading.pillarBoundary = "moment";
    auto withoutReading = Casting(std::string("bad\xFF"));
    withoutReading.id = 2;
    const auto json = nlohmann::json::parse(journal::ToJson(std::vector{withReading, withoutReading}));
    ASSERT_EQ(json.size(), 2u);
    EXPECT_EQ(json[0]["name"], "王\"}");
    EXPECT_EQ(json[0]["reading"], "乾：元亨利贞");
    EXPECT_EQ(json[0]["changed_name"], "天风姤");
    EXPECT_EQ(json[0]["moving_line"], 1);
    EXPECT_EQ(json[0]["cast_at"], "2026-12-09T13:05:00Z");
    EXPECT_TRUE(json[1]["reading"].is_null());
    EXPECT_EQ(json[0]["pillar_boundary"], "moment");
    EXPECT_TRUE(json[1]["pillar_boundary"].is_null());
    EXPECT_EQ(json[1]["name"], "bad\xEF\xBF\xBD");
}

// The export's bytes are the JSON library's own dump, indented by two, as
// they have always been, whatever the texts hold.
TEST_F(JournalExportTest, TheArrayIsTheLibrarysDumpByteForByte) {
    const std::string texts[] = {
        "王\"}\\\n\t\r\b\f",
        std::string("\x01\x1f\x7f\0", 4),       // control characters, one escaped by number
        "😀 𝄞 \xEF\xBF\xBF",                      // four bytes, and the last of three
        // Not UTF-8, one fault a text: each alone sends its text to the library.
        "bad\xFF", "\xC0\x80", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xE4\xB8\x41", "cut short \xE4\xB8", "\x80 lone",
    };
    std::vector<journal::JournalEntry> odd;
    for (const std::string& text : texts) {
        odd.push_back(Casting(text, text));
        odd.back().reading = text;
        odd.back().id = -7;
    }
    const std::vector<std::vector<journal::JournalEntry>> lists = {{}, {Casting("王"), Corrected("李")}, odd};
    for (const auto& entries : lists) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const auto& e : entries) {
            nlohmann::ordered_json object = nlohmann::ordered_json::parse(journal::ToJson(std::vector{e}))[0];
            object["name"] = e.name;  // the texts as given, the library's replacement below
            object["question"] = e.question;
            object["reading"] = e.reading ? nlohmann::ordered_json(*e.reading) : nullptr;
            array.push_back(object);
        }
        EXPECT_EQ(journal::ToJson(entries), array.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace))
            << entries.size();
    }
}

}  // namespace
