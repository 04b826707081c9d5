#include "journal_schema.h"

#include <string>
#include <vector>

#include "character_index.h"
#include "sqlite_statement.h"

namespace journal {

namespace {

// What a search looks through, lowercased as the query is (SQLite's lower()
// folds ASCII only, on both sides alike). The unit separator between the
// fields keeps a query from matching across two of them.
const std::string kSearchText =
    "lower(new.name || char(31) || new.question || char(31) || new.note || char(31) || new.primary_name || "
    "char(31) || new.nuclear_name || char(31) || new.changed_name || char(31) || new.opposite_name || "
    "char(31) || new.reversed_name)";

// Step n takes a database from version n to n + 1. Steps are only ever
// appended: a released step is never changed.
const std::vector<std::string> kSteps = {
    // 1: the castings, and beside them a narrow table of search texts. A
    // search scans the narrow table alone, so its cost grows with what is
    // searched and not with the reports; SQLite's trigram index would not
    // serve the one- and two-character queries names and hexagrams take.
    "CREATE TABLE castings ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL, sex TEXT NOT NULL, age TEXT NOT NULL,"
    " year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,"
    " hour INTEGER NOT NULL, minute INTEGER NOT NULL,"
    " method TEXT NOT NULL, question TEXT NOT NULL,"
    " manual_upper INTEGER NOT NULL, manual_lower INTEGER NOT NULL, manual_line INTEGER NOT NULL,"
    " primary_name TEXT NOT NULL, nuclear_name TEXT NOT NULL, changed_name TEXT NOT NULL,"
    " opposite_name TEXT NOT NULL, reversed_name TEXT NOT NULL,"
    " moving_line INTEGER NOT NULL, report TEXT NOT NULL, cast_at INTEGER NOT NULL,"
    " note TEXT NOT NULL, calendar_rule TEXT NOT NULL, reading TEXT);"
    "CREATE TABLE castings_search (id INTEGER PRIMARY KEY, text TEXT NOT NULL);"
    "CREATE TRIGGER castings_search_insert AFTER INSERT ON castings BEGIN"
    " INSERT INTO castings_search (id, text) VALUES (new.id, " +
        kSearchText +
        "); END;"
        "CREATE TRIGGER castings_search_update AFTER UPDATE ON castings BEGIN"
        " UPDATE castings_search SET text = " +
        kSearchText +
        " WHERE id = new.id; END;"
        "CREATE TRIGGER castings_search_delete AFTER DELETE ON castings BEGIN"
        " DELETE FROM castings_search WHERE id = old.id; END;",
    // 2: an index for each order the history window sorts by, the id
    // ordering castings of equal values: a page anywhere in a sorted list
    // is found by its (value, id) place, never by sorting the journal. The
    // hexagrams' expression is the one the journal's queries sort by.
    "CREATE INDEX castings_by_time ON castings (cast_at, id);"
    "CREATE INDEX castings_by_name ON castings (name, id);"
    "CREATE INDEX castings_by_method ON castings (method, id);"
    "CREATE INDEX castings_by_question ON castings (question, id);"
    "CREATE INDEX castings_by_note ON castings (note, id);"
    "CREATE INDEX castings_by_hexagrams ON castings (primary_name || char(31) || changed_name, id);",
    // 3: the place and moment a corrected clock reading was cast from;
    // NULL for the castings before and for those cast from the reading.
    "ALTER TABLE castings ADD COLUMN place_name TEXT;"
    "ALTER TABLE castings ADD COLUMN longitude REAL;"
    "ALTER TABLE castings ADD COLUMN zone TEXT;"
    "ALTER TABLE castings ADD COLUMN corrections TEXT;"
    "ALTER TABLE castings ADD COLUMN cast_from TEXT;",
    // 4: the conventions a casting was reckoned by, each by its key; NULL
    // for the default, and for every casting before.
    "ALTER TABLE castings ADD COLUMN zi TEXT;"
    "ALTER TABLE castings ADD COLUMN pillar_boundary TEXT;"
    "ALTER TABLE castings ADD COLUMN year_number TEXT;"
    "ALTER TABLE castings ADD COLUMN strength TEXT;",
    // 5: the search texts' characters in a full-text index, each character
    // a word (character_index.h): a search of a million castings reads the
    // lists of its characters, not every search text. The index keeps no
    // copy of the texts, only where each character stands, and follows
    // castings_search as that follows the castings.
    std::string("CREATE VIRTUAL TABLE castings_words USING fts5(text, content='castings_search', content_rowid='id',"
                " columnsize=0, tokenize='") +
        kCharacterTokenizer +
        "');"
        "CREATE TRIGGER castings_words_insert AFTER INSERT ON castings_search BEGIN"
        " INSERT INTO castings_words (rowid, text) VALUES (new.id, new.text); END;"
        "CREATE TRIGGER castings_words_update AFTER UPDATE ON castings_search BEGIN"
        " INSERT INTO castings_words (castings_words, rowid, text) VALUES ('delete', old.id, old.text);"
        " INSERT INTO castings_words (rowid, text) VALUES (new.id, new.text); END;"
        "CREATE TRIGGER castings_words_delete AFTER DELETE ON castings_search BEGIN"
        " INSERT INTO castings_words (castings_words, rowid, text) VALUES ('delete', old.id, old.text); END;"
        "INSERT INTO castings_words (castings_words) VALUES ('rebuild');",
};

}  // namespace

int CurrentSchemaVersion() { return static_cast<int>(kSteps.size()); }

bool KnownSchemaVersion(int version) { return version >= 0 && version <= CurrentSchemaVersion(); }

int SchemaVersion(sqlite3* db) {
    Statement version(db, "PRAGMA user_version");
    version.Step();
    return static_cast<int>(version.Int(0));
}

void Migrate(sqlite3* db) {
    if (SchemaVersion(db) == CurrentSchemaVersion()) return;
    Execute(db, "BEGIN IMMEDIATE");
    try {
        // Read again inside the transaction: another program may have
        // migrated between the look and the lock.
        const int found = SchemaVersion(db);
        // An unknown version found here stays as it is: no step starts
        // from it, and the number may be all that is wrong with the file.
        if (KnownSchemaVersion(found) && found < CurrentSchemaVersion()) {
            for (int version = found; version < CurrentSchemaVersion(); ++version) Execute(db, kSteps[version]);
            // A pragma takes no parameters; the number is the program's own.
            Execute(db, "PRAGMA user_version = " + std::to_string(CurrentSchemaVersion()));
        }
        Execute(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace journal
