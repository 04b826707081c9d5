#include "casting_journal.h"

#include <string.h>

#include <ctime>
#include <functional>
#include <system_error>
#include <type_traits>
#include <variant>

#include "character_index.h"
#include "journal_fields.h"
#include "journal_schema.h"
#include "owner_only.h"
#include "sqlite_statement.h"

namespace journal {

namespace {

const JournalEntry kBlank;

// "name, sex, ..." in the order of VisitFields.
std::string ColumnList() {
    std::string columns;
    VisitFields(kBlank, [&](const char* column, const auto&) {
        if (!columns.empty()) columns += ", ";
        columns += column;
    });
    return columns;
}

const std::string kSelectColumns = "SELECT id, " + ColumnList() + " ";
const std::string kSelect = kSelectColumns + "FROM castings ";

// What each SortKey sorts by, as the indexes of schema step 2 name it:
// SQLite uses an index on an expression only for the same expression.
std::string SortExpression(SortKey key) {
    switch (key) {
        case SortKey::Recorded: return "id";
        case SortKey::Time: return "cast_at";
        case SortKey::Name: return "name";
        case SortKey::Method: return "method";
        case SortKey::Question: return "question";
        case SortKey::Note: return "note";
        case SortKey::Hexagrams: return "primary_name || char(31) || changed_name";
    }
    return "id";
}

// "ORDER BY key DESC, id DESC": the order of the key's index.
std::string OrderBy(ListOrder order) {
    const std::string direction = order.ascending ? " ASC" : " DESC";
    return "ORDER BY " + SortExpression(order.key) + direction + ", id" + direction;
}
const std::string kNewestFirst = OrderBy({});

// What a search matches, in castings_search: Find and ForEach alike.
const std::string kFound = "holds(text, lower(?)) ";
// The castings whose search text holds the phrase bound, through the index
// of characters (castings_words).
const std::string kIndexFound = "castings_words MATCH ? ";

// Whether the journal has the index of characters: a journal at an older
// schema, only read, has not.
bool HasCharacterIndex(sqlite3* db) {
    Statement table(db, "SELECT 1 FROM sqlite_schema WHERE name = 'castings_words'");
    return table.Step();
}

void BindFields(Statement& statement, const JournalEntry& entry) {
    int index = 0;
    VisitFields(entry, [&](const char*, const auto& field) {
        using Field = std::decay_t<decltype(field)>;
        if constexpr (std::is_integral_v<Field>)
            statement.Bind(++index, static_cast<std::int64_t>(field));
        else if constexpr (std::is_same_v<Field, std::string>)
            statement.Bind(++index, std::string_view(field));
        else
            statement.Bind(++index, field);
    });
}

JournalEntry ReadEntry(const Statement& row) {
    JournalEntry entry;
    entry.id = row.Int(0);
    int column = 0;
    VisitFields(entry, [&](const char*, auto& field) {
        using Field = std::decay_t<decltype(field)>;
        ++column;
        if constexpr (std::is_integral_v<Field>)
            field = static_cast<Field>(row.Int(column));
        else if constexpr (std::is_same_v<Field, std::string>)
            field = row.Text(column);
        else if constexpr (std::is_same_v<Field, std::optional<double>>)
            field = row.OptionalReal(column);
        else
            field = row.OptionalText(column);
    });
    return entry;
}

std::string InsertStatement() {
    std::string placeholders;
    VisitFields(kBlank, [&](const char*, const auto&) { placeholders += placeholders.empty() ? "?" : ", ?"; });
    return "INSERT INTO castings (" + ColumnList() + ") VALUES (" + placeholders + ")";
}

// holds(text, part): whether `text` holds the bytes of `part`. A byte
// search is a character search in UTF-8 (no character's bytes begin inside
// another's), and glibc's memmem is several times quicker than instr(),
// which steps through the text a character at a time: it keeps a search of
// the whole journal within a screen refresh or two.
void Holds(sqlite3_context* context, int, sqlite3_value** arguments) {
    const void* text = sqlite3_value_text(arguments[0]);
    const void* part = sqlite3_value_text(arguments[1]);
    const int textBytes = sqlite3_value_bytes(arguments[0]), partBytes = sqlite3_value_bytes(arguments[1]);
    sqlite3_result_int(context, text && part && memmem(text, textBytes, part, partBytes) != nullptr);
}

// found(id, ids): whether `ids`, a std::vector<bool> bound by pointer,
// holds `id`: a sorted walk keeps what the index of characters found.
constexpr const char* kFoundIds = "yaopan_found_ids";
void Found(sqlite3_context* context, int, sqlite3_value** arguments) {
    const auto* found = static_cast<const std::vector<bool>*>(sqlite3_value_pointer(arguments[1], kFoundIds));
    const std::int64_t id = sqlite3_value_int64(arguments[0]);
    sqlite3_result_int(context, found && id >= 0 && id < std::ssize(*found) && (*found)[static_cast<std::size_t>(id)]);
}

// How many castings found a page of a search looks up one by one, at
// most: a few milliseconds' reading. Past that, castings found are common
// enough that a page's worth is met within a few thousand steps of the
// sort's index.
constexpr int kLookedUpCastings = 2000;

// Switching to WAL needs the file to itself, and SQLite gives up at once,
// without the busy wait, while another program holds it, as when two open
// a new journal together: the switch is tried again within the wait.
void SwitchToWal(sqlite3* db) {
    constexpr int kRetryMilliseconds = 10;
    for (int waited = 0;; waited += kRetryMilliseconds) {
        try {
            return Execute(db, "PRAGMA journal_mode = WAL");
        } catch (const SqliteError& error) {
            if (error.primary() != SQLITE_BUSY || waited >= kBusyMilliseconds) throw;
        }
        sqlite3_sleep(kRetryMilliseconds);
    }
}

bool IsNotADatabase(const SqliteError& error) {
    return error.primary() == SQLITE_NOTADB || error.primary() == SQLITE_CORRUPT;
}

WriteFailure FailureOf(const SqliteError& error) {
    switch (error.primary()) {
        case SQLITE_FULL:
            return WriteFailure::DiskFull;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return WriteFailure::Busy;
        default:
            return WriteFailure::Unwritable;
    }
}

// "20261209T125704Z": the moment a file was moved aside, in its new name.
std::string UtcStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
    return stamp;
}

// `file` in its folder's real place. SQLite's NOFOLLOW refuses a link
// anywhere along the path, and a link among the folders (a data folder
// kept on another disk) is the user's own choice; only one in the file's
// place is to be refused.
std::filesystem::path WithFolderResolved(const std::filesystem::path& file) {
    std::error_code error;
    const auto folder = std::filesystem::canonical(std::filesystem::absolute(file, error).parent_path(), error);
    return error ? file : folder / file.filename();
}

std::string Quoted(const std::filesystem::path& file) { return "“" + file.string() + "”"; }

// A number above ours may be a newer program's; one below 0 no program
// writes, but one flipped byte of the header makes it.
std::string UnknownSchemaMessage(const std::filesystem::path& file, int version) {
    return "起卦记录" + Quoted(file) + "的格式编号（" + std::to_string(version) + "）不是本程序认得的" +
           (version > CurrentSchemaVersion() ? "，可能由较新版本的程序写成" : "") +
           "；本程序只读取它，不会改动它，新的起卦也不会记录。";
}

}  // namespace

CastingJournal::CastingJournal(std::filesystem::path file, Access access) : file_(std::move(file)) {
    access == Access::ReadOnly ? OpenForReading() : Open();
}

CastingJournal::~CastingJournal() { Close(); }

void CastingJournal::Open() {
    const auto refuse = [&](const std::string& why) {
        outcome_ = OpenOutcome::Unwritable;
        // After a move aside the user still learns where the old file went.
        if (!message_.empty()) message_ += "\n";
        message_ += "起卦记录" + Quoted(file_) + "无法写入（" + why + "），新的起卦不会记录；起卦照常进行。";
    };
    if (file_.has_parent_path()) {
        if (const std::error_code error = MakeOwnerOnlyFolders(file_.parent_path())) return refuse(error.message());
        KeepFolderOwnerOnly(file_.parent_path());
    }
    // A journal kept before its modes were narrowed is narrowed here, with
    // the logs beside it; the file itself as it is connected to.
    for (const char* companion : {"-wal", "-shm"}) KeepFileOwnerOnly(file_.string() + companion, false);

    // The version is the first thing read from the file: a file that is not
    // a database shows it here, before anything is written to it.
    const auto connectAndProbe = [&](int flags) {
        KeepFileOwnerOnly(file_, true);
        Connect(flags);
        const int version = SchemaVersion(db_);
        Statement tables(db_, "SELECT count(*) FROM sqlite_schema");
        tables.Step();
        return version;
    };
    constexpr int kReadWrite = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    int version = 0;
    try {
        try {
            version = connectAndProbe(kReadWrite);
        } catch (const SqliteError& error) {
            if (!IsNotADatabase(error)) throw;
            Close();
            MoveAside();
            version = connectAndProbe(kReadWrite);
        }
    } catch (const std::exception& error) {  // SqliteError, or the rename's filesystem_error
        Close();
        return refuse(error.what());
    }

    if (!KnownSchemaVersion(version)) {
        // Reopened read-only before anything (not even the journal mode) is
        // set: the file stays byte for byte as it was, and in its place.
        // Moving it aside would hide every casting in it over what may be
        // a single damaged byte.
        Close();
        outcome_ = OpenOutcome::ReadOnlyUnknownSchema;
        message_ = UnknownSchemaMessage(file_, version);
        try {
            Connect(SQLITE_OPEN_READONLY);
            readable_ = true;
        } catch (const SqliteError&) {
            Close();
        }
        return;
    }

    try {
        if (sqlite3_db_readonly(db_, "main") == 1) throw SqliteError(SQLITE_READONLY, "只读");
        SwitchToWal(db_);
        Execute(db_, "PRAGMA synchronous = NORMAL");
        Migrate(db_);
        readable_ = true;
        writable_ = true;
    } catch (const SqliteError& error) {
        readable_ = version == CurrentSchemaVersion();
        refuse(error.what());
    }
}

void CastingJournal::OpenForReading() {
    // No file yet (or no folder) is a journal with no castings, and a
    // listing creates neither.
    std::error_code unknown;
    if (std::filesystem::status(file_, unknown).type() == std::filesystem::file_type::not_found) return;
    try {
        Connect(SQLITE_OPEN_READONLY);
        const int version = SchemaVersion(db_);
        if (!KnownSchemaVersion(version)) {
            outcome_ = OpenOutcome::ReadOnlyUnknownSchema;
            message_ = UnknownSchemaMessage(file_, version);
        }
        // An older version's tables are read as they are: a read that
        // needs what a later step adds fails loudly, never lists nothing.
        readable_ = version != 0;
    } catch (const SqliteError& error) {
        Close();
        outcome_ = OpenOutcome::Unreadable;
        message_ = "起卦记录" + Quoted(file_) + "无法读取（" + error.what() + "）。";
    }
}

void CastingJournal::Connect(int flags) {
    sqlite3* db = nullptr;
    // A link in the file's place may lead anywhere: nothing is read or
    // written through it.
    const int result =
        sqlite3_open_v2(WithFolderResolved(file_).c_str(), &db, flags | SQLITE_OPEN_NOFOLLOW, nullptr);
    if (result != SQLITE_OK) {
        const int code = db ? sqlite3_extended_errcode(db) : result;
        const std::string why = code == SQLITE_CANTOPEN_SYMLINK ? "它是符号链接，为免写到别处，不经由它读写"
                                : db                            ? sqlite3_errmsg(db)
                                                                : sqlite3_errstr(result);
        sqlite3_close_v2(db);
        throw SqliteError(code, why);
    }
    db_ = db;
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyMilliseconds);
    Check(db_, sqlite3_create_function(db_, "holds", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                       Holds, nullptr, nullptr));
    Check(db_, sqlite3_create_function(db_, "found", 2, SQLITE_UTF8 | SQLITE_INNOCUOUS, nullptr, Found, nullptr,
                                       nullptr));
    RegisterCharacterTokenizer(db_);
}

void CastingJournal::MoveAside() {
    std::filesystem::path target = file_.string() + ".unreadable-" + UtcStamp();
    for (int n = 2; std::filesystem::exists(target); ++n)
        target = file_.string() + ".unreadable-" + UtcStamp() + "-" + std::to_string(n);
    std::filesystem::rename(file_, target);
    // A log beside the file belongs to it, not to the new journal.
    for (const char* companion : {"-wal", "-shm"}) {
        std::error_code ignored;
        std::filesystem::rename(file_.string() + companion, target.string() + companion, ignored);
    }
    movedTo_ = target;
    outcome_ = OpenOutcome::MovedAside;
    message_ = "起卦记录" + Quoted(file_) + "无法读取，已改名为" + Quoted(target) + "留存，并新建了一份记录。";
}

void CastingJournal::Close() {
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

WriteResult CastingJournal::Write(const std::function<std::int64_t()>& write) {
    WriteResult result;
    std::string why;
    if (outcome_ == OpenOutcome::ReadOnlyUnknownSchema) {
        result.failure = WriteFailure::UnknownSchema;
    } else if (!writable_) {
        result.failure = WriteFailure::Unwritable;
        why = "未能打开";
    } else {
        try {
            result.id = write();
            if (result.id == 0) result.failure = WriteFailure::NoSuchCasting;
        } catch (const SqliteError& error) {
            result.failure = FailureOf(error);
            why = error.what();
        }
    }
    switch (result.failure) {
        case WriteFailure::None:
            break;
        case WriteFailure::UnknownSchema:
            result.message = message_;  // the opening's: why the file is only read
            break;
        case WriteFailure::Unwritable:
            result.message = "起卦记录" + Quoted(file_) + "无法写入（" + why + "）；已存的记录完好无损。";
            break;
        case WriteFailure::DiskFull:
            result.message = "磁盘已满，起卦记录" + Quoted(file_) + "写不进去；已存的记录完好无损。";
            break;
        case WriteFailure::Busy:
            result.message = "起卦记录" + Quoted(file_) + "正被其他程序占用，这次没有写入，请稍后再试。";
            break;
        case WriteFailure::NoSuchCasting:
            result.message = "这条起卦记录已不存在。";
            break;
    }
    result.repeated = !result.ok() && result.failure == lastFailure_;
    lastFailure_ = result.failure;
    return result;
}

WriteResult CastingJournal::Record(const JournalEntry& entry) {
    return Write([&] {
        JournalEntry stored = entry;
        if (stored.castAt == 0) stored.castAt = std::time(nullptr);
        Statement insert(db_, InsertStatement());
        BindFields(insert, stored);
        insert.Step();
        return static_cast<std::int64_t>(sqlite3_last_insert_rowid(db_));
    });
}

WriteResult CastingJournal::UpdateNote(std::int64_t id, std::string_view note) {
    return Write([&] {
        Statement update(db_, "UPDATE castings SET note = ? WHERE id = ?");
        update.Bind(1, note);
        update.Bind(2, id);
        update.Step();
        return sqlite3_changes(db_) ? id : 0;
    });
}

WriteResult CastingJournal::Delete(std::int64_t id) {
    return Write([&] {
        Statement remove(db_, "DELETE FROM castings WHERE id = ?");
        remove.Bind(1, id);
        remove.Step();
        return sqlite3_changes(db_) ? id : 0;
    });
}

template <class Result, class Read>
Result CastingJournal::Reading(Read&& read) {
    if (!readable_) return Result();
    try {
        return read();
    } catch (const SqliteError& error) {
        throw JournalError(error.what());
    }
}

std::int64_t CastingJournal::Count() {
    return Reading<std::int64_t>([&] {
        // The narrow table holds a row per casting: counting it reads a
        // few pages, counting the castings would read every report.
        Statement count(db_, "SELECT count(*) FROM castings_search");
        count.Step();
        return count.Int(0);
    });
}

std::vector<JournalEntry> CastingJournal::List(const std::optional<ListPlace>& after, int limit, ListOrder order,
                                               const IndexFound* among) {
    return Reading<std::vector<JournalEntry>>([&] {
        std::vector<JournalEntry> entries;
        // A few castings found are looked up one by one and sorted; many
        // are met soon enough walking the sort's index, which a few would
        // have walked to its end.
        const std::string select =
            !among ? kSelect + "WHERE "
            : among->many ? kSelectColumns + "FROM castings CROSS JOIN castings_search USING (id) WHERE " + kFound + "AND "
                          : kSelectColumns + "FROM castings_words CROSS JOIN castings ON id = castings_words.rowid WHERE " +
                                kIndexFound + "AND ";
        // Reads from the key's index into `entries`, up to the limit.
        const auto read = [&](const std::string& condition, const std::string& orderBy, bool bindId) {
            Statement list(db_, select + condition + orderBy + " LIMIT ?");
            int index = 0;
            if (among) list.Bind(++index, std::string_view(among->many ? among->query : among->phrase));
            if (after) {
                if (const auto* text = std::get_if<std::string>(&after->sortValue))
                    list.Bind(++index, std::string_view(*text));
                else
                    list.Bind(++index, std::get<std::int64_t>(after->sortValue));
                if (bindId) list.Bind(++index, after->id);
            }
            list.Bind(++index, static_cast<std::int64_t>(limit - std::ssize(entries)));
            while (list.Step()) entries.push_back(ReadEntry(list));
        };
        if (!after) {
            read("1 ", OrderBy(order), false);
            return entries;
        }
        // After the place: the castings tied with it on the key, then those
        // beyond its value. Asked as one (key, id) row value, SQLite seeks
        // by the key alone (the id being the row's own, not an index
        // column) and walks every tie before the place, ninety thousand
        // for an empty note; each half here is a single seek.
        // (The ties are ordered by id alone: SQLite does not see that an
        // expression's equal values need no sort.)
        const std::string key = SortExpression(order.key), beyond = order.ascending ? " > ? " : " < ? ";
        read(key + " = ? AND id" + beyond, OrderBy({SortKey::Recorded, order.ascending}), true);
        if (std::ssize(entries) < limit) read(key + beyond, OrderBy(order), false);
        return entries;
    });
}

ListPlace CastingJournal::PlaceAfter(const JournalEntry& entry, SortKey key) {
    const auto place = [&](auto value) { return ListPlace{std::move(value), entry.id}; };
    switch (key) {
        case SortKey::Recorded: return place(entry.id);
        case SortKey::Time: return place(entry.castAt);
        case SortKey::Name: return place(entry.name);
        case SortKey::Method: return place(entry.method);
        case SortKey::Question: return place(entry.question);
        case SortKey::Note: return place(entry.note);
        case SortKey::Hexagrams: return place(entry.hexagrams[Primary] + '\x1f' + entry.hexagrams[Changed]);
    }
    return place(entry.id);
}

void CastingJournal::ForEach(std::string_view query, const std::function<void(const JournalEntry&)>& visit) {
    Reading<void>([&] {
        // The castings found are read whole, newest first, as the index of
        // characters (or the scan of the narrow search table) finds them:
        // the first goes out before the rest are looked for.
        const bool indexed = !query.empty() && IndexAnswers(query) && HasCharacterIndex(db_);
        Statement each(db_, query.empty() ? kSelect + kNewestFirst
                            : indexed
                                ? kSelectColumns + "FROM castings_words CROSS JOIN castings ON id = castings_words.rowid "
                                                   "WHERE " + kIndexFound + "ORDER BY castings_words.rowid DESC"
                                : kSelectColumns + "FROM castings_search CROSS JOIN castings USING (id) "
                                                   "WHERE " + kFound + kNewestFirst);
        if (!query.empty()) each.Bind(1, indexed ? std::string_view(PhraseOf(query)) : query);
        while (each.Step()) visit(ReadEntry(each));
    });
}

std::vector<std::int64_t> CastingJournal::Find(std::string_view query, ListOrder order) {
    return Reading<std::vector<std::int64_t>>([&] {
        std::vector<std::int64_t> ids;
        if (IndexAnswers(query) && HasCharacterIndex(db_)) {
            // The index gives its castings by id.
            Statement find(db_, "SELECT rowid FROM castings_words WHERE " + kIndexFound + "ORDER BY rowid " +
                                    (order.ascending || order.key != SortKey::Recorded ? "ASC" : "DESC"));
            find.Bind(1, std::string_view(PhraseOf(query)));
            while (find.Step()) ids.push_back(find.Int(0));
            if (order.key == SortKey::Recorded || ids.empty()) return ids;
            // Another order walks the sort's index, which holds the value
            // and the id, and keeps the ids found: looking each casting up
            // for its value would read its whole row.
            std::vector<bool> found(static_cast<std::size_t>(ids.back()) + 1);
            for (const std::int64_t id : ids) found[static_cast<std::size_t>(id)] = true;
            Statement sorted(db_, "SELECT id FROM castings WHERE found(id, ?) " + OrderBy(order));
            sorted.BindPointer(1, &found, kFoundIds);
            ids.clear();
            while (sorted.Step()) ids.push_back(sorted.Int(0));
            return ids;
        }
        // Newest first, the narrow table alone answers. Another order walks
        // the sort's index and looks each id up in the narrow table: a
        // casting found is never read whole, as reading it for its value
        // would be.
        const std::string from = order.key == SortKey::Recorded ? "castings_search "
                                                                : "castings CROSS JOIN castings_search USING (id) ";
        Statement find(db_, "SELECT id FROM " + from + "WHERE " + kFound + OrderBy(order));
        find.Bind(1, query);
        while (find.Step()) ids.push_back(find.Int(0));
        return ids;
    });
}

std::optional<IndexFound> CastingJournal::FindThroughIndex(std::string_view query) {
    return Reading<std::optional<IndexFound>>([&]() -> std::optional<IndexFound> {
        if (!IndexAnswers(query) || !HasCharacterIndex(db_)) return std::nullopt;
        IndexFound found{std::string(query), PhraseOf(query)};
        // Counted only as far as telling few from many: a common character
        // is found in half a million castings.
        Statement count(db_, "SELECT count(*) FROM (SELECT 1 FROM castings_words WHERE " + kIndexFound + "LIMIT ?)");
        count.Bind(1, std::string_view(found.phrase));
        count.Bind(2, static_cast<std::int64_t>(kLookedUpCastings) + 1);
        found.many = count.Step() && count.Int(0) > kLookedUpCastings;
        return found;
    });
}

std::optional<JournalEntry> CastingJournal::Get(std::int64_t id) {
    return Reading<std::optional<JournalEntry>>([&]() -> std::optional<JournalEntry> {
        Statement get(db_, kSelect + "WHERE id = ?");
        get.Bind(1, id);
        if (!get.Step()) return std::nullopt;
        return ReadEntry(get);
    });
}

void CastingJournal::LimitPages(std::int64_t pages) {
    if (db_) Execute(db_, "PRAGMA max_page_count = " + std::to_string(pages));
}

}  // namespace journal
