#pragma once

#include <string>
#include <string_view>

// The schema statements are kept in the form the data files and older
// installations were built around. SQLite refuses two of their forms; this
// turns them into statements with the same meaning:
// - a table constraint (PRIMARY KEY (...)) standing before further column
//   definitions moves to the end of the definition list;
// - "ALTER TABLE t ALTER COLUMN c <type>" (used as a probe that succeeds exactly
//   when the column exists) becomes "SELECT c FROM t LIMIT 0".
// Every other statement is returned unchanged.
std::string ToSqliteDialect(std::string_view statement);
