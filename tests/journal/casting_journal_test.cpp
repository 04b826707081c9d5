#include "journal/casting_journal.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "journal/character_index.h"
#include "journal/journal_location.h"
#include "journal_folder.h"

using journal::CastingJournal;
using journal::JournalEntry;
using journal::WriteFailure;

namespace {

using CastingJournalTest = JournalFolder;

// Takes away what schema step 5 added, leaving the journal as an older
// program kept it. Dropping the index needs its tokenizer.
void DropCharacterIndex(sqlite3* db) {
    journal::RegisterCharacterTokenizer(db);
    ASSERT_EQ(sqlite3_exec(db,
                           "DROP TRIGGER castings_words_insert; DROP TRIGGER castings_words_update;"
                           "DROP TRIGGER castings_words_delete; DROP TABLE castings_words; PRAGMA user_version = 4;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK)
        << sqlite3_errmsg(db);
}

TEST_F(CastingJournalTest, StoresHostileLongAndUnusualTextsExactly) {
    const std::string texts[] = {
        "'); DROP TABLE castings;--",
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

// Each page starts after the last casting read, so one deleted meanwhile,
// read or not, shifts no casting past a page's edge.
TEST_F(CastingJournalTest, ListsNewestFirstAPageAtATimeThoughCastingsGoBetweenPages) {
    const struct {
        const char* deleted;  // after the first page
        std::string listed;
    } cases[] = {
        {"", "庚己戊丁丙乙甲"},
        {"己", "庚己戊丁丙乙甲"},  // the last casting read
        {"戊", "庚己丁丙乙甲"},    // the first of the next page
        {"乙", "庚己戊丁丙甲"},
    };
    for (const auto& c : cases) {
        CastingJournal journal(folder / (std::string("case") + c.deleted));
        for (const char* name : {"甲", "乙", "丙", "丁", "戊", "己", "庚"}) journal.Record(Casting(name));
        std::string listed;
        std::vector<JournalEntry> page = journal.List({}, 2);
        for (int pages = 1; !page.empty(); ++pages) {
            ASSERT_LE(page.size(), 2u);
            for (const JournalEntry& entry : page) listed += entry.name;
            if (pages == 1 && *c.deleted) journal.Delete(journal.Find(c.deleted).front());
            page = journal.List(CastingJournal::PlaceAfter(page.back()), 2);
        }
        EXPECT_EQ(listed, c.listed) << c.deleted;
        EXPECT_EQ(journal.Count(), *c.deleted ? 6 : 7);
    }
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
        {"", {liId, wangId}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(journal.Find(c.query), c.ids) << c.query;
        std::vector<std::int64_t> visited;
        journal.ForEach(c.query, [&](const JournalEntry& entry) { visited.push_back(entry.id); });
        EXPECT_EQ(visited, c.ids) << c.query;
    }
}

// The index of characters finds what a scan of the search texts finds, in
// every order: in a journal written with it (notes changed, castings
// deleted), in an older one read as it is, and in that one once it gains
// the index.
TEST_F(CastingJournalTest, TheCharacterIndexFindsWhatAScanFinds) {
    const std::filesystem::path older = folder / "older.sqlite3";
    {
        CastingJournal journal(file);
        const char* names[] = {"王芳", "李芳", "Ann \"Q\"", "芳", "张伟", "王", "a b", "芳芳"};
        std::vector<std::int64_t> ids;
        for (const char* name : names) {
            JournalEntry entry = Casting(name, ids.size() % 2 ? "王芳在吗" : "此事能成否");
            entry.castAt -= static_cast<std::int64_t>(ids.size() % 3) * 60;
            ids.push_back(journal.Record(entry).id);
        }
        journal.UpdateNote(ids[4], "芳邻应验");
        journal.UpdateNote(ids[3], "已改");
        journal.Delete(ids[5]);
    }
    std::filesystem::copy_file(file, older);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(older.c_str(), &db), SQLITE_OK);
    DropCharacterIndex(db);
    sqlite3_close(db);

    const char* queries[] = {"芳", "王芳", "芳芳", "芳邻", "应验", "已改", "王", "ann \"q", "A B", " ", "乾为天",
                             "天风", "在吗", "\x1f", "\x8a", "\xe8\x8a", "z", "芳王"};
    const journal::ListOrder orders[] = {{}, {journal::SortKey::Recorded, true}, {journal::SortKey::Time, false},
                                         {journal::SortKey::Name, true}};
    // What the index finds, listed two at a time as the history window
    // reads it, in each order; the scanned journal's Find in its place.
    const auto paged = [](CastingJournal& journal, const char* query, journal::ListOrder order) {
        const auto found = journal.FindThroughIndex(query);
        if (!found) return journal.Find(query, order);
        std::vector<std::int64_t> ids;
        std::optional<journal::ListPlace> after;
        for (auto page = journal.List(after, 2, order, &*found); !page.empty();
             page = journal.List(after, 2, order, &*found)) {
            for (const JournalEntry& entry : page) ids.push_back(entry.id);
            after = CastingJournal::PlaceAfter(page.back(), order.key);
        }
        return ids;
    };
    const auto found = [&](CastingJournal& journal) {
        std::vector<std::vector<std::int64_t>> all;
        for (const char* query : queries) {
            for (const journal::ListOrder& order : orders) {
                all.push_back(journal.Find(query, order));
                all.push_back(paged(journal, query, order));
            }
            all.emplace_back();
            journal.ForEach(query, [&](const JournalEntry& entry) { all.back().push_back(entry.id); });
        }
        return all;
    };
    CastingJournal indexed(file, journal::Access::ReadOnly);
    CastingJournal scanned(older, journal::Access::ReadOnly);
    const auto expected = found(scanned);
    EXPECT_EQ(found(indexed), expected);
    CastingJournal migrated(older);
    ASSERT_EQ(migrated.outcome(), journal::OpenOutcome::Ok) << migrated.message();
    EXPECT_EQ(found(migrated), expected);
    EXPECT_EQ(expected[0].size(), 5u) << "芳: four names and a note hold it, a deleted casting no more";
    EXPECT_EQ(expected[1], expected[0]);
}

// Past a couple of thousand castings found, a page is met walking the sort's
// index rather than looking each one up: the same castings in the same order.
TEST_F(CastingJournalTest, ManyCastingsFoundArePagedAsFindSortsThem) {
    CastingJournal journal(file);
    for (int i = 0; i < 2400; ++i) {
        JournalEntry entry = Casting(i % 7 ? "王芳" : "李四", "此事能成否");
        entry.castAt -= (i * 37 % 101) * 60;
        journal.Record(entry);
    }
    const auto found = journal.FindThroughIndex("芳");
    ASSERT_TRUE(found);
    ASSERT_TRUE(found->many);
    for (const journal::ListOrder order : {journal::ListOrder{journal::SortKey::Time, false},
                                           journal::ListOrder{journal::SortKey::Name, true}}) {
        std::vector<std::int64_t> ids;
        std::optional<journal::ListPlace> after;
        for (auto page = journal.List(after, 500, order, &*found); !page.empty();
             page = journal.List(after, 500, order, &*found)) {
            for (const JournalEntry& entry : page) ids.push_back(entry.id);
            after = CastingJournal::PlaceAfter(page.back(), order.key);
        }
        EXPECT_EQ(ids, journal.Find("芳", order));
    }
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

// No other test reads these variables: they are left as the cases set them.
// A journal of the schema before corrected moments gains their columns and
// the conventions', its castings read with none, and keeps new ones with
// theirs.
TEST_F(CastingJournalTest, AnOlderJournalGainsTheCorrectedMomentAndConventions) {
    JournalEntry older = Casting("甲");
    {
        CastingJournal journal(file);
        older.id = journal.Record(older).id;
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    DropCharacterIndex(db);
    for (const char* column : {"place_name", "longitude", "zone", "corrections", "cast_from", "zi", "pillar_boundary",
                               "year_number", "strength"}) {
        const std::string drop = std::string("ALTER TABLE castings DROP COLUMN ") + column;
        ASSERT_EQ(sqlite3_exec(db, drop.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    }
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA user_version = 2", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    CastingJournal journal(file);
    ASSERT_EQ(journal.outcome(), journal::OpenOutcome::Ok) << journal.message();
    EXPECT_EQ(journal.Get(older.id), older);
    JournalEntry corrected = Corrected("乙");
    corrected.zi = "split";
    corrected.strength = "season";
    corrected.id = journal.Record(corrected).id;
    EXPECT_EQ(journal.Get(corrected.id), corrected);
    EXPECT_TRUE(journal.Get(corrected.id)->AwayFromDefaults());
    EXPECT_FALSE(journal.Get(older.id)->AwayFromDefaults());
}

TEST_F(CastingJournalTest, LivesUnderTheDataFolderTheEnvironmentNames) {
    const struct {
        const char* xdg;  // nullptr: unset
        const char* expected;
    } cases[] = {
        {"/data/me", "/data/me/yaopan/castings.sqlite3"},
        {"relative/data", "/home/me/.local/share/yaopan/castings.sqlite3"},
        {nullptr, "/home/me/.local/share/yaopan/castings.sqlite3"},
    };
    setenv("HOME", "/home/me", 1);
    for (const auto& c : cases) {
        c.xdg ? setenv("XDG_DATA_HOME", c.xdg, 1) : unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(journal::DefaultJournalFile(), c.expected) << (c.xdg ? c.xdg : "unset");
    }
}

}  // namespace
