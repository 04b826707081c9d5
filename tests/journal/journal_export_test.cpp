#include "journal/journal_export.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <vector>

#include "journal_folder.h"

namespace {

using JournalExportTest = JournalFolder;

// The row of one casting, without the header row.
std::string CsvRow(const journal::JournalEntry& entry) {
    const std::string csv = journal::ToCsv(std::vector{entry});
    return csv.substr(csv.find("\r\n") + 2);
}

TEST_F(JournalExportTest, CsvQuotesOnlyTheFieldsThatNeedIt) {
    const struct {
        std::string name, field;
    } cases[] = {
        {"王芳", "王芳"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
    };
    for (const auto& c : cases) {
        auto entry = Casting(c.name);
        entry.id = 7;
        EXPECT_EQ(CsvRow(entry).substr(0, 2 + c.field.size() + 1), "7," + c.field + ",") << c.name;
    }
}

TEST_F(JournalExportTest, CsvHasAHeaderAndOneCrlfLinePerCasting) {
    auto entry = Casting("王");
    entry.castAt = 0;
    const std::string csv = journal::ToCsv(std::vector{entry, entry});
    EXPECT_TRUE(csv.starts_with("id,name,sex,age,")) << csv;
    EXPECT_NE(csv.find(",1970-01-01T00:00:00Z,"), std::string::npos);
    EXPECT_TRUE(csv.ends_with(",table,\r\n"));  // no reading: an empty last field
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3 + 2 * 2);  // and each report's two lines, quoted
}

TEST_F(JournalExportTest, JsonCarriesEveryFieldAndNullForNoReading) {
    auto withReading = Casting("王\"}");
    withReading.id = 1;
    withReading.reading = "乾：元亨利贞";
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
    EXPECT_EQ(json[1]["name"], "bad\xEF\xBF\xBD");
}

}  // namespace
