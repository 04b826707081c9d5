#include "character_index.h"

#include <cstddef>

#include "sqlite_statement.h"

namespace journal {
namespace {

// The bytes of the character that starts `rest`: a lead byte and the
// continuation bytes it calls for, or a byte alone where they are not all
// there. A lead byte always starts a word, so a character is cut the same
// way in a query and wherever it stands in a text.
std::size_t CharacterLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (n > rest.size()) return 1;
    for (std::size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

bool IsWholeCharacter(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    return character.size() > 1 || (lead < 0x80 && lead != 0);
}

// Every character is a word, the fields' separator and spaces included:
// a phrase then matches only characters standing side by side.
int Tokenize(Fts5Tokenizer*, void* context, int, const char* text, int bytes,
             int (*token)(void*, int, const char*, int, int, int)) {
    const std::string_view all(text ? text : "", static_cast<std::size_t>(bytes));
    for (std::size_t i = 0; i < all.size();) {
        const std::size_t n = CharacterLength(all.substr(i));
        const int start = static_cast<int>(i), end = static_cast<int>(i + n);
        if (const int result = token(context, 0, all.data() + i, end - start, start, end); result != SQLITE_OK) {
            return result;
        }
        i += n;
    }
    return SQLITE_OK;
}

// The tokenizer keeps no state: one object serves every index.
int CreateTokenizer(void*, const char**, int, Fts5Tokenizer** tokenizer) {
    static char none;
    *tokenizer = reinterpret_cast<Fts5Tokenizer*>(&none);
    return SQLITE_OK;
}

void DeleteTokenizer(Fts5Tokenizer*) {}

fts5_api* FullTextApi(sqlite3* db) {
    fts5_api* api = nullptr;
    Statement ask(db, "SELECT fts5(?1)");
    ask.BindPointer(1, &api, "fts5_api_ptr");
    ask.Step();
    return api;
}

}  // namespace

void RegisterCharacterTokenizer(sqlite3* db) {
    fts5_api* api = FullTextApi(db);
    if (!api) throw SqliteError(SQLITE_ERROR, "SQLite has no full-text index (FTS5)");
    fts5_tokenizer tokenizer{CreateTokenizer, DeleteTokenizer, Tokenize};
    Check(db, api->xCreateTokenizer(api, kCharacterTokenizer, nullptr, &tokenizer, nullptr));
}

bool IndexAnswers(std::string_view query) {
    if (query.empty()) return false;
    for (std::size_t i = 0; i < query.size();) {
        const std::size_t n = CharacterLength(query.substr(i));
        if (!IsWholeCharacter(query.substr(i, n))) return false;
        i += n;
    }
    return true;
}

std::string PhraseOf(std::string_view query) {
    std::string phrase = "\"";
    for (const char c : query) {
        if (c == '"') phrase += '"';  // a quote is doubled inside a phrase
        phrase += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return phrase + '"';
}

}  // namespace journal
