// The index of characters a search looks through: SQLite's full-text
// index over the search texts, each character a word of its own, so that
// a query of any length is a phrase of its characters, found through the
// index, where a scan of a million search texts would read them all.
#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace journal {

// The tokenizer's name, as the index's table names it.
inline constexpr const char* kCharacterTokenizer = "yaopan_characters";

// Makes the tokenizer known to `db`; throws SqliteError when the SQLite
// library has no full-text index.
void RegisterCharacterTokenizer(sqlite3* db);

// Whether the index finds exactly the search texts whose bytes hold
// `query`: a query of whole UTF-8 characters, without NUL, starts and ends
// on a character's edge wherever its bytes are found, so its phrase is
// found there too. Any other query (a stray byte, say) is scanned for.
bool IndexAnswers(std::string_view query);

// The full-text query for the phrase of `query`'s characters, ASCII
// letters lowered as the search texts are.
std::string PhraseOf(std::string_view query);

}  // namespace journal
