// The journal's tables and the steps that bring an older database up to
// them. PRAGMA user_version holds the number of steps a database has taken.
#pragma once

#include <sqlite3.h>

namespace journal {

// The version this program writes; a database at a higher one was written
// by a newer program and is only read.
int CurrentSchemaVersion();

// The database's version: 0 for a new, empty file.
int SchemaVersion(sqlite3* db);

// Whether this program knows the tables of `version`: 0 to the current
// one. Any other number, a newer program's or a damaged header's, names
// tables it cannot safely write.
bool KnownSchemaVersion(int version);

// Takes the steps from the database's version to the current one, all in
// one transaction that waits for other writers: two programs opening one
// new file at once create the tables once. A database at an unknown
// version is left as it is.
void Migrate(sqlite3* db);

}  // namespace journal
