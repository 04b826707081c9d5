// The few SQLite calls the journal makes, wrapped so that every failure is
// an exception carrying SQLite's result code and every value is bound as a
// parameter, never spliced into the SQL.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace journal {

struct SqliteError : std::runtime_error {
    SqliteError(int code, const std::string& what) : std::runtime_error(what), code(code) {}
    int code;  // the primary result code (SQLITE_FULL, SQLITE_NOTADB, ...)
    int primary() const { return code & 0xFF; }
};

// Throws SqliteError for a result code other than SQLITE_OK.
void Check(sqlite3* db, int result);

// Runs SQL that takes no parameters and returns no rows.
void Execute(sqlite3* db, const std::string& sql);

// One prepared statement, finalized when it goes.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1.
    void Bind(int index, std::int64_t value);
    void Bind(int index, std::string_view text);
    void Bind(int index, const std::optional<std::string>& text);  // NULL when absent
    void Bind(int index, const std::optional<double>& number);     // NULL when absent
    // A pointer SQLite hands to the function that knows `type`.
    void BindPointer(int index, void* pointer, const char* type);

    // Runs to the next row: true when there is one, false when done.
    bool Step();

    // Columns count from 0.
    std::int64_t Int(int column) const;
    std::string Text(int column) const;
    std::optional<std::string> OptionalText(int column) const;
    std::optional<double> OptionalReal(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

}  // namespace journal
