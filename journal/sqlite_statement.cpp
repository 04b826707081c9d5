#include "sqlite_statement.h"

namespace journal {

void Check(sqlite3* db, int result) {
    if (result != SQLITE_OK) throw SqliteError(result, db ? sqlite3_errmsg(db) : sqlite3_errstr(result));
}

void Execute(sqlite3* db, const std::string& sql) {
    Check(db, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr));
}

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    Check(db, sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr));
}

Statement::~Statement() { sqlite3_finalize(statement_); }

void Statement::Bind(int index, std::int64_t value) { Check(db_, sqlite3_bind_int64(statement_, index, value)); }

void Statement::Bind(int index, std::string_view text) {
    // SQLite copies the text: the caller's string may go before the step.
    Check(db_, sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
}

void Statement::Bind(int index, const std::optional<std::string>& text) {
    if (text)
        Bind(index, std::string_view(*text));
    else
        Check(db_, sqlite3_bind_null(statement_, index));
}

void Statement::Bind(int index, const std::optional<double>& number) {
    Check(db_, number ? sqlite3_bind_double(statement_, index, *number) : sqlite3_bind_null(statement_, index));
}

void Statement::BindPointer(int index, void* pointer, const char* type) {
    Check(db_, sqlite3_bind_pointer(statement_, index, pointer, type, nullptr));
}

bool Statement::Step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) return false;
    // The extended code of a failed step is the database's, not the statement's.
    throw SqliteError(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_));
}

std::int64_t Statement::Int(int column) const { return sqlite3_column_int64(statement_, column); }

std::string Statement::Text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    // The length, not the terminator: a text may hold NUL characters.
    return bytes ? std::string(bytes, sqlite3_column_bytes(statement_, column)) : std::string();
}

std::optional<std::string> Statement::OptionalText(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) return std::nullopt;
    return Text(column);
}

std::optional<double> Statement::OptionalReal(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) return std::nullopt;
    return sqlite3_column_double(statement_, column);
}

}  // namespace journal
