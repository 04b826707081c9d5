#include "journal/casting_journal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "journal/journal_location.h"
#include "journal_folder.h"

using journal::CastingJournal;
using journal::JournalEntry;
using journal::WriteFailure;

namespace {

using CastingJournalTest = JournalFolder;

TEST_F(CastingJournalTest, StoresHostileLongAndUnusualTextsExactly) {
    const std::string texts[] = {
        "'); DROP TABLE castings;--",
        "\"; DELETE FROM castings_search; --",
        "😀🀄 emoji 𝄞",
        std::string(10000, 'x') + "卦",
        std::string("with\0nul", 8),
    };
    CastingJournal journal(file);
    ASSERT_EQ(journal.outcome(), journal::OpenOutcome::Ok) << journal.message();
    for (const std::string& text : texts) {
        JournalEntry entry = Casting(text, text);
        entry.note = text;
        entry.reading = text;
        const auto recorded = journal.Record(entry);
        ASSERT_TRUE(recorded.ok()) << recorded.message;
        entry.id = recorded.id;
        EXPECT_EQ(journal.Get(entry.id), entry);
        EXPECT_EQ(journal.Find(text), std::vector<std::int64_t>{entry.id});
    }
    CastingJournal reopened(file);
    EXPECT_EQ(reopened.Count(), std::ssize(texts));
}

TEST_F(CastingJournalTest, ListsNewestFirstAPageAtATime) {
    CastingJournal journal(file);
    for (const char* name : {"甲", "乙", "丙", "丁", "戊"}) ASSERT_TRUE(journal.Record(Casting(name)).ok());
    const auto namesOf = [](const std::vector<JournalEntry>& entries) {
        std::vector<std::string> names;
        for (const auto& entry : entries) names.push_back(entry.name);
        return names;
    };
    EXPECT_EQ(journal.Count(), 5);
    EXPECT_EQ(namesOf(journal.List(0, 2)), (std::vector<std::string>{"戊", "丁"}));
    EXPECT_EQ(namesOf(journal.List(2, 2)), (std::vector<std::string>{"丙", "乙"}));
    EXPECT_EQ(namesOf(journal.List(4, 2)), (std::vector<std::string>{"甲"}));
    EXPECT_TRUE(journal.List(5, 2).empty());
}

TEST_F(CastingJournalTest, FindsNamesQuestionsNotesAndHexagramsButNotReports) {
    CastingJournal journal(file);
    JournalEntry wang = Casting("王芳", "Job Offer");
    wang.note = "应验";
    JournalEntry li = Casting("李", "芳邻");
    li.hexagrams[journal::Reversed] = "水雷屯";
    const std::int64_t wangId = journal.Record(wang).id, liId = journal.Record(li).id;
    const struct {
        const char* query;
        std::vector<std::int64_t> ids;
    } cases[] = {
        {"芳", {liId, wangId}},  // a name and a question, newest first
        {"王芳", {wangId}},
        {"job", {wangId}},  // ASCII in either case
        {"OFFER", {wangId}},
        {"应验", {wangId}},
        {"屯", {liId}},
        {"李芳", {}},  // no match across two fields
        {"本卦", {}},  // the report is not searched
        {"%", {}},     // no pattern characters
    };
    for (const auto& c : cases) EXPECT_EQ(journal.Find(c.query), c.ids) << c.query;
}

TEST_F(CastingJournalTest, EditsNotesAndDeletesAndSaysWhenTheCastingIsGone) {
    CastingJournal journal(file);
    const std::int64_t id = journal.Record(Casting("王")).id;
    ASSERT_TRUE(journal.UpdateNote(id, "后来应验").ok());
    EXPECT_EQ(journal.Get(id)->note, "后来应验");
    EXPECT_EQ(journal.Find("应验"), std::vector<std::int64_t>{id});

    ASSERT_TRUE(journal.Delete(id).ok());
    EXPECT_EQ(journal.Get(id), std::nullopt);
    EXPECT_TRUE(journal.Find("应验").empty());
    EXPECT_EQ(journal.Count(), 0);
    for (const auto& result : {journal.Delete(id), journal.UpdateNote(id, "x")}) {
        EXPECT_EQ(result.failure, WriteFailure::NoSuchCasting);
        EXPECT_FALSE(result.message.empty());
    }
}

TEST_F(CastingJournalTest, LivesUnderTheDataFolderTheEnvironmentNames) {
    const struct {
        const char* xdg;  // nullptr: unset
        const char* expected;
    } cases[] = {
        {"/data/me", "/data/me/yaopan/castings.sqlite3"},
        {"relative/data", "/home/me/.local/share/yaopan/castings.sqlite3"},
        {"", "/home/me/.local/share/yaopan/castings.sqlite3"},
        {nullptr, "/home/me/.local/share/yaopan/castings.sqlite3"},
    };
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string savedXdg = xdg ? xdg : "";
    setenv("HOME", "/home/me", 1);
    for (const auto& c : cases) {
        if (c.xdg)
            setenv("XDG_DATA_HOME", c.xdg, 1);
        else
            unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(journal::DefaultJournalFile(), c.expected) << (c.xdg ? c.xdg : "unset");
    }
    setenv("HOME", home.c_str(), 1);
    if (xdg) setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
}

}  // namespace
