// Castings as files other programs read: CSV for spreadsheets, JSON for
// scripts. Both carry every stored field under its column name, with the
// time of casting as ISO 8601 UTC.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "journal_entry.h"

namespace journal {

// RFC 4180: a header row, then a row per casting, lines ending CRLF; a
// field holding a comma, a quote or a line break is quoted, its quotes
// doubled. A text a spreadsheet would run as a formula (one starting with
// =, +, -, @, a tab or a carriage return) is quoted with a ' before it.
// The text is UTF-8 after a byte order mark, as spreadsheets want it.
std::string ToCsv(std::span<const JournalEntry> entries);

// An array of objects, one per casting; `reading` is null where there is
// none. Bytes that are not UTF-8 come out as U+FFFD.
std::string ToJson(std::span<const JournalEntry> entries);

// ToJson's array written a casting at a time as they are read: a journal
// of any size goes out in the memory of one casting.
class JsonArrayWriter {
public:
    explicit JsonArrayWriter(std::ostream& out) : out_(out) {}
    void Add(const JournalEntry& entry);
    // Closes the array; add nothing after.
    void Close();

private:
    static constexpr std::size_t kWriteBytes = 64 * 1024;
    void Write();

    std::ostream& out_;
    bool empty_ = true;
    std::string buffer_;  // what is not written yet, its room kept
};

}  // namespace journal
