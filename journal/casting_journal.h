// The journal of castings: one SQLite file that the window and the command
// line record into, list, search, reopen and prune. Opening never fails:
// a file that is not a database is moved aside and a new one started, one
// whose schema number this program does not know (a newer program's, or a
// damaged one) is only read, and one that cannot be written, or is a
// symbolic link, leaves a journal that records nothing. Each case says so
// in `message()`, and casting goes on. A journal opened only to be read
// changes nothing on disk: it creates no file or folder, and says when a
// file cannot be read. Any number of programs may hold the file open at
// once; one journal object serves one thread at a time.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "journal_entry.h"

namespace journal {

// How long a write waits for another program that holds the file: long
// enough for its casting to go in, short enough that a stuck one does not
// keep a casting waiting for ever.
constexpr int kBusyMilliseconds = 5000;

enum class OpenOutcome {
    Ok,
    MovedAside,           // the file was not a database; it was renamed, with the time, and a new one started
    // A schema number this program does not know, a newer program's or a
    // damaged header's: listed and searched, never written nor moved.
    ReadOnlyUnknownSchema,
    Unwritable,           // nothing can be recorded; what can be read still is
    Unreadable,           // opened to be read, the file could not be: no castings
};

enum class Access {
    ReadWrite,
    // Lists and searches: a missing file is a journal with no castings, a
    // damaged one is left as it is, and nothing is ever written.
    ReadOnly,
};

// What a list of castings is sorted by: the order they were recorded in,
// or one of what the history window shows. Each has its index, so a page
// anywhere in a sorted list is found as quickly as the first.
enum class SortKey {
    Recorded,
    Time,       // cast_at
    Name,
    Method,
    Question,
    Note,
    Hexagrams,  // the primary hexagram's name, then the changed one's
};

// A list's order; castings of equal sort values follow their ids the same
// way (newest first in a descending list).
struct ListOrder {
    SortKey key = SortKey::Recorded;
    bool ascending = false;
};

// A place in a list of castings, just after the casting `id` whose sort
// value is `sortValue`: a page starts there, found through the sort's index
// however far down the list it is. The value is a number (the id, the
// time) or a text, as the sort's column holds.
struct ListPlace {
    std::variant<std::int64_t, std::string> sortValue;
    std::int64_t id = 0;
};

// A search the index of characters answers, to be listed a page at a time.
struct IndexFound {
    std::string query;
    std::string phrase;  // the index's query
    // More castings found than a page looks up one by one: a page is met
    // walking the sort's index instead, each casting's search text tested.
    bool many = false;
};

enum class WriteFailure {
    None,
    UnknownSchema,  // the journal is open read-only (OpenOutcome::ReadOnlyUnknownSchema)
    Unwritable,     // the file or its folder cannot be written
    DiskFull,       // no room for the casting
    Busy,           // another program held the file longer than the wait
    NoSuchCasting,  // the id names no stored casting
};

struct WriteResult {
    std::int64_t id = 0;  // the casting recorded, changed or deleted
    WriteFailure failure = WriteFailure::None;
    std::string message;  // for the user, UTF-8; empty on success
    // The same failure as the previous write, with no success between:
    // a caller tells the user once, not at every casting.
    bool repeated = false;

    bool ok() const { return failure == WriteFailure::None; }
};

// A read the database refused (an I/O error, a damaged page).
struct JournalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class CastingJournal {
public:
    // Opens `file`; to write, creating it and its folders as needed. The
    // file, its logs and the folder holding it are kept to their owner
    // (0600, 0700).
    explicit CastingJournal(std::filesystem::path file, Access access = Access::ReadWrite);
    ~CastingJournal();
    CastingJournal(const CastingJournal&) = delete;
    CastingJournal& operator=(const CastingJournal&) = delete;

    OpenOutcome outcome() const { return outcome_; }
    // What the user should be told about the opening, UTF-8; empty for Ok.
    const std::string& message() const { return message_; }
    const std::filesystem::path& file() const { return file_; }
    // Where a file that was not a database was moved; empty otherwise.
    const std::filesystem::path& movedTo() const { return movedTo_; }

    // Stores a casting (its id is ignored) and gives its new id. A failed
    // write stores nothing and changes nothing stored before.
    WriteResult Record(const JournalEntry& entry);
    WriteResult UpdateNote(std::int64_t id, std::string_view note);
    WriteResult Delete(std::int64_t id);

    // Reads throw JournalError when the database refuses; a journal with no
    // readable database has no castings.
    std::int64_t Count();
    // Up to `limit` castings in `order` (newest first unless told), from the
    // list's start or from `after`: a window fetches a screenful at a time
    // as rows come into view. With `among`, only the castings it holds.
    std::vector<JournalEntry> List(const std::optional<ListPlace>& after, int limit, ListOrder order = {},
                                   const IndexFound* among = nullptr);
    // The place just after `entry` in a list sorted by `key`, where the
    // next page starts.
    static ListPlace PlaceAfter(const JournalEntry& entry, SortKey key = SortKey::Recorded);
    // Hands `visit` each casting, newest first, that `query` finds as Find
    // does (every casting when it is empty), one at a time as it is read: a
    // listing of any length holds one casting in memory.
    void ForEach(std::string_view query, const std::function<void(const JournalEntry&)>& visit);
    // The ids of the castings whose name, question, note or one of the five
    // hexagram names holds `query` (ASCII letters in either case), in
    // `order`. The index of the search texts' characters finds them (a
    // query that is no whole characters, or a journal without the index,
    // scans the search texts); another order than the recorded one walks
    // the sort's index over them. Fetch the rows shown with Get.
    std::vector<std::int64_t> Find(std::string_view query, ListOrder order = {});
    // What the index of characters finds for `query`, to be listed a page
    // at a time (List): the first page of a search of a million castings
    // shows without every casting found being read and sorted first.
    // Nothing when the index cannot answer (see Find): Find is asked then.
    std::optional<IndexFound> FindThroughIndex(std::string_view query);
    std::optional<JournalEntry> Get(std::int64_t id);

    // Caps the file at `pages` pages, as a full disk would: for tests of
    // that path, which a real disk cannot be made to take on demand.
    void LimitPages(std::int64_t pages);

private:
    void Open();
    void OpenForReading();
    void Connect(int flags);  // throws SqliteError
    void MoveAside();
    void Close();
    // Runs `write` (which gives the id written, 0 for none) and turns its
    // failure into the user's message.
    WriteResult Write(const std::function<std::int64_t()>& write);
    // Runs `read`, or gives nothing when there are no tables to read.
    template <class Result, class Read>
    Result Reading(Read&& read);

    std::filesystem::path file_;
    std::filesystem::path movedTo_;
    sqlite3* db_ = nullptr;
    bool readable_ = false;  // the tables are there
    bool writable_ = false;
    OpenOutcome outcome_ = OpenOutcome::Ok;
    std::string message_;
    WriteFailure lastFailure_ = WriteFailure::None;
};

}  // namespace journal
